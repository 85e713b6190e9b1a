#include "table/animate/card_slide.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <tuple>
#include <vector>

#include "engine/model/preference_fields.h"
#include "engine/model/game_words.h"
#include "table/draw/card_drawing.h"
#include "table/draw/table_repaint.h"
#include "table/table_view.h"
#include "tests/table/drawing_fixture.h"

namespace {

using drawing_test::BackgroundColourAt;
using drawing_test::FaceColour;
using drawing_test::kBackColour;
using drawing_test::kCh;
using drawing_test::kCw;
namespace fields = engine::fields;

TEST(SlideStepTest, GrowsSlowlyWithTheDistance) {
    // distance, fine steps, step
    const std::vector<std::tuple<int, bool, int>> cases{
        {100, false, 19}, {500, false, 48}, {100, true, 5},  {10, false, 2}, {10, true, 0},
        {3, false, 1},    {2, false, 0},    {0, false, 0},   {1, true, 0},
    };
    for (const auto& [distance, fine, step] : cases)
        EXPECT_EQ(table::SlideStep(distance, fine), step) << distance << (fine ? " fine" : "");
}

// The table painted in the buffer and shown on the window; card 5 (face 4) slides.
class CardSlideTest : public drawing_test::DrawingTest {
protected:
    CardSlideTest() {
        SetField(fields::kSpeedMoveCard, "0");
        table::CopyBufferToScreen(context);
    }

    int Slide(int fromX, int fromY, int toX, int toY, bool fine = false, bool adjust = false, int card = 5) {
        return table::SlideCard(context, card, fromX, fromY, toX, toY, true, fine, adjust, true);
    }
};

TEST_F(CardSlideTest, FrameCountsFollowTheStep) {
    EXPECT_EQ(Slide(100, 100, 200, 100), 6);   // 19 pixels a frame, the last at the target
    EXPECT_EQ(Slide(200, 100, 200, 600), 11);  // 48 a frame, driven by y
    EXPECT_EQ(Slide(200, 600, 100, 600, true), 20);  // 5 a frame
    EXPECT_EQ(Slide(100, 600, 110, 600, true), 1);   // step 0: straight to the target
    EXPECT_EQ(Slide(100, 600, 200, 600, false, true), 7);  // raised, then dropped
}

TEST_F(CardSlideTest, TheCardLandsOnTheWindowAndInTheBuffer) {
    Slide(100, 100, 300, 250);
    EXPECT_EQ(WindowPixel(330, 290), FaceColour(4));
    EXPECT_EQ(BufferPixel(330, 290), FaceColour(4));
    // The place it left shows the table again; the landed card takes the table's corners.
    EXPECT_EQ(WindowPixel(130, 130), BackgroundColourAt(130, 130));
    EXPECT_EQ(WindowPixel(300, 250), BackgroundColourAt(300, 250));
    EXPECT_EQ(BufferPixel(300 + kCw - 1, 250 + kCh - 1), BackgroundColourAt(300 + kCw - 1, 250 + kCh - 1));
    EXPECT_EQ(mainGame.DragImagePos.x, 300);
    EXPECT_EQ(mainGame.DragImagePos.y, 250);
    // A slide never leaves a card lifted.
    EXPECT_EQ(mainGame.LiftedCard, 0);
    EXPECT_EQ(mainGame.LiftedTopCard, 0);
}

TEST_F(CardSlideTest, WithoutBufferOnlyTheWindowShowsTheCard) {
    table::SlideCard(context, 5, 100, 100, 300, 100, false, false, false, true);
    EXPECT_EQ(WindowPixel(330, 130), FaceColour(4));
    EXPECT_EQ(BufferPixel(330, 130), BackgroundColourAt(330, 130));
}

TEST_F(CardSlideTest, ABackSlidesForCodeMinusOne) {
    Slide(100, 100, 100, 300, true, false, table::kSlideBack);
    EXPECT_EQ(WindowPixel(130, 330), kBackColour);
    EXPECT_EQ(BufferPixel(130, 330), kBackColour);
}

TEST_F(CardSlideTest, ATargetOffTheTableLeavesByThreeCardSizes) {
    Slide(100, 100, -10000, 50);
    EXPECT_EQ(mainGame.DragImagePos.x, -3 * kCw);
    EXPECT_EQ(mainGame.DragImagePos.y, -3 * kCh);
    EXPECT_EQ(WindowPixel(130, 130), BackgroundColourAt(130, 130));
}

TEST_F(CardSlideTest, WaitsTheFrameTimeUnlessFineOrZero) {
    SetField(fields::kSpeedMoveCard, "10");
    const std::uint32_t before = fake.Clock().TotalDelayed();
    Slide(100, 100, 200, 100);  // six frame waits
    EXPECT_EQ(fake.Clock().TotalDelayed() - before, 60u);
    Slide(200, 100, 300, 100, false, true);  // and the drop waits two frames
    EXPECT_EQ(fake.Clock().TotalDelayed() - before, 60u + 80u);
    Slide(300, 100, 100, 100, true);
    EXPECT_EQ(fake.Clock().TotalDelayed() - before, 140u);
    SetField(fields::kSpeedMoveCard, "0");
    Slide(100, 100, 400, 100);
    EXPECT_EQ(fake.Clock().TotalDelayed() - before, 140u);
}

TEST_F(CardSlideTest, TravelsRaisedWithShadowsOffAndPutsTheSettingBack) {
    SetField(fields::kCardsShadowed, "Y");
    layout.SetShadowOffset(9);
    Slide(100, 100, 300, 100, false, true);
    EXPECT_EQ(settings.GetField(fields::kCardsShadowed.position, fields::kCardsShadowed.width), "Y");
    EXPECT_EQ(mainGame.DragImagePos.x, 300);
    EXPECT_EQ(BufferPixel(330, 130), FaceColour(4));
    // No shadow was left on the window beside the landed card.
    EXPECT_EQ(WindowPixel(300 + kCw + 3, 150), BackgroundColourAt(300 + kCw + 3, 150));
}

TEST_F(CardSlideTest, TheViewSlidesThroughTheInstalledSlide) {
    table::TableView view(context, {registers, fake.Random(), {}});
    view.SlideCard(5, 100, 100, 400, 400, true, false, false, true);
    EXPECT_EQ(WindowPixel(430, 430), FaceColour(4));
    EXPECT_EQ(mainGame.DragImagePos.x, 400);
}

}  // namespace

