#include "ui/picture/product_drawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace orvane::ui {
namespace {

// What tells the models apart: the word on the plate, the light strip and the body tone.
struct ModelLook {
    const char* name;
    QColor accent;
    QColor bodyLight;
    QColor bodyShade;
};

ModelLook lookOf(ProductModel model) {
    switch (model) {
        case ProductModel::Orvane:
            return {"Orvane", QColor(0x1fb5ad), QColor(0xfbfcfc), QColor(0xd3d8dc)};
        case ProductModel::Kelvora:
            return {"Kelvora", QColor(0xf08a24), QColor(0xf4f4f2), QColor(0xcdcdc8)};
        case ProductModel::Mirdal:
            return {"Mirdal", QColor(0x3a86e0), QColor(0xe9ecef), QColor(0xb9c0c7)};
        case ProductModel::Tessop:
            return {"Tessop", QColor(0x59b84a), QColor(0xf7f7f5), QColor(0xd2d4cf)};
    }
    return lookOf(ProductModel::Orvane);
}

// The enclosure, in drawing coordinates.
const QRectF kFront(112, 16, 116, 186);
constexpr qreal kCorner = 9;

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// A soft shadow on the wall behind the cabinet, built from stacked translucent outlines.
void drawWallShadow(QPainter& p) {
    p.setPen(Qt::NoPen);
    // Light from the upper left: the shadow falls right and down, barely past the left edge.
    const QRectF r = kFront.adjusted(9, 7, 16, 8);
    for (int i = 9; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 8));
        p.drawRoundedRect(r.adjusted(-i, -i, i, i), kCorner + i, kCorner + i);
    }
}

// The right-hand side of the enclosure, seen a little from the left.
void drawSide(QPainter& p, const ModelLook& look) {
    // The far edge is a little shorter: top and bottom lines converge away from the viewer.
    const qreal near = kFront.right() - 8;
    const qreal far = kFront.right() + 13;
    QPainterPath side;
    side.moveTo(near, kFront.top());
    side.lineTo(far - 5, kFront.top() + 3.2);
    side.quadTo(far, kFront.top() + 3.6, far, kFront.top() + 9);
    side.lineTo(far, kFront.bottom() - 9);
    side.quadTo(far, kFront.bottom() - 3.6, far - 5, kFront.bottom() - 3.2);
    side.lineTo(near, kFront.bottom());
    side.closeSubpath();
    QLinearGradient g(QPointF(kFront.right(), 0), QPointF(far, 0));
    g.setColorAt(0, look.bodyShade.darker(112));
    g.setColorAt(1, look.bodyShade.darker(128));
    p.setPen(QPen(QColor(0x7d848b), 0.8));
    p.setBrush(g);
    p.drawPath(side);

    // Side vents, following the slant of the face.
    p.setPen(QPen(QColor(0x6d747b), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        const qreal y = kFront.bottom() - 52 + i * 7;
        p.drawLine(QPointF(kFront.right() + 3, y), QPointF(kFront.right() + 9, y - 0.6));
    }
}

void drawBody(QPainter& p, const ModelLook& look) {
    QPainterPath body;
    body.addRoundedRect(kFront, kCorner, kCorner);

    QLinearGradient across(kFront.topLeft(), kFront.topRight());
    across.setColorAt(0.0, look.bodyLight);
    across.setColorAt(0.55, look.bodyLight.darker(104));
    across.setColorAt(1.0, look.bodyShade);
    p.setPen(Qt::NoPen);
    p.setBrush(across);
    p.drawPath(body);

    // Light falls from above: a gentle sheen over the upper half, a darker foot.
    p.save();
    p.setClipPath(body);
    p.setBrush(vertical(kFront, QColor(255, 255, 255, 70), QColor(255, 255, 255, 0)));
    p.drawRect(QRectF(kFront.left(), kFront.top(), kFront.width(), kFront.height() * 0.45));
    const QRectF foot(kFront.left(), kFront.bottom() - 11, kFront.width(), 11);
    p.setBrush(vertical(foot, look.bodyShade.darker(104), look.bodyShade.darker(118)));
    p.drawRect(foot);
    p.setPen(QPen(QColor(0, 0, 0, 40), 0.8));
    p.drawLine(foot.topLeft(), foot.topRight());
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x868d94), 1.0));
    p.drawPath(body);
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.8));
    p.drawRoundedRect(kFront.adjusted(1.3, 1.3, -1.3, -1.3), kCorner - 1, kCorner - 1);
}

