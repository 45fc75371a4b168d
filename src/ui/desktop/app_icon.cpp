#include "ui/desktop/app_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace orvane::ui {
namespace {

// Coordinates on the 256-unit grid of the SVG.
QLinearGradient vertical(qreal top, qreal bottom, const QColor& from, const QColor& to) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

void drawIcon(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(8, 248, QColor(0x23c1b8), QColor(0x0b5f6b)));
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 52, 52);

    p.setBrush(QColor(0, 0, 0, 56));
    p.drawRoundedRect(QRectF(74, 40, 108, 170), 16, 16);

    QLinearGradient body(70, 0, 178, 0);
    body.setColorAt(0, QColor(0xffffff));
    body.setColorAt(0.6, QColor(0xeef1f3));
    body.setColorAt(1, QColor(0xcdd3d8));
    p.setPen(QPen(QColor(0x7d868e), 2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(70, 34, 108, 170), 16, 16);

    p.setPen(Qt::NoPen);
    p.setBrush(vertical(50, 118, QColor(0x3a434c), QColor(0x161a1f)));
    p.drawRoundedRect(QRectF(86, 50, 76, 68), 9, 9);

    QPainterPath bolt;
    bolt.moveTo(131, 56);
    bolt.lineTo(104, 90);
    bolt.lineTo(121, 90);
    bolt.lineTo(113, 113);
    bolt.lineTo(144, 78);
    bolt.lineTo(126, 78);
    bolt.lineTo(137, 56);
    bolt.closeSubpath();
    p.setPen(QPen(QColor(0x8a5a00), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(vertical(56, 113, QColor(0xffe066), QColor(0xffae1a)));
    p.drawPath(bolt);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1fb5ad));
    p.drawRoundedRect(QRectF(90, 128, 68, 6), 3, 3);
    p.setBrush(QColor(0x5c646c));
    for (qreal y : {150.0, 164.0, 178.0})
        p.drawRoundedRect(QRectF(92, y, 64, 6), 3, 3);
    p.setBrush(QColor(0x20252a));
    for (qreal x : {92.0, 117.0, 142.0})
        p.drawRoundedRect(QRectF(x, 204, 14, 14), 4, 4);
}

}  // namespace

QImage RenderAppIcon(int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pixels / 256.0, pixels / 256.0);
    drawIcon(p);
    return image;
}

QIcon AppIcon() {
    QIcon icon;
    for (int pixels : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(RenderAppIcon(pixels)));
    return icon;
}

}  // namespace orvane::ui