namespace {

int DifferentPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++count;
    return count;
}

// The deal: every card flies from the stock to its place through the slide.
class DealFlightTest : public CardSlideTest {
protected:
    DealFlightTest() {
        SetWord(engine::words::kTableauCount, 3);
        SetWord(engine::words::kStockFaceDown, 1);
        SetWord(engine::words::kTableauFanMode, 1);
        PlaceStockRow(0, 20, 20);
        for (int i = 0; i < 3; ++i) PlaceTableau(i, 150 + 100 * i, 200);
        SetPile(engine::PileListId::kMazzo, 0, {-40, -41, -42});
        SetPile(engine::PileListId::kFila, 0, {-1, 2});
        SetPile(engine::PileListId::kFila, 1, {3});
        SetPile(engine::PileListId::kFila, 2, {-6, -7, 8});
        SetField(fields::kSpeedMoveCard, "10");
    }
};

TEST_F(DealFlightTest, TheAnimatedDealEndsAsAPlainRepaint) {
    table::RepaintTable(context, buffers.BufferCanvas(), false);
    const QImage plain = buffers.TableBuffer().Image().copy();
    PaintTestBackground();
    PlaceStockRow(0, 20, 20);  // the stock's edge is drawn again only from its base
    table::InstallCardSlide(context);
    const std::uint32_t before = fake.Clock().TotalDelayed();
    table::RepaintTable(context, surface.Canvas(), true);
    // Fine steps never wait the frame time: only the deal's own short waits pass.
    const std::uint32_t dealWaits = 100 + 6 * (2 + 1) + 3 * 2;
    EXPECT_EQ(fake.Clock().TotalDelayed() - before, dealWaits);
    EXPECT_EQ(DifferentPixels(buffers.TableBuffer().Image(), plain), 0);
    EXPECT_EQ(WindowPixel(380, 260), FaceColour(7));
}

}  // namespace
