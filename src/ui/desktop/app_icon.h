// The program's icon, drawn in code for the window and the task bar, with the same geometry
// as desktop/orvane-configurator.svg (the file the desktop's launcher shows), so Qt needs no
// SVG support at run time. Pure functions; GUI thread.
#pragma once

#include <QIcon>
#include <QImage>

namespace orvane::ui {

// One square rendering, `pixels` on a side.
QImage RenderAppIcon(int pixels);

// The icon at the usual sizes, 16 to 256 pixels.
QIcon AppIcon();

}  // namespace orvane::ui
