#pragma once

#include "platform/core/canvas.h"

#include <string>
#include <string_view>

namespace platform {
class Canvas;
}

namespace bars {

using platform::Canvas;
using platform::Rect;

// Every "&" removed, a doubled "&&" leaving one "&"; a "&" in the last place is kept.
std::string StripAccelerators(std::string_view caption);
// The 1-based place, in the stripped caption, of the character after the last single "&";
// 0 when there is none.
int AcceleratorPosition(std::string_view caption);
// The longest beginning of the text whose width fits; empty when not even one character does.
std::string FitText(const Canvas& canvas, std::string_view text, int width);

enum class CaptionAlignment { Left = 0, Centre = 1, Right = 2 };

// A caption on a transparent background in the canvas's font, in the colours of its state.
// Not rotated: single line, vertically centred, "&" marking the accelerator. Rotated (the
// font must carry the escapement): placed along the rectangle by the alignment and centred
// across it, the accelerator underlined by a line beside its character.
void DrawCaption(Canvas& canvas, std::string_view caption, const Rect& rect, CaptionAlignment alignment, bool enabled,
                 bool selected, bool rotated);

// Widths of edit items and user-sized links: 20 to 600.
inline constexpr int kMinItemWidth = 20;
inline constexpr int kMaxItemWidth = 600;
int ClampWidth(int width);

}  // namespace bars
