#include "table/table_view.h"

#include <gtest/gtest.h>

#include "engine/model/game_words.h"
#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "table/draw/card_drawing.h"
#include "tests/table/drawing_fixture.h"

namespace {

using drawing_test::FaceColour;
using drawing_test::kCh;
using drawing_test::kCw;
using drawing_test::MarkColour;
using engine::PileListId;

class TableViewTest : public drawing_test::DrawingTest {
protected:
    TableViewTest() { SetField(engine::fields::kSpeedMoveCard, "0"); }

    int focused = 0;
    table::TableView view{context, {registers, fake.Random(), [this] { ++focused; }}};
};

TEST_F(TableViewTest, TheEmptyStockLightsUpInverted) {
    view.DrawEmptyStockImage(false, 50, 40);
    EXPECT_EQ(WindowPixel(80, 80), MarkColour("008"));
    view.DrawEmptyStockImage(true, 50, 40);
    EXPECT_EQ(WindowPixel(80, 80), MarkColour("008") ^ 0xFFFFFFu);
    EXPECT_EQ(WindowPixel(50, 40), drawing_test::BackgroundColourAt(50, 40));
}

TEST_F(TableViewTest, TheDraggedImageFollowsThePointerLessTheGrab) {
    table::CopyBufferToScreen(context);
    images.DragBitmap() = images.CardFace(9);
    layout.SetDragRects(100, 100, 100 + kCw, 100 + kCh);
    context.dragGrab = {15, 20, 0, 0};
    view.MoveDragImageToPointer(215, 220);
    EXPECT_EQ(mainGame.DragImagePos.x, 200);
    EXPECT_EQ(mainGame.DragImagePos.y, 200);
    EXPECT_EQ(WindowPixel(230, 240), FaceColour(9));
    EXPECT_EQ(context.dragGrab.pointerX, 215);
    view.ClearDragGrab();
    EXPECT_EQ(context.dragGrab.x, 0);
    EXPECT_EQ(context.dragGrab.y, 0);
}

TEST_F(TableViewTest, ALiftedStackGetsAnImageTallEnough) {
    view.SetDragImageHeight(3000);
    EXPECT_EQ(images.DragBitmap().Height(), 3000);
    view.SetDragImageHeight(200);
    EXPECT_EQ(images.DragBitmap().Height(), drawing_test::kScreenHeight);
}

// The view is the only one the engine gets: its slides, lifts, pile sizes and winning
// animation do the real work, never nothing.
TEST_F(TableViewTest, SlidesGoThroughTheCardSlideInFrames) {
    ASSERT_TRUE(static_cast<bool>(context.slideCard));
    table::CopyBufferToScreen(context);
    view.SlideCard(5, 100, 100, 300, 300, true, false, false, true);
    EXPECT_EQ(mainGame.DragImagePos.x, 300);
    EXPECT_EQ(BufferPixel(330, 330), FaceColour(4));
    EXPECT_EQ(WindowPixel(330, 330), FaceColour(4));
    // The card left nothing on its way.
    EXPECT_EQ(WindowPixel(230, 230), BufferPixel(230, 230));
}

TEST_F(TableViewTest, TheWinningAnimationRunsWithTheFlagAndFocus) {
    view.PlayWinningAnimation("Open order", 0);
    EXPECT_EQ(focused, 1);
    EXPECT_EQ(registers.GetFlag(engine::flag::kWinAnimationRunning), 0);
}

TEST_F(TableViewTest, ThePileSizeUpdateShowsTheJokerCaption) {
    SetWord(engine::words::kFoundationCount, 1);
    mainGame.SetFoundationX(0, 100);
    mainGame.SetFoundationY(0, 130);
    SetPile(PileListId::kDest, 0, {1, 105});
    view.RedrawPileSizes();
    EXPECT_EQ(mainGame.JokerCaptionKey, 104);
}

TEST_F(TableViewTest, ALiftRedrawsTheSourceWithoutTheCard) {
    SetWord(engine::words::kTableauCount, 1);
    SetWord(engine::words::kTableauFanMode, 1);
    PlaceTableau(0, 100, 200);
    SetPile(PileListId::kFila, 0, {2, 3});
    view.RepaintTable();
    view.RedrawPileWithoutCard(3, true);
    EXPECT_EQ(BufferPixel(130, 250), FaceColour(1));
    EXPECT_EQ(board.piles.Pile(PileListId::kFila, 0), "002003");
}

}  // namespace
