#include "widgets/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QWidget>

namespace orvane::widgets {
namespace {

class IndicatorAccessible final : public QAccessibleWidget {
  public:
    IndicatorAccessible(QWidget* widget, const AccessibleIndicator* indicator)
        : QAccessibleWidget(widget, indicator->accessibleRole()), indicator_(indicator) {
        if (qobject_cast<QAbstractButton*>(widget)) {
            addControllingSignal(QStringLiteral("clicked(bool)"));
        }
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name: {
                QString name = QAccessibleWidget::text(t);
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

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        indicator_->addAccessibleState(s);
        return s;
    }

    QStringList actionNames() const override {
        auto* button = qobject_cast<QAbstractButton*>(widget());
        if (!button || !button->isEnabled())
            return QAccessibleWidget::actionNames();
        return {button->isCheckable() ? toggleAction() : pressAction()};
    }

    void doAction(const QString& name) override {
        auto* button = qobject_cast<QAbstractButton*>(widget());
        if (button && button->isEnabled() && (name == pressAction() || name == toggleAction())) {
            button->click();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

  private:
    const AccessibleIndicator* indicator_;
};

QAccessibleInterface* indicatorFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    auto* indicator = dynamic_cast<AccessibleIndicator*>(object);
    if (!widget || !indicator)
        return nullptr;
    return new IndicatorAccessible(widget, indicator);
}

}  // namespace

void installWidgetAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(indicatorFactory);
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
