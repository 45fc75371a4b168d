#include "widgets/numeric_field.h"

#include <QPainter>
#include <QValidator>
#include <cmath>
#include <optional>

#include "widgets/number_format.h"

namespace orvane::widgets {
namespace {

std::optional<double> TypedNumber(const QString& typed) {
    const QByteArray text = typed.toLatin1();
    if (typed.size() != text.size())
        return std::nullopt;  // nothing beyond Latin-1 is a digit
    return parseTypedNumber({text.constData(), static_cast<std::size_t>(text.size())});
}

// Lets through only what is, or can still become, a number inside the field's limits.
class LimitedNumberValidator final : public QValidator {
  public:
    explicit LimitedNumberValidator(NumericField* field) : QValidator(field), field_(field) {}

    State validate(QString& input, int&) const override {
        if (const std::optional<double> number = TypedNumber(input))
            return withinLimits(*number) ? Acceptable : Invalid;
        const QByteArray text = input.toLatin1();
        return input.size() == text.size() &&
                       isNumberPrefix({text.constData(), static_cast<std::size_t>(text.size())})
                   ? Intermediate
                   : Invalid;
    }

  private:
    bool withinLimits(double number) const {
        return (!field_->hasLowerLimit() || number >= field_->lowerLimit()) &&
               (!field_->hasUpperLimit() || number <= field_->upperLimit());
    }

    const NumericField* field_;
};

// Drawn over any skin around a field whose text is not a number.
const QColor NotANumberFrame(200, 0, 0);
// Around a value outside its limits: amber outside, black inside. Amber stands out from a
// dark skin's field by more than 3:1 and black from a light one's, so one of them always
// shows.
const QColor OutOfRangeOuter(255, 150, 0);
const QColor OutOfRangeInner(0, 0, 0);

}  // namespace

NumericField::NumericField(QWidget* parent) : QLineEdit(parent) {
    installWidgetAccessibility();
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setText(QString::fromStdString(formatNumber(value_, format_.toStdString(), point_)));
    connect(this, &QLineEdit::textEdited, this, &NumericField::takeTypedText);
}

void NumericField::refuseKeysOutsideLimits() {
    refusesKeys_ = true;
    setValidator(new LimitedNumberValidator(this));
    // A finished entry is shown in the field's format.
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
    setHoldsNumber(true);
    showValue();
}

void NumericField::showValue() {
    const QString shown =
        QString::fromStdString(formatNumber(value_, format_.toStdString(), point_));
    if (shown == text())
        return;  // unchanged: no repaint, no event
    setText(shown);
    notifyAccessibleValue(this);
    emit entryChanged();
}

void NumericField::setHoldsNumber(bool holds) {
    if (holds == holdsNumber_)
        return;
    holdsNumber_ = holds;
    update();
}

void NumericField::takeTypedText(const QString& typed) {
    const std::optional<double> number = TypedNumber(typed);
    if (!number) {
        // A field that refuses keys holds its last value while a number is half-typed
        // ("-", "12,"); any other field keeps the text and knows it is no number.
        if (!refusesKeys_)
            setHoldsNumber(false);
        emit entryChanged();
        return;
    }
    value_ = *number;  // as typed: limits never turn it into another number
    setHoldsNumber(true);
    emit valueEdited(value_);
    emit entryChanged();
}

void NumericField::applyOperatorValue(double value) {
    if (!std::isfinite(value))
        return;
    value_ = clamped(value);
    setHoldsNumber(true);
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

void NumericField::setOutOfRange(const QString& tip) {
    if (tip == outOfRangeTip_)
        return;
    outOfRangeTip_ = tip;
    setToolTip(tip);
    setAccessibleDescription(tip);
    update();
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
    // Leaving a half-typed number where keys are refused puts the held value back on show;
    // elsewhere the operator's text stays as typed.
    if (refusesKeys_)
        showValue();
    QLineEdit::focusOutEvent(event);
}

void NumericField::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!holdsNumber_) {
        QPainter painter(this);
        painter.setPen(QPen(NotANumberFrame, 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    } else if (isOutOfRange()) {
        QPainter painter(this);
        painter.setPen(QPen(OutOfRangeOuter, 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        painter.setPen(QPen(OutOfRangeInner, 1));
        painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
    }
}

}  // namespace orvane::widgets
