#include "table/mouse/put_back.h"

#include <gtest/gtest.h>

#include <QImage>

#include <optional>
#include <string>

#include "engine/model/game_words.h"
#include "engine/model/preference_fields.h"
#include "table/draw/card_drawing.h"
#include "table/animate/card_slide.h"
#include "table/draw/drag_image.h"
#include "table/draw/drag_image_build.h"
#include "table/draw/source_redraw.h"
#include "table/draw/table_repaint.h"
#include "tests/table/drawing_fixture.h"

namespace {

using drawing_test::BackgroundColourAt;
using drawing_test::FaceColour;
using drawing_test::kBackColour;
using drawing_test::kCh;
using drawing_test::kCw;
using drawing_test::MarkColour;
using engine::PileListId;
namespace fields = engine::fields;
namespace words = engine::words;

int DifferentPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                // The first few tell where the image went wrong.
                if (count < 8) ADD_FAILURE() << "pixel " << x << "," << y << " differs";
                ++count;
            }
    return count;
}

// A stock and waste, two foundations and three tableau piles fanned down; the table drawn
// into the buffer and shown on the window. Cards are lifted as the mouse press lifts them.
class PutBackTest : public drawing_test::DrawingTest {
protected:
    PutBackTest() {
        SetWord(words::kTableauCount, 3);
        SetWord(words::kFoundationCount, 2);
        SetWord(words::kStockFaceDown, 1);
        SetWord(words::kTableauFanMode, 1);
        SetField(fields::kSpeedMoveCard, "10");
        SetField(fields::kCardsAnimate, "Y");
        PlaceStockRow(0, 20, 20);
        PlaceStockRow(1, 120, 20);
        for (int i = 0; i < 2; ++i) {
            mainGame.SetFoundationX(i, static_cast<std::int16_t>(300 + 100 * i));
            mainGame.SetFoundationY(i, 20);
        }
        for (int i = 0; i < 3; ++i) PlaceTableau(i, 100 + 100 * i, 200);
        SetPile(PileListId::kMazzo, 0, {-40, -41, -42});
        SetPile(PileListId::kMazzo, 1, {30, 31});
        SetPile(PileListId::kFila, 0, {-1, 2, 16, 4});
        SetPile(PileListId::kFila, 1, {3});
        SetPile(PileListId::kFila, 2, {-6, 7});
        SetPile(PileListId::kDest, 0, {14, 15});
        table::InstallCardSlide(context);
        Repaint();
    }

    void Repaint() {
        table::RepaintTable(context, buffers.BufferCanvas(), false);
        table::CopyBufferToScreen(context);
        windowBefore = surface.Image().Image().copy();
        bufferBefore = buffers.TableBuffer().Image().copy();
    }

    // The press: the card (with every card above it unless single) is lifted where it lies.
    void Lift(int card, bool single) {
        engine::TableRect rect;
        if (single) {
            ASSERT_TRUE(layout.FindCardPosition(card, rect));
        } else {
            rect = layout.PileAtPoint(at.x, at.y).rect;
            rect.bottom = layout.PileBottomY(*pileName);
        }
        mainGame.DragImagePos = {static_cast<std::int16_t>(rect.left + 5), static_cast<std::int16_t>(rect.top + 5)};
        mainGame.LiftedCard = static_cast<std::int16_t>(card);
        layout.SetDragHeight(rect.bottom - rect.top);
        if (!single) table::SizeDragBitmap(context, rect.bottom - rect.top);
        layout.SetDragRects(rect.left, rect.top, rect.right, rect.bottom);
        table::BuildDragImage(images, layout.Geometry(), mainGame, board.piles, gameDef);
        table::RedrawPileWithoutCard(context, card, single);
    }

    // The release without a move.
    void PutBack(int card) {
        table::PutBackLiftedCards(context, card);
        mainGame.LiftedCard = 0;
    }

    void ExpectImagesAsBefore() {
        EXPECT_EQ(DifferentPixels(buffers.TableBuffer().Image(), bufferBefore), 0);
        EXPECT_EQ(DifferentPixels(surface.Image().Image(), windowBefore), 0);
    }

    // A stack is lifted by its lowest card, pressed at this point of its pile.
    std::optional<std::string> pileName;
    platform::Point at;
    QImage windowBefore;
    QImage bufferBefore;
};

