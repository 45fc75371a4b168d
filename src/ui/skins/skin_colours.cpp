#include "ui/skins/skin_colours.h"

#include <algorithm>
#include <array>

namespace orvane::ui {
namespace {

// Columns: window, windowText, base, text, button, buttonText, highlight, highlightedText,
// toolTipBase, toolTipText, title, accent. Each text colour is chosen against the background
// it is drawn on, at 4.5:1 or better.
constexpr std::array<SkinColours, 15> kSkins{{
    // Warm charcoal with amber light: the look the program opens in.
    {"Amakrits", 0x2f2b27, 0xede6da, 0x211e1b, 0xf1ebe1, 0x3d3833, 0xf0e9de, 0xe08a2c, 0x1a1511,
     0xf3e3c7, 0x2a2118, 0xf2a950, 0xe08a2c},
    // Light platinum with graphite blue-grey selection.
    {"Aqua Graphite", 0xe4e6e9, 0x1d2126, 0xffffff, 0x15181c, 0xd3d7dc, 0x1d2126, 0x5e6b7b,
     0xffffff, 0xfdfdfd, 0x1d2126, 0x485566, 0x7d8a9a},
    // Neutral dark grey with a cool steel accent.
    {"Carbon", 0x2c2d2f, 0xe3e4e6, 0x1e1f21, 0xececee, 0x3a3b3e, 0xe8e9eb, 0x6a8caf, 0x0d0f12,
     0x3f4145, 0xf0f0f0, 0xb9c7d6, 0x7f9bb8},
    // Twilight slate blue with cyan.
    {"Cyan Dusk", 0x303c4b, 0xe4ecf3, 0x26303c, 0xeef3f7, 0x3c4a5c, 0xe9f0f6, 0x3cc6d8, 0x0b1c22,
     0xdff6f9, 0x10262b, 0x6fdcea, 0x3cc6d8},
    // Deep navy, almost black, with bright cyan.
    {"Cyan Night", 0x0c1720, 0xd6eef4, 0x16293a, 0xe0f4f8, 0x142736, 0xd6eef4, 0x00bcd4, 0x001418,
     0x0f2f3d, 0xe0f7fb, 0x3fd8ec, 0x00bcd4},
    // Pale ice blue, white fields, glacier-blue selection.
    {"Iceberg Classico", 0xe8f2f7, 0x142f3d, 0xfbfeff, 0x0f2733, 0xd3e6ef, 0x142f3d, 0x2a76a0,
     0xffffff, 0xf4fbfe, 0x142f3d, 0x1c5f80, 0x7fb8d4},
    // Soft lavender with violet.
    {"Lavender Classico", 0xebe4f4, 0x2b2140, 0xfbf9fe, 0x241a37, 0xdbd0eb, 0x2b2140, 0x7451ad,
     0xffffff, 0xf7f2fd, 0x2b2140, 0x583a8c, 0xa58bd1},
    // Flat black and white with a lime accent.
    {"Metropolis UI Black", 0x000000, 0xf2f2f2, 0x1f1f1f, 0xf7f7f7, 0x262626, 0xf2f2f2, 0x8cbf26,
     0x000000, 0x1f1f1f, 0xffffff, 0xa8d84a, 0x8cbf26},
    // Near-black volcanic glass with a violet sheen.
    {"Obsidian", 0x101013, 0xd8d8e0, 0x24242c, 0xe2e2ea, 0x1c1c22, 0xdcdce4, 0x6b5bd2, 0xffffff,
     0x24242c, 0xececf2, 0xa99ef0, 0x6b5bd2},
    // Black onyx with blue.
    {"Onyx Blue", 0x1a1d23, 0xe2e6ec, 0x272d38, 0xeaedf2, 0x2e3541, 0xe2e6ec, 0x2f6fd3, 0xffffff,
     0x232a36, 0xeef2f8, 0x7eaaf0, 0x2f6fd3},
    // Light sky blue with white fields.
    {"Sky", 0xdcedfb, 0x0f2a44, 0xffffff, 0x0c2238, 0xc2dff6, 0x0f2a44, 0x1d6fbd, 0xffffff,
     0xf3f9ff, 0x0f2a44, 0x145a9c, 0x5ea7e6},
    // Cool light grey with turquoise.
    {"Turquoise Gray", 0xd8dddf, 0x1d2829, 0xf6f8f8, 0x172122, 0xc6cfd1, 0x1d2829, 0x0f8178,
     0xffffff, 0xeef5f4, 0x1d2829, 0x0b6660, 0x1fb3a6},
    // Light grey and white with the blue system accent.
    {"Windows10", 0xf0f0f0, 0x000000, 0xffffff, 0x000000, 0xe1e1e1, 0x000000, 0x0070cc, 0xffffff,
     0xffffff, 0x000000, 0x003e73, 0x0078d7},
    // Strong blue chrome around white fields.
    {"Windows10 Blue", 0x1d4f91, 0xffffff, 0xffffff, 0x0b1f3a, 0x2c63ad, 0xffffff, 0x0d3a75,
     0xffffff, 0xeaf3ff, 0x0b1f3a, 0xd3e6ff, 0x7fb6ff},
    // Dark grey with the blue system accent.
    {"Windows10 Dark", 0x1f1f1f, 0xffffff, 0x2b2b2b, 0xffffff, 0x333333, 0xffffff, 0x0070cc,
     0xffffff, 0x2b2b2b, 0xffffff, 0x9ccfff, 0x0078d7},
}};

}  // namespace

std::span<const SkinColours> BuiltInSkinColours() {
    return kSkins;
}

const SkinColours* FindSkinColours(std::string_view name) {
    const auto it = std::find_if(kSkins.begin(), kSkins.end(),
                                 [name](const SkinColours& s) { return s.name == name; });
    return it == kSkins.end() ? nullptr : &*it;
}

}  // namespace orvane::ui
