// The tableau's fixed shapes: each places what it needs and nothing else.
#include <algorithm>
#include <array>
#include <cmath>

#include "engine/model/table_object.h"
#include "table/layout/block_styles.h"
#include "table/layout/layout_state.h"
#include "table/layout/table_geometry.h"

namespace table::layout_detail {

namespace {

int Trunc(double v) { return static_cast<int>(std::trunc(v)); }

// "052": a cross of five piles with a foundation in each corner.
constexpr int kCrossGapSmall = 25;
constexpr int kCrossGap = 35;
constexpr int kCrossLeftRoom = 25;
constexpr int kCrossCornerInset = 7;
constexpr int kCrossFoundations = 4;
constexpr std::array<int, 3> kCrossUnusedPiles = {5, 6, 7};

void Cross(LayoutState& s) {
    const int d = s.SmallWindow() ? kCrossGapSmall : kCrossGap;
    int x1 = Half(s.width - 3 * s.cw - 2 * d);
    if (x1 - s.cw - 2 * d - kCrossLeftRoom < 0) x1 = s.cw + 2 * d + kCrossLeftRoom;
    const int xm = x1 + s.cw + d;
    const int xr = xm + s.cw + d;
    const int y0 = std::max(s.top + Half(s.bottom - s.top - (3 * s.ch + 2 * d)), s.frame.r1);
    const int y1 = y0 + d + s.ch;
    const int y4 = y1 + d + s.ch;
    s.SetTableau(0, xm, y0);
    s.SetTableau(1, x1, y1);
    s.SetTableau(2, xm, y1);
    s.SetTableau(3, xr, y1);
    s.SetTableau(4, xm, y4);
    for (int unused : kCrossUnusedPiles) s.SetTableauX(unused, engine::kAbsentPileX);

    const int stockX = x1 - s.cw - 2 * d;
    s.SetStockX(engine::kStockLine, stockX);
    s.SetStockY(engine::kStockLine, y0);
    s.SetStockX(engine::kWasteLine, stockX);
    s.SetStockY(engine::kWasteLine, y1);

    const std::array<std::pair<int, int>, kCrossFoundations> corners = {{
        {x1 + kCrossCornerInset, y0 + kCrossCornerInset},
        {xr - kCrossCornerInset, y0 + kCrossCornerInset},
        {x1 + kCrossCornerInset, y4 - kCrossCornerInset},
        {xr - kCrossCornerInset, y4 - kCrossCornerInset},
    }};
    for (int i = 0; i < kCrossFoundations; ++i) {
        s.SetFoundation(i, corners[static_cast<std::size_t>(i)].first, corners[static_cast<std::size_t>(i)].second);
    }
}

// "053": a grid of p297 lines on a centred block, with the third stock-row pile.
constexpr int kCentredGridSpacing = 45;
constexpr int kCentredGridLineGap = 10;
constexpr int kCentredGridLastGap = 25;
constexpr double kGridTightGap = 0.85;
constexpr double kGridWideGap = 1.5;
constexpr int kGridLeft = 15;
constexpr int kGridEdgeExtra = 10;
constexpr int kGridWidthMargin = 2;

void CentredGrid(LayoutState& s) {
    const int n = s.tableau.count;
    // A zero line count or zero piles per line counts as 1.
    const int lines = std::max(s.GridLines(), 1);
    const int perLine = std::max(DivTrunc(n, lines), 1);
    int t = DivTrunc(s.width - perLine * s.cw - kGridWidthMargin, perLine + 1);
    std::array<int, 4> block{};
    block[0] = s.top + Half(s.bottom - s.top - (4 * s.ch + kCentredGridSpacing));
    block[1] = block[0] + s.ch + kCentredGridLineGap;
    block[2] = block[1] + s.ch + kCentredGridLineGap;
    block[3] = block[2] + s.ch + kCentredGridLastGap;
    int lineCount = static_cast<int>(block.size());
    int x0 = 0;
    if (s.SmallScreen()) {
        t = Trunc(kGridTightGap * s.cw);
        x0 = kGridLeft;
        std::copy(s.frame.block3.begin(), s.frame.block3.end(), block.begin());
        lineCount = static_cast<int>(s.frame.block3.size());
    } else {
        t = std::max(t, Trunc(kGridWideGap * s.cw));
        x0 = s.frame.edge + kGridEdgeExtra;
    }

    int x = x0;
    int line = 0;
    for (int i = 0; i < std::clamp(n, 0, kTableauSlots); ++i) {
        if (i > 0 && i % perLine == 0) {
            x = x0;
            ++line;
        } else if (i > 0) {
            x += s.cw + t;
        }
        // Lines beyond the block leave their piles where they were.
        if (line < lineCount) s.SetTableau(i, x, block[static_cast<std::size_t>(line)]);
    }

    const int lastLine = block[static_cast<std::size_t>(lineCount - 1)];
    if (!s.SmallScreen()) {
        s.SetStockX(engine::kThirdStockLine, x0);
        s.SetStockY(engine::kThirdStockLine, lastLine);
    } else if (n >= 1 && n <= kTableauSlots) {
        s.SetStockX(engine::kThirdStockLine, s.TableauX(n - 1) + s.cw + t);
        s.SetStockY(engine::kThirdStockLine, lastLine);
    }
}

// "054": seven piles in a staircase that falls from right to left.
constexpr int kStaircaseStockSmall = 15;
constexpr int kStaircaseStock = 40;
constexpr int kStaircaseWasteDrop = 10;
constexpr int kStaircasePiles = 7;
constexpr int kStaircaseRows = 8;
constexpr int kStaircaseCheckedPile = 5;
constexpr int kStaircaseClearance = 3;
constexpr int kStaircaseRiseSmall = 8;
constexpr int kStaircaseRise = -4;

void Staircase(LayoutState& s) {
    const int stockX = s.SmallScreen() ? kStaircaseStockSmall : kStaircaseStock;
    s.SetStockX(engine::kStockLine, stockX);
    s.SetStockX(engine::kWasteLine, stockX);
    s.SetStockY(engine::kStockLine, s.frame.r1);
    s.SetStockY(engine::kWasteLine, s.frame.r2 + kStaircaseWasteDrop);

    const int g = s.SideBySideGap();
    const int step = Half(s.cw) + Half(g);
    int x0 = Half(s.width - s.cw);
    auto pileX = [&](int i) { return x0 - i * step; };
    // Moves right in steps of 3 until pile 5 clears the stock (the steps counted at once).
    const int shortBy = stockX + s.cw + kStaircaseClearance - pileX(kStaircaseCheckedPile) + 1;
    if (shortBy > 0) x0 += (shortBy + kStaircaseClearance - 1) / kStaircaseClearance * kStaircaseClearance;
    for (int i = 0; i < kStaircasePiles; ++i) s.SetTableauX(i, pileX(i));

    const int x5 = pileX(kStaircaseCheckedPile);
    const int rightmost = x5 + 6 * s.cw + 5 * g;
    int thirdX = s.width - step - s.cw;
    if (thirdX < rightmost) thirdX = rightmost + kStaircaseClearance;
    s.SetStockX(engine::kThirdStockLine, thirdX);
    s.SetStockY(engine::kThirdStockLine, s.frame.r1);

    const int v = s.SmallScreen() ? kStaircaseRiseSmall : kStaircaseRise;
    int y = s.frame.r1;
    for (int i = 0; i < kStaircaseRows; ++i) {
        if (i > 0) y += Half(s.ch) - v;
        s.SetTableauY(i, y);
    }
}

// "123" to "129": rectangular blocks (table in block_styles.h).
constexpr int kBlockMinimumX = 25;
constexpr int kBlockTopInset = 5;

int BlockGap(const LayoutState& s, const BlockStyle& b) {
    if (s.SmallWindow()) return b.gapSmall;
    return s.thirdPile.count == 0 ? b.gap : b.gapWithThirdPile;
}

int BlockTop(const LayoutState& s, int rows, int h, BlockMinimum minimum) {
    const int y = s.top + Half(s.bottom - s.top - (rows * s.ch + (rows - 1) * h));
    switch (minimum) {
        case BlockMinimum::kRow1:
            return std::max(y, s.frame.r1);
        case BlockMinimum::kTopInset:
            return std::max(y, s.top + kBlockTopInset);
        case BlockMinimum::kNone:
            break;
    }
    return y;
}

void Block(LayoutState& s, const BlockStyle& b) {
    const int h = BlockGap(s, b);
    const bool third = s.thirdPile.count != 0;
    const BlockWidth& across = third ? b.widthWithThirdPile : b.width;
    const int x0 = std::max(Half(s.width - across.cards * s.cw - across.gaps * h - across.extra), kBlockMinimumX);
    const int y0 = BlockTop(s, b.rows, h, b.minimum);
    for (int row = 0; row < b.rows; ++row) {
        for (int column = 0; column < b.columns; ++column) {
            s.SetTableau(row * b.columns + column, x0 + column * (s.cw + h), y0 + row * (s.ch + h));
        }
    }
    const bool placeThird =
        b.third.when == ThirdPileWhen::kAlways || (b.third.when == ThirdPileWhen::kWhenInUse && s.thirdPile.count == 1);
    if (!placeThird) return;
    const int x = s.TableauX(b.third.xPile) + h + b.third.cards * s.cw;
    const int y = s.TableauY(b.third.yPile) + (b.third.halfStepDown ? Half(s.ch + h) : 0);
    s.SetStockX(engine::kThirdStockLine, x);
    s.SetStockY(engine::kThirdStockLine, y);
}

// "126": rows of 4, 5 and 4, the outer rows centred over the middle one.
constexpr int kDiamondGapSmall = 3;
constexpr int kDiamondGap = 5;
constexpr int kDiamondRows = 3;
constexpr int kDiamondOuterRow = 4;
constexpr int kDiamondMiddleRow = 5;
constexpr int kDiamondMiddleFirst = 4;
constexpr int kDiamondLastFirst = 9;

void Diamond(LayoutState& s) {
    const int h = s.SmallWindow() ? kDiamondGapSmall : kDiamondGap;
    const int middleX =
        std::max(Half(s.width - kDiamondMiddleRow * s.cw - (kDiamondMiddleRow - 1) * h), kBlockMinimumX);
    const int outerX = middleX + Half(s.cw + h);
    const int y0 = BlockTop(s, kDiamondRows, h, BlockMinimum::kRow1);
    const int y1 = y0 + s.ch + h;
    const int y2 = y1 + s.ch + h;
    for (int c = 0; c < kDiamondOuterRow; ++c) {
        s.SetTableau(c, outerX + c * (s.cw + h), y0);
        s.SetTableau(kDiamondLastFirst + c, outerX + c * (s.cw + h), y2);
    }
    for (int c = 0; c < kDiamondMiddleRow; ++c) s.SetTableau(kDiamondMiddleFirst + c, middleX + c * (s.cw + h), y1);
}

// "130": ten foundations over two rows of ten tableau piles.
constexpr int kTwoRowsGapSmall = 2;
constexpr int kTwoRowsGap = 5;
constexpr int kTwoRowsColumns = 10;
constexpr int kTwoRowsMinimumX = 10;
constexpr int kTwoRowsSpacing = 90;
constexpr int kTwoRowsFirstDrop = 15;
constexpr int kTwoRowsSecondDrop = 60;

void TwoRowsUnderFoundations(LayoutState& s) {
    const int h = s.SmallWindow() ? kTwoRowsGapSmall : kTwoRowsGap;
    const int fx0 = std::max(Half(s.width - kTwoRowsColumns * s.cw - (kTwoRowsColumns - 1) * h), kTwoRowsMinimumX);
    const int fy = std::max(s.top + Half(s.bottom - s.top - (3 * s.ch + kTwoRowsSpacing)), s.top + kBlockTopInset);
    const int y0 = fy + s.ch + kTwoRowsFirstDrop;
    const int y1 = y0 + s.ch + kTwoRowsSecondDrop;
    for (int i = 0; i < kTwoRowsColumns; ++i) {
        const int x = fx0 + i * (s.cw + h);
        s.SetFoundation(i, x, fy);
        s.SetTableau(i, x, y0);
        s.SetTableau(kTwoRowsColumns + i, x, y1);
    }
}

struct FixedShape {
    std::string_view code;
    void (*place)(LayoutState&);
};

constexpr std::array<FixedShape, 5> kFixedShapes = {{
    {"052", Cross},
    {"053", CentredGrid},
    {"054", Staircase},
    {"126", Diamond},
    {"130", TwoRowsUnderFoundations},
}};

}  // namespace

bool PlaceFixedShapeTableau(LayoutState& s) {
    for (const FixedShape& shape : kFixedShapes) {
        if (s.tableau.Is(shape.code)) {
            shape.place(s);
            return true;
        }
    }
    if (const BlockStyle* block = FindBlockStyle(s.tableau.style)) {
        Block(s, *block);
        return true;
    }
    return false;
}

}  // namespace table::layout_detail
