// Accessibility for the indicator widgets: each widget reports what it shows through one
// small mixin, and a single factory (installed on first use) turns any widget with that
// mixin into a QAccessibleWidget; numeric fields also offer their text and their number.
// Screen readers, UI tests and the window's own checks read lamp states, shown texts and
// values through it. A second factory makes tab bars tell hidden tabs apart: Qt's own
// announces a hidden tab as showing and opens it through its action. Window thread only.
#pragma once

#include <QAccessible>
#include <QString>
#include <optional>

class QWidget;

namespace orvane::widgets {

// The number a widget holds behind its text, with the limits that are switched on.
struct AccessibleNumber {
    double value = 0.0;
    std::optional<double> minimum;
    std::optional<double> maximum;
    double step = 0.0;  // 0: the widget has no steps
};

class AccessibleIndicator {
  public:
    virtual ~AccessibleIndicator() = default;
    virtual QAccessible::Role accessibleRole() const = 0;
    // The text the widget shows: "on"/"off" for lamps, the digits, the line's text.
    virtual QString accessibleValue() const = 0;
    virtual void addAccessibleState(QAccessible::State& state) const { (void)state; }
    // Widgets that hold a number report it; the others have none.
    virtual std::optional<AccessibleNumber> accessibleNumber() const { return std::nullopt; }
};

// Installs the factories once per process; every widget constructor calls it.
void installWidgetAccessibility();

// Tells assistive tools that what the widget shows changed. Cheap when none listen.
void notifyAccessibleValue(QWidget* widget);
void notifyAccessibleState(QWidget* widget, QAccessible::State changed);

}  // namespace orvane::widgets
