#include "table/draw/pile_drawing.h"

#include <gtest/gtest.h>

#include <QImage>

#include <string>
#include <vector>

#include "engine/model/game_words.h"
#include "engine/model/preference_fields.h"
#include "engine/model/card_codes.h"
#include "engine/model/pile_text.h"
#include "platform/qt/canvas.h"
#include "table/draw/card_drawing.h"
#include "table/draw/empty_marks.h"
#include "table/layout/fan_modes.h"
#include "table/draw/pile_marks.h"
#include "tests/table/drawing_fixture.h"

namespace {

using drawing_test::BackgroundColourAt;
using drawing_test::FaceColour;
using drawing_test::kBackColour;
using drawing_test::kCh;
using drawing_test::kCw;
using drawing_test::MarkColour;
using engine::PileListId;
namespace words = engine::words;

class PileDrawingTest : public drawing_test::DrawingTest {
protected:
    PileDrawingTest() {
        SetWord(words::kTableauCount, 3);
        SetWord(words::kTableauFanMode, 1);
        PlaceTableau(0, 100, 300);
        PlaceTableau(1, 200, 300);
        PlaceTableau(2, 300, 300);
    }
    void DrawTableauPile(int i) {
        const std::string& pile = board.piles.Pile(PileListId::kFila, i);
        for (int n = 0; n <= static_cast<int>(pile.size()) / 3; ++n)
            table::DrawPileCard(context, "Fila", pile, i, false, buffers.BufferCanvas(), false, 300,
                                100 + 100 * i, 0, 0, n);
    }
};

TEST_F(PileDrawingTest, AFannedPileShowsBacksThenFaces) {
    SetPile(PileListId::kFila, 0, {-1, -2, 3, 4});
    DrawTableauPile(0);
    EXPECT_EQ(BufferPixel(130, 302), kBackColour);
    EXPECT_EQ(BufferPixel(130, 306), kBackColour);
    EXPECT_EQ(BufferPixel(130, 310), FaceColour(2));
    EXPECT_EQ(BufferPixel(130, 328), FaceColour(3));
    EXPECT_EQ(BufferPixel(130, 326 + kCh - 1), FaceColour(3));
    // The first place's corners show the table.
    EXPECT_EQ(BufferPixel(100, 300), BackgroundColourAt(100, 300));
    // The top card lies on the card below: its top corners show that card.
    EXPECT_EQ(BufferPixel(100, 326), FaceColour(2));
}

TEST_F(PileDrawingTest, AnEmptyPileShowsItsMark) {
    gameDef.SetAt(words::kTableauRuleA, 1, 13);
    DrawTableauPile(1);
    EXPECT_EQ(BufferPixel(230, 340), MarkColour("011"));
    DrawTableauPile(2);  // no rule mark: "_TABLEAU"
    EXPECT_EQ(BufferPixel(330, 340), MarkColour("_TABLEAU"));
}

TEST_F(PileDrawingTest, ABlankSlotDrawsNothing) {
    board.piles.SetPile(PileListId::kFila, 0, "000");
    table::DrawPileCard(context, "Fila", "000", 0, false, buffers.BufferCanvas(), false, 300, 100, 0, 0, 0);
    EXPECT_EQ(BufferPixel(130, 340), BackgroundColourAt(130, 340));
}

TEST_F(PileDrawingTest, RedrawPileDrawsEveryCard) {
    SetPile(PileListId::kFila, 2, {5, 6});
    table::RedrawPile(context, "Fila3", 0, 0, buffers.BufferCanvas(), false);
    EXPECT_EQ(BufferPixel(330, 305), FaceColour(4));
    EXPECT_EQ(BufferPixel(330, 340), FaceColour(5));
}

TEST_F(PileDrawingTest, ErasePileRemainderClearsWhatTheTopCardCovered) {
    SetPile(PileListId::kFila, 0, {1, 2, 3});
    DrawTableauPile(0);
    const std::string old = board.piles.Pile(PileListId::kFila, 0);
    SetPile(PileListId::kFila, 0, {1, 2});
    layout.SetDragRects(100, 336, 171, 432);
    table::ErasePileRemainder(context, board.piles.Pile(PileListId::kFila, 0), old, 100, buffers.BufferCanvas(),
                              "Fila1");
    // From the next card's place down, one card and a step: background again.
    EXPECT_EQ(BufferPixel(130, 340), BackgroundColourAt(130, 340));
    EXPECT_EQ(BufferPixel(98, 400), BackgroundColourAt(98, 400));
    EXPECT_EQ(BufferPixel(130, 320), FaceColour(1));
}

TEST_F(PileDrawingTest, ErasePileRemainderOfAnUnchangedPileDoesNothing) {
    SetPile(PileListId::kFila, 0, {1, 2});
    DrawTableauPile(0);
    const std::string pile = board.piles.Pile(PileListId::kFila, 0);
    table::ErasePileRemainder(context, pile + "007", pile, 100, buffers.BufferCanvas(), "Fila1");
    EXPECT_EQ(BufferPixel(130, 340), FaceColour(1));
}

TEST_F(PileDrawingTest, AnEmptiedTableauPileGetsItsMark) {
    SetPile(PileListId::kFila, 0, {1});
    DrawTableauPile(0);
    layout.SetDragRects(100, 300, 171, 396);
    table::ErasePileRemainder(context, "", "001", 100, buffers.BufferCanvas(), "Fila1");
    EXPECT_EQ(BufferPixel(130, 340), MarkColour("_TABLEAU"));
}

// Each card copied whole, bottom first, the first place's corners from the table:
// the pixels a pile must show however little of its covered cards is drawn.
void DrawCardByCard(table::DrawContext& context, platform::Canvas& canvas, int i) {
    const std::string& pile = context.piles.Pile(PileListId::kFila, i);
    const int count = engine::PileCardCount(pile);
    const std::string name = "Fila" + std::to_string(i + 1);
    for (int n = 0; n < count; ++n) {
        const int card = engine::PileCardAt(pile, n);
        if (card <= 0) continue;
        const int x = context.geometry.CardX(name, i, count - n, true);
        const int y = context.geometry.CardY(name, i, count - n, true);
        if (context.piles.Cards().IsFaceDown(card))
            table::DrawCardBack(context, x, y, kCh, false, canvas);
        else
            table::DrawCardFace(context, card, x, y, false, canvas, i);
        if (n == 0)
            table::RestoreCornersOnCanvas(
                context, canvas,
                context.CardRectAt(context.geometry.TableauX(i), context.geometry.CardY(name, i, count, true)));
    }
}

TEST_F(PileDrawingTest, CoveredCardsLeaveOutOnlyWhatTheNextCardHides) {
    const std::vector<std::vector<int>> piles{
        {-1, -2, -3, 4, 5, 6},  // backs under faces
        {7, 0, 9},              // a blank place shows the card under it whole
        {-10, 11},
    };
    for (const int fan : {table::fan_mode::kDown, table::fan_mode::kRight, table::fan_mode::kStacked}) {
        SetWord(words::kTableauFanMode, fan);
        PaintTestBackground();
        for (int i = 0; i < 3; ++i) {
            std::string text;
            for (const int card : piles[static_cast<std::size_t>(i)]) {
                text += engine::CardCodeText(card < 0 ? -card : card);
                board.cards.SetCardFaceFlag(card < 0 ? -card : card, card < 0 ? engine::kFaceDown : engine::kFaceUp);
            }
            board.piles.SetPile(PileListId::kFila, i, text);
            DrawTableauPile(i);
        }
        const QImage drawn = buffers.TableBuffer().Image().copy();
        PaintTestBackground();
        for (int i = 0; i < 3; ++i) DrawCardByCard(context, buffers.BufferCanvas(), i);
        EXPECT_TRUE(drawn == buffers.TableBuffer().Image()) << "fan mode " << fan;
    }
}

class StockRowTest : public drawing_test::DrawingTest {
protected:
    StockRowTest() {
        PlaceStockRow(0, 300, 100);
        PlaceStockRow(1, 400, 100);
        SetWord(words::kStockFaceDown, 1);
        SetWord(words::kFoundationCount, 1);
        mainGame.SetFoundationX(0, 600);
        mainGame.SetFoundationY(0, 100);
    }
    void SetStock(int cards) {
        std::string text;
        for (int i = 1; i <= cards; ++i) {
            text += engine::CardCodeText(i);
            board.cards.SetCardFaceFlag(i, engine::kFaceDown);
        }
        board.piles.SetPile(PileListId::kMazzo, 0, text);
    }
};

TEST_F(StockRowTest, StockStandsOnItsEdgeAndFoundationsShowTheirTops) {
    SetStock(52);
    SetPile(PileListId::kMazzo, 1, {60});
    SetPile(PileListId::kDest, 0, {14, 15});
    table::DrawStockAndFoundations(context, buffers.BufferCanvas(), false, 0, table::deal_source::kNone, 0);
    EXPECT_EQ(mainGame.GetStockX(0), 292);
    EXPECT_EQ(BufferPixel(330, 130), kBackColour);
    EXPECT_EQ(BufferPixel(292 + kCw - 1, 92 + kCh - 1), platform::Rgb(192, 192, 192));
    // A waste of one card: all four corners at its base show the table.
    EXPECT_EQ(BufferPixel(430, 130), FaceColour(7));
    EXPECT_EQ(BufferPixel(400, 100), BackgroundColourAt(400, 100));
    EXPECT_EQ(BufferPixel(470, 195), BackgroundColourAt(470, 195));
    EXPECT_EQ(BufferPixel(630, 130), FaceColour(14));
}

TEST_F(StockRowTest, EmptyPilesShowTheirMarks) {
    SetWord(words::kPassLimit, 1);
    mainGame.RedealCount = 1;
    gameDef.SetAt(words::kFoundationBase, 0, 1);
    table::DrawStockAndFoundations(context, buffers.BufferCanvas(), false, 0, table::deal_source::kNone, 0);
    EXPECT_EQ(BufferPixel(330, 130), MarkColour("008"));
    EXPECT_EQ(BufferPixel(430, 130), BackgroundColourAt(430, 130));  // no redeals: no waste mark
    EXPECT_EQ(BufferPixel(630, 130), MarkColour("010"));
}

TEST_F(StockRowTest, DrawLocationOfTheWasteAndOfAFoundation) {
    SetPile(PileListId::kMazzo, 1, {60, 61, 62});
    table::DrawLocation(context, "Mazzo_Vis", 1, buffers.BufferCanvas());
    EXPECT_EQ(mainGame.GetStockX(1), 399);  // three cards: one pixel of edge
    EXPECT_EQ(BufferPixel(430, 130), FaceColour(9));
    EXPECT_EQ(BufferPixel(399 + kCw - 1, 99 + kCh - 1), platform::Rgb(192, 192, 192));
    table::DrawLocation(context, "Dest01", 0, buffers.BufferCanvas());
    EXPECT_EQ(BufferPixel(630, 130), MarkColour("005"));
    SetPile(PileListId::kDest, 0, {-20});
    table::DrawLocation(context, "Dest1", 0, buffers.BufferCanvas());
    EXPECT_EQ(BufferPixel(630, 130), kBackColour);
}

}  // namespace
