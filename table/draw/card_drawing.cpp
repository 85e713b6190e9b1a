#include "table/draw/card_drawing.h"

#include "engine/model/card_codes.h"
#include "engine/model/card_table.h"
#include "engine/model/game_record.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "table/draw/card_corners.h"
#include "table/draw/card_shadows.h"
#include "table/draw/draw_context.h"
#include "table/draw/table_background.h"
#include "table/draw/table_buffer.h"
#include "table/draw/empty_marks.h"
#include "table/layout/fan_modes.h"
#include "table/layout/table_layout.h"
#include "table/layout/table_window.h"
#include "table/draw/pile_marks.h"

namespace table {

namespace {

// Places with x or y below this are off the table.
constexpr int kOffTable = -9999;

bool IsOffTable(int x, int y) { return x < kOffTable || y < kOffTable; }

platform::Rect Shifted(const platform::Rect& rect, int dy) {
    return {rect.left, rect.top + dy, rect.right, rect.bottom + dy};
}

// Gives the card image the corner colours of the place it is about to cover: the top
// corners from the canvas (what the card lies on), the bottom ones from the background.
void PrepareCorners(DrawContext& context, platform::Bitmap& image, int x, int y, bool silver,
                    const platform::Canvas& canvas) {
    platform::Canvas imageCanvas(image);
    const platform::Rect cardRect{0, 0, context.CardWidth(), context.CardHeight()};
    const platform::Rect place = context.CardRectAt(x, y);
    RestoreTopCardCorners(canvas, Shifted(place, context.YShift(canvas)), imageCanvas, kSmallCardWidth, cardRect);
    const platform::Rect underBackground = Shifted(place, context.ScrollOffset());
    if (silver)
        RestoreBottomCornersSilver(context.Background(), underBackground, imageCanvas, kSmallCardWidth, cardRect);
    else
        RestoreBottomCardCorners(context.Background(), underBackground, imageCanvas, kSmallCardWidth, cardRect);
}

void RestoreCorners(DrawContext& context, platform::Canvas& canvas, const platform::Rect& rect, unsigned corners) {
    CopyCardCorners(context.Background(), Shifted(rect, context.ScrollOffset()), canvas, kSmallCardWidth,
                    Shifted(rect, context.YShift(canvas)), corners);
}

void DrawFace(DrawContext& context, int card, int x, int y, int height, bool silver, platform::Canvas& canvas,
              int pileIndex) {
    const int index = engine::CardBitmapIndex(card);
    if (index < 0) {
        if (context.gameDef[engine::words::kSelectionSum] != 0)
            DrawEmptyPileMarker(context, empty_mark::kBlankSlot, x, y, canvas, pileIndex);
        return;
    }
    platform::Bitmap& face = context.Face(index);
    if (face.IsEmpty()) return;
    PrepareCorners(context, face, x, y, silver, canvas);
    canvas.BlockCopy(x, y + context.YShift(canvas), context.CardWidth(), height, face, 0, 0);
}

bool CoversSize(const DrawContext& context, const platform::Bitmap& image) {
    return image.Width() >= context.CardWidth() && image.Height() >= context.CardHeight();
}

}  // namespace

void DrawCardFace(DrawContext& context, int card, int x, int y, bool silver, platform::Canvas& canvas,
                  int pileIndex) {
    DrawFace(context, card, x, y, context.CardHeight(), silver, canvas, pileIndex);
}

void DrawCardFaceTop(DrawContext& context, int card, int x, int y, int height, platform::Canvas& canvas,
                     int pileIndex) {
    DrawFace(context, card, x, y, height, false, canvas, pileIndex);
}

bool CoversCardPlace(DrawContext& context, int card, int x, int y) {
    if (card <= 0) return false;
    if (context.piles.Cards().IsFaceDown(card)) return !IsOffTable(x, y) && CoversSize(context, context.Back());
    const int index = engine::CardBitmapIndex(card);
    return index >= 0 && CoversSize(context, context.Face(index));
}

void DrawCardBack(DrawContext& context, int x, int y, int height, bool silver, platform::Canvas& canvas) {
    if (IsOffTable(x, y)) return;
    platform::Bitmap& back = context.Back();
    if (back.IsEmpty()) return;
    PrepareCorners(context, back, x, y, silver, canvas);
    canvas.BlockCopy(x, y + context.YShift(canvas), context.CardWidth(), height, back, 0, 0);
}

void DrawCardBitmap(DrawContext& context, const platform::Bitmap& bitmap, int x, int y, platform::Canvas& canvas) {
    if (IsOffTable(x, y)) return;
    canvas.BlockCopy(x, y + context.YShift(canvas), context.CardWidth(), context.CardHeight(), bitmap, 0, 0);
}

void DrawCardShadow(DrawContext& context, platform::Canvas& canvas, const platform::Rect& rect) {
    DrawCardShadow(canvas, Shifted(rect, context.YShift(canvas)), context.Shadow(1), context.Shadow(2),
                   context.geometry.ShadowOffset());
}

void HighlightCard(DrawContext& context, platform::Canvas& canvas, bool onWindow, const platform::Rect& rect) {
    if (onWindow) {
        canvas.Invert(rect);
    } else {
        const platform::Rect at = Shifted(rect, context.YShift(canvas));
        canvas.BlockCopy(at.left, at.top, at.Width(), at.Height(), canvas, at.left, at.top,
                         platform::RasterOp::DstInvert);
    }
    RestoreCorners(context, context.Buffer(), rect, kAllCorners);
    RestoreCorners(context, canvas, rect, kAllCorners);
}

void EraseFromBackground(DrawContext& context, platform::Canvas& canvas, const platform::Rect& rect) {
    context.Background().CopyTo(canvas, rect.left, rect.top + context.YShift(canvas), rect.Width(), rect.Height(),
                                rect.left, rect.top + context.ScrollOffset());
}

void CopyBackgroundToCanvas(DrawContext& context, platform::Canvas& canvas) {
    if (context.IsBuffer(canvas)) context.buffers.MarkWiped();
    context.Background().CopyTo(canvas, 0, 0, context.window.ScreenWidth(), context.window.ScreenHeight(), 0, 0);
}

void CopyBufferToScreen(DrawContext& context) {
    context.Window().BlockCopy(0, 0, context.window.ScreenWidth(), context.window.ScreenHeight(),
                               context.Buffer().Image(), 0, context.ScrollOffset());
}

void RestoreCornersOnCanvas(DrawContext& context, platform::Canvas& canvas, const platform::Rect& rect) {
    RestoreCorners(context, canvas, rect, kAllCorners);
}

void RestoreCornersInRect(DrawContext& context, const platform::Rect& rect) {
    RestoreCorners(context, context.Window(), rect, kAllCorners);
    RestoreCorners(context, context.Buffer(), rect, kAllCorners);
}

void RestoreTableauPileCorners(DrawContext& context, int tableauIndex) {
    const std::string& pile = context.piles.Pile(engine::PileListId::kFila, tableauIndex);
    const int count = engine::PileCardCount(pile);
    const std::string name = engine::PileName({engine::PileListId::kFila, tableauIndex});
    const platform::Rect place = context.CardRectAt(context.geometry.CardX(name, tableauIndex, count, true),
                                                    context.geometry.CardY(name, tableauIndex, count, true));
    unsigned corners = kAllCorners;
    if (count != 1) {
        if (context.gameDef[engine::words::kTableauFanMode] == fan_mode::kRight) return;
        corners = kTopCorners;
    }
    RestoreCorners(context, context.Window(), place, corners);
    RestoreCorners(context, context.Buffer(), place, corners);
}

}  // namespace table
