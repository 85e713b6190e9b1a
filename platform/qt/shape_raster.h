#pragma once

// Rasterisation of lines and ellipses into whole pixels, without anti-aliasing,
// following the original platform's conventions.

#include "platform/core/canvas.h"

#include <functional>

namespace platform::shapes {

// Ellipses wider or taller than this are not drawn: their arithmetic would overflow.
constexpr int kMaxEllipseSide = 32768;

// A run of pixels left..right of one row, both included; empty when left > right.
struct Span {
    int left = 0;
    int right = -1;
    bool IsEmpty() const { return left > right; }
};

bool FitsEllipse(const Rect& box);

// The pixels of row y whose centres lie in the ellipse inscribed in the box
// (the box's pixels l..r-1 x t..b-1). Symmetric about the box's centre.
Span EllipseSpan(const Rect& box, int y);

// The pixels of row y inside the ellipse whose four neighbours are inside it too.
Span InteriorSpan(const Rect& box, int y);

// Calls plot for every pixel of the line from `from` up to, not including, `to`
// (Bresenham, ties broken per octant as the platform does). Points outside `keep`
// are not reported.
void TraceLine(Point from, Point to, const Rect& keep, const std::function<void(int, int)>& plot);

}  // namespace platform::shapes
