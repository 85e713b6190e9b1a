// The stock row: the stock, the waste and the third stock-row pile.
#include <algorithm>
#include <array>

#include "engine/model/pile_names.h"
#include "table/layout/layout_state.h"

namespace table::layout_detail {

namespace {

constexpr int kFlagSet = 1;  // p8 and p9

constexpr int kBesideTableauGap = 22;  // "003"
constexpr int kWasteLeftGap = 45;      // "011"
constexpr int kStockLeftGap = 15;      // "011"
constexpr int kFixedLeftMargin = 15;   // "013"
constexpr int kFixedLeftWasteGap = 15;
constexpr int kNearGap = 30;        // "016"
constexpr int kFarGap = 60;         // "019"
constexpr int kCloseWasteGap = 15;  // "021"
constexpr int kCloseStockGap = 20;
constexpr int kThirdPileDrop = 20;  // third pile "016": below the row above

using engine::kStockLine;
using engine::kThirdStockLine;
using engine::kWasteLine;

struct StockRow {
    LayoutState& s;
    int y;   // the stock's y
    int x0;  // tableau pile 0's x
};

void Style003(StockRow r) {
    const int stockX = r.x0 - r.s.cw - kBesideTableauGap;
    r.s.SetStockX(kStockLine, stockX);
    if (r.s.StockToWaste() == kFlagSet) {
        r.s.SetStockX(kWasteLine, stockX);
        r.s.SetStockY(kWasteLine, r.s.frame.r2);
    }
}

void Style004(StockRow r) {
    const bool stockFlag = r.s.StockLineFlag() == kFlagSet;
    const bool toWaste = r.s.StockToWaste() == kFlagSet;
    if (stockFlag && toWaste) {
        r.s.SetStockX(kStockLine, r.x0);
        r.s.SetStockX(kWasteLine, r.s.TableauX(1));
        r.s.SetStockY(kWasteLine, r.y);
    } else if (!stockFlag && toWaste) {
        r.s.SetStockX(kWasteLine, r.x0);
        r.s.SetStockY(kWasteLine, r.y);
    } else if (stockFlag && !toWaste) {
        r.s.SetStockX(kStockLine, r.x0);
    }
}

void Style005(StockRow r) {
    const int e = r.s.frame.edge;
    r.s.SetStockX(kStockLine, e);
    for (int k = 1; k < std::min(r.s.stockRow.count, engine::kMazzoLineCount); ++k) {
        r.s.SetStockX(k, r.s.StockX(k - 1) + e + r.s.cw);
        r.s.SetStockY(k, r.y);
    }
}

void Style011(StockRow r) {
    const int wasteX = r.x0 - r.s.cw - kWasteLeftGap;
    r.s.SetStockX(kWasteLine, wasteX);
    r.s.SetStockY(kWasteLine, r.y);
    r.s.SetStockX(kStockLine, wasteX - r.s.cw - kStockLeftGap);
}

void Style013(StockRow r) {
    int shadow = r.s.ShadowOffset();
    if (shadow > 1) shadow /= 2;
    if (r.s.SmallScreen()) shadow = 0;
    const int stockX = shadow + kFixedLeftMargin;
    r.s.SetStockX(kStockLine, stockX);
    r.s.SetStockY(kWasteLine, r.y);
    if (r.s.stockRow.count > 1) r.s.SetStockX(kWasteLine, stockX + r.s.cw + kFixedLeftWasteGap);
}

void LeftOfTableau(StockRow r, int gap) {
    if (r.s.StockLineFlag() == kFlagSet) {
        r.s.SetStockX(kStockLine, r.x0 - r.s.cw - gap);
    } else {
        r.s.SetStockX(kWasteLine, r.x0 - r.s.cw - gap);
        r.s.SetStockY(kWasteLine, r.y);
    }
}

void Style016(StockRow r) { LeftOfTableau(r, kNearGap); }
void Style019(StockRow r) { LeftOfTableau(r, kFarGap); }

void Style021(StockRow r) {
    const int wasteX = r.x0 - r.s.cw - kCloseWasteGap;
    r.s.SetStockX(kWasteLine, wasteX);
    r.s.SetStockY(kWasteLine, r.y);
    r.s.SetStockX(kStockLine, wasteX - r.s.cw - kCloseStockGap);
}

struct StockRowStyle {
    std::string_view code;
    void (*place)(StockRow);
};

constexpr std::array<StockRowStyle, 8> kStockRowStyles = {{
    {"003", Style003},
    {"004", Style004},
    {"005", Style005},
    {"011", Style011},
    {"013", Style013},
    {"016", Style016},
    {"019", Style019},
    {"021", Style021},
}};

}  // namespace

void PlaceStockRow(LayoutState& s) {
    if (s.stockRow.count <= 0) return;
    const auto y = s.Row(s.stockRow.digit, true);
    if (!y) return;
    s.SetStockY(kStockLine, *y);
    for (const StockRowStyle& style : kStockRowStyles) {
        if (s.stockRow.Is(style.code)) {
            style.place(StockRow{s, *y, s.TableauX(0)});
            return;
        }
    }
}

void PlaceThirdPile(LayoutState& s) {
    if (s.thirdPile.count <= 0) return;
    const int d = s.thirdPile.digit;
    std::optional<int> x;
    std::optional<int> y;
    if (s.thirdPile.Is("006")) {
        x = s.TableauX(1);
        y = s.Row(d, false);
    } else if (s.thirdPile.Is("007")) {
        const int last = s.tableau.count - 1;
        if (last >= 0 && last < engine::kFilaLineCount) x = s.TableauX(last);
        y = s.Row(d, false);
    } else if (s.thirdPile.Is("016")) {
        x = s.StockX(kStockLine);
        if (const auto above = s.Row(d - 1, false)) y = *above + s.ch + kThirdPileDrop;
    }
    // A line or a tableau pile the game's words do not name leaves the pile where it was.
    if (!x || !y) return;
    s.SetStockX(kThirdStockLine, *x);
    s.SetStockY(kThirdStockLine, *y);
}

}  // namespace table::layout_detail
