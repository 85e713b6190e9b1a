#include "table/draw/stock_thickness.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/model/card_codes.h"
#include "tests/table/drawing_fixture.h"

namespace {

using drawing_test::BottomBorderColour;
using drawing_test::kCh;
using drawing_test::kCw;
using drawing_test::RightBorderColour;

TEST(StockThicknessDepthTest, DepthByCards) {
    const struct {
        int cards;
        int depth;
    } cases[] = {{0, 0},  {1, 0},  {2, 1},  {3, 1},  {4, 2},   {10, 2},  {11, 3},
                 {17, 3}, {18, 4}, {52, 8}, {94, 14}, {95, 15}, {104, 15}, {108, 15}};
    for (const auto& c : cases) EXPECT_EQ(table::StockThicknessDepth(c.cards), c.depth) << c.cards;
}

class PileThicknessTest : public drawing_test::DrawingTest {
protected:
    static std::string Pile(int cards) {
        std::string text;
        for (int i = 0; i < cards; ++i) text += engine::CardCodeText(i % 52 + 1);
        return text;
    }
    void Draw(int cards, bool force = false) {
        table::DrawPileThickness(context, buffers.BufferCanvas(), 0, false, force, static_cast<int>(Pile(cards).size()));
    }
    static constexpr int kBaseX = 300;
    static constexpr int kBaseY = 200;
};

TEST_F(PileThicknessTest, FiftyTwoCardsStandEightPixelsUpAndLeft) {
    PlaceStockRow(0, kBaseX, kBaseY);
    Draw(52);
    EXPECT_EQ(mainGame.GetStockX(0), kBaseX - 8);
    EXPECT_EQ(mainGame.GetStockY(0), kBaseY - 8);
    // The bottom edge: border rows 7-15, 9 rows, from the card's last row down.
    const int top = kBaseY + kCh - 16 + 15 - 8;
    for (int r = 0; r < 9; ++r) EXPECT_EQ(BufferPixel(kBaseX + 20, top + r), BottomBorderColour(7 + r)) << r;
    EXPECT_EQ(BufferPixel(kBaseX + 20, top + 9), drawing_test::BackgroundColourAt(kBaseX + 20, top + 9));
    // The border's first column is pure blue and leaves the table showing.
    EXPECT_EQ(BufferPixel(kBaseX - 13, top), drawing_test::BackgroundColourAt(kBaseX - 13, top));
    // The right edge: border columns 7-15.
    const int left = kBaseX + kCw - 16 + 15 - 8;
    for (int c = 0; c < 9; ++c) EXPECT_EQ(BufferPixel(left + c, kBaseY + 20), RightBorderColour(7 + c)) << c;
}

TEST_F(PileThicknessTest, HundredAndFourCardsReachTheMaximum) {
    PlaceStockRow(0, kBaseX, kBaseY);
    Draw(104);
    EXPECT_EQ(mainGame.GetStockX(0), kBaseX - 15);
    EXPECT_EQ(mainGame.GetStockY(0), kBaseY - 15);
    const int top = kBaseY + kCh - 16;
    for (int r = 0; r < 16; ++r) EXPECT_EQ(BufferPixel(kBaseX + 20, top + r), BottomBorderColour(r)) << r;
}

TEST_F(PileThicknessTest, NothingWhenThePileAlreadyLiesThereUnlessForced) {
    PlaceStockRow(0, kBaseX, kBaseY);
    Draw(52);
    const int x = kBaseX + 20;
    const int y = kBaseY + kCh - 1;
    buffers.BufferCanvas().SetPixel(x, y, 0);
    Draw(52);
    EXPECT_EQ(BufferPixel(x, y), 0u);
    Draw(52, true);
    EXPECT_EQ(BufferPixel(x, y), BottomBorderColour(15));
}

TEST_F(PileThicknessTest, AThinnerPileCleansWhatTheThickerOneDrew) {
    PlaceStockRow(0, kBaseX, kBaseY);
    Draw(104);
    Draw(10);  // depth 2
    EXPECT_EQ(mainGame.GetStockX(0), kBaseX - 2);
    // Above and left of the thinner pile the table shows again.
    EXPECT_EQ(BufferPixel(kBaseX - 10, kBaseY - 10), drawing_test::BackgroundColourAt(kBaseX - 10, kBaseY - 10));
    EXPECT_EQ(BufferPixel(kBaseX - 14, kBaseY + 50), drawing_test::BackgroundColourAt(kBaseX - 14, kBaseY + 50));
}

TEST_F(PileThicknessTest, APileOffTheTableIsLeftAlone) {
    mainGame.StockBase.x[0] = engine::kAbsentPileX;
    Draw(52);
    EXPECT_EQ(mainGame.GetStockX(0), engine::kAbsentPileX);
}

}  // namespace
