#include "widgets/accessibility.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QWidget>

#include "widgets/indicator_accessible.h"
#include "widgets/tab_bar_accessible.h"

namespace orvane::widgets {
namespace {

QAccessibleInterface* indicatorFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    auto* indicator = dynamic_cast<AccessibleIndicator*>(object);
    if (!widget || !indicator)
        return nullptr;
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        return new FieldAccessible(field, indicator);
    return new IndicatorAccessible(widget, indicator);
}

}  // namespace

IndicatorAccessible::IndicatorAccessible(QWidget* widget, const AccessibleIndicator* indicator)
    : QAccessibleWidget(widget, indicator->accessibleRole()), indicator_(indicator) {
    if (qobject_cast<QAbstractButton*>(widget)) {
        addControllingSignal(QStringLiteral("clicked(bool)"));
    }
}

QString IndicatorAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name: {
            QString name = widget()->accessibleName();
            // A button says what it does by its own caption, not by the group it sits in.
            if (auto* button = qobject_cast<QAbstractButton*>(widget()); name.isEmpty() && button)
                name = button->text().remove(QLatin1Char('&')).simplified();
            if (name.isEmpty())
                name = QAccessibleWidget::text(t);
            if (name.isEmpty())
                name = widget()->objectName();
            return name;
        }
        case QAccessible::Value:
            return indicator_->accessibleValue();
        default:
            return QAccessibleWidget::text(t);
    }
}

QAccessible::State IndicatorAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    indicator_->addAccessibleState(s);
    return s;
}

QStringList IndicatorAccessible::actionNames() const {
    auto* button = qobject_cast<QAbstractButton*>(widget());
    if (!button || !button->isEnabled())
        return QAccessibleWidget::actionNames();
    return {button->isCheckable() ? toggleAction() : pressAction()};
}

void IndicatorAccessible::doAction(const QString& name) {
    auto* button = qobject_cast<QAbstractButton*>(widget());
    if (button && button->isEnabled() && (name == pressAction() || name == toggleAction())) {
        button->click();
        return;
    }
    QAccessibleWidget::doAction(name);
}

void installWidgetAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(indicatorFactory);
        QAccessible::installFactory(TabBarFactory);
        return true;
    }();
    (void)installed;
}

void notifyAccessibleValue(QWidget* widget) {
    if (!QAccessible::isActive())
        return;
    auto* indicator = dynamic_cast<AccessibleIndicator*>(widget);
    QAccessibleValueChangeEvent event(widget, indicator ? indicator->accessibleValue() : QString());
    QAccessible::updateAccessibility(&event);
}

void notifyAccessibleState(QWidget* widget, QAccessible::State changed) {
    if (!QAccessible::isActive())
        return;
    QAccessibleStateChangeEvent event(widget, changed);
    QAccessible::updateAccessibility(&event);
}

}  // namespace orvane::widgets
