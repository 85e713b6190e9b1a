#include "table/draw/empty_marks.h"

#include "engine/model/board_measures.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"
#include "engine/model/table_object.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "platform/qt/resource_bitmaps.h"
#include "table/draw/card_drawing.h"
#include "table/draw/draw_context.h"
#include "table/layout/table_layout.h"
#include "table/draw/pile_marks.h"

#include <algorithm>
#include <string>

namespace table {

namespace {

constexpr std::string_view kMarkPrefix = "W";

EmptyMarkState MarkState(const DrawContext& context) {
    return {context.mainGame.RedealCount,
            engine::PileCardCount(context.piles.Pile(engine::PileListId::kMazzo, engine::kStockLine)),
            engine::PileCardCount(context.piles.Pile(engine::PileListId::kMazzo, engine::kWasteLine))};
}

void DrawMarkImage(DrawContext& context, MarkImage image, int x, int y, platform::Canvas& canvas) {
    if (image == MarkImage::kNone) return;
    if (image == MarkImage::kStock021) {
        // Only two games show it, so it is loaded for the one drawing.
        platform::Bitmap mark;
        const std::string name = std::string(kMarkPrefix) + context.CardSizeLetter() + std::string(MarkImageCode(image));
        if (context.bitmaps.LoadResBitmap(mark, name)) DrawCardBitmap(context, mark, x, y, canvas);
        return;
    }
    DrawCardBitmap(context, context.Mark(image), x, y, canvas);
}

}  // namespace

void DrawEmptyPileMarker(DrawContext& context, int kind, int x, int y, platform::Canvas& canvas, int pileIndex) {
    DrawMarkImage(context, EmptyPileMarkImage(kind, pileIndex, context.gameDef, MarkState(context)), x, y, canvas);
    canvas.SetBrushStyle(platform::BrushStyle::Solid);
}

bool DrawRuleMark(DrawContext& context, int ruleCode, int x, int y, platform::Canvas& canvas) {
    const RuleMark mark = RuleMarkImage(ruleCode);
    if (mark.drawn) DrawMarkImage(context, mark.image, x, y, canvas);
    return mark.drawn;
}

void DrawEmptyPileMarkers(DrawContext& context, platform::Canvas& canvas) {
    const int tableauCount = std::min(engine::TableauCountOf(context.gameDef), engine::kFilaLineCount);
    for (int i = 0; i < tableauCount; ++i) {
        const int x = context.geometry.TableauX(i);
        if (!engine::IsPileOnTable(x)) continue;
        DrawEmptyPileMarker(context, empty_mark::kTableau, x, context.geometry.GetTableauY(i), canvas, i);
    }
    const int reserveCount = std::min(engine::ReserveCountOf(context.gameDef), engine::kAppoggLineCount);
    for (int i = 0; i < reserveCount; ++i)
        DrawEmptyPileMarker(context, empty_mark::kReserve, context.mainGame.GetReserveX(i),
                            context.mainGame.GetReserveY(i), canvas, i);
}

}  // namespace table
