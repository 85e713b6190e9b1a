// The foundations and the reserves.
#include <algorithm>
#include <array>
#include <functional>

#include "engine/model/pile_names.h"
#include "table/layout/layout_state.h"
#include "table/layout/table_geometry.h"

namespace table::layout_detail {

namespace {

constexpr int kFlagSet = 1;
constexpr int kGapShare = 3;           // q := t / 3
constexpr int kSpreadMargin = 2;       // "001"
constexpr int kRightEdgeExtra = 5;     // "008"
constexpr int kBesideStockSmall = 10;  // "017": (a, b) on small screens
constexpr int kBesideStockStepSmall = 1;
constexpr int kBesideStock = 20;
constexpr int kBesideStockStep = 3;
constexpr int kReserveLeftNarrow = 45;  // reserve "012"
constexpr int kReserveLeftWide = 22;
constexpr int kReserveWideFrom = 8;  // tableau piles

// x of pile i, or nothing when it names a place the game's words cannot mean.
using PileX = std::function<std::optional<int>(int i)>;

// Tableau pile i's x; nothing for a pile outside the game's 28.
std::optional<int> TableauPileX(const LayoutState& s, int i) {
    if (i < 0 || i >= engine::kFilaLineCount) return std::nullopt;
    return s.TableauX(i);
}

void PlaceFoundationRow(LayoutState& s, int fy, const PileX& xOf) {
    for (int i = 0; i < std::min(s.foundations.count, engine::kDestLineCount); ++i) {
        if (const auto x = xOf(i)) s.SetFoundation(i, *x, fy);
    }
}

// The last n tableau piles.
PileX OverLastTableau(const LayoutState& s) {
    const int n = s.foundations.count;
    return [&s, n](int i) { return TableauPileX(s, s.tableau.count - n + i); };
}

// From the last tableau pile leftward, a gap apart.
PileX LeftFromLastTableau(const LayoutState& s, int gap) {
    const int n = s.foundations.count;
    const auto last = TableauPileX(s, s.tableau.count - 1);
    return [&s, n, gap, last](int i) -> std::optional<int> {
        if (!last) return std::nullopt;
        return *last - (n - 1 - i) * (gap + s.cw);
    };
}

void Foundation001(LayoutState& s, int fy) {
    const int n = s.foundations.count;
    const int q = std::max(DivTrunc(s.width - n * s.cw - kSpreadMargin, n + 1), 1);
    s.foundationGap = q;
    PlaceFoundationRow(s, fy, [&](int i) { return q + i * (s.cw + q); });
}

void Foundation002(LayoutState& s, int fy) {
    const int n = s.foundations.count;
    const int q = std::max(Half(s.tableauGap), 1);
    s.foundationGap = q;
    const int x0 = Half(s.width - n * s.cw - (n - 1) * q);
    PlaceFoundationRow(s, fy, [&](int i) { return x0 + i * (s.cw + q); });
}

void Foundation007(LayoutState& s, int fy) { PlaceFoundationRow(s, fy, OverLastTableau(s)); }

void Foundation008(LayoutState& s, int fy) {
    const int n = s.foundations.count;
    const int e = s.frame.edge;
    const int last = s.width - s.cw - e - kRightEdgeExtra;
    PlaceFoundationRow(s, fy, [&](int i) { return last - (n - 1 - i) * (e + s.cw); });
}

void Foundation009(LayoutState& s, int fy) { PlaceFoundationRow(s, fy, LeftFromLastTableau(s, s.foundationGap)); }

void Foundation013(LayoutState& s, int fy) {
    if (s.SmallScreen())
        PlaceFoundationRow(s, fy, LeftFromLastTableau(s, 1));
    else
        PlaceFoundationRow(s, fy, OverLastTableau(s));
}

void Foundation017(LayoutState& s, int) {
    const int a = s.SmallScreen() ? kBesideStockSmall : kBesideStock;
    const int b = s.SmallScreen() ? kBesideStockStepSmall : kBesideStockStep;
    const int beside = s.StockToWaste() == kFlagSet ? engine::kWasteLine : engine::kStockLine;
    const int x0 = s.StockX(beside) + s.cw + a;
    const int fy = s.StockY(beside);
    s.SetFoundationY(0, fy);
    PlaceFoundationRow(s, fy, [&](int i) { return x0 + i * (b + s.cw); });
}

struct FoundationStyle {
    std::string_view code;
    void (*place)(LayoutState&, int fy);
};

constexpr std::array<FoundationStyle, 7> kFoundationStyles = {{
    {"001", Foundation001},
    {"002", Foundation002},
    {"007", Foundation007},
    {"008", Foundation008},
    {"009", Foundation009},
    {"013", Foundation013},
    {"017", Foundation017},
}};

void PlaceReserveRow(LayoutState& s, int ry, int count, const PileX& xOf) {
    for (int i = 0; i < std::min(count, engine::kAppoggLineCount); ++i) {
        if (const auto x = xOf(i)) s.SetReserve(i, *x, ry);
    }
}

void Reserve004(LayoutState& s, int ry) {
    PlaceReserveRow(s, ry, s.reserves.count, [&](int i) { return TableauPileX(s, i); });
}

void Reserve005(LayoutState& s, int ry) {
    const int e = s.frame.edge;
    PlaceReserveRow(s, ry, s.reserves.count, [&](int i) { return e + i * (e + s.cw); });
}

void Reserve006(LayoutState& s, int ry) {
    const int x0 = s.TableauX(0);
    PlaceReserveRow(s, ry, s.reserves.count, [&](int i) { return x0 + i * (s.foundationGap + s.cw); });
}

void Reserve007(LayoutState& s, int ry) {
    const int n = s.reserves.count;
    PlaceReserveRow(s, ry, n, [&](int i) { return TableauPileX(s, s.tableau.count - n + i); });
}

void Reserve011(LayoutState& s, int ry) {
    PlaceReserveRow(s, ry, 1, [&](int) { return s.StockX(engine::kWasteLine); });
}

void Reserve012(LayoutState& s, int ry) {
    const int gap = s.tableau.count < kReserveWideFrom ? kReserveLeftNarrow : kReserveLeftWide;
    PlaceReserveRow(s, ry, 1, [&](int) { return s.TableauX(0) - s.cw - gap; });
}

struct ReserveStyle {
    std::string_view code;
    void (*place)(LayoutState&, int ry);
};

constexpr std::array<ReserveStyle, 6> kReserveStyles = {{
    {"004", Reserve004},
    {"005", Reserve005},
    {"006", Reserve006},
    {"007", Reserve007},
    {"011", Reserve011},
    {"012", Reserve012},
}};

}  // namespace

void PlaceFoundations(LayoutState& s) {
    s.foundationGap = std::max(DivTrunc(s.tableauGap, kGapShare), 1);
    const auto fy = s.Row(s.foundations.digit, true);
    if (fy) s.SetFoundationY(0, *fy);
    for (const FoundationStyle& style : kFoundationStyles) {
        if (!s.foundations.Is(style.code)) continue;
        // "017" takes its line from the stock row; the others need their own.
        if (fy || style.place == Foundation017) style.place(s, fy.value_or(0));
        return;
    }
}

void PlaceReserves(LayoutState& s) {
    if (s.reserves.count <= 0) return;
    // Here a digit 0 names no line.
    const auto ry = s.Row(s.reserves.digit, false);
    if (!ry) return;
    for (const ReserveStyle& style : kReserveStyles) {
        if (s.reserves.Is(style.code)) {
            style.place(s, *ry);
            return;
        }
    }
    s.SetReserveY(0, *ry);
}

}  // namespace table::layout_detail
