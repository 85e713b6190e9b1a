#include "table/layout/layout_frame.h"

#include <gtest/gtest.h>

namespace {

using table::ComputeLayoutFrame;
using table::FrameInputs;

FrameInputs Inputs() {
    FrameInputs in;
    in.top = 40;
    in.bottom = 560;
    in.windowHeight = 600;
    in.width = 798;
    in.cardHeight = 96;
    in.screenHeight = 768;
    return in;
}

TEST(LayoutFrameTest, RowsUnderAStockRowOnLineOne) {
    FrameInputs in = Inputs();
    in.stockDigit = 1;
    const auto f = ComputeLayoutFrame(in);
    EXPECT_EQ(f.r1, 65);
    EXPECT_EQ(f.r2, 171);
    EXPECT_EQ(f.r3, 277);
    EXPECT_EQ(f.r4, 383);
    EXPECT_EQ(f.middle, 224);
    EXPECT_EQ(f.Row(6), 224);
    EXPECT_EQ(f.Row(1), 65);
}

TEST(LayoutFrameTest, StockRowOnLineTwoOrStyle003LowersTheSecondRow) {
    FrameInputs in = Inputs();
    in.stockDigit = 2;
    EXPECT_EQ(ComputeLayoutFrame(in).r2, 50 + 10 + 96 + 15);
    in.stockDigit = 0;
    in.stockStyle003 = true;
    EXPECT_EQ(ComputeLayoutFrame(in).r2, 171);
}

TEST(LayoutFrameTest, BottomLineFollowsTheScreenUnlessTheWindowIsTall) {
    FrameInputs in = Inputs();
    in.windowHeight = 600;  // not above 0.8 x 768 = 614.4
    EXPECT_EQ(ComputeLayoutFrame(in).bottom, 642);
    in.windowHeight = 700;
    EXPECT_EQ(ComputeLayoutFrame(in).bottom, 554);
}

TEST(LayoutFrameTest, LowWindowUsesTheSmallRowGap) {
    FrameInputs in = Inputs();
    in.windowHeight = 480;
    const auto f = ComputeLayoutFrame(in);
    EXPECT_EQ(f.rowGap, 5);
    EXPECT_EQ(f.r1, 45);
    EXPECT_EQ(f.r2, 146);
}

TEST(LayoutFrameTest, Style015RowsAreTighterButKeepTheOtherLines) {
    FrameInputs in = Inputs();
    in.tableauStyle015 = true;
    const auto f = ComputeLayoutFrame(in);
    EXPECT_EQ(f.r1, 55);
    EXPECT_EQ(f.r2, 156);
    EXPECT_EQ(f.r3, 257);
    EXPECT_EQ(f.r4, 50 + 106 * 3);  // from the ordinary rows
    EXPECT_EQ(f.middle, 156 + 53);
}

TEST(LayoutFrameTest, CentredBlocksHaveAMinimumTop) {
    FrameInputs in = Inputs();
    auto f = ComputeLayoutFrame(in);
    EXPECT_EQ(f.Block3(1), 146);
    EXPECT_EQ(f.Block3(3), 358);
    EXPECT_EQ(f.Block4(1), 93);
    EXPECT_EQ(f.Block4(4), 411);
    EXPECT_FALSE(f.Block3(4).has_value());
    EXPECT_FALSE(f.Block4(0).has_value());
    in.bottom = 100;
    f = ComputeLayoutFrame(in);
    EXPECT_EQ(f.Block3(1), 42);
    EXPECT_EQ(f.Block4(1), 42);
}

TEST(LayoutFrameTest, EdgeGapGrowsWithTheStockRow) {
    FrameInputs in = Inputs();
    EXPECT_EQ(ComputeLayoutFrame(in).edge, 10);
    in.width = 640;
    EXPECT_EQ(ComputeLayoutFrame(in).edge, 3);
    in.width = 798;
    in.stockRowInUse = true;
    in.shadowOffset = 9;
    EXPECT_EQ(ComputeLayoutFrame(in).edge, 19);
    in.edgeExtra = true;
    EXPECT_EQ(ComputeLayoutFrame(in).edge, 34);
}

TEST(LayoutFrameTest, DigitsOutsideOneToSixNameNoLine) {
    const auto f = ComputeLayoutFrame(Inputs());
    EXPECT_FALSE(f.Row(0).has_value());
    EXPECT_FALSE(f.Row(7).has_value());
    EXPECT_FALSE(f.Row(-1).has_value());
}

TEST(LayoutFrameTest, DivisionByZeroCountsAsOne) {
    EXPECT_EQ(table::DivTrunc(7, 0), 7);
    EXPECT_EQ(table::DivTrunc(-7, 2), -3);
    EXPECT_EQ(table::Half(-5), -2);
}

}  // namespace
