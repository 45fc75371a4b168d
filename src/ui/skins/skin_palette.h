// Turns a skin's colour row into the application palette, and measures text contrast the
// way the readability rule is stated (WCAG relative luminance). Pure functions; any thread.
#pragma once

#include <QColor>
#include <QPalette>

#include "ui/skins/skin_colours.h"

namespace orvane::ui {

// Contrast ratio between two opaque colours, from 1 (same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// `foreground` moved towards `background` as far as it can go while keeping `minimum`
// contrast; `foreground` itself when it is already below that.
QColor FadeTowards(const QColor& foreground, const QColor& background, double minimum);

// The full palette of a skin: every role Fusion draws with, for the active, inactive and
// disabled groups. Disabled and placeholder texts are faded but keep 3:1.
QPalette SkinPalette(const SkinColours& colours);

}  // namespace orvane::ui
