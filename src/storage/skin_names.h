// The colour skins offered in `Combo_Skin`. `Charger.INI` stores a position in this list, so
// the order is fixed for good: "Windows" (the system's plain look) first, then the fifteen
// built-in styles in alphabetical order. New styles may only be added at the end.
// Constant data; any thread.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "frontend/screen.h"

namespace orvane::storage {

inline constexpr std::array<std::string_view, 16> SkinNames{
    "Windows",              // 0
    "Amakrits",             // 1
    "Aqua Graphite",        // 2
    "Carbon",               // 3
    "Cyan Dusk",            // 4
    "Cyan Night",           // 5
    "Iceberg Classico",     // 6
    "Lavender Classico",    // 7
    "Metropolis UI Black",  // 8
    "Obsidian",             // 9
    "Onyx Blue",            // 10
    "Sky",                  // 11
    "Turquoise Gray",       // 12
    "Windows10",            // 13
    "Windows10 Blue",       // 14
    "Windows10 Dark",       // 15
};

// The style at a stored position; nothing for a position outside the list, where the window
// keeps its current look.
std::optional<std::string_view> SkinName(int index);

// Fills `Combo_Skin` with every name in order and selects `skinIndex` (nothing when it is
// outside the list). Selecting from the program is not the operator's choice: the window
// raises no change event for it.
void FillSkinList(frontend::Screen& window, int skinIndex);

}  // namespace orvane::storage