TEST_F(PutBackTest, TheSourceIsRedrawnWithoutTheCardButTheListsStay) {
    const std::string fila = board.piles.Pile(PileListId::kFila, 0);
    Lift(4, true);
    EXPECT_EQ(board.piles.Pile(PileListId::kFila, 0), fila);
    // The top card (face 3) is gone from the buffer; the card below shows whole.
    const int y = 200 + 4 + 18 + 18;
    EXPECT_EQ(BufferPixel(130, y + 60), FaceColour(15));
    EXPECT_EQ(BufferPixel(130, y + kCh - 5), BackgroundColourAt(130, y + kCh - 5));
    // The window still shows it until it moves.
    EXPECT_EQ(WindowPixel(130, y + 60), FaceColour(3));
}

TEST_F(PutBackTest, ATopCardPutBackLeavesBothImagesAsBefore) {
    Lift(4, true);
    PutBack(4);
    ExpectImagesAsBefore();
}

TEST_F(PutBackTest, WithoutAnimationTheCardJumpsBack) {
    SetField(fields::kCardsAnimate, "N");
    const std::uint32_t before = fake.Clock().TotalDelayed();
    Lift(4, true);
    PutBack(4);
    EXPECT_EQ(fake.Clock().TotalDelayed(), before);
    ExpectImagesAsBefore();
}

TEST_F(PutBackTest, AStackGoesBackWhole) {
    pileName = "Fila1";
    at = {130, 210};
    Lift(2, false);
    // Only the face-down card is left: its back shows whole, the table below it.
    EXPECT_EQ(BufferPixel(130, 250), kBackColour);
    EXPECT_EQ(BufferPixel(130, 200 + kCh + 5), BackgroundColourAt(130, 200 + kCh + 5));
    PutBack(2);
    ExpectImagesAsBefore();
}

TEST_F(PutBackTest, ALonePileCardLeavesTheEmptyMarkAndComesBack) {
    Lift(3, true);
    EXPECT_EQ(BufferPixel(230, 250), MarkColour("_TABLEAU"));
    PutBack(3);
    ExpectImagesAsBefore();
}

TEST_F(PutBackTest, TheWasteAndAFoundationTakeTheirCardsBack) {
    Lift(31, true);
    EXPECT_EQ(BufferPixel(150, 60), FaceColour(29));
    PutBack(31);
    ExpectImagesAsBefore();
    Lift(15, true);
    EXPECT_EQ(BufferPixel(330, 60), FaceColour(13));
    PutBack(15);
    ExpectImagesAsBefore();
}

TEST_F(PutBackTest, RaisedWithShadowsTheCardComesBackWithoutAShadow) {
    SetField(fields::kCardsShadowed, "Y");
    layout.SetShadowOffset(9);
    Lift(7, true);
    table::ShiftDragOrigin(context);  // the press draws the card raised, with its shadow
    EXPECT_EQ(mainGame.DragImagePos.x, 300 - 7);
    PutBack(7);
    ExpectImagesAsBefore();
}

TEST_F(PutBackTest, OnUntidyPilesAStackIsRedrawnCardByCard) {
    SetField(fields::kPilesTT, "Y");
    Repaint();
    pileName = "Fila1";
    at = {130, 230};
    Lift(16, false);
    PutBack(16);
    EXPECT_EQ(BufferPixel(130, 200 + 4 + 18 + 10), FaceColour(15));
    EXPECT_EQ(BufferPixel(130, 200 + 4 + 36 + 60), FaceColour(3));
    EXPECT_EQ(DifferentPixels(buffers.TableBuffer().Image(), bufferBefore), 0);
    EXPECT_FALSE(window.invalidated.empty());
}

TEST_F(PutBackTest, AStackJumpsBackWithoutAnimation) {
    SetField(fields::kPilesTT, "Y");
    SetField(fields::kCardsAnimate, "N");
    Repaint();
    pileName = "Fila1";
    at = {130, 230};
    const std::uint32_t before = fake.Clock().TotalDelayed();
    Lift(16, false);
    PutBack(16);
    EXPECT_EQ(fake.Clock().TotalDelayed(), before);
    EXPECT_EQ(DifferentPixels(buffers.TableBuffer().Image(), bufferBefore), 0);
}

TEST_F(PutBackTest, ACardNoPileHoldsIsNotReturned) {
    EXPECT_FALSE(table::ReturnCardToPile(context, 9, board.piles.Pile(PileListId::kFila, 0), "Fila1", 100, 200, 0));
    EXPECT_FALSE(table::ReturnCardToPile(context, 4, "004", "Nowhere", 100, 200, 0));
    EXPECT_TRUE(table::ReturnCardToPile(context, 4, board.piles.Pile(PileListId::kFila, 0), "Fila1", 100,
                                        200 + 4 + 36, 0));
}

}  // namespace
