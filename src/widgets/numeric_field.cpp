#include "widgets/numeric_field.h"

#include <QValidator>
#include <cmath>

#include "widgets/number_format.h"

namespace orvane::widgets {
namespace {

// Lets through only what is, or can still become, a plain decimal number.
class TypedNumberValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        const QByteArray text = input.toLatin1();
        if (input.size() != text.size())
            return Invalid;  // nothing beyond Latin-1 is a digit
        if (parseTypedNumber({text.constData(), static_cast<std::size_t>(text.size())})) {
            return Acceptable;
        }
        return isNumberPrefix({text.constData(), static_cast<std::size_t>(text.size())})
                   ? Intermediate
                   : Invalid;
    }
};

}  // namespace

NumericField::NumericField(QWidget* parent) : QLineEdit(parent) {
    installWidgetAccessibility();
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new TypedNumberValidator(this));
    setText(QString::fromStdString(formatNumber(value_, format_.toStdString(), point_)));
    connect(this, &QLineEdit::textEdited, this, &NumericField::takeTypedText);
    connect(this, &QLineEdit::editingFinished, this, &NumericField::showValue);
}

double NumericField::clamped(double value) const {
    if (upperOn_ && value >= upper_)
        return upper_;
    if (lowerOn_ && value <= lower_)
        return lower_;
    return value;
}

void NumericField::setValue(double value) {
    if (!std::isfinite(value))
        return;
    value_ = clamped(value);
    showValue();
}

void NumericField::showValue() {
    const QString shown =
        QString::fromStdString(formatNumber(value_, format_.toStdString(), point_));
    if (shown == text())
        return;  // unchanged: no repaint, no event
    setText(shown);
    notifyAccessibleValue(this);
}

void NumericField::takeTypedText(const QString& typed) {
    const QByteArray text = typed.toLatin1();
    const auto number = parseTypedNumber({text.constData(), static_cast<std::size_t>(text.size())});
    if (!number)
        return;  // half-typed ("-", "12,"): keep the last value until it is a number
    value_ = clamped(*number);
    emit valueEdited(value_);
}

void NumericField::applyOperatorValue(double value) {
    if (!std::isfinite(value))
        return;
    value_ = clamped(value);
    showValue();
    emit valueEdited(value_);
}

void NumericField::setFormat(const QString& pattern) {
    if (pattern == format_)
        return;
    format_ = pattern;
    showValue();
}

void NumericField::setDecimalPoint(QChar point) {
    const char c = point.toLatin1();
    if (c != '.' && c != ',')
        return;
    point_ = c;
    showValue();
}

void NumericField::setLowerLimit(double limit, bool enabled) {
    if (!std::isfinite(limit))
        return;
    lower_ = limit;
    lowerOn_ = enabled;
    setValue(value_);
}

void NumericField::setUpperLimit(double limit, bool enabled) {
    if (!std::isfinite(limit))
        return;
    upper_ = limit;
    upperOn_ = enabled;
    setValue(value_);
}

QSize NumericField::sizeHint() const {
    QSize hint = QLineEdit::sizeHint();
    // Room for the widest value the live view writes ("-16000.0") without elision.
    const int digits = fontMetrics().horizontalAdvance(QStringLiteral("-000000.00"));
    hint.setWidth(qMax(digits + 2 * fontMetrics().averageCharWidth() + textMargins().left() +
                           textMargins().right(),
                       64));
    return hint;
}

void NumericField::addAccessibleState(QAccessible::State& state) const {
    state.editable = !isReadOnly();
    state.readOnly = isReadOnly();
    state.focusable = true;
}

std::optional<AccessibleNumber> NumericField::accessibleNumber() const {
    AccessibleNumber number{value_, std::nullopt, std::nullopt, 0.0};
    if (lowerOn_)
        number.minimum = lower_;
    if (upperOn_)
        number.maximum = upper_;
    return number;
}

void NumericField::focusOutEvent(QFocusEvent* event) {
    // Leaving with a half-typed number puts the held value back on show.
    showValue();
    QLineEdit::focusOutEvent(event);
}

}  // namespace orvane::widgets
