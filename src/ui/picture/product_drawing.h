// The product drawings shown on the parameter page: a wall-mounted battery-storage cabinet
// drawn with QPainter, so it is sharp at any size and pixel density. One drawing, four
// models; only the Orvane is ever shown. Pure functions; GUI thread (fonts).
#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace orvane::ui {

enum class ProductModel { Orvane, Kelvora, Mirdal, Tessop };

// The drawing's own coordinate space; it is scaled uniformly into any target.
inline constexpr QSizeF kProductDrawingSize{340.0, 240.0};

// The word on the model's name plate.
QString ProductName(ProductModel model);

// Draws the model centred in `target`, as large as fits without distortion; the rest of
// `target` is left untouched (the drawing has no background of its own).
void DrawProduct(QPainter& painter, const QRectF& target, ProductModel model);

// The drawing on a transparent image of `size` logical pixels at `devicePixelRatio`.
QImage RenderProduct(ProductModel model, const QSize& size, qreal devicePixelRatio = 1.0);

}  // namespace orvane::ui
