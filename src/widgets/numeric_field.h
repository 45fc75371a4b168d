// A numeric field: holds a double Value and shows it through a picture format ("#0.#" by
// default, see number_format.h). Switched-on limits clamp the values the program sets.
// What the operator types stays exactly as typed: a number (digits with a decimal comma or
// point, blanks around) becomes the value at once, limits or not; any other text ("12a",
// "1e30", an emptied field) leaves the field marked as holding no number until it is
// corrected or the program sets a value, so the checks that read it can refuse it. The
// field never holds NaN or infinity. Writing the value it already shows does not repaint
// (the live view rewrites ~100 fields every 75 ms). The program can mark a value outside
// its limits (setOutOfRange): a ring in two colours, one of which stands out on any skin,
// with the limits as its tip and accessible description. Owned by its parent widget; window
// thread only.
#pragma once

#include <QLineEdit>

#include "widgets/accessibility.h"

namespace orvane::widgets {

class NumericField : public QLineEdit, public AccessibleIndicator {
    Q_OBJECT
    Q_PROPERTY(double value READ value WRITE setValue)

  public:
    explicit NumericField(QWidget* parent = nullptr);

    double value() const { return value_; }
    void setValue(double value);  // clamped; NaN and infinity are refused
    // False while the field shows operator text that is not a number; value() then still
    // answers the last number it held.
    bool holdsNumber() const { return holdsNumber_; }

    QString format() const { return format_; }
    void setFormat(const QString& pattern);
    void setDecimalPoint(QChar point);  // shown separator; typing accepts both anyway

    void setLowerLimit(double limit, bool enabled = true);
    void setUpperLimit(double limit, bool enabled = true);
    // A non-empty `tip` marks the field as outside its limits and says which they are; an
    // empty one clears the mark.
    void setOutOfRange(const QString& tip);
    bool isOutOfRange() const { return !outOfRangeTip_.isEmpty(); }
    bool hasLowerLimit() const { return lowerOn_; }
    bool hasUpperLimit() const { return upperOn_; }
    double lowerLimit() const { return lower_; }
    double upperLimit() const { return upper_; }

    QSize sizeHint() const override;

    QAccessible::Role accessibleRole() const override { return QAccessible::EditableText; }
    QString accessibleValue() const override { return text(); }
    void addAccessibleState(QAccessible::State& state) const override;
    std::optional<AccessibleNumber> accessibleNumber() const override;

  signals:
    // The operator changed the value by typing or stepping (not emitted for setValue()).
    void valueEdited(double value);
    // What the field holds changed: typed (a number or not) or set by the program.
    void entryChanged();

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Used by the spin field's steps: clamps, shows and reports.
    void applyOperatorValue(double value);
    // From now on a key that would leave anything but a number inside the switched-on
    // limits has no effect, and leaving a half-typed number ("-", "") shows the held value
    // again: for fields whose value goes out without a check (the clock setting).
    void refuseKeysOutsideLimits();

  private:
    double clamped(double value) const;
    void showValue();
    void takeTypedText(const QString& text);
    void setHoldsNumber(bool holds);

    double value_ = 0.0;
    QString format_ = QStringLiteral("#0.#");
    char point_ = '.';
    double lower_ = 0.0;
    double upper_ = 0.0;
    bool lowerOn_ = false;
    bool upperOn_ = false;
    bool holdsNumber_ = true;
    bool refusesKeys_ = false;
    QString outOfRangeTip_;
};

}  // namespace orvane::widgets
