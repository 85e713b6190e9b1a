#include "platform/qt/shape_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace platform::shapes {

namespace {

std::int64_t IntegerSqrt(std::int64_t n) {
    if (n <= 0) return 0;
    auto root = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
    while (root * root > n) --root;
    while ((root + 1) * (root + 1) <= n) ++root;
    return root;
}

std::int64_t FloorDiv2(std::int64_t v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); }
std::int64_t CeilDiv2(std::int64_t v) { return -FloorDiv2(-v); }

// Octants numbered 1-8 counter-clockwise from the positive x axis (y downwards).
int OctantOf(std::int64_t dx, std::int64_t dy) {
    if (dy > 0) {
        if (dx > 0) return dx > dy ? 1 : 2;
        return -dx > dy ? 4 : 3;
    }
    if (dx < 0) return -dx > -dy ? 5 : 6;
    return dx > -dy ? 8 : 7;
}

// Octants 3, 5, 6 and 8 step on the minor axis already when the error is exactly zero.
constexpr unsigned kBiasedOctants = 0xB4;

}  // namespace

bool FitsEllipse(const Rect& box) {
    const std::int64_t width = std::int64_t{box.right} - box.left;
    const std::int64_t height = std::int64_t{box.bottom} - box.top;
    return width > 0 && height > 0 && width <= kMaxEllipseSide && height <= kMaxEllipseSide;
}

Span EllipseSpan(const Rect& box, int y) {
    if (!FitsEllipse(box) || y < box.top || y >= box.bottom) return {};
    // A pixel (x, y) is inside when, with u = 2x + 1 - (l + r) and v = 2y + 1 - (t + b),
    // u^2 H^2 + v^2 W^2 <= W^2 H^2: all in whole numbers, so the result is exact.
    const std::int64_t width = std::int64_t{box.right} - box.left;
    const std::int64_t height = std::int64_t{box.bottom} - box.top;
    const std::int64_t v = 2 * std::int64_t{y} + 1 - (std::int64_t{box.top} + box.bottom);
    const std::int64_t rest = width * width * (height * height - v * v);
    if (rest < 0) return {};
    const std::int64_t uMax = IntegerSqrt(rest / (height * height));
    const std::int64_t sum = std::int64_t{box.left} + box.right - 1;
    return {static_cast<int>(CeilDiv2(sum - uMax)), static_cast<int>(FloorDiv2(sum + uMax))};
}

Span InteriorSpan(const Rect& box, int y) {
    const Span here = EllipseSpan(box, y);
    const Span above = EllipseSpan(box, y - 1);
    const Span below = EllipseSpan(box, y + 1);
    if (here.IsEmpty() || above.IsEmpty() || below.IsEmpty()) return {};
    return {std::max({here.left + 1, above.left, below.left}), std::min({here.right - 1, above.right, below.right})};
}

void TraceLine(Point from, Point to, const Rect& keep, const std::function<void(int, int)>& plot) {
    if (std::max(from.x, to.x) < keep.left || std::min(from.x, to.x) >= keep.right ||
        std::max(from.y, to.y) < keep.top || std::min(from.y, to.y) >= keep.bottom)
        return;
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    const std::int64_t adx = std::llabs(dx);
    const std::int64_t ady = std::llabs(dy);
    if (adx == 0 && ady == 0) return;
    const int bias = (kBiasedOctants >> (OctantOf(dx, dy) - 1)) & 1 ? 1 : 0;
    const bool xMajor = adx > ady;
    const std::int64_t major = xMajor ? adx : ady;
    const std::int64_t minor = xMajor ? ady : adx;
    const int xStep = dx < 0 ? -1 : 1;
    const int yStep = dy < 0 ? -1 : 1;
    std::int64_t error = 2 * minor - major;
    std::int64_t x = from.x;
    std::int64_t y = from.y;
    for (std::int64_t i = 0; i < major; ++i) {
        if (x >= keep.left && x < keep.right && y >= keep.top && y < keep.bottom)
            plot(static_cast<int>(x), static_cast<int>(y));
        if (error + bias > 0) {
            if (xMajor) y += yStep; else x += xStep;
            error += 2 * minor - 2 * major;
        } else {
            error += 2 * minor;
        }
        if (xMajor) x += xStep; else y += yStep;
    }
}

}  // namespace platform::shapes
