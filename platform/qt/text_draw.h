#pragma once

#include "platform/core/canvas.h"

#include <string>
#include <string_view>

namespace platform {

class Canvas;

// NOLINTBEGIN(readability-identifier-naming): the flags keep their customary names.
inline constexpr unsigned DT_TOP = 0x0000;
inline constexpr unsigned DT_LEFT = 0x0000;
inline constexpr unsigned DT_CENTER = 0x0001;
inline constexpr unsigned DT_RIGHT = 0x0002;
inline constexpr unsigned DT_VCENTER = 0x0004;
inline constexpr unsigned DT_BOTTOM = 0x0008;
inline constexpr unsigned DT_SINGLELINE = 0x0020;
inline constexpr unsigned DT_NOCLIP = 0x0100;
inline constexpr unsigned DT_CALCRECT = 0x0400;
inline constexpr unsigned DT_NOPREFIX = 0x0800;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;
inline constexpr unsigned DT_HIDEPREFIX = 0x00100000;
// NOLINTEND(readability-identifier-naming)

// The text with its prefix characters resolved: every "&" removed, "&&" giving one "&", and
// the position (0-based, in the result) of the character to underline, -1 for none.
struct PrefixedText {
    std::string text;
    int underline = -1;
};
PrefixedText ResolvePrefix(std::string_view text);

// Draws one line of text in the canvas's font and font colour, transparently, placed in the
// rectangle by the flags; returns the text's height. Without DT_NOPREFIX "&" marks the next
// character, which is underlined (unless DT_HIDEPREFIX). Without DT_NOCLIP nothing is drawn
// outside the rectangle. With DT_END_ELLIPSIS a text too wide ends in "..." within the width.
// With DT_CALCRECT nothing is drawn: the rectangle's right and bottom are set to the text's.
// Line breaks are not interpreted: every call draws a single line.
int DrawText(Canvas& canvas, std::string_view text, Rect& rect, unsigned format);

}  // namespace platform
