// A numeric field with up and down buttons. Holding a button steps once at once, then
// again after 500 ms and every 100 ms from there; the arrow keys and the wheel step too.
// Lower and upper limits are on from the start (0 and 99 until the window sets its own), and
// a key that would leave anything but a number inside them has no effect.
// Owned by its parent widget; window thread only.
#pragma once

#include "widgets/numeric_field.h"

class QAbstractButton;

namespace orvane::widgets {

class SpinField : public NumericField {
    Q_OBJECT

  public:
    static constexpr int kRepeatDelayMs = 500;
    static constexpr int kRepeatIntervalMs = 100;

    explicit SpinField(QWidget* parent = nullptr);

    double step() const { return step_; }
    void setStep(double step);

    QAbstractButton* upButton() const { return up_; }
    QAbstractButton* downButton() const { return down_; }

    QSize sizeHint() const override;

    QAccessible::Role accessibleRole() const override { return QAccessible::SpinBox; }
    std::optional<AccessibleNumber> accessibleNumber() const override;

  public slots:
    void stepUp();
    void stepDown();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    int buttonWidth() const;

    double step_ = 1.0;
    QAbstractButton* up_;
    QAbstractButton* down_;
};

}  // namespace orvane::widgets
