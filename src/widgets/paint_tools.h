// Small drawing helpers shared by the indicator widgets.
#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QRectF>

namespace orvane::widgets {

// A top-to-bottom gradient across rect.
inline QLinearGradient verticalGradient(const QRectF& rect, const QColor& top,
                                        const QColor& bottom) {
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    return g;
}

// Black or white, whichever reads better on background.
inline QColor contrastingText(const QColor& background) {
    const double luma =
        0.299 * background.redF() + 0.587 * background.greenF() + 0.114 * background.blueF();
    return luma > 0.55 ? QColor(20, 20, 20) : QColor(255, 255, 255);
}

}  // namespace orvane::widgets
