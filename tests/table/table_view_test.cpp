#include "table/table_view.h"

#include <gtest/gtest.h>

#include "engine/game_words.h"
#include "table/card_drawing.h"
#include "tests/table/drawing_fixture.h"

namespace {

using drawing_test::FaceColour;
using drawing_test::kCh;
using drawing_test::kCw;
using drawing_test::MarkColour;

class TableViewTest : public drawing_test::DrawingTest {
protected:
    table::TableView view{context};
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

TEST_F(TableViewTest, WithoutAnimationsASlidingCardLandsAtOnce) {
    view.SlideCard(3, 0, 0, 300, 200, true, false, false, true);
    EXPECT_EQ(WindowPixel(330, 240), FaceColour(2));
    EXPECT_EQ(BufferPixel(330, 240), FaceColour(2));
    view.SlideCard(-1, 0, 0, 500, 200, false, false, false, true);
    EXPECT_EQ(WindowPixel(530, 240), drawing_test::kBackColour);
    EXPECT_EQ(BufferPixel(530, 240), drawing_test::BackgroundColourAt(530, 240));
}

}  // namespace
