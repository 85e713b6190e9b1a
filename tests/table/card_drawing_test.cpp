#include "table/draw/card_drawing.h"

#include <gtest/gtest.h>

#include "engine/model/card_codes.h"
#include "engine/model/game_words.h"
#include "tests/table/drawing_fixture.h"

namespace {

using drawing_test::BackgroundColourAt;
using drawing_test::FaceColour;
using drawing_test::kBackColour;
using drawing_test::kCh;
using drawing_test::kCw;
using engine::PileListId;

class CardDrawingTest : public drawing_test::DrawingTest {};

TEST_F(CardDrawingTest, ALoneCardShowsTheTableThroughItsCorners) {
    table::DrawCardFace(context, 1, 100, 50, false, buffers.BufferCanvas(), 0);
    EXPECT_EQ(BufferPixel(130, 90), FaceColour(0));
    for (const auto& [x, y] : {std::pair{100, 50}, {101, 50}, {100, 51}, {170, 50}, {100, 145}, {170, 145}, {169, 145}})
        EXPECT_EQ(BufferPixel(x, y), BackgroundColourAt(x, y)) << x << "," << y;
    EXPECT_EQ(BufferPixel(101, 51), FaceColour(0));
}

TEST_F(CardDrawingTest, ACardOnACardShowsTheLowerCardThroughItsTopCorners) {
    table::DrawCardFace(context, 1, 100, 50, false, buffers.BufferCanvas(), 0);
    table::DrawCardFace(context, 2, 100, 68, false, buffers.BufferCanvas(), 0);
    EXPECT_EQ(BufferPixel(100, 68), FaceColour(0));
    EXPECT_EQ(BufferPixel(170, 69), FaceColour(0));
    // Its bottom corners lie over the table.
    EXPECT_EQ(BufferPixel(100, 68 + kCh - 1), BackgroundColourAt(100, 68 + kCh - 1));
    EXPECT_EQ(BufferPixel(101, 70), FaceColour(1));
}

TEST_F(CardDrawingTest, SecondDeckAndJokersShareTheFaces) {
    table::DrawCardFace(context, 53, 100, 50, false, buffers.BufferCanvas(), 0);
    EXPECT_EQ(BufferPixel(130, 90), FaceColour(0));
    table::DrawCardFace(context, 107, 300, 50, false, buffers.BufferCanvas(), 0);
    EXPECT_EQ(BufferPixel(330, 90), FaceColour(engine::kJokerBitmapIndex));
}

TEST_F(CardDrawingTest, SilverPaintsTheBottomRightCorner) {
    table::DrawCardFace(context, 5, 100, 50, true, buffers.BufferCanvas(), 0);
    EXPECT_EQ(BufferPixel(170, 145), platform::Rgb(192, 192, 192));
    EXPECT_EQ(BufferPixel(169, 145), platform::Rgb(192, 192, 192));
    EXPECT_EQ(BufferPixel(100, 145), BackgroundColourAt(100, 145));
}

TEST_F(CardDrawingTest, ABlankSlotDrawsNothing) {
    table::DrawCardFace(context, 0, 100, 50, false, buffers.BufferCanvas(), 0);
    EXPECT_EQ(BufferPixel(130, 90), BackgroundColourAt(130, 90));
}

TEST_F(CardDrawingTest, OnTheBufferRowsShiftByTheScrollPosition) {
    surface.SetScrollPosition(20);
    table::DrawCardFace(context, 1, 100, 50, false, buffers.BufferCanvas(), 0);
    EXPECT_EQ(BufferPixel(130, 71), FaceColour(0));
    EXPECT_EQ(BufferPixel(130, 69), BackgroundColourAt(130, 69));
    // The corners come from the background under the buffer's place.
    EXPECT_EQ(BufferPixel(100, 70), BackgroundColourAt(100, 70));
    table::DrawCardFace(context, 1, 100, 50, false, surface.Canvas(), 0);
    EXPECT_EQ(WindowPixel(130, 50), FaceColour(0));
    EXPECT_EQ(WindowPixel(100, 145), BackgroundColourAt(100, 165));
}

TEST_F(CardDrawingTest, CardsSlidingOffTheTableDrawOnlyWhatLiesOnIt) {
    // Off the left edge: the card's corner pixels read from outside the image.
    table::DrawCardFace(context, 1, -3 * kCw, -3 * kCh, false, buffers.BufferCanvas(), 0);
    table::DrawCardFace(context, 1, -20, 10, false, buffers.BufferCanvas(), 0);
    EXPECT_EQ(BufferPixel(0, 40), FaceColour(0));
    EXPECT_EQ(BufferPixel(51, 40), BackgroundColourAt(51, 40));
    table::DrawCardFace(context, 1, drawing_test::kScreenWidth + 20, 10, false, buffers.BufferCanvas(), 0);
    // A back beyond the off-table marker draws nothing at all.
    table::DrawCardBack(context, -10000, 10, kCh, false, buffers.BufferCanvas());
    table::DrawCardBack(context, 10, -10000, kCh, false, buffers.BufferCanvas());
    EXPECT_EQ(BufferPixel(20, 0), BackgroundColourAt(20, 0));
}

TEST_F(CardDrawingTest, BackDrawsTheRowsAsked) {
    table::DrawCardBack(context, 100, 50, 30, false, buffers.BufferCanvas());
    EXPECT_EQ(BufferPixel(130, 79), kBackColour);
    EXPECT_EQ(BufferPixel(130, 80), BackgroundColourAt(130, 80));
    EXPECT_EQ(BufferPixel(100, 50), BackgroundColourAt(100, 50));
}

TEST_F(CardDrawingTest, HighlightTwiceRestoresTheCard) {
    table::DrawCardFace(context, 1, 100, 50, false, buffers.BufferCanvas(), 0);
    const platform::Rect rect{100, 50, 100 + kCw, 50 + kCh};
    table::HighlightCard(context, buffers.BufferCanvas(), false, rect);
    EXPECT_EQ(BufferPixel(130, 90), FaceColour(0) ^ 0xFFFFFFu);
    EXPECT_EQ(BufferPixel(100, 50), BackgroundColourAt(100, 50));  // corners kept
    table::HighlightCard(context, buffers.BufferCanvas(), false, rect);
    EXPECT_EQ(BufferPixel(130, 90), FaceColour(0));

    table::CopyBufferToScreen(context);
    table::HighlightCard(context, surface.Canvas(), true, rect);
    EXPECT_EQ(WindowPixel(130, 90), FaceColour(0) ^ 0xFFFFFFu);
    EXPECT_EQ(WindowPixel(170, 145), BackgroundColourAt(170, 145));
}

TEST_F(CardDrawingTest, BufferReachesTheWindowFromRowS) {
    surface.SetScrollPosition(25);
    table::CopyBufferToScreen(context);
    EXPECT_EQ(WindowPixel(10, 0), BackgroundColourAt(10, 25));
    EXPECT_EQ(WindowPixel(1000, 700), BackgroundColourAt(1000, 725));
}

TEST_F(CardDrawingTest, TableauPileCornersByCountAndFan) {
    SetWord(engine::words::kTableauCount, 2);
    PlaceTableau(0, 100, 300);
    SetPile(PileListId::kFila, 0, {7});
    buffers.BufferCanvas().FillSolidRect({0, 0, 500, 500}, 0);
    table::RestoreTableauPileCorners(context, 0);
    EXPECT_EQ(BufferPixel(100, 300), BackgroundColourAt(100, 300));
    EXPECT_EQ(BufferPixel(170, 395), BackgroundColourAt(170, 395));
    EXPECT_EQ(WindowPixel(170, 395), BackgroundColourAt(170, 395));

    SetPile(PileListId::kFila, 0, {7, 8});
    buffers.BufferCanvas().FillSolidRect({0, 0, 500, 500}, 0);
    table::RestoreTableauPileCorners(context, 0);
    EXPECT_EQ(BufferPixel(170, 300), BackgroundColourAt(170, 300));
    EXPECT_EQ(BufferPixel(170, 395), 0u);

    SetWord(engine::words::kTableauFanMode, 2);
    buffers.BufferCanvas().FillSolidRect({0, 0, 500, 500}, 0);
    table::RestoreTableauPileCorners(context, 0);
    EXPECT_EQ(BufferPixel(100, 300), 0u);
}

}  // namespace
