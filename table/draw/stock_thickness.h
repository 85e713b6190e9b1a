#pragma once

namespace platform {
class Canvas;
}

namespace table {

struct DrawContext;

// The stock-row piles stand out from the table by one pixel of edge per seven cards or
// so, up to this many.
inline constexpr int kMaxStockDepth = 15;

// The depth of the 3-D edge of a stock-row pile of that many cards: 0 for 0-1, 1 for
// 2-3, then cards / 7 to the nearest integer plus 1, at most 15.
int StockThicknessDepth(int cards);

// Draws the 3-D edge of stock-row pile line (0-2) for a pile text of pileLength
// characters and moves the pile's visible place up and left by the depth. Unless forced,
// nothing happens when the pile already lies at its place for that depth. The edge goes
// to the canvas and, with alsoBuffer, to the off-screen table too.
void DrawPileThickness(DrawContext& context, platform::Canvas& canvas, int line, bool alsoBuffer, bool force,
                       int pileLength);

}  // namespace table
