#pragma once

#include "platform/core/canvas.h"

#include <array>
#include <string>

namespace bars {

// The colour combo's sixteen colours in their order (0x00BBGGRR); their names are strings
// kColourNameFirst + i.
inline constexpr std::array<platform::Colour, 16> kComboColours{
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};
std::string ComboColourName(int index);

// The colour's red-green-blue value, system colours (0x80000000 | index) resolved.
platform::Colour ResolvedColour(platform::Colour colour);
// A red-green-blue value or a system colour.
bool IsValidColour(platform::Colour colour);

// The entries of a colour combo: the automatic entry first when shown, then the sixteen.
struct ColourEntries {
    bool showAuto = false;
    platform::Colour autoColour = 0;
    int Count() const { return showAuto ? 17 : 16; }
    // An index out of range gives `fallback`.
    platform::Colour ColourOf(int index, platform::Colour fallback) const;
    // The automatic entry when shown and equal, else the first table colour of the same
    // red-green-blue value; -1 for none.
    int IndexOf(platform::Colour colour) const;
};

}  // namespace bars
