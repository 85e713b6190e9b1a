#pragma once

#include "platform/core/canvas.h"

namespace platform {
class Canvas;
}

namespace table {

// Styles of the mark on a completed foundation (HighLights_Foundations_Mark).
namespace foundation_mark {
inline constexpr int kNone = 0;
inline constexpr int kDottedLines = 1;  // dense diagonal lines, the card showing between them
inline constexpr int kSolid = 2;
inline constexpr int kBackDiagonal = 3;
inline constexpr int kCross = 4;
inline constexpr int kDiagonalCross = 5;
}  // namespace foundation_mark

inline constexpr int kFoundationMarkColourCount = 15;

// The mark colour of a colour index (HighLights_Foundations_Color); black for an index
// outside 0-14.
platform::Colour FoundationMarkColour(int index);

// Draws the mark of a style over a card place (x, y, w wide, h high) on the canvas, whose
// rows are shifted down by yShift (the scroll offset on the off-screen image). Without
// fullSize the mark lies one pixel inside the card. The canvas's pen and brush are kept.
void DrawFoundationMark(int x, int y, int w, bool fullSize, int colourIndex, int style, platform::Canvas& canvas,
                        int h, int yShift = 0);

}  // namespace table
