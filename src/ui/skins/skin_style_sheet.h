// The style sheet shared by the built-in skins, filled with one skin's colours. It shapes
// only containers and tabs (group frames and titles, the page control, tool tips): labels,
// buttons and fields take their colours from the palette, so any widget that sets its own
// palette (the channel swatches, the coloured captions) or paints itself (the large command
// buttons) keeps its colours under every skin. Pure function; any thread.
#pragma once

#include <QColor>
#include <QString>

#include "ui/skins/skin_colours.h"

namespace orvane::ui {

QString SkinStyleSheet(const SkinColours& colours);

// The face of a tab under the pointer; tab captions (`buttonText`) are drawn on it.
QColor TabHoverColour(const SkinColours& colours);

}  // namespace orvane::ui
