// A seven-segment number display: a whole number with leading zeros on a fixed count of
// digits (2 for the clock's day, month, hour, minute and second, 4 for the year). Only lit
// segments are drawn, green on black. A value that does not fit (negative, too many
// digits, not a number) shows a dash on every digit rather than a wrong number.
// Owned by its parent widget; window thread only.
#pragma once

#include <QColor>
#include <QWidget>

#include "widgets/accessibility.h"

namespace orvane::widgets {

class DigitGroup : public QWidget, public AccessibleIndicator {
    Q_OBJECT
    Q_PROPERTY(double value READ value WRITE setValue)

  public:
    explicit DigitGroup(int digits = 2, QWidget* parent = nullptr);

    double value() const { return value_; }
    void setValue(double value);  // rounded to the nearest whole number

    int digitCount() const { return digits_; }
    void setDigitCount(int digits);  // 1..9
    void setSegmentColour(const QColor& colour);

    QString shownText() const { return shown_; }  // "07", "2025", "--"

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QAccessible::Role accessibleRole() const override { return QAccessible::StaticText; }
    QString accessibleValue() const override { return shown_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString textFor(double value) const;
    void refresh();

    double value_ = 0.0;
    int digits_;
    QColor segment_{40, 240, 80};
    QString shown_;
};

}  // namespace orvane::widgets
