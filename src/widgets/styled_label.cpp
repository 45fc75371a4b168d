#include "widgets/styled_label.h"

#include <QPainter>

namespace orvane::widgets {

StyledLabel::StyledLabel(const QString& text, Effect effect, QWidget* parent)
    : QWidget(parent), text_(text), effect_(effect) {
    installWidgetAccessibility();
    effectColour_ = effect == Effect::Highlight ? QColor(255, 255, 255) : QColor(0, 0, 0, 70);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void StyledLabel::setText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    updateGeometry();
    update();
    notifyAccessibleValue(this);
}

void StyledLabel::setEffect(Effect effect) {
    if (effect == effect_)
        return;
    effect_ = effect;
    updateGeometry();
    update();
}

void StyledLabel::setTextColour(const QColor& colour) {
    if (colour == textColour_)
        return;
    textColour_ = colour;
    update();
}

void StyledLabel::setEffectColour(const QColor& colour) {
    if (colour == effectColour_)
        return;
    effectColour_ = colour;
    update();
}

void StyledLabel::setAlignment(Qt::Alignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    update();
}

QSize StyledLabel::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    return {fm.horizontalAdvance(text_) + offset() + 2, fm.height() + offset() + 2};
}

void StyledLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRect area = rect().adjusted(1, 1, -1 - offset(), -1 - offset());
    p.setPen(effectColour_);
    p.drawText(area.translated(offset(), offset()), alignment_, text_);
    p.setPen(textColour_.isValid() ? textColour_ : palette().color(QPalette::WindowText));
    p.drawText(area, alignment_, text_);
}

}  // namespace orvane::widgets
