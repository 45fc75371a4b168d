#include "widgets/large_button.h"

#include <QEnterEvent>
#include <QPainter>
#include <QPainterPath>

#include "widgets/paint_tools.h"

namespace orvane::widgets {
namespace {
const QColor kHoverCaption(255, 0, 255);  // fuchsia
constexpr int kPadX = 16;
constexpr int kPadY = 10;
}  // namespace

LargeButton::LargeButton(const QString& caption, const QColor& colour, QWidget* parent)
    : QAbstractButton(parent), colour_(colour) {
    installWidgetAccessibility();
    setText(caption);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    QFont f = font();
    f.setBold(true);
    setFont(f);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void LargeButton::setColour(const QColor& colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

QColor LargeButton::captionColour() const {
    if (!isEnabled())
        return QColor(160, 160, 160);
    return hovered_ ? kHoverCaption : contrastingText(colour_);
}

QSize LargeButton::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    return {fm.horizontalAdvance(text()) + 2 * kPadX, qMax(40, fm.height() + 2 * kPadY)};
}

QSize LargeButton::minimumSizeHint() const {
    const QFontMetrics fm = fontMetrics();
    return {fm.horizontalAdvance(text()) + kPadX, fm.height() + kPadY};
}

void LargeButton::addAccessibleState(QAccessible::State& state) const {
    state.pressed = isDown();
    state.focusable = true;
    state.hotTracked = hovered_;
}

void LargeButton::setHovered(bool hovered) {
    if (hovered == hovered_)
        return;
    hovered_ = hovered;
    update();
}

void LargeButton::enterEvent(QEnterEvent* event) {
    setHovered(true);
    QAbstractButton::enterEvent(event);
}

void LargeButton::leaveEvent(QEvent* event) {
    setHovered(false);
    QAbstractButton::leaveEvent(event);
}

void LargeButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -2);
    const qreal radius = qMin(6.0, r.height() / 4);

    // Drop shadow, then the face; pressed faces sit lower and darker.
    const QColor base = isEnabled() ? colour_ : QColor(150, 150, 150);
    const bool down = isDown();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(r.translated(0, 1.5), radius, radius);

    const QRectF face = down ? r.translated(0, 1) : r;
    const QColor top = down ? base.darker(115) : base.lighter(135);
    const QColor bottom = down ? base.darker(105) : base.darker(125);
    p.setPen(QPen(base.darker(175), 1.0));
    p.setBrush(verticalGradient(face, top, bottom));
    p.drawRoundedRect(face, radius, radius);

    // A thin highlight along the upper edge gives the face its bevel.
    QPainterPath gloss;
    const QRectF upper = face.adjusted(1.5, 1.5, -1.5, -face.height() * 0.5);
    gloss.addRoundedRect(upper, radius - 1, radius - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(
        verticalGradient(upper, QColor(255, 255, 255, down ? 30 : 90), QColor(255, 255, 255, 0)));
    p.drawPath(gloss);

    if (hasFocus()) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.0, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(face.adjusted(3, 3, -3, -3), radius - 2, radius - 2);
    }

    p.setPen(captionColour());
    p.drawText(face, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

}  // namespace orvane::widgets
