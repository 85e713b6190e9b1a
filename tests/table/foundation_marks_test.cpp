#include "table/draw/foundation_marks.h"

#include <gtest/gtest.h>

#include "engine/model/game_words.h"
#include "engine/files/preference_file.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "table/draw/foundation_highlights.h"
#include "tests/table/drawing_fixture.h"

namespace {

using drawing_test::kCh;
using drawing_test::kCw;
namespace words = engine::words;

TEST(FoundationMarkColourTest, TheFifteenColoursAndBlackOutside) {
    const platform::Colour expected[] = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0xDCB9FF, 0x4646FF, 0x80FFFF, 0xA00000,
                                         0x808000, 0x408000, 0xFF80FF, 0x400080, 0x008080, 0x000080, 0xC0C0C0};
    for (int i = 0; i < 15; ++i) EXPECT_EQ(table::FoundationMarkColour(i), expected[i]) << i;
    for (const int i : {-1, 15, 100, -2147483647}) EXPECT_EQ(table::FoundationMarkColour(i), 0x000000u) << i;
}

class FoundationMarkTest : public ::testing::Test {
protected:
    FoundationMarkTest() : canvas(image) { canvas.FillSolidRect({0, 0, 200, 200}, kCard); }
    static constexpr platform::Colour kCard = platform::Rgb(250, 250, 250);
    platform::Bitmap image{200, 200};
    platform::Canvas canvas;
};

TEST_F(FoundationMarkTest, SolidMarkLiesOnePixelInsideTheCard) {
    canvas.SetBrush({platform::Rgb(1, 2, 3), platform::BrushStyle::Cross});
    table::DrawFoundationMark(10, 20, kCw, false, 3, table::foundation_mark::kSolid, canvas, kCh);
    EXPECT_EQ(canvas.Pixel(10, 20), kCard);
    EXPECT_EQ(canvas.Pixel(11, 21), 0x00FF00u);
    // Without an outline the rectangle stops a pixel short of its right and bottom edges.
    EXPECT_EQ(canvas.Pixel(10 + kCw - 2, 20 + kCh - 2), 0x00FF00u);
    EXPECT_EQ(canvas.Pixel(10 + kCw - 1, 20 + kCh - 2), kCard);
    // The canvas keeps its brush.
    EXPECT_EQ(canvas.Brush(), (platform::CanvasBrush{platform::Rgb(1, 2, 3), platform::BrushStyle::Cross}));
}

TEST_F(FoundationMarkTest, HatchedStylesPaintOnlyTheirLines) {
    table::DrawFoundationMark(0, 0, kCw, true, 1, table::foundation_mark::kCross, canvas, kCh);
    int painted = 0;
    for (int y = 0; y < kCh; ++y)
        for (int x = 0; x < kCw; ++x) painted += canvas.Pixel(x, y) == 0xFF0000u;
    EXPECT_GT(painted, 0);
    EXPECT_LT(painted, kCw * kCh / 2);
    EXPECT_EQ(canvas.Pixel(4, 3), 0xFF0000u);  // the cross hatch's horizontal line
}

TEST_F(FoundationMarkTest, DottedLinesAreACheckerWithClearedCorners) {
    table::DrawFoundationMark(10, 10, kCw, false, 13, table::foundation_mark::kDottedLines, canvas, kCh);
    // Inside the card, every second pixel along each row carries the colour.
    EXPECT_EQ(canvas.Pixel(13, 15), 0x000080u);
    EXPECT_EQ(canvas.Pixel(14, 15), kCard);
    EXPECT_EQ(canvas.Pixel(14, 16), 0x000080u);
    // The mark's own corners are left out, so the card's rounded corners stay clear.
    EXPECT_EQ(canvas.Pixel(11, 11), kCard);
    EXPECT_EQ(canvas.Pixel(10, 10), kCard);
}

TEST_F(FoundationMarkTest, StyleNoneDrawsNothing) {
    table::DrawFoundationMark(0, 0, kCw, false, 1, table::foundation_mark::kNone, canvas, kCh);
    EXPECT_EQ(canvas.Pixel(30, 30), kCard);
}

class FoundationHighlightsTest : public drawing_test::DrawingTest {
protected:
    FoundationHighlightsTest() {
        fake.Folder().WriteFile("DATA/CFG.DAT",
                                "[Preference]\nHighLights_Foundations_Mark=2\nHighLights_Foundations_Color=7\n");
        SetWord(words::kFoundationCount, 2);
        SetWord(words::kMaxFoundationCards, 2);
        for (int i = 0; i < 2; ++i) {
            mainGame.SetFoundationX(i, static_cast<std::int16_t>(100 + 100 * i));
            mainGame.SetFoundationY(i, 50);
            gameDef.SetAt(words::kFoundationFullCount, i, -1);
        }
    }
};

TEST_F(FoundationHighlightsTest, OnlyCompleteFoundationsAreMarked) {
    SetPile(engine::PileListId::kDest, 0, {1, 2});
    SetPile(engine::PileListId::kDest, 1, {14});
    table::DrawFoundationHighlights(context, table::kAllFoundations);
    EXPECT_EQ(BufferPixel(130, 90), 0xA00000u);
    EXPECT_EQ(WindowPixel(130, 90), 0xA00000u);
    EXPECT_EQ(BufferPixel(230, 90), drawing_test::BackgroundColourAt(230, 90));
    ASSERT_EQ(window.invalidated.size(), 1u);
    EXPECT_EQ(window.invalidated[0], (engine::TableRect{100, 50, 100 + kCw, 50 + kCh}));
}

TEST_F(FoundationHighlightsTest, AFoundationsOwnFullCountWins) {
    SetPile(engine::PileListId::kDest, 1, {14});
    gameDef.SetAt(words::kFoundationFullCount, 1, 1);
    table::DrawFoundationHighlights(context, 1);
    EXPECT_EQ(BufferPixel(230, 90), 0xA00000u);
}

TEST_F(FoundationHighlightsTest, OnTheBufferTheMarkFollowsTheScrollPosition) {
    SetPile(engine::PileListId::kDest, 0, {1, 2});
    surface.SetScrollPosition(10);
    table::DrawFoundationHighlights(context, 0);
    EXPECT_EQ(BufferPixel(130, 60 + 1), 0xA00000u);
    EXPECT_EQ(BufferPixel(130, 60), drawing_test::BackgroundColourAt(130, 60));
    EXPECT_EQ(WindowPixel(130, 51), 0xA00000u);
}

}  // namespace
