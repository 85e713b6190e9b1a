#include "table/draw/selection_redraw.h"

#include <string>
#include <vector>

#include "engine/model/card_codes.h"
#include "engine/model/game_record.h"
#include "engine/play/pairing.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"
#include "platform/qt/canvas.h"
#include "table/draw/card_drawing.h"
#include "table/draw/draw_context.h"
#include "table/layout/table_layout.h"
#include "table/layout/table_window.h"
#include "table/draw/pile_marks.h"

namespace table {

namespace {

namespace w = engine::words;

}  // namespace

bool HasSelectionLine(const DrawContext& context) {
    const int kind = context.gameDef[w::kGameKind];
    return kind == engine::pairing_kind::kPairsOf14 || kind == engine::pairing_kind::kPairsOf13 ||
           kind == engine::pairing_kind::kHighlightOnly || context.gameDef[w::kSelectionSum] != 0;
}

void RedrawSelectionLine(DrawContext& context, platform::Canvas& canvas, bool onWindow) {
    if (!HasSelectionLine(context)) return;
    const std::string& line = context.piles.Pile(engine::PileListId::kDest, engine::kSelectionLine);
    std::vector<platform::Rect> places;
    // Whole three-character groups only: "101201" holds the cards 101 and 201, never 12.
    for (int i = 0; i < engine::PileCardCount(line); ++i) {
        const int card = engine::PileCardAt(line, i);
        if (card < engine::kFirstCard || card > engine::kCardCount) continue;
        engine::TableRect rect;
        if (!context.geometry.FindCardPosition(card, rect)) continue;
        DrawCardFace(context, card, rect.left, rect.top, false, canvas, kNoPileIndex);
        places.push_back({rect.left, rect.top, rect.right, rect.bottom});
    }
    context.window.UpdateWindow();
    for (const platform::Rect& place : places) HighlightCard(context, canvas, onWindow, place);
}

}  // namespace table
