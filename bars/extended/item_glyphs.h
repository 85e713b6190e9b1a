#pragma once

#include "platform/core/canvas.h"
#include "platform/qt/bitmap.h"

#include <string_view>

namespace bars {

// The colour standing for "no pixel" in the item glyphs; each glyph's bottom-left pixel has it.
inline constexpr platform::Colour kItemGlyphKey = 0xFF00FF;

// The extended items' own bitmaps, drawn once on first use: "CBBARCOLORCOMBO",
// "CBBARFONTNAMECOMBO", "CBBARIMAGECOMBO", "CBBARDATECOMBO", "CBBARTREEVIEWCOMBO" (16 x 16) and
// the font marks "CBBARTRUETYPEFONT" and "CBBARNONTRUETYPEFONT" (12 x 12). Any other name
// gives an empty bitmap.
const platform::Bitmap& ItemGlyph(std::string_view name);

}  // namespace bars
