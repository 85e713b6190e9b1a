#include "table/draw/table_repaint.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/model/game_kinds.h"
#include "engine/model/board_measures.h"
#include "engine/model/game_record.h"
#include "engine/files/media.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "engine/model/settings_block.h"
#include "engine/model/table_object.h"
#include "platform/core/clock.h"
#include "platform/qt/canvas.h"
#include "table/draw/card_drawing.h"
#include "table/draw/draw_context.h"
#include "table/draw/empty_marks.h"
#include "table/draw/foundation_highlights.h"
#include "table/layout/fan_modes.h"
#include "table/layout/table_layout.h"
#include "table/layout/table_window.h"
#include "table/draw/pile_drawing.h"
#include "table/draw/pile_marks.h"
#include "table/draw/table_surface.h"

namespace table {

namespace {

namespace w = engine::words;
using engine::PileListId;

constexpr std::uint32_t kDealSourceWait = 100;
constexpr std::string_view kShuffleSound = "Shuffle";
// In this game kind the cards fly in from beyond the left edge, a tenth of a card away.
constexpr double kOffTableSourceWidths = 1.1;

struct DealSource {
    int kind = deal_source::kNone;
    int x = 0;
    int y = 0;
};

const std::string& Line(const DrawContext& context, PileListId list, int line) {
    return context.piles.Pile(list, line);
}

int TableauCount(const DrawContext& context) {
    return std::min(engine::TableauCountOf(context.gameDef), engine::kFilaLineCount);
}

int ReserveCount(const DrawContext& context) {
    return std::min(engine::ReserveCountOf(context.gameDef), engine::kAppoggLineCount);
}

bool AnyTableauOrReserveCards(const DrawContext& context) {
    for (int i = 0; i < TableauCount(context); ++i)
        if (!Line(context, PileListId::kFila, i).empty()) return true;
    for (int i = 0; i < ReserveCount(context); ++i)
        if (!Line(context, PileListId::kAppogg, i).empty()) return true;
    return false;
}

DealSource ChooseDealSource(const DrawContext& context) {
    const engine::TMainGame& game = context.mainGame;
    const std::string& stock = Line(context, PileListId::kMazzo, engine::kStockLine);
    const std::string& waste = Line(context, PileListId::kMazzo, engine::kWasteLine);
    const bool stockOnTable = engine::IsPileOnTable(game.GetStockX(engine::kStockLine));
    DealSource source;
    if (stockOnTable) source = {deal_source::kStock, game.GetStockX(0), game.GetStockY(0)};
    if (((stock.empty() && !waste.empty()) || !stockOnTable) && engine::IsPileOnTable(game.GetStockX(1)))
        source = {deal_source::kWaste, game.GetStockX(1), game.GetStockY(1)};
    if (engine::PileCardCount(stock) < 2 && source.kind == deal_source::kNone &&
        engine::IsPileOnTable(game.GetReserveX(0)))
        source = {deal_source::kReserve0, game.GetReserveX(0), game.GetReserveY(0)};
    if (source.kind == deal_source::kNone && engine::IsPileOnTable(game.GetStockX(2)))
        source = {deal_source::kThirdStock, game.GetStockX(2), game.GetStockY(2)};
    if (source.kind == deal_source::kNone && engine::IsPileOnTable(game.GetFoundationX(0)))
        source = {deal_source::kFoundation0, game.GetFoundationX(0), game.GetFoundationY(0)};
    if (source.kind == deal_source::kNone && engine::IsPileOnTable(context.geometry.TableauX(0)))
        source = {deal_source::kTableau0, context.geometry.TableauX(0), context.geometry.GetTableauY(0)};
    if (context.gameDef[w::kGameKind] == engine::game_kind::kOffTableSource) {
        source.x = -static_cast<int>(std::lround(context.CardWidth() * kOffTableSourceWidths));
        source.y = 0;
    }
    return source;
}

bool SoundSwitch(const DrawContext& context, engine::fields::Field field) {
    return context.settings.GetField(field.position, field.width) == "Y";
}

// The source shows a back while the deal flies from it.
void ShowDealSource(DrawContext& context, platform::Canvas& canvas, const DealSource& source) {
    DrawCardBack(context, source.x, source.y, context.CardHeight(), true, context.Buffer());
    CopyBufferToScreen(context);
    const bool stockEmpty = Line(context, PileListId::kMazzo, engine::kStockLine).empty();
    if (source.kind != deal_source::kStock || stockEmpty)
        RestoreCornersOnCanvas(context, canvas, context.CardRectAt(source.x, source.y));
    context.window.UpdateWindow();
    context.clock.Delay(kDealSourceWait);
    if (context.media) context.media->PlaySoundLoop(kShuffleSound, SoundSwitch(context, engine::fields::kSoundsShuffle));
}

template <typename Draw>
void OnWindowAndBuffer(DrawContext& context, Draw draw) {
    draw(context.Window());
    draw(context.Buffer());
}

void DrawTopOrMark(DrawContext& context, platform::Canvas& canvas, const std::string& pile, int x, int y, int kind,
                   int index) {
    if (pile.empty())
        DrawEmptyPileMarker(context, kind, x, y, canvas, index);
    else
        DrawCardFace(context, engine::PileTopCard(pile), x, y, false, canvas, index);
}

// The source's own look once every card has left it.
void FinishDealSource(DrawContext& context, const DealSource& source) {
    const engine::TMainGame& game = context.mainGame;
    const std::string& stock = Line(context, PileListId::kMazzo, engine::kStockLine);
    OnWindowAndBuffer(context, [&](platform::Canvas& target) {
        switch (source.kind) {
            case deal_source::kStock:
                if (stock.empty()) {
                    DrawEmptyPileMarker(context, empty_mark::kStock, source.x, source.y, target, kNoPileIndex);
                    return;
                }
                break;
            case deal_source::kReserve0:
                DrawTopOrMark(context, target, Line(context, PileListId::kAppogg, 0), source.x, source.y,
                              empty_mark::kReserve, 0);
                return;
            case deal_source::kThirdStock:
                DrawTopOrMark(context, target, Line(context, PileListId::kMazzo, engine::kThirdStockLine), source.x,
                              source.y, empty_mark::kThirdStock, kNoPileIndex);
                return;
            case deal_source::kFoundation0:
                DrawTopOrMark(context, target, Line(context, PileListId::kDest, 0), source.x, source.y,
                              empty_mark::kFoundation, 0);
                return;
            case deal_source::kWaste: {
                const std::string& waste = Line(context, PileListId::kMazzo, engine::kWasteLine);
                if (waste.empty())
                    DrawEmptyPileMarker(context, empty_mark::kStock, source.x, source.y, target, kNoPileIndex);
                else if (context.gameDef[w::kWasteFaceDown] != 0)
                    DrawCardBack(context, source.x, source.y, context.CardHeight(), false, target);
                else
                    DrawCardFace(context, engine::PileTopCard(waste), source.x, source.y, false, target, kNoPileIndex);
                return;
            }
            case deal_source::kTableau0:
                if (Line(context, PileListId::kFila, 0).empty())
                    DrawEmptyPileMarker(context, empty_mark::kTableau, source.x, source.y, target, 0);
                else
                    RedrawPile(context, "Fila01", 0, 0, target, false);
                return;
            default:
                break;
        }
        if (context.gameDef[w::kStockFaceDown] == 0 && !stock.empty())
            DrawCardFace(context, engine::PileTopCard(stock), game.GetStockX(0), game.GetStockY(0), false, target,
                         kNoPileIndex);
    });
}

void DrawReserves(DrawContext& context, platform::Canvas& canvas, bool animate, const DealSource& source,
                  bool restore) {
    for (int i = 0; i < ReserveCount(context); ++i) {
        const int x = context.mainGame.GetReserveX(i);
        if (!engine::IsPileOnTable(x)) continue;
        if (i == 0 && animate && source.kind == deal_source::kReserve0) continue;
        const std::string& pile = Line(context, PileListId::kAppogg, i);
        const int y = context.mainGame.GetReserveY(i);
        for (int n = 0; n <= engine::PileCardCount(pile); ++n)
            DrawPileCard(context, engine::kAppoggPrefix, pile, i, restore, canvas, animate, y, x, source.y, source.x,
                         n);
    }
}

void DrawTableauCard(DrawContext& context, platform::Canvas& canvas, bool animate, const DealSource& source,
                     bool restore, int i, int n) {
    const int x = context.geometry.TableauX(i);
    if (!engine::IsPileOnTable(x)) return;
    if (i == 0 && animate && source.kind == deal_source::kTableau0) return;
    DrawPileCard(context, engine::kFilaPrefix, Line(context, PileListId::kFila, i), i, restore, canvas, animate,
                 context.geometry.GetTableauY(i), x, source.y, source.x, n);
}

void DrawTableau(DrawContext& context, platform::Canvas& canvas, bool animate, const DealSource& source,
                 bool restore) {
    const int count = TableauCount(context);
    if (context.gameDef[w::kDealByPile] != 0) {
        for (int i = 0; i < count; ++i)
            for (int n = 0; n <= engine::PileCardCount(Line(context, PileListId::kFila, i)); ++n)
                DrawTableauCard(context, canvas, animate, source, restore, i, n);
        return;
    }
    const int longest = engine::LongestTableauLength(context.piles, context.gameDef);
    for (int n = 0; n <= longest; ++n)
        for (int i = 0; i < count; ++i) DrawTableauCard(context, canvas, animate, source, restore, i, n);
}

}  // namespace

void RepaintTable(DrawContext& context, platform::Canvas& canvas, bool animate) {
    if (context.registers.GetFlag(engine::flag::kGameInProgress) == 0) return;
    context.surface.SetScrollPosition(0);
    const bool anyCards = AnyTableauOrReserveCards(context);
    if (animate && context.gameDef[w::kTableauFanMode] != fan_mode::kSideBySide) {
        DrawEmptyPileMarkers(context, canvas);
        if (!context.IsBuffer(canvas)) DrawEmptyPileMarkers(context, context.Buffer());
    }
    DrawStockAndFoundations(context, context.Buffer(), false, 0, deal_source::kNone, 0);
    DealSource source;
    const bool dealing = animate && anyCards;
    if (dealing) {
        source = ChooseDealSource(context);
        ShowDealSource(context, canvas, source);
    } else if (!animate && !context.IsBuffer(canvas)) {
        // Into the buffer they are drawn just above: again would change no pixel.
        DrawStockAndFoundations(context, canvas, false, 0, deal_source::kNone, 0);
    }
    const bool stockEmpty = Line(context, PileListId::kMazzo, engine::kStockLine).empty();
    const bool restore =
        source.kind >= deal_source::kReserve0 || (source.kind == deal_source::kStock && stockEmpty);
    DrawReserves(context, canvas, animate, source, restore);
    DrawTableau(context, canvas, animate, source, restore);
    if (dealing && context.media) context.media->StopSound();
    if (animate) FinishDealSource(context, source);
    if (context.mainGame.FoundationMarkStyle != 0) DrawFoundationHighlights(context, kAllFoundations);
}

}  // namespace table