void drawLed(QPainter& p, const QPointF& centre, const QColor& colour, bool lit) {
    if (lit) {
        QRadialGradient glow(centre, 7);
        glow.setColorAt(0, QColor(colour.red(), colour.green(), colour.blue(), 150));
        glow.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, 7, 7);
    }
    const QColor face = lit ? colour : colour.darker(330);
    QRadialGradient g(centre + QPointF(-0.8, -0.8), 3.2);
    g.setColorAt(0, lit ? face.lighter(160) : face.lighter(130));
    g.setColorAt(1, face);
    p.setPen(QPen(QColor(0x0c0f12), 0.6));
    p.setBrush(g);
    p.drawEllipse(centre, 2.6, 2.6);
}

// The dark glass panel with the display and the status lamps.
void drawControlPanel(QPainter& p, const ModelLook& look) {
    const QRectF glass(kFront.left() + 12, kFront.top() + 14, kFront.width() - 24, 70);
    p.setPen(QPen(QColor(0x0e1215), 1.0));
    p.setBrush(vertical(glass, QColor(0x3a434c), QColor(0x161a1f)));
    p.drawRoundedRect(glass, 5, 5);

    // A diagonal reflection across the glass.
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(glass, 5, 5);
    p.setClipPath(clip);
    QPainterPath sheen;
    sheen.moveTo(glass.left(), glass.top());
    sheen.lineTo(glass.left() + glass.width() * 0.62, glass.top());
    sheen.lineTo(glass.left() + glass.width() * 0.30, glass.bottom());
    sheen.lineTo(glass.left(), glass.bottom());
    sheen.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 16));
    p.drawPath(sheen);
    p.restore();

    // Display: charge level and a battery gauge.
    const QRectF lcd(glass.left() + 10, glass.top() + 9, glass.width() - 20, 30);
    p.setPen(QPen(QColor(0x03181a), 1.0));
    p.setBrush(vertical(lcd, QColor(0x0f4a4c), QColor(0x082b2d)));
    p.drawRoundedRect(lcd, 2.5, 2.5);
    const QColor segment(0x8ff5e9);
    QFont digits;
    digits.setPixelSize(14);
    digits.setBold(true);
    p.setFont(digits);
    p.setPen(segment);
    p.drawText(QRectF(lcd.left() + 5, lcd.top(), 40, lcd.height()),
               Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("87%"));

    const QRectF cell(lcd.right() - 24, lcd.center().y() - 5.5, 17, 11);
    p.setPen(QPen(segment, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cell, 1.5, 1.5);
    p.setBrush(segment);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(cell.right() + 0.5, cell.center().y() - 2, 1.8, 4));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(cell.left() + 2 + i * 3.4, cell.top() + 2, 2.4, cell.height() - 4));

    // Status lamps: run (lit), warning, fault.
    const qreal y = glass.bottom() - 14;
    const qreal cx = glass.center().x();
    drawLed(p, QPointF(cx - 18, y), QColor(0x3ce06c), true);
    drawLed(p, QPointF(cx, y), QColor(0xffb020), false);
    drawLed(p, QPointF(cx + 18, y), QColor(0xff3b30), false);

    // The light strip under the glass, in the model's colour.
    const QRectF strip(glass.left() + 6, glass.bottom() + 9, glass.width() - 12, 2.2);
    QLinearGradient halo(strip.topLeft(), strip.topRight());
    QColor faded = look.accent;
    faded.setAlpha(0);
    halo.setColorAt(0, faded);
    halo.setColorAt(0.15, look.accent);
    halo.setColorAt(0.85, look.accent);
    halo.setColorAt(1, faded);
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawRoundedRect(strip, 1.1, 1.1);
    QColor glow = look.accent;
    glow.setAlpha(40);
    p.setBrush(glow);
    p.drawRoundedRect(strip.adjusted(4, -2, -4, 2), 3, 3);
}

void drawNamePlate(QPainter& p, const ModelLook& look) {
    const QRectF plate(kFront.center().x() - 31, kFront.top() + 104, 62, 16);
    QLinearGradient brushed(plate.topLeft(), plate.bottomLeft());
    brushed.setColorAt(0, QColor(0xf2f4f6));
    brushed.setColorAt(0.5, QColor(0xcfd4d9));
    brushed.setColorAt(1, QColor(0xe3e7ea));
    p.setPen(QPen(QColor(0x858c93), 0.8));
    p.setBrush(brushed);
    p.drawRoundedRect(plate, 3, 3);

    QFont font;
    font.setPixelSize(10);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    p.setFont(font);
    const QString name = QString::fromLatin1(look.name);
    // Engraved: a light edge below the dark letters.
    p.setPen(QColor(255, 255, 255, 200));
    p.drawText(plate.translated(0, 0.7), Qt::AlignCenter, name);
    p.setPen(QColor(0x39414a));
    p.drawText(plate, Qt::AlignCenter, name);
}

