// A numeric field: holds a double Value and shows it through a picture format ("#0.#" by
// default, see number_format.h). Switched-on limits clamp every value set, by the program
// or typed. The operator may type digits with a decimal comma or point; anything that is
// not such a number cannot be entered, so the field never holds NaN or infinity. Writing
// the value it already shows does not repaint (the live view rewrites ~100 fields every
// 75 ms). Owned by its parent widget; window thread only.
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

    QString format() const { return format_; }
    void setFormat(const QString& pattern);
    void setDecimalPoint(QChar point);  // shown separator; typing accepts both anyway

    void setLowerLimit(double limit, bool enabled = true);
    void setUpperLimit(double limit, bool enabled = true);
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

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    // Used by the spin field's steps: clamps, shows and reports like typing does.
    void applyOperatorValue(double value);

  private:
    double clamped(double value) const;
    void showValue();
    void takeTypedText(const QString& text);

    double value_ = 0.0;
    QString format_ = QStringLiteral("#0.#");
    char point_ = '.';
    double lower_ = 0.0;
    double upper_ = 0.0;
    bool lowerOn_ = false;
    bool upperOn_ = false;
};

}  // namespace orvane::widgets
