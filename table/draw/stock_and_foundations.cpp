// The stock-row piles and the foundations: DrawStockAndFoundations and DrawLocation.

#include "table/draw/pile_drawing.h"

#include <string>

#include "engine/model/card_codes.h"
#include "engine/model/card_table.h"
#include "engine/model/game_record.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"
#include "engine/model/table_object.h"
#include "platform/qt/canvas.h"
#include "table/draw/card_corners.h"
#include "table/draw/card_drawing.h"
#include "table/draw/draw_context.h"
#include "table/draw/table_background.h"
#include "table/draw/empty_marks.h"
#include "table/layout/table_layout.h"
#include "table/draw/pile_marks.h"
#include "table/draw/stock_thickness.h"

namespace table {

namespace {

namespace w = engine::words;

const std::string& StockLine(const DrawContext& context, int line) {
    return context.piles.Pile(engine::PileListId::kMazzo, line);
}

platform::Rect StockBaseRect(const DrawContext& context, int line) {
    const auto k = static_cast<std::size_t>(line);
    return context.CardRectAt(context.mainGame.StockBase.x[k], context.mainGame.StockBase.y[k]);
}

// One stock-row pile: its edge, then its top card (a back when asked) or its empty mark;
// a pile of one card shows the table through all four corners.
void DrawStockRowPile(DrawContext& context, platform::Canvas& canvas, int line, bool withEdge, bool asBack,
                      bool silver, int emptyKind) {
    const std::string& pile = StockLine(context, line);
    if (withEdge) DrawPileThickness(context, canvas, line, false, false, static_cast<int>(pile.size()));
    const int x = context.mainGame.GetStockX(line);
    const int y = context.mainGame.GetStockY(line);
    const int count = engine::PileCardCount(pile);
    if (count == 0) {
        DrawEmptyPileMarker(context, emptyKind, x, y, canvas, kNoPileIndex);
        return;
    }
    if (asBack)
        DrawCardBack(context, x, y, context.CardHeight(), silver, canvas);
    else
        DrawCardFace(context, engine::PileTopCard(pile), x, y, silver, canvas, kNoPileIndex);
    if (count == 1) RestoreCornersOnCanvas(context, canvas, StockBaseRect(context, line));
}

// The waste or the stock as DrawLocation shows it: edge, top card, and the base's
// bottom-right corner from the background. The pile's place is kept once for both
// images: the buffer, drawn first, moves it, so the window's edge is drawn regardless,
// or the window would keep the old edge.
void DrawStockRowLocation(DrawContext& context, platform::Canvas& canvas, int line, bool faceDownPile) {
    const std::string& pile = StockLine(context, line);
    DrawPileThickness(context, canvas, line, false, context.IsWindow(canvas), static_cast<int>(pile.size()));
    const int x = context.mainGame.GetStockX(line);
    const int y = context.mainGame.GetStockY(line);
    const int top = engine::PileTopCard(pile);
    if (faceDownPile || context.piles.Cards().IsFaceDown(top))
        DrawCardBack(context, x, y, context.CardHeight(), true, canvas);
    else
        DrawCardFace(context, top, x, y, true, canvas, kNoPileIndex);
    const platform::Rect base = StockBaseRect(context, line);
    const int shift = context.YShift(canvas);
    RestoreBottomRightCorner(context.Background(),
                             {base.left, base.top + context.ScrollOffset(), base.right,
                              base.bottom + context.ScrollOffset()},
                             canvas, kSmallCardWidth, {base.left, base.top + shift, base.right, base.bottom + shift});
}

}  // namespace

void DrawStockAndFoundations(DrawContext& context, platform::Canvas& canvas, bool backsOnly, int fromX, int source,
                             int fromY) {
    const engine::GameDefRecord& game = context.gameDef;
    if (engine::IsPileOnTable(context.mainGame.GetStockX(engine::kStockLine)))
        DrawStockRowPile(context, canvas, engine::kStockLine, true, game[w::kStockFaceDown] != 0 || backsOnly, true,
                         empty_mark::kStock);
    if (engine::IsPileOnTable(context.mainGame.GetStockX(engine::kWasteLine)))
        DrawStockRowPile(context, canvas, engine::kWasteLine, true, game[w::kWasteFaceDown] != 0, true,
                         empty_mark::kWaste);
    if (engine::IsPileOnTable(context.mainGame.GetStockX(engine::kThirdStockLine)))
        // With its edge, as the stock and the waste, and as a card played onto it draws it: the
        // pile keeps its place and its look through a repaint.
        DrawStockRowPile(context, canvas, engine::kThirdStockLine, true, false, false, empty_mark::kThirdStock);

    const bool stockEmpty = StockLine(context, engine::kStockLine).empty();
    const bool restore = source >= deal_source::kReserve0 || (source == deal_source::kStock && stockEmpty);
    for (int i = 0; i < engine::kDestLineCount; ++i) {
        const int x = context.mainGame.GetFoundationX(i);
        if (!engine::IsPileOnTable(x)) continue;
        const std::string& pile = context.piles.Pile(engine::PileListId::kDest, i);
        const int y = context.mainGame.GetFoundationY(i);
        const int count = engine::PileCardCount(pile);
        for (int n = 0; n <= count; ++n)
            DrawPileCard(context, engine::kDestPrefix, pile, i, restore, canvas, backsOnly, y, x, fromY, fromX, n);
    }
}

void DrawLocation(DrawContext& context, std::string_view name, int index, platform::Canvas& canvas) {
    const auto ref = engine::ParsePileName(name);
    if (!ref) return;
    const engine::GameDefRecord& game = context.gameDef;
    const int top = context.mainGame.TopCardOfPile(context.piles, name);
    if (ref->list == engine::PileListId::kMazzo) {
        if (ref->line == engine::kThirdStockLine) return;
        const bool isStock = ref->line == engine::kStockLine;
        if (top == engine::kNoCard) {
            DrawEmptyPileMarker(context, isStock ? empty_mark::kStock : empty_mark::kWaste,
                                context.mainGame.GetStockX(ref->line), context.mainGame.GetStockY(ref->line), canvas,
                                kNoPileIndex);
            return;
        }
        DrawStockRowLocation(context, canvas, ref->line,
                             game[isStock ? w::kStockFaceDown : w::kWasteFaceDown] != 0);
        return;
    }
    const int x = context.geometry.CardX(name, index, 0, false);
    const int y = context.geometry.CardY(name, index, 0, false);
    if (top == engine::kNoCard) {
        if (ref->list == engine::PileListId::kDest)
            DrawEmptyPileMarker(context, empty_mark::kFoundation, x, y, canvas, index);
        else if (ref->list == engine::PileListId::kAppogg)
            DrawEmptyPileMarker(context, empty_mark::kReserve, x, y, canvas, index);
        return;
    }
    if (context.piles.Cards().IsFaceDown(top))
        DrawCardBack(context, x, y, context.CardHeight(), false, canvas);
    else
        DrawCardFace(context, top, x, y, false, canvas, index);
}

}  // namespace table
