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

// What Pixel gives for a point outside the image; no real colour has a high byte.
constexpr Colour kInvalidColour = 0xFFFFFFFF;

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0, height = 0;
    bool operator==(const Size&) const = default;
};

// A rectangle as left, top, right, bottom; right and bottom are exclusive.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool operator==(const Rect&) const = default;
};

// Raster operations of the block copies, by their platform codes. Bits 16-23 are the
// truth table over pattern (brush), source and destination, so any ternary code works,
// named here or not (0x00E20746 paints the brush where the source is set).
enum class RasterOp : std::uint32_t {
    SrcCopy = 0x00CC0020,
    SrcPaint = 0x00EE0086,
    SrcAnd = 0x008800C6,
    SrcInvert = 0x00660046,
    NotSrcCopy = 0x00330008,
    DstInvert = 0x00550009,
    PatCopy = 0x00F00021,
};

// The drawing surface as the engine sees it. The Qt side implements it over an image.
// Every operation clips silently at the edges.
class ICanvas {
public:
    virtual ~ICanvas() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Fills with a solid colour, clipped at the edges.
    virtual void FillSolidRect(const Rect& rect, Colour colour) = 0;
    // kInvalidColour outside the image.
    virtual Colour Pixel(int x, int y) const = 0;
    // Ignored outside the image.
    virtual void SetPixel(int x, int y, Colour colour) = 0;
    // Copies width x height from the source at (sourceX, sourceY) to (x, y). Only pixels
    // inside both images are touched; the source may be this canvas, overlapping or not.
    virtual void BlockCopy(int x, int y, int width, int height, const ICanvas& source, int sourceX,
                           int sourceY, RasterOp op) = 0;
    void BlockCopy(int x, int y, int width, int height, const ICanvas& source, int sourceX, int sourceY) {
        BlockCopy(x, y, width, height, source, sourceX, sourceY, RasterOp::SrcCopy);
    }
};

// Tiles an image over (0, 0, width, height): the tile along the first row at
// x = 0, w, 2w, ... while x <= width, then that band copied down at y = h, 2h, ...
// while y <= height. An empty tile draws nothing.
inline void TileImage(ICanvas& canvas, int width, int height, const ICanvas& tile) {
    const int w = tile.Width();
    const int h = tile.Height();
    if (w < 1 || h < 1) return;
    for (long long x = 0; x <= width; x += w) canvas.BlockCopy(static_cast<int>(x), 0, w, h, tile, 0, 0);
    for (long long y = h; y <= height; y += h) canvas.BlockCopy(0, static_cast<int>(y), width, h, canvas, 0, 0);
}

}  // namespace platform
