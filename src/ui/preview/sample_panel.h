// A panel with one of every kind of control the window shows, for looking at a skin: group
// boxes, captions, fields, lists, buttons, a disabled row, fixed-colour swatches and caption
// labels, a large coloured button and the product picture. Preview tool only; GUI thread.
#pragma once

#include <QWidget>

namespace orvane::ui::preview {

// The caller owns the panel.
QWidget* BuildSamplePanel();

}  // namespace orvane::ui::preview
