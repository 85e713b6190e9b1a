// Drawing the cards of one pile: DrawPileCard and RedrawPile.

#include "table/draw/pile_drawing.h"

#include <algorithm>
#include <string>

#include "engine/model/card_codes.h"
#include "engine/model/card_table.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"
#include "engine/base/rounding.h"
#include "engine/model/table_object.h"
#include "platform/core/clock.h"
#include "platform/qt/canvas.h"
#include "table/draw/card_corners.h"
#include "table/draw/card_drawing.h"
#include "table/draw/draw_context.h"
#include "table/draw/empty_marks.h"
#include "table/layout/table_layout.h"
#include "table/draw/pile_marks.h"

namespace table {

namespace {

// A dealt card first shows a seventh of a card down and right of its source.
constexpr int kFlightOffsetDivisor = 7;
constexpr std::uint32_t kShowWait = 2;
constexpr std::uint32_t kFlightWait = 1;
constexpr int kBackCard = -1;

int EmptyMarkKind(std::string_view prefix) {
    if (prefix == engine::kFilaPrefix) return empty_mark::kTableau;
    if (prefix == engine::kDestPrefix) return empty_mark::kFoundation;
    return empty_mark::kReserve;
}

// The rows of card n that stay in sight once the pile is drawn: the next card covers the
// rest when it lies straight below it or on it, all but its top corners, which take their
// colours from the rows they lie on.
int RowsInSight(DrawContext& context, const std::string& name, std::string_view pile, int index, int count, int n,
                int x, int y) {
    const int height = context.CardHeight();
    if (n + 1 >= count) return height;
    const int nextX = context.geometry.CardX(name, index, count - n - 1, true);
    const int nextY = context.geometry.CardY(name, index, count - n - 1, true);
    if (nextX != x || nextY < y || nextY - y >= height) return height;
    if (!CoversCardPlace(context, engine::PileCardAt(pile, n + 1), nextX, nextY)) return height;
    return std::min(height, nextY - y + kCornerDepth);
}

void Slide(DrawContext& context, int card, int fromX, int fromY, int toX, int toY) {
    if (context.slideCard) context.slideCard(card, fromX, fromY, toX, toY, true, true, false, true);
}

// Both canvases while the deal flies (the window shows it at once), else the one given.
template <typename Draw>
void DrawOnTargets(DrawContext& context, platform::Canvas& canvas, bool animate, Draw draw) {
    if (!animate) {
        draw(canvas);
        return;
    }
    draw(context.Window());
    draw(context.Buffer());
}

void DrawFlyingCard(DrawContext& context, int card, int index, bool restoreSource, int fromX, int fromY, int x,
                    int y) {
    const int sx = engine::DivideRoundHalfEven(context.CardWidth(), kFlightOffsetDivisor);
    const int sy = engine::DivideRoundHalfEven(context.CardHeight(), kFlightOffsetDivisor);
    const platform::Rect source = context.CardRectAt(fromX, fromY);
    if (context.piles.Cards().IsFaceDown(card)) {
        context.clock.Delay(kShowWait);
        if (restoreSource) RestoreCornersOnCanvas(context, context.Buffer(), source);
        DrawCardBack(context, fromX + sx, fromY + sy, context.CardHeight(), true, context.Window());
        context.clock.Delay(kFlightWait);
        Slide(context, kBackCard, fromX + sx, fromY + sy, x, y);
        DrawCardBack(context, x, y, context.CardHeight(), false, context.Buffer());
        return;
    }
    context.clock.Delay(kShowWait);
    DrawCardFace(context, card, fromX, fromY, true, context.Window(), index);
    if (restoreSource) RestoreCornersOnCanvas(context, context.Buffer(), source);
    context.clock.Delay(kShowWait);
    DrawCardBack(context, fromX, fromY, context.CardHeight(), true, context.Window());
    DrawCardFace(context, card, fromX + sx, fromY + sy, false, context.Window(), index);
    context.clock.Delay(kFlightWait);
    Slide(context, card, fromX + sx, fromY + sy, x, y);
    DrawCardFace(context, card, x, y, false, context.Buffer(), index);
}

}  // namespace

void DrawPileCard(DrawContext& context, std::string_view prefix, std::string_view pile, int index,
                  bool restoreSource, platform::Canvas& canvas, bool animate, int slotY, int slotX, int fromY,
                  int fromX, int n) {
    const int count = engine::PileCardCount(pile);
    const int card = n < count ? engine::PileCardAt(pile, n) : engine::kNoCard;
    const std::string name = std::string(prefix) + std::to_string(index + 1);
    if (card > 0) {
        const int x = context.geometry.CardX(name, index, count - n, true);
        const int y = context.geometry.CardY(name, index, count - n, true);
        if (animate) {
            DrawFlyingCard(context, card, index, restoreSource, fromX, fromY, x, y);
        } else {
            // The caller goes on to the next card, which hides the rest.
            const int height = RowsInSight(context, name, pile, index, count, n, x, y);
            if (context.piles.Cards().IsFaceDown(card))
                DrawCardBack(context, x, y, height, false, canvas);
            else
                DrawCardFaceTop(context, card, x, y, height, canvas, index);
        }
    }
    if (n != 0) return;
    if (count == 0) {
        DrawOnTargets(context, canvas, animate, [&](platform::Canvas& target) {
            DrawEmptyPileMarker(context, EmptyMarkKind(prefix), slotX, slotY, target, index);
        });
        return;
    }
    int baseX = slotX;
    int baseY = slotY;
    if (prefix == engine::kFilaPrefix) {
        baseX = context.geometry.TableauX(index);
        baseY = context.geometry.CardY(name, index, count, true);
    }
    DrawOnTargets(context, canvas, animate, [&](platform::Canvas& target) {
        RestoreCornersOnCanvas(context, target, context.CardRectAt(baseX, baseY));
    });
}

void RedrawPile(DrawContext& context, std::string_view name, int fromX, int fromY, platform::Canvas& canvas,
                bool animate) {
    const auto ref = engine::ParsePileName(name);
    if (!ref) return;
    const std::string& pile = context.piles.Pile(*ref);
    int slotX = 0;
    int slotY = 0;
    std::string_view prefix;
    switch (ref->list) {
        case engine::PileListId::kFila:
            prefix = engine::kFilaPrefix;
            slotX = context.geometry.TableauX(ref->line);
            slotY = context.geometry.GetTableauY(ref->line);
            break;
        case engine::PileListId::kAppogg:
            prefix = engine::kAppoggPrefix;
            slotX = context.mainGame.GetReserveX(ref->line);
            slotY = context.mainGame.GetReserveY(ref->line);
            break;
        case engine::PileListId::kDest:
            DrawLocation(context, name, ref->line, canvas);
            return;
        case engine::PileListId::kMazzo:
            return;
    }
    const int count = engine::PileCardCount(pile);
    for (int n = 0; n <= count; ++n)
        DrawPileCard(context, prefix, pile, ref->line, false, canvas, animate, slotY, slotX, fromY, fromX, n);
}

}  // namespace table
