#!/usr/bin/python3
"""Walks the running configurator's accessibility tree over AT-SPI, the way a screen reader
or a GUI test tool sees it, and checks that every input and indicator has a name.

Run by scripts/accessibility-check inside a D-Bus session with the program running.
Exit status 0 when every control is named; the report lists what is not."""

import sys
import time

import pyatspi

APP_NAMES = {"orvane-configurator", "Orvane"}
# Roles an operator works with or reads a value from.
NAMED_ROLES = {
    "push button", "check box", "radio button", "combo box", "text", "spin button",
    "page tab", "toggle button", "chart", "indicator", "static", "label", "password text",
    "unknown",  # the lamps: AT-SPI has no indicator role
}
# `--list ROLE` prints the names of the shown controls of that role on every page.
LISTED = sys.argv[2] if len(sys.argv) > 2 and sys.argv[1] == "--list" else None


def find_application(timeout_s):
    deadline = time.monotonic() + timeout_s
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name in APP_NAMES and app.childCount > 0:
                return app
        time.sleep(0.25)
    return None


def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def pages(app):
    return [node for node, _ in walk(app) if node.getRoleName() == "page tab"]


def show_page(tab):
    """Switches to a page through the tab's own action, as an assistive tool does."""
    action = tab.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("click", "press", "switch", "Press", "SetFocus"):
            action.doAction(i)
            time.sleep(0.6)
            return True
    return False


def main():
    app = find_application(30)
    if app is None:
        print("the configurator did not appear on the accessibility bus")
        return 2
    roles = {}
    unnamed = []
    checked = []
    tabs = pages(app)
    print("pages:", ", ".join(t.name for t in tabs))
    for tab in tabs:
        if not show_page(tab):
            print(f"page {tab.name!r} has no action to show it")
            unnamed.append("page without action")
        check_page(app, tab.name, roles, unnamed, checked)
    print("roles:", ", ".join(f"{r} {n}" for r, n in sorted(roles.items())))
    print("checked:", "; ".join(checked) if checked else "none")
    if unnamed:
        print(f"{len(unnamed)} shown controls without a name:", ", ".join(unnamed))
        return 1
    print("every shown control on every page has a name")
    return 0


def check_page(app, page, roles, unnamed, checked):
    for node, _ in walk(app):
        role = node.getRoleName()
        roles[role] = roles.get(role, 0) + 1
        if role not in NAMED_ROLES:
            continue
        states = node.getState()
        if not states.contains(pyatspi.STATE_SHOWING):
            continue
        name = (node.name or "").strip()
        if role == "label":
            continue  # captions name the controls; their own text is their name
        if not name:
            unnamed.append(f"{role} on {page}")
        if role == LISTED:
            print(f"  {page}: {role} {name!r}")
        if states.contains(pyatspi.STATE_CHECKED):
            checked.append(f"{role}: {name}")


if __name__ == "__main__":
    sys.exit(main())
