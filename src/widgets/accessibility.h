// Accessibility for the indicator widgets: each widget reports what it shows through one
// small mixin, and a single factory (installed on first use) turns any widget with that
// mixin into a QAccessibleWidget. Screen readers, UI tests and the window's own checks read
// lamp states and shown texts through it. Window thread only.
#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace orvane::widgets {

class AccessibleIndicator {
  public:
    virtual ~AccessibleIndicator() = default;
    virtual QAccessible::Role accessibleRole() const = 0;
    // The text the widget shows: "on"/"off" for lamps, the digits, the line's text.
    virtual QString accessibleValue() const = 0;
    virtual void addAccessibleState(QAccessible::State& state) const { (void)state; }
};

// Installs the factory once per process; every widget constructor calls it.
void installWidgetAccessibility();

// Tells assistive tools that what the widget shows changed. Cheap when none listen.
void notifyAccessibleValue(QWidget* widget);
void notifyAccessibleState(QWidget* widget, QAccessible::State changed);

}  // namespace orvane::widgets
