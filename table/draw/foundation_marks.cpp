#include "table/draw/foundation_marks.h"

#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "table/draw/card_corners.h"

#include <array>

namespace table {

namespace {

using platform::Rgb;

constexpr std::array<platform::Colour, kFoundationMarkColourCount> kMarkColours{
    0x000000,  // black
    0xFF0000,  // blue
    0xFFFF00,  // aqua
    0x00FF00,  // lime
    Rgb(255, 185, 220),
    Rgb(255, 70, 70),
    Rgb(255, 255, 128),
    Rgb(0, 0, 160),
    0x808000,  // teal
    Rgb(0, 128, 64),
    Rgb(255, 128, 255),
    Rgb(128, 0, 64),
    0x008080,  // olive
    0x000080,  // maroon
    0xC0C0C0,  // silver
};

constexpr platform::Colour kFallbackMarkColour = 0x000000;
constexpr platform::Colour kMarkTransparent = Rgb(255, 255, 255);
// The lined mark clears the corner pixels of its bitmap unless it is this wide.
constexpr int kLinedMarkSmallWidth = 59;
constexpr int kLineSpacing = 2;

struct HatchOfStyle {
    int style;
    platform::BrushStyle brush;
};
constexpr std::array<HatchOfStyle, 4> kHatches{{
    {foundation_mark::kSolid, platform::BrushStyle::Solid},
    {foundation_mark::kBackDiagonal, platform::BrushStyle::BDiagonal},
    {foundation_mark::kCross, platform::BrushStyle::Cross},
    {foundation_mark::kDiagonalCross, platform::BrushStyle::DiagCross},
}};

void DrawHatchedMark(platform::Canvas& canvas, platform::BrushStyle brush, platform::Colour colour,
                     const platform::Rect& rect) {
    canvas.SetPenStyle(platform::PenStyle::Clear);
    canvas.SetBrush({colour, brush});
    canvas.Rectangle(rect);
}

void DrawLinedMark(platform::Canvas& canvas, platform::Colour colour, int x, int y, int w, int h, bool fullSize) {
    const int width = w - 1;
    const int height = fullSize ? h - 1 : h - 2;
    platform::Bitmap mark(width, height);
    if (mark.IsEmpty()) return;
    platform::Canvas markCanvas(mark);
    markCanvas.FillSolidRect({0, 0, width, height}, kMarkTransparent);
    markCanvas.SetPen({colour, 1, platform::PenStyle::Solid});
    for (int i = 0; i <= height; i += kLineSpacing) {
        markCanvas.MoveTo(0, i);
        markCanvas.LineTo(width, width + i);
    }
    for (int i = 0; i <= width; i += kLineSpacing) {
        markCanvas.MoveTo(i, 0);
        markCanvas.LineTo(width + i, width);
    }
    if (!fullSize) PaintCardCorners(kMarkTransparent, markCanvas, {0, 0, width, height}, kLinedMarkSmallWidth);
    canvas.TransparentCopy(x, y, width, height, mark, 0, 0, kMarkTransparent);
}

}  // namespace

platform::Colour FoundationMarkColour(int index) {
    if (index < 0 || index >= kFoundationMarkColourCount) return kFallbackMarkColour;
    return kMarkColours[static_cast<std::size_t>(index)];
}

void DrawFoundationMark(int x, int y, int w, bool fullSize, int colourIndex, int style, platform::Canvas& canvas,
                        int h, int yShift) {
    if (style == foundation_mark::kNone) return;
    y += yShift;
    const platform::CanvasPen savedPen = canvas.Pen();
    const platform::CanvasBrush savedBrush = canvas.Brush();
    if (!fullSize) {
        ++x;
        ++y;
        --w;
        --h;
    }
    const platform::Colour colour = FoundationMarkColour(colourIndex);
    if (style == foundation_mark::kDottedLines) {
        DrawLinedMark(canvas, colour, x, y, w, h, fullSize);
    } else {
        for (const HatchOfStyle& hatch : kHatches)
            if (hatch.style == style) DrawHatchedMark(canvas, hatch.brush, colour, {x, y, x + w, y + h});
    }
    canvas.SetPen(savedPen);
    canvas.SetBrush(savedBrush);
}

}  // namespace table
