#include "widgets/lamp.h"

#include <QPainter>

#include "widgets/paint_tools.h"

namespace orvane::widgets {

Lamp::Lamp(QWidget* parent) : QWidget(parent) {
    installWidgetAccessibility();
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void Lamp::setActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    update();
    QAccessible::State changed;
    changed.checked = true;
    notifyAccessibleState(this, changed);
    notifyAccessibleValue(this);
}

void Lamp::setLowColours(const QColor& first, const QColor& second) {
    if (first == lowFirst_ && second == lowSecond_)
        return;
    lowFirst_ = first;
    lowSecond_ = second;
    if (!active_)
        update();
}

void Lamp::setHighColours(const QColor& first, const QColor& second) {
    if (first == highFirst_ && second == highSecond_)
        return;
    highFirst_ = first;
    highSecond_ = second;
    if (active_)
        update();
}

QSize Lamp::sizeHint() const {
    return {18, 18};
}
QSize Lamp::minimumSizeHint() const {
    return {8, 8};
}

QString Lamp::accessibleValue() const {
    return active_ ? QStringLiteral("on") : QStringLiteral("off");
}

void Lamp::addAccessibleState(QAccessible::State& state) const {
    state.checkable = true;
    state.checked = active_;
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height()) - 1.0;
    const QRectF outer((width() - side) / 2.0, (height() - side) / 2.0, side, side);

    // Bezel: a dark ring lit from above, so the lamp reads as set into the panel.
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(outer, QColor(40, 40, 40), QColor(200, 200, 200)));
    p.drawEllipse(outer);

    const qreal ring = qMax(1.0, side * 0.1);
    const QRectF lens = outer.adjusted(ring, ring, -ring, -ring);
    QColor first = active_ ? highFirst_ : lowFirst_;
    QColor second = active_ ? highSecond_ : lowSecond_;
    if (!isEnabled()) {  // a disabled lamp keeps its hue but fades towards grey
        first = QColor::fromHsv(first.hsvHue(), first.hsvSaturation() / 3, first.value());
        second = QColor::fromHsv(second.hsvHue(), second.hsvSaturation() / 3, second.value());
    }
    p.setBrush(verticalGradient(lens, first, second));
    p.drawEllipse(lens);

    // Soft reflection in the upper half of the lens.
    const QRectF gloss(lens.left() + lens.width() * 0.2, lens.top() + lens.height() * 0.06,
                       lens.width() * 0.6, lens.height() * 0.42);
    QColor shine(255, 255, 255, active_ ? 150 : 90);
    QColor clear(255, 255, 255, 0);
    p.setBrush(verticalGradient(gloss, shine, clear));
    p.drawEllipse(gloss);
}

}  // namespace orvane::widgets
