#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include "widgets/indicator_accessible.h"

namespace orvane::widgets {

FieldAccessible::FieldAccessible(QLineEdit* field, const AccessibleIndicator* indicator)
    : IndicatorAccessible(field, indicator) {}

QLineEdit* FieldAccessible::field() const {
    return static_cast<QLineEdit*>(widget());
}

bool FieldAccessible::editable() const {
    return field()->isEnabled() && !field()->isReadOnly();
}

void* FieldAccessible::interface_cast(QAccessible::InterfaceType type) {
    switch (type) {
        case QAccessible::TextInterface:
            return static_cast<QAccessibleTextInterface*>(this);
        case QAccessible::EditableTextInterface:
            return static_cast<QAccessibleEditableTextInterface*>(this);
        case QAccessible::ValueInterface:
            return indicator()->accessibleNumber() ? static_cast<QAccessibleValueInterface*>(this)
                                                   : nullptr;
        default:
            return IndicatorAccessible::interface_cast(type);
    }
}

void FieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !field()->hasSelectedText())
        return;
    *startOffset = field()->selectionStart();
    *endOffset = field()->selectionEnd();
}

int FieldAccessible::selectionCount() const {
    return field()->hasSelectedText() ? 1 : 0;
}

void FieldAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void FieldAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        field()->deselect();
}

void FieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0)
        field()->setSelection(startOffset, endOffset - startOffset);
}

int FieldAccessible::cursorPosition() const {
    return field()->cursorPosition();
}

void FieldAccessible::setCursorPosition(int position) {
    field()->setCursorPosition(position);
}

QString FieldAccessible::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset)
        return {};
    return field()->text().mid(startOffset, endOffset - startOffset);
}

int FieldAccessible::characterCount() const {
    return static_cast<int>(field()->text().size());
}

QRect FieldAccessible::characterRect(int offset) const {
    // Where the field draws its text: inside the frame and margins, aligned as it is set.
    QLineEdit* edit = field();
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth =
        edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QRect area = edit->style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                           .marginsRemoved(edit->textMargins());
    const QString shown = edit->displayText();
    if (offset < 0 || offset >= shown.size())
        return {};
    const QFontMetrics metrics = edit->fontMetrics();
    const int width = metrics.horizontalAdvance(shown);
    int left = area.left();
    if (edit->alignment() & Qt::AlignRight)
        left = area.right() + 1 - width;
    else if (edit->alignment() & Qt::AlignHCenter)
        left = area.left() + (area.width() - width) / 2;
    const QRect box(left + metrics.horizontalAdvance(shown.left(offset)), area.top(),
                    metrics.horizontalAdvance(shown.at(offset)), area.height());
    return QRect(edit->mapToGlobal(box.topLeft()), box.size());
}

int FieldAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint local = field()->mapFromGlobal(point);
    if (!field()->rect().contains(local))
        return -1;
    return field()->cursorPositionAt(local);
}

void FieldAccessible::scrollToSubstring(int, int endIndex) {
    // A one-line field shows the part around its cursor.
    field()->setCursorPosition(endIndex);
}

QString FieldAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    // One font and colour throughout: a single run without attributes.
    (void)offset;
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void FieldAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, {});
}

void FieldAccessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void FieldAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    if (!editable() || startOffset < 0 || startOffset > endOffset || endOffset > characterCount() ||
        (startOffset == endOffset && text.isEmpty()))
        return;
    // As if typed: the field's validator and its edit signal see it like keystrokes.
    QLineEdit* edit = field();
    edit->setSelection(startOffset, endOffset - startOffset);
    if (text.isEmpty())
        edit->del();
    else
        edit->insert(text);
}

QVariant FieldAccessible::currentValue() const {
    const std::optional<AccessibleNumber> number = indicator()->accessibleNumber();
    return number ? QVariant(number->value) : QVariant();
}

void FieldAccessible::setCurrentValue(const QVariant& value) {
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (ok)
        replaceText(0, characterCount(), QString::number(number, 'g', 15));
}

QVariant FieldAccessible::maximumValue() const {
    const std::optional<AccessibleNumber> number = indicator()->accessibleNumber();
    return number && number->maximum ? QVariant(*number->maximum) : QVariant();
}

QVariant FieldAccessible::minimumValue() const {
    const std::optional<AccessibleNumber> number = indicator()->accessibleNumber();
    return number && number->minimum ? QVariant(*number->minimum) : QVariant();
}

QVariant FieldAccessible::minimumStepSize() const {
    const std::optional<AccessibleNumber> number = indicator()->accessibleNumber();
    return number ? QVariant(number->step) : QVariant();
}

}  // namespace orvane::widgets
