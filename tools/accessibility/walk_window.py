#!/usr/bin/python3
"""Walks the running configurator's accessibility tree over AT-SPI, the way a screen reader
or a GUI test tool sees it, and checks on every page that every input and indicator has a
name, that buttons are not named after the group they sit in, and that numeric fields offer
their text and their number. Hidden tabs must be neither showing nor openable. With
`--press START COMMAND` it starts the link by the button named START and presses the button
named COMMAND, whose handler opens a message box: the press has to come back at once.

Run by scripts/accessibility-check inside a D-Bus session with the program running.
Exit status 0 when everything holds; the report lists what does not."""

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
PRESS = sys.argv[2:4] if len(sys.argv) > 3 and sys.argv[1] == "--press" else None
# Longest an action may take to come back: it only queues the handler.
PRESS_RETURNS_WITHIN_S = 1.0


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


def press(node):
    """Runs the node's press action as an assistive tool does; False when it has none."""
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("click", "press", "switch", "Press", "SetFocus"):
            action.doAction(i)
            return True
    return False


def show_page(tab):
    """Switches to a page through the tab's own action."""
    if not press(tab):
        return False
    time.sleep(0.6)
    return True


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def selected_tab(tabs):
    return next((t.name for t in tabs if t.getState().contains(pyatspi.STATE_SELECTED)), None)


def check_hidden_tab(tabs, tab, problems):
    """A hidden tab offers no way to its page."""
    before = selected_tab(tabs)
    try:
        press(tab)
    except Exception:  # no action interface at all: nothing to open it with
        pass
    time.sleep(0.6)
    if selected_tab(tabs) != before:
        problems.append(f"hidden page {tab.name!r} opened through its tab")


def as_number(text):
    try:
        return float(text.strip().replace(",", "."))
    except ValueError:
        return None


def check_field(node, page, problems):
    """A field offers its shown text, and a numeric one the number behind it."""
    try:
        text = node.queryText()
        shown = text.getText(0, text.characterCount)
    except NotImplementedError:
        problems.append(f"{node.getRoleName()} {node.name!r} on {page} offers no text")
        return
    number = as_number(shown)
    if number is None and node.getRoleName() != "spin button":
        return  # a text field, such as the NetBIOS name
    try:
        value = node.queryValue().currentValue
    except NotImplementedError:
        problems.append(f"{node.getRoleName()} {node.name!r} on {page} offers no value")
        return
    if number is not None and abs(value - number) > 0.051:  # shown rounded to one decimal
        problems.append(f"{node.name!r} on {page} shows {shown!r} but says {value}")


def find_named(app, role, name):
    return next((n for n, _ in walk(app) if n.getRoleName() == role and n.name == name), None)


def check_press_returns(app, start, command, problems):
    """Starts the link, then presses a button whose handler opens a box: the call returns
    before the box is answered, and the box then closes through its own button."""
    for name in (start, command):
        if find_named(app, "push button", name) is None:
            problems.append(f"no button {name!r} to press")
            return
    press(find_named(app, "push button", start))
    time.sleep(3)  # the link reads the unit's firmware
    began = time.monotonic()
    press(find_named(app, "push button", command))
    took = time.monotonic() - began
    print(f"pressing {command!r} came back after {took:.3f} s")
    if took > PRESS_RETURNS_WITHIN_S:
        problems.append(f"pressing {command!r} waited {took:.1f} s for its handler")
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        box = next((n for n, _ in walk(app) if n.getRoleName() in ("alert", "dialog")
                    and showing(n)), None)
        if box is not None:
            ok = next((n for n, _ in walk(box) if n.getRoleName() == "push button"), None)
            if ok is not None:
                press(ok)
            return
        time.sleep(0.25)
    problems.append(f"pressing {command!r} opened no box")


def main():
    app = find_application(30)
    if app is None:
        print("the configurator did not appear on the accessibility bus")
        return 2
    roles = {}
    unnamed = []
    problems = []
    checked = []
    tabs = pages(app)
    print("pages:", ", ".join(t.name + ("" if showing(t) else " (hidden)") for t in tabs))
    for tab in tabs:
        if not showing(tab):
            check_hidden_tab(tabs, tab, problems)
            continue
        try:
            extents = tab.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        except NotImplementedError:
            problems.append(f"page tab {tab.name!r} cannot say where it is")
        else:
            if extents.width <= 0 or extents.height <= 0:
                problems.append(f"page tab {tab.name!r} is announced as showing but takes no room")
        if not show_page(tab):
            print(f"page {tab.name!r} has no action to show it")
            unnamed.append("page without action")
        check_page(app, tab.name, roles, unnamed, problems, checked)
    if PRESS:
        check_press_returns(app, *PRESS, problems)
    print("roles:", ", ".join(f"{r} {n}" for r, n in sorted(roles.items())))
    print("checked:", "; ".join(checked) if checked else "none")
    if unnamed:
        print(f"{len(unnamed)} shown controls without a name:", ", ".join(unnamed))
    for problem in problems:
        print(problem)
    if unnamed or problems:
        return 1
    print("every shown control on every page has a name, fields offer text and value, "
          "hidden pages stay closed")
    return 0


def check_page(app, page, roles, unnamed, problems, checked):
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
        if role == "push button" and node.parent is not None and name and \
                " ".join(name.split()) == " ".join((node.parent.name or "").split()):
            problems.append(f"button {name!r} on {page} is named after its group")
        if role in ("text", "spin button"):
            check_field(node, page, problems)
        if role == LISTED:
            print(f"  {page}: {role} {name!r}")
        if states.contains(pyatspi.STATE_CHECKED):
            checked.append(f"{role}: {name}")


if __name__ == "__main__":
    sys.exit(main())
