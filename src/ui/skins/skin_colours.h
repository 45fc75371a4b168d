// The colours of the fifteen built-in skins, one row each. Everything a skin shows (the
// application palette and the shared style sheet) is derived from its row, so a skin is
// designed and checked in one place. Constant data; any thread.
#pragma once

#include <QRgb>
#include <span>
#include <string_view>

namespace orvane::ui {

struct SkinColours {
    std::string_view name;  // as listed in `Combo_Skin`
    QRgb window;            // page and dialog background
    QRgb windowText;        // captions and labels on `window`
    QRgb base;              // fields and lists
    QRgb text;              // typed and listed text on `base`
    QRgb button;            // button faces and inactive tabs
    QRgb buttonText;        // button captions
    QRgb highlight;         // selection and focus
    QRgb highlightedText;   // text on `highlight`
    QRgb toolTipBase;
    QRgb toolTipText;
    QRgb title;   // group box titles, drawn on `window`
    QRgb accent;  // decoration only: the selected tab's edge, group frames' tint
};

// The fifteen skins that are ours to draw ("Windows", the platform's look, is not a row).
std::span<const SkinColours> BuiltInSkinColours();

// The row of a built-in skin, or nullptr for any other name (matched exactly).
const SkinColours* FindSkinColours(std::string_view name);

}  // namespace orvane::ui
