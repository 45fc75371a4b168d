#include "ui/window/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <limits>

namespace orvane::ui {

namespace {

// The start that keeps [start, start + length) inside [from, from + room), moving least.
int Fitted(int start, int length, int from, int room) {
    if (start + length > from + room)
        start = from + room - length;
    return start < from ? from : start;
}

// The screen closest to `point`, e.g. one that a stored position has outlived; null when
// there are none.
QScreen* NearestScreen(QPoint point) {
    QScreen* nearest = nullptr;
    qint64 least = std::numeric_limits<qint64>::max();
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->geometry();
        const qint64 dx = std::max({g.left() - point.x(), 0, point.x() - g.right()});
        const qint64 dy = std::max({g.top() - point.y(), 0, point.y() - g.bottom()});
        if (dx * dx + dy * dy < least) {
            least = dx * dx + dy * dy;
            nearest = screen;
        }
    }
    return nearest;
}

}  // namespace

QPoint FittedPosition(const QRect& frame, const QRect& available) {
    return {Fitted(frame.left(), frame.width(), available.left(), available.width()),
            Fitted(frame.top(), frame.height(), available.top(), available.height())};
}

QRect AvailableAreaFor(const QRect& frame) {
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr)
        screen = NearestScreen(frame.center());
    return screen != nullptr ? screen->availableGeometry() : frame;
}

}  // namespace orvane::ui
