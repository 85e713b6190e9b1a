#include "table/animated_table_view.h"

#include <gtest/gtest.h>

#include "engine/game_words.h"
#include "engine/preference_fields.h"
#include "engine/registers.h"
#include "table/card_drawing.h"
#include "tests/table/drawing_fixture.h"

namespace {

using drawing_test::FaceColour;
using engine::PileListId;

class AnimatedTableViewTest : public drawing_test::DrawingTest {
protected:
    AnimatedTableViewTest() {
        SetField(engine::fields::kSpeedMoveCard, "0");
        table::CopyBufferToScreen(context);
    }

    int focused = 0;
    table::AnimatedTableView view{context, {registers, fake.Random(), [this] { ++focused; }}};
};

TEST_F(AnimatedTableViewTest, SlidesGoThroughTheCardSlide) {
    ASSERT_TRUE(static_cast<bool>(context.slideCard));
    view.SlideCard(5, 100, 100, 300, 300, true, false, false, true);
    EXPECT_EQ(mainGame.DragImagePos.x, 300);
    EXPECT_EQ(BufferPixel(330, 330), FaceColour(4));
}

TEST_F(AnimatedTableViewTest, TheWinningAnimationRunsWithTheFlagAndFocus) {
    view.PlayWinningAnimation("Open order", 0);
    EXPECT_EQ(focused, 1);
    EXPECT_EQ(registers.GetFlag(engine::flag::kWinAnimationRunning), 0);
}

TEST_F(AnimatedTableViewTest, ThePileSizeUpdateShowsTheJokerCaption) {
    SetWord(engine::words::kFoundationCount, 1);
    mainGame.SetFoundationX(0, 100);
    mainGame.SetFoundationY(0, 130);
    SetPile(PileListId::kDest, 0, {1, 105});
    view.RedrawPileSizes();
    EXPECT_EQ(mainGame.JokerCaptionKey, 104);
}

TEST_F(AnimatedTableViewTest, ALiftRedrawsTheSourceWithoutTheCard) {
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
