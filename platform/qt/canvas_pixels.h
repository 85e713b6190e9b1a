#pragma once

// Pixel helpers shared by the canvas sources: colour conversion between the
// 0x00BBGGRR interface and QImage's 0xAARRGGBB words, and rectangle clipping.

#include "platform/core/canvas.h"

#include <QImage>
#include <QRgb>

#include <algorithm>
#include <cstdint>

namespace platform::pixels {

constexpr QRgb kOpaque = 0xFF000000u;
constexpr QRgb kRgbMask = 0x00FFFFFFu;

constexpr QRgb ToQRgb(Colour c) {
    return kOpaque | (static_cast<QRgb>(RedOf(c)) << 16) | (static_cast<QRgb>(GreenOf(c)) << 8) |
           static_cast<QRgb>(BlueOf(c));
}

constexpr Colour FromQRgb(QRgb p) {
    return Rgb(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF));
}

// Clamps to the int range; coordinates are summed in 64 bits so huge sizes cannot overflow.
constexpr int ClampToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

constexpr bool IsEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

constexpr Rect Intersect(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// The rectangle x, y, width, height, with right and bottom kept inside the int range.
constexpr Rect RectOfSize(int x, int y, int width, int height) {
    return {x, y, ClampToInt(std::int64_t{x} + width), ClampToInt(std::int64_t{y} + height)};
}

inline Rect Bounds(const QImage& image) { return {0, 0, image.width(), image.height()}; }

// A row of the image for writing; the caller has checked y.
inline QRgb* Row(QImage& image, int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); }
inline const QRgb* ConstRow(const QImage& image, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

}  // namespace platform::pixels
