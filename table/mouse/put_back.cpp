#include "table/mouse/put_back.h"

#include <algorithm>
#include <optional>
#include <string>

#include "engine/model/board_measures.h"
#include "engine/model/game_record.h"
#include "engine/files/media.h"
#include "engine/model/pile_names.h"
#include "engine/rules/pile_sequences.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/model/table_object.h"
#include "platform/qt/canvas.h"
#include "table/animate/animation_settings.h"
#include "table/draw/card_drawing.h"
#include "table/animate/card_slide.h"
#include "table/draw/draw_context.h"
#include "table/draw/drag_image.h"
#include "table/draw/empty_marks.h"
#include "table/draw/foundation_highlights.h"
#include "table/layout/fan_modes.h"
#include "table/layout/table_layout.h"
#include "table/layout/table_window.h"
#include "table/draw/pile_drawing.h"
#include "table/draw/pile_marks.h"
#include "table/draw/stock_thickness.h"

namespace table {

namespace {

namespace w = engine::words;
namespace fields = engine::fields;
using engine::PileListId;

constexpr std::string_view kCardDownSound = "card_down";
// A fanned reserve (ReserveFanning) is redrawn whole when a card goes back into it.
constexpr int kFannedReserve = -11;
// The window repaints this far around a card put back on the waste.
constexpr int kWasteMargin = 15;
// The repainted area around a stack put back on an untidy pile reaches past its shadow.
constexpr int kStackMarginLeft = 6;
constexpr int kStackMarginRight = 12;

bool Animated(const DrawContext& context) { return FieldNotNo(context.settings, fields::kCardsAnimate); }

std::string NameOf(PileListId list, int line) {
    return engine::PileName({list, line}, engine::PileNumberForm::kNoLeadingZero);
}

// The lifted image slides from where it lies now to (x, y), raised, and lands there.
void SlideHome(DrawContext& context, int card, int x, int y, bool toBuffer, bool lift) {
    if (!Animated(context)) return;
    const engine::TableRect drag = context.geometry.DragRect();
    SlideCard(context, card, drag.left, drag.top, x, y, toBuffer, false, true, lift);
}

void ReturnAsTop(DrawContext& context, int card, int x, int y) {
    SlideHome(context, card, x, y, true, true);
    MoveDragImage(context, x, y, true, true);
}

// The waste's edge grows back first, which may move its place up and left; the card
// slides to that new place, so no copy of it is left where the thinner waste lay.
void ReturnToWaste(DrawContext& context, int card, std::string_view pile) {
    DrawPileThickness(context, context.Buffer(), engine::kWasteLine, false, false, static_cast<int>(pile.size()));
    const int wx = context.mainGame.GetStockX(engine::kWasteLine);
    const int wy = context.mainGame.GetStockY(engine::kWasteLine);
    SlideHome(context, card, wx, wy, true, true);
    MoveDragImage(context, wx, wy, true, true);
    // The landed image took the pile's edge into its bottom corners; the waste's top card
    // shows the background and the edge's silver there, as every repaint draws it.
    for (platform::Canvas* canvas : {&context.Buffer(), &context.Window()}) {
        if (context.gameDef[w::kWasteFaceDown] != 0)
            DrawCardBack(context, wx, wy, context.CardHeight(), true, *canvas);
        else
            DrawCardFace(context, card, wx, wy, true, *canvas, kNoPileIndex);
    }
    context.window.InvalidateRect({wx - kWasteMargin, wy - kWasteMargin, wx + context.CardWidth() + kWasteMargin,
                                   wy + context.CardHeight() + kWasteMargin});
}

// A lifted stack: on a tidy pile the image lands whole; on an untidy one every card is
// drawn at its own place.
void ReturnStack(DrawContext& context, int card, std::string_view name, int x, int index) {
    engine::CardList stack;
    engine::GetCardsAbove(context.piles, context.gameDef, stack, card);
    const int k = static_cast<int>(stack.size());
    const int tx = context.geometry.CardX(name, index, k, true);
    const int ty = context.geometry.CardY(name, index, k, true);
    const bool untidy = context.UntidyPiles();
    SlideHome(context, card, x, ty, !untidy, false);
    if (!untidy) {
        MoveDragImage(context, tx, ty, true, true);
        return;
    }
    if (!Animated(context)) MoveDragImage(context, tx, ty, false, false);
    int sx = tx;
    int lastY = ty;
    for (int j = 0; j < k; ++j) {
        sx = context.geometry.CardX(name, index, k - j, true);
        lastY = context.geometry.CardY(name, index, k - j, true);
        const int code = stack[static_cast<std::size_t>(j)];
        DrawCardFace(context, code, sx, lastY, false, context.Window(), index);
        DrawCardFace(context, code, sx, lastY, false, context.Buffer(), index);
    }
    const int shadow = context.geometry.ShadowOffset();
    context.window.InvalidateRect({sx - shadow - kStackMarginLeft, ty,
                                   sx + context.CardWidth() + shadow + kStackMarginRight,
                                   lastY + context.CardHeight() + shadow});
}

void ReturnIntoFannedReserve(DrawContext& context, int card, std::string_view name, int x, int y) {
    SlideHome(context, card, x, y, true, true);
    RedrawPile(context, name, 0, 0, context.Buffer(), false);
    CopyBufferToScreen(context);
}

}  // namespace

bool ReturnCardToPile(DrawContext& context, int card, std::string_view pile, std::string_view name, int x, int y,
                      int index) {
    const std::optional<engine::PileRef> ref = engine::ParsePileName(name);
    if (!ref) return false;
    const bool tableau = ref->list == PileListId::kFila;
    const bool reserve = ref->list == PileListId::kAppogg;
    const bool waste = ref->list == PileListId::kMazzo && ref->line == engine::kWasteLine;
    const int fanMode = context.gameDef[w::kTableauFanMode];
    const bool stackedTableau = fanMode == fan_mode::kSpecial || fanMode == fan_mode::kSpecialReverse;
    const int count = engine::PileCardCount(pile);
    bool found = false;
    for (int j = 0; j < count; ++j) {
        if (engine::PileCardAt(pile, j) != card) continue;
        found = true;
        const bool top = j == count - 1;
        if (!top && tableau && stackedTableau) {
            ReturnAsTop(context, card, context.geometry.CardX(name, index, count - j, true),
                        context.geometry.CardY(name, index, count - j, true));
        } else if (!top && reserve && context.gameDef[w::kReserveFanning] == kFannedReserve) {
            ReturnIntoFannedReserve(context, card, name, x, y);
        } else if (!top) {
            ReturnStack(context, card, name, x, index);
        } else if (waste) {
            ReturnToWaste(context, card, pile);
        } else {
            ReturnAsTop(context, card, x, y);
        }
    }
    if (found && context.ShadowsOn() && context.media != nullptr)
        context.media->PlaySoundAsync(kCardDownSound, FieldIsYes(context.settings, fields::kSoundsCardDown));
    return found;
}

void PutBackLiftedCards(DrawContext& context, int card) {
    const engine::PileStore& piles = context.piles;
    engine::TMainGame& game = context.mainGame;

    const std::string& waste = piles.Pile(PileListId::kMazzo, engine::kWasteLine);
    if (ReturnCardToPile(context, card, waste, engine::kWasteName, game.GetStockX(engine::kWasteLine),
                         game.GetStockY(engine::kWasteLine), engine::kWasteLine)) {
        if (engine::PileCardCount(waste) != 1) return;
        const int wx = game.GetStockX(engine::kWasteLine);
        const int wy = game.GetStockY(engine::kWasteLine);
        RestoreCornersInRect(context, context.CardRectAt(wx, wy));
        if (piles.Pile(PileListId::kMazzo, engine::kStockLine).empty()) {
            const int sx = game.GetStockX(engine::kStockLine);
            const int sy = game.GetStockY(engine::kStockLine);
            DrawEmptyPileMarker(context, empty_mark::kStock, sx, sy, context.Window(), kNoPileIndex);
            DrawEmptyPileMarker(context, empty_mark::kStock, sx, sy, context.Buffer(), kNoPileIndex);
        }
        return;
    }

    const int tableaus = std::min(engine::TableauCountOf(context.gameDef), engine::kFilaLineCount);
    for (int i = 0; i < tableaus; ++i) {
        const std::string name = NameOf(PileListId::kFila, i);
        if (ReturnCardToPile(context, card, piles.Pile(PileListId::kFila, i), name,
                             context.geometry.CardX(name, i, 1, true), context.geometry.CardY(name, i, 1, true), i)) {
            RestoreTableauPileCorners(context, i);
            return;
        }
    }

    for (int f = 0; f < engine::kDestLineCount; ++f) {
        const std::string name = NameOf(PileListId::kDest, f);
        const int x = context.geometry.CardX(name, f, 0, false);
        const int y = context.geometry.CardY(name, f, 0, false);
        if (ReturnCardToPile(context, card, piles.Pile(PileListId::kDest, f), name, x, y, f)) {
            RestoreCornersInRect(context, context.CardRectAt(x, y));
            if (game.FoundationMarkStyle != 0) DrawFoundationHighlights(context, f);
            return;
        }
    }

    for (int r = 0; r < engine::kAppoggLineCount; ++r) {
        const std::string name = NameOf(PileListId::kAppogg, r);
        const std::string& pile = piles.Pile(PileListId::kAppogg, r);
        if (ReturnCardToPile(context, card, pile, name, context.geometry.CardX(name, r, 1, true),
                             context.geometry.CardY(name, r, 1, true), r)) {
            if (context.gameDef[w::kReserveFanMode] == fan_mode::kStacked || engine::PileCardCount(pile) == 1)
                RestoreCornersInRect(context, context.CardRectAt(game.GetReserveX(r), game.GetReserveY(r)));
            return;
        }
    }
}

}  // namespace table
