// ErasePileRemainder: what a shrunk pile no longer covers goes back to the background.

#include "table/draw/pile_drawing.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "engine/model/board_measures.h"
#include "engine/model/card_codes.h"
#include "engine/model/game_record.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/model/settings_block.h"
#include "engine/model/table_object.h"
#include "platform/qt/canvas.h"
#include "table/draw/card_drawing.h"
#include "table/draw/draw_context.h"
#include "table/draw/empty_marks.h"
#include "table/layout/fan_modes.h"
#include "table/layout/table_layout.h"
#include "table/draw/pile_marks.h"

namespace table {

namespace {

namespace w = engine::words;

// The erase reaches two pixels past the card's sides, where untidy piles stray.
constexpr int kSideMargin = 2;
// The game whose stock is drawn again after a pile of it shrank.
constexpr int kStockRedrawGameId = 3;

bool PileChanged(std::string_view newPile, std::string_view oldPile) {
    if (newPile.size() < oldPile.size()) return true;
    const int count = std::min(engine::PileCardCount(newPile), engine::PileCardCount(oldPile));
    for (int i = 0; i < count; ++i)
        if (engine::PileCardAt(newPile, i) != engine::PileCardAt(oldPile, i)) return true;
    return false;
}

bool IsDownwardFan(int mode) {
    return mode == fan_mode::kDown || mode == fan_mode::kDownSmall || mode == fan_mode::kTopLowered;
}

bool IsSidewaysFan(int mode) {
    return mode == fan_mode::kRight || mode == fan_mode::kSideBySide || mode == fan_mode::kRightNarrow;
}

int TableauCount(const DrawContext& context) {
    return std::min(engine::TableauCountOf(context.gameDef), engine::kFilaLineCount);
}

std::string TableauName(int index) {
    return engine::PileName({engine::PileListId::kFila, index}, engine::PileNumberForm::kNoLeadingZero);
}

std::string FoundationName(int index) {
    return engine::PileName({engine::PileListId::kDest, index}, engine::PileNumberForm::kNoLeadingZero);
}

bool WithinCard(int value, int start, int width) { return value >= start && value <= start + width; }

// A later tableau pile lying lower and starting over this pile's width.
std::optional<int> TableauBelow(const DrawContext& context, int index, int x, int y) {
    for (int j = index + 1; j < TableauCount(context); ++j) {
        if (context.geometry.GetTableauY(j) > y && WithinCard(context.geometry.TableauX(j), x, context.CardWidth()))
            return j;
    }
    return std::nullopt;
}

// A later tableau pile to the right whose top lies within a card height of y.
std::optional<int> TableauToRight(const DrawContext& context, int index, int x, int y) {
    for (int j = index + 1; j < TableauCount(context); ++j) {
        const int tx = context.geometry.TableauX(j);
        if (engine::IsPileOnTable(tx) && tx > x && std::abs(context.geometry.GetTableauY(j) - y) < context.CardHeight())
            return j;
    }
    return std::nullopt;
}

std::optional<int> FoundationBelow(const DrawContext& context, int x, int y) {
    for (int f = 0; f < engine::kDestLineCount; ++f) {
        const int fx = context.mainGame.GetFoundationX(f);
        if (!engine::IsPileOnTable(fx)) continue;
        if (context.mainGame.GetFoundationY(f) > y && fx < x + context.CardWidth() && x < fx + context.CardWidth())
            return f;
    }
    return std::nullopt;
}

std::optional<int> FoundationToRight(const DrawContext& context, int x, int y) {
    for (int f = 0; f < engine::kDestLineCount; ++f) {
        const int fx = context.mainGame.GetFoundationX(f);
        if (engine::IsPileOnTable(fx) && fx > x &&
            std::abs(context.mainGame.GetFoundationY(f) - y) < context.CardHeight())
            return f;
    }
    return std::nullopt;
}

void RedrawStock(DrawContext& context, platform::Canvas& canvas) {
    const int x = context.mainGame.GetStockX(engine::kStockLine);
    const int y = context.mainGame.GetStockY(engine::kStockLine);
    if (context.piles.Pile(engine::PileListId::kMazzo, engine::kStockLine).empty())
        DrawEmptyPileMarker(context, empty_mark::kStock, x, y, canvas, kNoPileIndex);
    else
        DrawCardBack(context, x, y, context.CardHeight(), true, canvas);
}

int GameId(const DrawContext& context) {
    const std::string text = context.settings.GetField(engine::fields::kGame.position, engine::fields::kGame.width);
    return engine::ReadCardNumber(text).value_or(-1);
}

}  // namespace

void ErasePileRemainder(DrawContext& context, std::string_view newPile, std::string_view oldPile, int x,
                        platform::Canvas& canvas, std::string_view name) {
    if (!PileChanged(newPile, oldPile)) return;
    const auto ref = engine::ParsePileName(name);
    if (!ref) return;
    const bool tableau = ref->list == engine::PileListId::kFila;
    const bool reserve = ref->list == engine::PileListId::kAppogg;
    const int index = ref->line;
    const int tableauMode = context.gameDef[w::kTableauFanMode];
    const int reserveMode = context.gameDef[w::kReserveFanMode];
    if (tableau && tableauMode == fan_mode::kStacked && !newPile.empty()) return;

    const int mode = tableau ? tableauMode : reserve ? reserveMode : 0;
    const int cw = context.CardWidth();
    if (IsDownwardFan(mode)) {
        const int y0 = context.geometry.CardY(name, index, 0, true);
        const int step = mode == fan_mode::kDownSmall ? context.mainGame.FanMode5Step : context.mainGame.FaceUpStepY;
        if (reserve) {
            // Free cells lie close above the tableau: an erase past the cards that left
            // would cut into the piles below, which nothing draws again.
            const int gone = engine::PileCardCount(oldPile) - engine::PileCardCount(newPile);
            const int extent = context.CardHeight() + std::max(gone - 1, 0) * step;
            EraseFromBackground(context, canvas, {x, y0, x + cw, y0 + extent});
        } else {
            const engine::TableRect drag = context.geometry.DragRect();
            EraseFromBackground(context, canvas,
                                {x - kSideMargin, y0, x + cw + kSideMargin, y0 + (drag.bottom - drag.top) + step});
        }
        if (context.UntidyPiles()) RedrawPile(context, name, 0, 0, context.Buffer(), false);
        const int pileY = tableau ? context.geometry.GetTableauY(index) : context.mainGame.GetReserveY(index);
        if (tableau && (mode == fan_mode::kDown || mode == fan_mode::kTopLowered)) {
            if (const auto below = TableauBelow(context, index, x, pileY))
                RedrawPile(context, TableauName(*below), 0, 0, context.Buffer(), false);
        }
        if (reserve && reserveMode == fan_mode::kDown) {
            if (const auto below = FoundationBelow(context, x, pileY))
                RedrawPile(context, FoundationName(*below), 0, 0, context.Buffer(), false);
        }
    } else if (IsSidewaysFan(mode)) {
        const int pileY = tableau ? context.geometry.GetTableauY(index) : context.mainGame.GetReserveY(index);
        const platform::Rect place = context.CardRectAt(context.geometry.CardX(name, index, 0, true), pileY);
        EraseFromBackground(context, canvas, place);
        if (!context.IsBuffer(canvas)) EraseFromBackground(context, context.Buffer(), place);
        if (tableau) {
            if (const auto right = TableauToRight(context, index, x, pileY))
                RedrawPile(context, TableauName(*right), 0, 0, context.Buffer(), false);
            if (const auto right = FoundationToRight(context, x, pileY))
                RedrawPile(context, FoundationName(*right), 0, 0, context.Buffer(), false);
        }
    }
    if (tableau && newPile.empty())
        DrawEmptyPileMarker(context, empty_mark::kTableau, context.geometry.TableauX(index),
                            context.geometry.GetTableauY(index), canvas, index);
    if (GameId(context) == kStockRedrawGameId) RedrawStock(context, canvas);
}

}  // namespace table