void drawVents(QPainter& p) {
    const qreal left = kFront.left() + 18;
    const qreal width = kFront.width() - 36;
    for (int i = 0; i < 6; ++i) {
        const QRectF slot(left, kFront.top() + 132 + i * 7, width, 3.2);
        p.setPen(Qt::NoPen);
        p.setBrush(vertical(slot, QColor(0x3d444b), QColor(0x6b737a)));
        p.drawRoundedRect(slot, 1.6, 1.6);
        p.setPen(QPen(QColor(255, 255, 255, 190), 0.7));
        p.drawLine(QPointF(slot.left() + 1.5, slot.bottom() + 0.6),
                   QPointF(slot.right() - 1.5, slot.bottom() + 0.6));
    }
}

// Cable glands under the enclosure, with the cables leaving the picture.
void drawGlandsAndCables(QPainter& p) {
    struct Gland {
        qreal x;
        QColor cable;
    };
    const Gland glands[] = {{kFront.left() + 26, QColor(0x24272b)},
                            {kFront.left() + 46, QColor(0x7b2124)},
                            {kFront.right() - 46, QColor(0x24272b)},
                            {kFront.right() - 26, QColor(0x50575f)}};
    const qreal top = kFront.bottom();
    for (const Gland& g : glands) {
        // Cable first, so the gland's dome sits over its end.
        QPainterPath cable;
        const qreal lean = (g.x - kFront.center().x()) * 0.18;
        cable.moveTo(g.x, top + 10);
        cable.cubicTo(g.x, top + 22, g.x + lean, top + 26, g.x + lean * 1.4, 241);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(g.cable.darker(140), 6.4, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(cable);
        p.setPen(QPen(g.cable, 5.0, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(cable);
        p.setPen(QPen(QColor(255, 255, 255, 45), 1.2, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(cable.translated(-1.2, 0));

        const QRectF nut(g.x - 6.5, top, 13, 5);
        p.setPen(QPen(QColor(0x15181b), 0.7));
        QLinearGradient metal(nut.topLeft(), nut.topRight());
        metal.setColorAt(0, QColor(0x5d646b));
        metal.setColorAt(0.4, QColor(0x3b4147));
        metal.setColorAt(1, QColor(0x24292e));
        p.setBrush(metal);
        p.drawRect(nut);
        p.setPen(QPen(QColor(255, 255, 255, 40), 0.6));
        p.drawLine(QPointF(nut.left() + 4.3, nut.top() + 0.6),
                   QPointF(nut.left() + 4.3, nut.bottom() - 0.6));
        p.drawLine(QPointF(nut.right() - 4.3, nut.top() + 0.6),
                   QPointF(nut.right() - 4.3, nut.bottom() - 0.6));

        const QRectF dome(g.x - 4.8, top + 4, 9.6, 8);
        QLinearGradient d(dome.topLeft(), dome.topRight());
        d.setColorAt(0, QColor(0x4a5157));
        d.setColorAt(1, QColor(0x1d2125));
        p.setPen(QPen(QColor(0x121417), 0.6));
        p.setBrush(d);
        p.drawRoundedRect(dome, 3.2, 3.2);
    }
}

}  // namespace

QString ProductName(ProductModel model) {
    return QString::fromLatin1(lookOf(model).name);
}

void DrawProduct(QPainter& painter, const QRectF& target, ProductModel model) {
    const qreal scale = std::min(target.width() / kProductDrawingSize.width(),
                                 target.height() / kProductDrawingSize.height());
    if (scale <= 0)
        return;
    const ModelLook look = lookOf(model);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(target.center());
    painter.scale(scale, scale);
    painter.translate(-kProductDrawingSize.width() / 2, -kProductDrawingSize.height() / 2);
    painter.setClipRect(QRectF(QPointF(0, 0), kProductDrawingSize), Qt::IntersectClip);

    drawWallShadow(painter);
    drawGlandsAndCables(painter);
    drawSide(painter, look);
    drawBody(painter, look);
    drawControlPanel(painter, look);
    drawNamePlate(painter, look);
    drawVents(painter);
    painter.restore();
}

QImage RenderProduct(ProductModel model, const QSize& size, qreal devicePixelRatio) {
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawProduct(painter, QRectF(QPointF(0, 0), QSizeF(size)), model);
    return image;
}

}  // namespace orvane::ui
