// The 5x7 dot font of the LED-matrix line: printable ASCII, the degree sign and the
// Italian accented small letters. Plain data, no state.
#pragma once

#include <array>
#include <cstdint>

namespace orvane::widgets {

inline constexpr int kGlyphColumns = 5;
inline constexpr int kGlyphRows = 7;

// Five columns, left to right; bit r of a column is dot row r counted from the top.
// Characters without a glyph show a hollow box, so nothing is silently dropped.
using DotGlyph = std::array<std::uint8_t, kGlyphColumns>;
DotGlyph dotGlyph(char32_t character);

}  // namespace orvane::widgets
