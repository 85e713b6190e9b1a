#include "table/draw/source_redraw.h"

#include <algorithm>
#include <optional>
#include <string>

#include "engine/model/board_measures.h"
#include "engine/model/game_record.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_store.h"
#include "engine/model/preference_fields.h"
#include "engine/model/table_object.h"
#include "platform/qt/canvas.h"
#include "table/draw/card_drawing.h"
#include "table/draw/draw_context.h"
#include "table/layout/fan_modes.h"
#include "table/layout/table_layout.h"
#include "table/layout/table_window.h"
#include "table/draw/pile_drawing.h"
#include "table/draw/selection_redraw.h"
#include "table/draw/table_repaint.h"

namespace table {

namespace {

namespace w = engine::words;
using engine::PileListId;

// A reserve fanned this way (ReserveFanning) is redrawn whole, and at once on the window.
constexpr int kFannedReserve = -11;
// Untidy piles stray this far past their sides; those strips of the window repaint.
constexpr int kUntidyStrip = 2;

std::string NameOf(PileListId list, int line) {
    return engine::PileName({list, line}, engine::PileNumberForm::kNoLeadingZero);
}

int TableauCount(const DrawContext& context) {
    return std::min(engine::TableauCountOf(context.gameDef), engine::kFilaLineCount);
}

bool Within(int value, int start, int width) { return value >= start && value <= start + width; }

void EraseRemainder(DrawContext& context, PileListId list, int line, int x) {
    const std::string& now = context.piles.Pile(list, line);
    const std::string& before = context.piles.Backup(list)[static_cast<std::size_t>(line)];
    ErasePileRemainder(context, now, before, x, context.Buffer(), NameOf(list, line));
}

void RedrawReserve(DrawContext& context, int index) {
    const std::string name = NameOf(PileListId::kAppogg, index);
    const int x = context.mainGame.GetReserveX(index);
    EraseRemainder(context, PileListId::kAppogg, index, x);
    if (context.gameDef[w::kReserveFanning] == kFannedReserve) {
        RedrawPile(context, name, 0, 0, context.Buffer(), false);
        CopyBufferToScreen(context);
        return;
    }
    DrawLocation(context, name, index, context.Buffer());
    if (context.gameDef[w::kReserveFanMode] != fan_mode::kStacked) return;
    // A tableau pile above the reserve may reach down over it.
    const int y = context.mainGame.GetReserveY(index);
    for (int j = 0; j < TableauCount(context); ++j) {
        if (context.geometry.GetTableauY(j) < y && Within(context.geometry.TableauX(j), x, context.CardWidth())) {
            RedrawPile(context, NameOf(PileListId::kFila, j), 0, 0, context.Buffer(), false);
            return;
        }
    }
}

// The nearest earlier tableau pile that the erase of pile i may have cut into.
std::optional<int> OverlappedNeighbour(const DrawContext& context, int i, int mode, int x, int y) {
    for (int j = i - 1; j >= 0; --j) {
        const int jx = context.geometry.TableauX(j);
        const int jy = context.geometry.GetTableauY(j);
        if (mode == fan_mode::kDown && jy < y && Within(jx, x, context.CardWidth())) return j;
        if ((mode == fan_mode::kRight || mode == fan_mode::kRightNarrow) && jx >= x &&
            Within(jy, y, context.CardHeight()))
            return j;
    }
    return std::nullopt;
}

void RedrawTableau(DrawContext& context, int index) {
    const int mode = context.gameDef[w::kTableauFanMode];
    if (mode == fan_mode::kSpecial || mode == fan_mode::kSpecialReverse) return;
    if (mode == fan_mode::kSideBySide) {
        CopyBackgroundToCanvas(context, context.Buffer());
        RepaintTable(context, context.Buffer(), false);
        RedrawSelectionLine(context, context.Buffer(), false);
        return;
    }
    const std::string name = NameOf(PileListId::kFila, index);
    const int x = context.geometry.TableauX(index);
    const int y = context.geometry.GetTableauY(index);
    EraseRemainder(context, PileListId::kFila, index, x);
    DrawLocation(context, name, index, context.Buffer());
    if (const auto neighbour = OverlappedNeighbour(context, index, mode, x, y)) {
        const std::string neighbourName = NameOf(PileListId::kFila, *neighbour);
        RedrawPile(context, neighbourName, 0, 0, context.Buffer(), false);
        if (mode != fan_mode::kDown) DrawLocation(context, neighbourName, *neighbour, context.Window());
    }
    if (context.UntidyPiles()) {
        const engine::TableRect drag = context.geometry.DragRect();
        const int bottom = context.geometry.PileBottomY(name) + (drag.bottom - drag.top);
        const int cw = context.CardWidth();
        context.window.InvalidateRect({x - kUntidyStrip, y, x, bottom});
        context.window.InvalidateRect({x + cw, y, x + cw + kUntidyStrip, bottom});
    }
}

}  // namespace

void RedrawPileWithoutCard(DrawContext& context, int card, bool single) {
    context.piles.BackupPileLists();
    RedrawSourceWithout(context, card, single);
    context.piles.RestorePileLists();
}

void RedrawSourceWithout(DrawContext& context, int card, bool single) {
    engine::PileStore& piles = context.piles;
    const int tableaus = TableauCount(context);
    const int location = piles.LocateCard(card, tableaus, engine::ReserveCountOf(context.gameDef));
    const bool stockRow = location == engine::kLocatedInStock || location == engine::kLocatedInWaste;
    if (!single)
        piles.RemoveCardsFromCard(card);
    else if (context.gameDef[w::kTableauFanMode] == fan_mode::kSideBySide && !stockRow)
        piles.BlankCardOnBoard(card, tableaus);
    else
        piles.RemoveCardFromBoard(card, tableaus);

    if (location == engine::kLocatedInStock) {
        DrawLocation(context, engine::kStockName, engine::kStockLine, context.Buffer());
    } else if (location == engine::kLocatedInWaste) {
        DrawLocation(context, engine::kWasteName, engine::kWasteLine, context.Buffer());
    } else if (location >= -engine::kDestLineCount && location <= -1) {
        const int index = -location - 1;
        DrawLocation(context, NameOf(PileListId::kDest, index), index, context.Buffer());
    } else if (location <= -engine::kLocatedReserveBase &&
               location > -engine::kLocatedReserveBase - engine::kAppoggLineCount) {
        RedrawReserve(context, -location - engine::kLocatedReserveBase);
    } else if (location >= 1 && location <= engine::kFilaLineCount) {
        RedrawTableau(context, location - 1);
    }
}

}  // namespace table
