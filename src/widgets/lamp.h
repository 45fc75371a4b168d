// A two-colour LED lamp. Inactive it shows its "low" pair, active its "high" pair, each as a
// vertical gradient from the first to the second colour. The live view writes every lamp on
// every poll tick, so writing the state it already has does nothing at all.
// Owned by its parent widget; window thread only.
#pragma once

#include <QColor>
#include <QWidget>

#include "widgets/accessibility.h"

namespace orvane::widgets {

class Lamp : public QWidget, public AccessibleIndicator {
    Q_OBJECT
    Q_PROPERTY(bool active READ isActive WRITE setActive)

  public:
    explicit Lamp(QWidget* parent = nullptr);

    bool isActive() const { return active_; }
    void setActive(bool active);

    void setLowColours(const QColor& first, const QColor& second);
    void setHighColours(const QColor& first, const QColor& second);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QAccessible::Role accessibleRole() const override { return QAccessible::Indicator; }
    QString accessibleValue() const override;
    void addAccessibleState(QAccessible::State& state) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool active_ = false;
    QColor lowFirst_{255, 0, 0};
    QColor lowSecond_{0, 0, 0};
    QColor highFirst_{0, 255, 0};
    QColor highSecond_{0, 128, 0};
};

}  // namespace orvane::widgets
