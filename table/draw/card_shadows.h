#pragma once

#include "platform/core/canvas.h"

namespace platform {
class Bitmap;
class Canvas;
}  // namespace platform

namespace table {

// The shadow images are drawn with white left out.
inline constexpr platform::Colour kShadowTransparent = platform::Rgb(255, 255, 255);
inline constexpr platform::Colour kShadowBlack = platform::Rgb(0, 0, 0);

// The shadow of a single lifted card: image 1 along the right edge from
// (right, top + shadowOffset - 2), image 2 along the bottom from
// (left + shadowOffset - 1, bottom), and two black pixels that round the inner corner.
void DrawCardShadow(platform::Canvas& canvas, const platform::Rect& rect, const platform::Bitmap& shadowRight,
                    const platform::Bitmap& shadowBottom, int shadowOffset);

// The dotted shadow of a lifted stack: black pixels in a checker pattern in a band seven
// pixels wide right of the rectangle and one seven pixels high below it.
void DrawStackShadow(platform::ICanvas& canvas, const platform::Rect& rect);

}  // namespace table
