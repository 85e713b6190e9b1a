#include "table/draw/card_corners.h"

#include <array>

namespace table {

namespace {

struct Offset {
    int dx, dy;
};

// A corner pixel and its neighbours along the two edges, relative to the corner pixel,
// pointing into the rectangle.
struct CornerPattern {
    CardCorner corner;
    bool right;   // the corner lies at the right edge
    bool bottom;  // the corner lies at the bottom edge
};

constexpr std::array<CornerPattern, 4> kCorners{{
    {kTopLeftCorner, false, false},
    {kTopRightCorner, true, false},
    {kBottomLeftCorner, false, true},
    {kBottomRightCorner, true, true},
}};

constexpr int kPixelsPerCorner = 3;

std::array<Offset, kPixelsPerCorner> CornerOffsets(const CornerPattern& pattern) {
    const int inX = pattern.right ? -1 : 1;
    const int inY = pattern.bottom ? -1 : 1;
    return {{{0, 0}, {inX, 0}, {0, inY}}};
}

platform::Point CornerPixel(const platform::Rect& rect, const CornerPattern& pattern) {
    return {pattern.right ? rect.right - 1 : rect.left, pattern.bottom ? rect.bottom - 1 : rect.top};
}

int PixelsPerCorner(const platform::Rect& rect, int smallWidth) {
    return rect.Width() == smallWidth ? 1 : kPixelsPerCorner;
}

}  // namespace

void CopyCardCorners(const platform::ICanvas& source, const platform::Rect& sourceRect, platform::ICanvas& dest,
                     int smallWidth, const platform::Rect& destRect, unsigned corners) {
    const int count = PixelsPerCorner(destRect, smallWidth);
    for (const CornerPattern& pattern : kCorners) {
        if ((corners & pattern.corner) == 0) continue;
        const platform::Point from = CornerPixel(sourceRect, pattern);
        const platform::Point to = CornerPixel(destRect, pattern);
        const auto offsets = CornerOffsets(pattern);
        for (int i = 0; i < count; ++i) {
            const platform::Colour colour = source.Pixel(from.x + offsets[i].dx, from.y + offsets[i].dy);
            if (colour == platform::kInvalidColour) continue;
            dest.SetPixel(to.x + offsets[i].dx, to.y + offsets[i].dy, colour);
        }
    }
}

void RestoreCardCorners(const platform::ICanvas& source, const platform::Rect& sourceRect, platform::ICanvas& dest,
                        int smallWidth, const platform::Rect& destRect) {
    CopyCardCorners(source, sourceRect, dest, smallWidth, destRect, kAllCorners);
}

void RestoreTopCardCorners(const platform::ICanvas& source, const platform::Rect& sourceRect,
                           platform::ICanvas& dest, int smallWidth, const platform::Rect& destRect) {
    CopyCardCorners(source, sourceRect, dest, smallWidth, destRect, kTopCorners);
}

void RestoreBottomCardCorners(const platform::ICanvas& source, const platform::Rect& sourceRect,
                              platform::ICanvas& dest, int smallWidth, const platform::Rect& destRect) {
    CopyCardCorners(source, sourceRect, dest, smallWidth, destRect, kBottomCorners);
}

void RestoreBottomCornersSilver(const platform::ICanvas& source, const platform::Rect& sourceRect,
                                platform::ICanvas& dest, int smallWidth, const platform::Rect& destRect) {
    CopyCardCorners(source, sourceRect, dest, smallWidth, destRect, kBottomLeftCorner);
    PaintCardCorners(kSilverCorner, dest, destRect, smallWidth, kBottomRightCorner);
}

void RestoreBottomRightCorner(const platform::ICanvas& source, const platform::Rect& sourceRect,
                              platform::ICanvas& dest, int smallWidth, const platform::Rect& destRect) {
    CopyCardCorners(source, sourceRect, dest, smallWidth, destRect, kBottomRightCorner);
}

void PaintCardCorners(platform::Colour colour, platform::ICanvas& canvas, const platform::Rect& rect, int smallWidth,
                      unsigned corners) {
    const int count = PixelsPerCorner(rect, smallWidth);
    for (const CornerPattern& pattern : kCorners) {
        if ((corners & pattern.corner) == 0) continue;
        const platform::Point at = CornerPixel(rect, pattern);
        const auto offsets = CornerOffsets(pattern);
        for (int i = 0; i < count; ++i) canvas.SetPixel(at.x + offsets[i].dx, at.y + offsets[i].dy, colour);
    }
}

}  // namespace table
