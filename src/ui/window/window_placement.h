// Where the window goes on the screen. A stored or default position may put part of the
// window outside the screen it opens on (another screen size, a screen since removed): such
// a window is moved just far enough to be whole on that screen's available area, and a
// position that fits is kept. Pure functions over Qt's geometry; GUI thread (the screens).
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace orvane::ui {

// The top-left corner that puts `frame` inside `available` with the least move. A frame
// larger than the area is aligned to its top-left corner, so the title bar stays reachable.
QPoint FittedPosition(const QRect& frame, const QRect& available);

// The available area (without panels and docks) of the screen a window at `frame` opens
// on: the screen under its centre, else the screen nearest to that centre.
QRect AvailableAreaFor(const QRect& frame);

}  // namespace orvane::ui
