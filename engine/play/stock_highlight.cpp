#include "engine/play/stock_highlight.h"

#include "engine/model/game_record.h"
#include "engine/model/pile_store.h"
#include "engine/model/status_context.h"
#include "engine/ports/status_view.h"
#include "platform/core/clock.h"

namespace engine {

std::optional<int> MarkedStockLine(const PileStore& piles, const GameDefRecord& game) {
    if (game[words::kStockLineFlag] == 1 && piles.Pile(PileListId::kMazzo, kStockLine).empty()) return kStockLine;
    if (game[words::kStockToWaste] == 1 && piles.Pile(PileListId::kMazzo, kWasteLine).empty()) return kWasteLine;
    return std::nullopt;
}

void DrawStockMark(StatusContext& ctx, bool lit) {
    const std::optional<int> line = MarkedStockLine(ctx.piles, ctx.game);
    if (!line || ctx.view == nullptr) return;
    ctx.view->DrawEmptyStockImage(lit, ctx.table.GetStockX(*line), ctx.table.GetStockY(*line));
}

void ShowStockHighlight(StatusContext& ctx) {
    DrawStockMark(ctx, true);
    ctx.table.StockHighlightShown = 1;
}

void HideStockHighlight(StatusContext& ctx) {
    DrawStockMark(ctx, false);
    if (ctx.services.clock != nullptr) ctx.services.clock->Delay(kHideStockHighlightDelayMs);
}

}  // namespace engine
