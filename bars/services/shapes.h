#pragma once

#include "platform/core/canvas.h"
#include "platform/qt/classic_draw.h"

#include <array>

namespace platform {
class Canvas;
}

namespace bars {

using platform::Canvas;
using platform::Point;
using platform::Rect;

// A right-pointing triangle of height 2n - 1 and width n centred in the rectangle.
void DrawSubMenuArrow(Canvas& canvas, const Rect& rect, int size, bool enabled, bool selected);

enum class ScrollDirection { Left = 0, Right = 1, Up = 2, Down = 3 };
// The flat scroll-arrow frame control, only its arrow (the rectangle less 4 and 3 pixels).
void DrawScrollArrow(Canvas& canvas, const Rect& rect, ScrollDirection direction, bool enabled);

// `thickness` focus rectangles, each one pixel inside the one before.
void DrawThickFocusRect(Canvas& canvas, const Rect& rect, int thickness);

// Six two-point segments, drawn in one call (the etched group separators).
using SeparatorSegments = std::array<std::array<Point, 2>, 6>;
void DrawEtchedSeparators(Canvas& canvas, const SeparatorSegments& segments, platform::Colour colour);

// The framework's dither brush (built on first use, rebuilt on a system colour change).
const platform::FillBrush& DitherBrush();
void RebuildDitherBrush();

}  // namespace bars
