#include "widgets/check_lamp.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "widgets/paint_tools.h"

namespace orvane::widgets {
namespace {
constexpr int kSpacing = 6;
constexpr int kMargin = 2;
}  // namespace

CheckLamp::CheckLamp(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    installWidgetAccessibility();
    setCheckable(true);
    setText(caption);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::toggled, this, [this] {
        QAccessible::State changed;
        changed.checked = true;
        notifyAccessibleState(this, changed);
    });
}

int CheckLamp::lampSide() const {
    return fontMetrics().height() + 2;
}

QSize CheckLamp::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    const int textWidth = text().isEmpty() ? 0 : kSpacing + fm.horizontalAdvance(text());
    return {2 * kMargin + lampSide() + textWidth, 2 * kMargin + qMax(lampSide(), fm.height())};
}

QSize CheckLamp::minimumSizeHint() const {
    return sizeHint();
}

bool CheckLamp::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

QString CheckLamp::accessibleValue() const {
    return isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
}

void CheckLamp::addAccessibleState(QAccessible::State& state) const {
    state.checkable = true;
    state.checked = isChecked();
    state.focusable = true;
}

void CheckLamp::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = lampSide();
    const QRectF lamp(kMargin + 0.5, (height() - side) / 2.0 + 0.5, side - 1.0, side - 1.0);

    const bool on = isChecked();
    QColor top = on ? QColor(60, 230, 60) : QColor(176, 24, 24);
    QColor bottom = on ? QColor(0, 110, 0) : QColor(90, 0, 0);  // green / maroon
    if (isDown()) {
        top = top.darker(125);
        bottom = bottom.darker(125);
    }
    if (!isEnabled()) {
        top = QColor(150, 150, 150);
        bottom = QColor(100, 100, 100);
    }
    p.setPen(QPen(QColor(30, 30, 30), 1.0));
    p.setBrush(verticalGradient(lamp, top, bottom));
    p.drawRoundedRect(lamp, 3, 3);
    const QRectF gloss = lamp.adjusted(2, 2, -2, -lamp.height() * 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(gloss, QColor(255, 255, 255, 120), QColor(255, 255, 255, 0)));
    p.drawRoundedRect(gloss, 2, 2);

    const QRect textRect(kMargin + side + kSpacing, 0, width() - side - kSpacing - kMargin,
                         height());
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = p.boundingRect(textRect, Qt::AlignLeft | Qt::AlignVCenter, text())
                         .adjusted(-2, 0, 2, 0);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

}  // namespace orvane::widgets
