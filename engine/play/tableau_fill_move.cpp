#include "engine/play/tableau_fill.h"

#include "engine/play/action_executor.h"
#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/ports/geometry_port.h"
#include "engine/model/pile_names.h"
#include "engine/ports/table_port.h"
#include "engine/play/tableau_place.h"

namespace engine {

namespace {

// The window is repainted this far around a stock-row pile that gave a card.
constexpr int kStockRepaintMargin = 15;

void RedrawSource(Game& game, ITableView& view, int sourceLine) {
    if (sourceLine == kStockLine) view.DrawLocation(kStockName, kStockLine, TableSurface::kBuffer);
    if (sourceLine == kWasteLine) view.DrawLocation(kWasteName, kWasteLine, TableSurface::kBuffer);
    if (sourceLine < 0) return;
    const int x = game.mainGame.GetStockX(sourceLine);
    const int y = game.mainGame.GetStockY(sourceLine);
    const IGeometry* geometry = view.Geometry();
    const int width = geometry != nullptr ? geometry->CardWidth() : view.CardWidth();
    const int height = geometry != nullptr ? geometry->CardHeight() : view.CardHeight();
    view.InvalidateTableRect(TableRect{x - kStockRepaintMargin, y - kStockRepaintMargin,
                                       x + width + kStockRepaintMargin, y + height + kStockRepaintMargin});
}

}  // namespace

void AnimatedFillMove(Game& game, std::string_view target, int index, int sourceX, int sourceLine, int card,
                      int sourceY) {
    if (card <= kNoCard) return;
    ITableView* view = game.services.tableView;
    if (view != nullptr) {
        view->RedrawPileWithoutCard(card, true);
        if (const IGeometry* geometry = view->Geometry()) {
            const int x = geometry->CardX(target, index, 0, true);
            const int y = target.starts_with(kAppoggPrefix) ? game.mainGame.GetReserveY(index)
                                                            : geometry->CardY(target, index, 0, true);
            view->SlideCard(card, sourceX, sourceY, x, y, true, false, false, true);
        }
    }
    // The slide lifted the card alone, and a fill moves one card.
    game.lift.singleCard = true;
    const int stepsBefore = game.undo.UndoStepCount();
    ExecuteAction(game, card, target);
    if (view != nullptr) RedrawSource(game, *view, sourceLine);
    // The fill belongs to the move before it. Only steps this action pushed go: one that
    // it did not push is the player's.
    game.undo.DeleteStepsSince(stepsBefore);
}

}  // namespace engine
