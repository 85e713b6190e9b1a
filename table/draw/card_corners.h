#pragma once

#include "platform/core/canvas.h"

namespace table {

// Cards are copied as plain rectangles; their rounded look comes from a few corner pixels
// that take the colour of whatever lies under them. The smallest card set is too small
// for more than the corner pixel itself.
inline constexpr int kSmallCardWidth = 25;
// The corner pixels lie within this many rows (columns) of each edge.
inline constexpr int kCornerDepth = 2;
// The stock's 3-D edge is silver, so a card lying on it shows silver at its bottom right.
inline constexpr platform::Colour kSilverCorner = platform::Rgb(192, 192, 192);

// Which corners a copy touches.
enum CardCorner : unsigned {
    kTopLeftCorner = 1,
    kTopRightCorner = 2,
    kBottomLeftCorner = 4,
    kBottomRightCorner = 8,
    kTopCorners = kTopLeftCorner | kTopRightCorner,
    kBottomCorners = kBottomLeftCorner | kBottomRightCorner,
    kAllCorners = kTopCorners | kBottomCorners,
};

// Copies the corner pixels of the source rectangle to the same corners of the destination
// rectangle: per corner the corner pixel and, unless the destination is smallWidth wide,
// its two neighbours along the edges. A pixel that lies outside the source is left alone
// in the destination, and nothing is written outside the destination.
void CopyCardCorners(const platform::ICanvas& source, const platform::Rect& sourceRect, platform::ICanvas& dest,
                     int smallWidth, const platform::Rect& destRect, unsigned corners);

void RestoreCardCorners(const platform::ICanvas& source, const platform::Rect& sourceRect, platform::ICanvas& dest,
                        int smallWidth, const platform::Rect& destRect);
void RestoreTopCardCorners(const platform::ICanvas& source, const platform::Rect& sourceRect,
                           platform::ICanvas& dest, int smallWidth, const platform::Rect& destRect);
void RestoreBottomCardCorners(const platform::ICanvas& source, const platform::Rect& sourceRect,
                              platform::ICanvas& dest, int smallWidth, const platform::Rect& destRect);
// The bottom-left corner from the source, the bottom-right one silver.
void RestoreBottomCornersSilver(const platform::ICanvas& source, const platform::Rect& sourceRect,
                                platform::ICanvas& dest, int smallWidth, const platform::Rect& destRect);
void RestoreBottomRightCorner(const platform::ICanvas& source, const platform::Rect& sourceRect,
                              platform::ICanvas& dest, int smallWidth, const platform::Rect& destRect);

// Paints the chosen corner pixels of the rectangle in one colour.
void PaintCardCorners(platform::Colour colour, platform::ICanvas& canvas, const platform::Rect& rect, int smallWidth,
                      unsigned corners = kAllCorners);

}  // namespace table
