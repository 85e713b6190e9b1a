#include "table/layout/pile_layout.h"

#include <cstdint>

#include "engine/rules/drop_targets.h"
#include "engine/model/table_object.h"
#include "table/layout/layout_state.h"
#include "table/layout/table_geometry.h"

namespace table {

namespace {

using layout_detail::LayoutState;

// The reserve overlap check widens each tableau pile by this much on both sides.
constexpr int kOverlapMargin = 85;
constexpr int kAfterReserveGap = kOverlapMargin + 1;

std::int16_t Word(int value) { return static_cast<std::int16_t>(value); }

// Reserve style "005" lays its reserves from the left edge; when the last one would lie
// on the tableau, the tableau's start x that clears it.
std::optional<int> ReserveOverlapStart(const LayoutState& s) {
    if (!s.reserves.Is(layout_detail::kStyle005) || s.reserves.count <= 0) return std::nullopt;
    const int last = s.reserves.count - 1;
    if (last >= engine::kAppoggLineCount) return std::nullopt;
    const int rx = s.ReserveX(last);
    const int ry = s.ReserveY(last);
    const engine::DropRect reserve{Word(rx), Word(ry), Word(rx + s.cw), Word(ry + s.ch)};
    for (int i = 0; i < engine::kFilaLineCount; ++i) {
        const int x = s.TableauX(i);
        const int y = s.TableauY(i);
        const engine::DropRect pile{Word(x - kOverlapMargin), Word(y), Word(x + s.cw + kOverlapMargin), Word(y + s.ch)};
        if (engine::RectsOverlap(reserve, pile)) {
            const int start = rx + s.cw + kAfterReserveGap;
            return start > 0 ? start : s.frame.edge;
        }
    }
    return std::nullopt;
}

// Steps 3 to 9 of one pass; true when the pass asks for a second one.
bool RunPass(LayoutState& s, bool firstPass) {
    layout_detail::PlaceTableau(s);
    layout_detail::PlaceStockRow(s);
    layout_detail::PlaceFoundations(s);
    layout_detail::PlaceCentredTableau(s);
    layout_detail::PlaceReserves(s);
    layout_detail::PlaceThirdPile(s);
    // One more pass is all a repeat can do: only style "002" reads the start x, so with
    // any other tableau style the same overlap would be found again.
    if (!firstPass) return false;
    s.tableauStart = ReserveOverlapStart(s);
    return s.tableauStart.has_value();
}

}  // namespace

void ComputePileLayout(const LayoutTarget& target, const LayoutGroups& groups, const LayoutArea& area) {
    engine::TMainGame& mainGame = target.mainGame;
    mainGame.TableTopOffset = 0;
    LayoutState s(target, groups, area);

    s.ComputeFrame();
    if (!layout_detail::PlaceFixedShapeTableau(s)) {
        if (RunPass(s, true)) {
            s.ComputeFrame();
            RunPass(s, false);
        }
        if (mainGame.GetStockY(engine::kWasteLine) == engine::kAbsentPileX)
            mainGame.SetStockY(engine::kWasteLine, Word(mainGame.GetStockY(engine::kStockLine)));
    }

    const int scroll = target.scrollPosition;
    for (int k = 0; k < engine::kMazzoLineCount; ++k) {
        const auto line = static_cast<std::size_t>(k);
        mainGame.StockBase.x[line] = Word(mainGame.GetStockX(k));
        mainGame.StockBase.y[line] = Word(mainGame.GetStockY(k) - scroll);
    }
    mainGame.TableTopOffset = Word(scroll);
}

}  // namespace table
