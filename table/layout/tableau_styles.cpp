// The tableau's general styles: lines across the table and grids of lines.
#include <algorithm>
#include <array>
#include <cmath>

#include "table/layout/layout_state.h"
#include "table/layout/table_geometry.h"

namespace table::layout_detail {

namespace {

constexpr int kMinGap = 4;
constexpr int kMaxGap = 20;
constexpr int kStock004Gap = 15;   // room for the stock's style "004" between piles
constexpr int kNarrowLineGap = 5;  // "002" below 650 pixels
constexpr int kLineGap = 10;       // "002" otherwise, and "020"
constexpr double kRoundUp = 0.99;
constexpr int kNarrowScreenStartCut = 2;
constexpr int kStockRoomMargin = 32;  // "003" family: room for the stock-row piles
constexpr int kStockRoomCentre = 40;
constexpr int kStockRoomStep = 22;
constexpr int kStockRoomExtra = 15;  // "011" and "012"
constexpr int kWideGapCut = 15;      // a gap above 20 becomes 15 in the "003" family
constexpr int kStyle021Gap = 2;
constexpr double kGridTightGap = 0.85;  // of a card width
constexpr double kGridWideGap = 1.5;
constexpr int kGridLeft = 15;
constexpr int kGridEdgeExtra = 10;
constexpr int kGridWidthMargin = 2;
constexpr int kFixedLeftShadow = 9;  // "013" without shadows
constexpr int kFixedLeftSmallScreen = -11;
constexpr int kFixedLeftMargin = 30;
constexpr int kFixedLeftGap = 4;

constexpr std::string_view kStyle001 = "001";
constexpr std::string_view kStyle010 = "010";
constexpr std::string_view kStyle011 = "011";
constexpr std::string_view kStyle012 = "012";
constexpr std::string_view kStyle020 = "020";
constexpr std::string_view kStyle021 = "021";

int Trunc(double v) { return static_cast<int>(std::trunc(v)); }

// The piles that fit the position arrays: a count from the game record can say more.
int PilesToPlace(int count) { return std::clamp(count, 0, kTableauSlots); }

// A line of piles at y: pile 0 at x0, each next one a card and a gap further.
template <typename GapOf>
void PlaceLine(LayoutState& s, int x0, int y, GapOf gapBefore) {
    int x = x0;
    for (int i = 0; i < PilesToPlace(s.tableau.count); ++i) {
        if (i > 0) x += s.cw + gapBefore(i);
        s.SetTableau(i, x, y);
    }
}

void PlaceLine(LayoutState& s, int x0, int y, int gap) {
    PlaceLine(s, x0, y, [gap](int) { return gap; });
}

// "001", "014", "015": a line spread over the width.
void SpreadLine(LayoutState& s, std::optional<int> y0) {
    const int n = s.tableau.count;
    const int e = s.frame.edge;
    const bool style001 = s.tableau.Is(kStyle001);
    const bool beside004 = s.stockRow.Is(kStyle004) || s.thirdPile.Is(kStyle004);
    int t = std::clamp(DivTrunc(s.width - n * s.cw, n + 1), kMinGap, kMaxGap);
    if (style001 && beside004) t = std::max(t, kStock004Gap);
    int x0 = Half(s.width - (n * s.cw + (n - 1) * t));
    if (x0 < e) {
        if (!style001) {
            const int divisor = n - 1 == 0 ? 1 : n - 1;
            t = std::clamp(t - Trunc(static_cast<double>(e - x0) / divisor + kRoundUp), kMinGap, kMaxGap);
            x0 = s.NarrowScreen() ? e - kNarrowScreenStartCut : e;
        } else {
            x0 = e;
        }
    }
    s.tableauGap = t;
    if (!y0) return;
    if (!style001 && beside004 && t < kStock004Gap) {
        // The piles beside the stock row keep room for its wider style.
        const int firstAtGap = std::max(s.stockRow.count, 1);
        PlaceLine(s, x0, *y0, [&](int i) { return i < firstAtGap ? kStock004Gap : t; });
    } else {
        PlaceLine(s, x0, *y0, t);
    }
}

// "002": a centred line at a fixed gap; a second pass starts where the reserves end.
void CentredLine(LayoutState& s, std::optional<int> y0) {
    const int n = s.tableau.count;
    const int t = s.width < kNarrowScreenWidth ? kNarrowLineGap : kLineGap;
    s.tableauGap = t;
    if (!y0) return;
    const int x0 = s.tableauStart ? *s.tableauStart : Half(s.width - n * s.cw - (n - 1) * t);
    PlaceLine(s, x0, *y0, t);
}

// "003", "011", "012", "021": a line that leaves room for k stock-row piles at its left.
void LineBesideStock(LayoutState& s, std::optional<int> y0) {
    const int n = s.tableau.count;
    const bool twoPiles = s.tableau.Is(kStyle011) || s.tableau.Is(kStyle021);
    const int k = twoPiles ? 2 : 1;
    int t = DivTrunc(s.width - (n + k) * s.cw - kStockRoomMargin, n + 1 + k);
    if (t < kMinGap)
        t = kMinGap;
    else if (t > kMaxGap)
        t = kWideGapCut;
    if (s.tableau.Is(kStyle021)) t = kStyle021Gap;
    int x0 = std::max(Half(s.width - kStockRoomCentre + t - ((n + k) * s.cw + (n - 1 + k) * t)), s.frame.edge);
    x0 += k * (s.cw + kStockRoomStep);
    if (s.tableau.Is(kStyle011) || s.tableau.Is(kStyle012)) x0 += kStockRoomExtra;
    s.tableauGap = t;
    if (y0) PlaceLine(s, x0, *y0, t);
}

// "010" and "018": a grid of p297 lines, each m piles long. A zero line count or zero
// piles per line counts as 1, so a grid never divides by zero; piles on lines beyond the
// block stay where they were.
void Grid(LayoutState& s, std::optional<int>) {
    const int n = s.tableau.count;
    const int lines = std::max(s.GridLines(), 1);
    const int perLine = std::max(DivTrunc(n, lines), 1);
    int t = 0;
    int x0 = 0;
    int firstLine = 1;
    std::optional<int> (LayoutFrame::*line)(int) const = nullptr;
    if (s.tableau.Is(kStyle010)) {
        t = Trunc(kGridTightGap * s.cw);
        x0 = kGridLeft;
        line = &LayoutFrame::Block3;
    } else {
        t = std::max(DivTrunc(s.width - perLine * s.cw - kGridWidthMargin, perLine + 1), Trunc(kGridWideGap * s.cw));
        x0 = s.SmallScreen() ? kGridLeft : s.frame.edge + kGridEdgeExtra;
        firstLine = s.tableau.digit == 0 ? 1 : s.tableau.digit;
        line = &LayoutFrame::Block4;
    }
    s.tableauGap = t;
    int x = x0;
    int lineIndex = firstLine;
    for (int i = 0; i < PilesToPlace(n); ++i) {
        if (i > 0 && i % perLine == 0) {
            x = x0;
            ++lineIndex;
        } else if (i > 0) {
            x += s.cw + t;
        }
        if (const auto y = (s.frame.*line)(lineIndex)) s.SetTableau(i, x, *y);
    }
}

// "013": a line from a fixed left edge.
void FromLeftEdge(LayoutState& s, std::optional<int> y0) {
    int shadow = s.ShadowOffset() < 1 ? kFixedLeftShadow : s.ShadowOffset();
    if (s.SmallScreen()) shadow = kFixedLeftSmallScreen;
    s.tableauGap = kFixedLeftGap;
    if (y0) PlaceLine(s, 2 * shadow + kFixedLeftMargin, *y0, kFixedLeftGap);
}

// "020" is placed after the foundations; here it only gives the foundations its gap.
void UnderFoundationsGap(LayoutState& s, std::optional<int>) { s.tableauGap = kLineGap; }

struct TableauStyle {
    std::string_view code;
    void (*place)(LayoutState&, std::optional<int> y0);
};

constexpr std::array<TableauStyle, 12> kTableauStyles = {{
    {"001", SpreadLine},
    {"014", SpreadLine},
    {"015", SpreadLine},
    {"002", CentredLine},
    {"003", LineBesideStock},
    {"011", LineBesideStock},
    {"012", LineBesideStock},
    {"021", LineBesideStock},
    {"010", Grid},
    {"018", Grid},
    {"013", FromLeftEdge},
    {"020", UnderFoundationsGap},
}};

}  // namespace

void PlaceTableau(LayoutState& s) {
    // A style this table does not know gives the foundations no gap of its own (q = 1).
    s.tableauGap = 0;
    const auto y0 = s.Row(s.tableau.digit, true);
    if (y0) s.SetTableauY(0, *y0);
    for (const TableauStyle& style : kTableauStyles) {
        if (s.tableau.Is(style.code)) {
            style.place(s, y0);
            return;
        }
    }
}

void PlaceCentredTableau(LayoutState& s) {
    if (!s.tableau.Is(kStyle020)) return;
    const auto y0 = s.Row(s.tableau.digit, true);
    const int lastFoundation = s.foundations.count - 1;
    if (!y0 || lastFoundation < 0 || lastFoundation >= engine::kDestLineCount) return;
    const int n = s.tableau.count;
    const int fx0 = s.FoundationX(0);
    const int span = s.FoundationX(lastFoundation) + s.cw - fx0;
    PlaceLine(s, fx0 + Half(span - n * s.cw - (n - 1) * kLineGap), *y0, kLineGap);
}

}  // namespace table::layout_detail
