#pragma once

#include <cstdint>

namespace platform {

// A colour as 0x00BBGGRR: red in the low byte.
using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return c & 0xFF; }
constexpr int GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Colour c) { return (c >> 16) & 0xFF; }

// A rectangle as left, top, right, bottom; right and bottom are exclusive.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

// The drawing surface as the engine sees it. The Qt side implements it over an image.
class ICanvas {
public:
    virtual ~ICanvas() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Fills with a solid colour, clipped at the edges.
    virtual void FillSolidRect(const Rect& rect, Colour colour) = 0;
};

}  // namespace platform
