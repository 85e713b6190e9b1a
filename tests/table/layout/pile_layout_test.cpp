#include "table/layout/pile_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/rules/drop_targets.h"
#include "engine/model/game_record.h"
#include "engine/model/table_object.h"
#include "table/layout/table_geometry.h"

namespace {

namespace words = engine::words;

constexpr int kCw = 71;
constexpr int kCh = 96;

// Big cards, a 1024 x 768 screen, the area from y 40 to 560 of an 800-pixel-wide,
// 600-pixel-high window; every group absent until a test names it.
class PileLayoutTest : public ::testing::Test {
protected:
    struct Group {
        std::string code = "0000";
        int count = 0;
    };

    void Run() {
        const table::LayoutTarget target{mainGame, geometry, def, screen, scroll};
        table::LayoutGroups groups;
        groups.stockRow = {stock.code, stock.count};
        groups.foundations = {foundations.code, foundations.count};
        groups.tableau = {tableau.code, tableau.count};
        groups.reserves = {reserves.code, reserves.count};
        groups.thirdPile = {third.code, third.count};
        table::ComputePileLayout(target, groups, area);
    }

    std::vector<int> TableauXs(int n) const {
        std::vector<int> xs;
        for (int i = 0; i < n; ++i) xs.push_back(geometry.TableauX(i));
        return xs;
    }

    engine::TMainGame mainGame;
    table::TableGeometry geometry;
    engine::GameDefRecord def;
    table::LayoutScreen screen{1024, 768};
    int scroll = 0;
    table::LayoutArea area{800, 600, 560, 0, 40};
    Group stock, foundations, tableau, reserves, third;
};

// --- Tableau, general styles -----------------------------------------------------------

TEST_F(PileLayoutTest, Style001SpreadsSevenPilesWithTheGapCutTo20) {
    tableau = {"2001", 7};
    Run();
    EXPECT_EQ(TableauXs(7), (std::vector<int>{90, 181, 272, 363, 454, 545, 636}));
    EXPECT_EQ(geometry.TableauY(0), 156);
    EXPECT_EQ(geometry.TableauY(6), 156);
    EXPECT_EQ(geometry.TableauX(7), engine::kAbsentTableauX);
}

TEST_F(PileLayoutTest, Style014NarrowsTheGapWhenThePilesReachTheEdge) {
    area.width = 790;  // 788 after the cut
    geometry.SetShadowOffset(9);
    stock = {"1000", 1};
    tableau = {"2014", 10};
    Run();
    std::vector<int> expected;
    for (int i = 0; i < 10; ++i) expected.push_back(19 + i * 76);
    EXPECT_EQ(TableauXs(10), expected);
    EXPECT_EQ(geometry.TableauX(9), 703);
}

TEST_F(PileLayoutTest, Style014KeepsRoomBesideAStockRowOfStyle004) {
    area.width = 790;
    stock = {"1004", 2};
    tableau = {"2014", 10};
    Run();
    // e = 10 + 15; the gap narrows from 7 to 5; pile 1 keeps 15 beside the stock row.
    EXPECT_EQ(geometry.TableauX(0), 25);
    EXPECT_EQ(geometry.TableauX(1) - geometry.TableauX(0), kCw + 15);
    EXPECT_EQ(geometry.TableauX(2) - geometry.TableauX(1), kCw + 5);
}

TEST_F(PileLayoutTest, Style003CutsAWideGapTo15AndLeavesRoomForTheStock) {
    area.width = 1000;
    tableau = {"2003", 8};
    Run();
    EXPECT_EQ(geometry.TableauX(0), 200);
    EXPECT_EQ(geometry.TableauX(1) - geometry.TableauX(0), kCw + 15);
}

TEST_F(PileLayoutTest, Style002CentresAtAFixedGap) {
    tableau = {"3002", 7};
    Run();
    EXPECT_EQ(geometry.TableauX(0), 120);
    EXPECT_EQ(geometry.TableauX(1), 201);
    EXPECT_EQ(geometry.TableauY(3), 262);
}

TEST_F(PileLayoutTest, Style013StartsAtAFixedLeftEdge) {
    tableau = {"2013", 3};
    Run();
    EXPECT_EQ(TableauXs(3), (std::vector<int>{48, 123, 198}));
    geometry.SetShadowOffset(9);
    screen.height = 480;
    Run();
    EXPECT_EQ(geometry.TableauX(0), 8);
}

TEST_F(PileLayoutTest, Style010GridLinesFollowTheThreeLineBlock) {
    def.SetWord(words::kGridRows, 2);
    tableau = {"1010", 6};
    Run();
    EXPECT_EQ(TableauXs(6), (std::vector<int>{15, 146, 277, 15, 146, 277}));
    EXPECT_EQ(geometry.TableauY(0), 146);
    EXPECT_EQ(geometry.TableauY(2), 146);
    EXPECT_EQ(geometry.TableauY(3), 252);
}

TEST_F(PileLayoutTest, Style018GridStartsOnTheFourLineBlockOfItsDigit) {
    def.SetWord(words::kGridRows, 2);
    tableau = {"2018", 4};
    Run();
    // Two piles a line: gap (798 - 142 - 2) / 3 = 218.
    EXPECT_EQ(TableauXs(4), (std::vector<int>{20, 309, 20, 309}));
    EXPECT_EQ(geometry.TableauY(0), 199);
    EXPECT_EQ(geometry.TableauY(2), 305);
}

TEST_F(PileLayoutTest, AnUnknownTableauStyleWritesOnlyTheFirstY) {
    tableau = {"2099", 4};
    Run();
    EXPECT_EQ(geometry.TableauY(0), 156);
    EXPECT_EQ(geometry.TableauX(0), engine::kAbsentTableauX);
    EXPECT_EQ(geometry.TableauY(1), engine::kAbsentTableauX);
}

// --- Fixed shapes ------------------------------------------------------------------------

TEST_F(PileLayoutTest, Style052IsACrossWithFoundationsInTheCorners) {
    tableau = {"1052", 5};
    Run();
    EXPECT_EQ(geometry.TableauX(1), 257);
    EXPECT_EQ(geometry.TableauX(0), 363);
    EXPECT_EQ(geometry.TableauX(3), 469);
    EXPECT_EQ(geometry.TableauY(0), 121);
    EXPECT_EQ(geometry.TableauY(2), 252);
    EXPECT_EQ(geometry.TableauY(4), 383);
    for (int i : {5, 6, 7}) EXPECT_EQ(geometry.TableauX(i), engine::kAbsentPileX);
    EXPECT_EQ(mainGame.GetStockX(0), 116);
    EXPECT_EQ(mainGame.GetStockY(0), 121);
    EXPECT_EQ(mainGame.GetStockX(1), 116);
    EXPECT_EQ(mainGame.GetStockY(1), 252);
    EXPECT_EQ(mainGame.GetFoundationX(0), 264);
    EXPECT_EQ(mainGame.GetFoundationY(0), 128);
    EXPECT_EQ(mainGame.GetFoundationX(3), 462);
    EXPECT_EQ(mainGame.GetFoundationY(3), 376);
}

TEST_F(PileLayoutTest, Style124IsAThreeByThreeBlock) {
    tableau = {"1124", 9};
    Run();
    EXPECT_EQ(geometry.TableauX(0), 277);
    EXPECT_EQ(geometry.TableauY(0), 141);
    EXPECT_EQ(geometry.TableauX(4), 277 + kCw + 15);
    EXPECT_EQ(geometry.TableauY(4), 141 + kCh + 15);
    EXPECT_EQ(geometry.TableauY(8), 141 + 2 * (kCh + 15));
}

TEST_F(PileLayoutTest, Style123PlacesTheThirdPileOnlyWhenItIsInUse) {
    tableau = {"1123", 16};
    Run();
    EXPECT_EQ(mainGame.GetStockX(2), engine::kAbsentPileX);
    EXPECT_EQ(geometry.TableauX(0), 237);  // half(798 - 284 - 30 - 10)
    third = {"0000", 1};
    Run();
    // h = 5: x0 = half(798 - 426 - 20 - 10) = 171; y0 = 40 + half(520 - 399) = 100.
    EXPECT_EQ(geometry.TableauX(0), 171);
    EXPECT_EQ(mainGame.GetStockX(2), 171 + 3 * (kCw + 5) + 5 + 2 * kCw);
    EXPECT_EQ(mainGame.GetStockY(2), 100 + (kCh + 5) + 50);
}

TEST_F(PileLayoutTest, Style127PlacesAColumnAndTheThirdPile) {
    tableau = {"1127", 4};
    Run();
    // x0 = half(798 - 568 - 30) = 100; y0 = 40 + half(520 - 399) = 100, at least R1.
    EXPECT_EQ(geometry.TableauX(3), 100);
    EXPECT_EQ(geometry.TableauY(3), 100 + 3 * (kCh + 5));
    EXPECT_EQ(mainGame.GetStockX(2), 100 + 7 * kCw + 5);
    EXPECT_EQ(mainGame.GetStockY(2), 201 + 50);
}

TEST_F(PileLayoutTest, Style126CentresTheOuterRowsOverTheMiddleOne) {
    tableau = {"1126", 13};
    Run();
    const int middle = (798 - 5 * kCw - 20) / 2;
    EXPECT_EQ(geometry.TableauX(4), middle);
    EXPECT_EQ(geometry.TableauX(0), middle + (kCw + 5) / 2);
    EXPECT_EQ(geometry.TableauX(9), geometry.TableauX(0));
    EXPECT_EQ(geometry.TableauY(9) - geometry.TableauY(0), 2 * (kCh + 5));
    EXPECT_EQ(geometry.TableauY(8), geometry.TableauY(4));
}

TEST_F(PileLayoutTest, Style130PutsTenFoundationsOverTwoRows) {
    tableau = {"1130", 20};
    Run();
    EXPECT_EQ(mainGame.GetFoundationX(0), 21);
    EXPECT_EQ(mainGame.GetFoundationY(0), 111);
    EXPECT_EQ(mainGame.GetFoundationX(9), 21 + 9 * 76);
    EXPECT_EQ(geometry.TableauX(10), 21);
    EXPECT_EQ(geometry.TableauY(0), 222);
    EXPECT_EQ(geometry.TableauY(19), 378);
}

TEST_F(PileLayoutTest, Style054IsAStaircase) {
    mainGame.SideBySideGap = 6;
    tableau = {"1054", 7};
    Run();
    EXPECT_EQ(TableauXs(7), (std::vector<int>{363, 325, 287, 249, 211, 173, 135}));
    EXPECT_EQ(geometry.TableauY(0), 50);
    EXPECT_EQ(geometry.TableauY(7), 50 + 7 * 52);
    EXPECT_EQ(mainGame.GetStockX(0), 40);
    EXPECT_EQ(mainGame.GetStockY(1), 166);
    EXPECT_EQ(mainGame.GetStockX(2), 689);
}

TEST_F(PileLayoutTest, Style054MovesRightUntilThePilesClearTheStock) {
    area.width = 402;  // x0 = 165: x5 = -25 is under the stock at first
    tableau = {"1054", 7};
    Run();
    EXPECT_GT(geometry.TableauX(5), 40 + kCw + 3);
    EXPECT_LE(geometry.TableauX(5), 40 + kCw + 6);
}

TEST_F(PileLayoutTest, Style053IsACentredGridWithTheThirdPileBelow) {
    def.SetWord(words::kGridRows, 2);
    tableau = {"1053", 8};
    Run();
    EXPECT_EQ(TableauXs(4), (std::vector<int>{20, 197, 374, 551}));
    EXPECT_EQ(geometry.TableauY(0), 85);
    EXPECT_EQ(geometry.TableauY(4), 191);
    EXPECT_EQ(mainGame.GetStockX(2), 20);
    EXPECT_EQ(mainGame.GetStockY(2), 418);
}

TEST_F(PileLayoutTest, FixedShapesLeaveWhatTheyDoNotNameAsItWas) {
    mainGame.SetReserveX(0, 5);
    mainGame.SetReserveY(0, 6);
    mainGame.SetFoundationX(5, 7);
    mainGame.SetStockX(2, 8);
    reserves = {"1004", 1};
    foundations = {"1001", 8};
    stock = {"1000", 2};
    tableau = {"1052", 5};
    Run();
    EXPECT_EQ(mainGame.GetReserveX(0), 5);
    EXPECT_EQ(mainGame.GetReserveY(0), 6);
    EXPECT_EQ(mainGame.GetFoundationX(5), 7);
    EXPECT_EQ(mainGame.GetStockX(2), 8);
}

// --- Stock row, foundations, reserves, third pile ----------------------------------------

TEST_F(PileLayoutTest, StockRowStyle021SitsLeftOfTheTableau) {
    stock = {"1021", 2};
    tableau = {"2001", 7};
    Run();
    EXPECT_EQ(mainGame.GetStockY(0), 65);
    EXPECT_EQ(mainGame.GetStockX(1), 90 - kCw - 15);
    EXPECT_EQ(mainGame.GetStockY(1), 65);
    EXPECT_EQ(mainGame.GetStockX(0), 90 - kCw - 15 - kCw - 20);
}

TEST_F(PileLayoutTest, StockRowStyle005LaysEveryStockRowPileFromTheEdge) {
    geometry.SetShadowOffset(9);
    stock = {"1005", 3};
    Run();
    // e = 10 + 9 + 15.
    EXPECT_EQ(mainGame.GetStockX(0), 34);
    EXPECT_EQ(mainGame.GetStockX(1), 34 + 34 + kCw);
    EXPECT_EQ(mainGame.GetStockX(2), 34 + 2 * (34 + kCw));
    EXPECT_EQ(mainGame.GetStockY(2), 65);
}

TEST_F(PileLayoutTest, StockRowStyle004ChoosesByTheStockFlags) {
    stock = {"1004", 2};
    tableau = {"2001", 7};
    def.SetWord(words::kStockLineFlag, 1);
    def.SetWord(words::kStockToWaste, 1);
    Run();
    EXPECT_EQ(mainGame.GetStockX(0), geometry.TableauX(0));
    EXPECT_EQ(mainGame.GetStockX(1), geometry.TableauX(1));
    EXPECT_EQ(mainGame.GetStockY(1), mainGame.GetStockY(0));
}

TEST_F(PileLayoutTest, AWasteLeftUnplacedTakesTheStocksY) {
    stock = {"1000", 1};
    Run();
    EXPECT_EQ(mainGame.GetStockY(0), 65);
    EXPECT_EQ(mainGame.GetStockY(1), 65);
    EXPECT_EQ(mainGame.GetStockX(1), engine::kAbsentPileX);
}

TEST_F(PileLayoutTest, FoundationStyles) {
    tableau = {"2001", 7};
    foundations = {"1008", 4};
    Run();
    EXPECT_EQ(mainGame.GetFoundationX(3), 798 - kCw - 10 - 5);
    EXPECT_EQ(mainGame.GetFoundationX(2), 712 - 10 - kCw);
    EXPECT_EQ(mainGame.GetFoundationY(0), 50);

    foundations = {"1007", 4};
    Run();
    EXPECT_EQ(mainGame.GetFoundationX(0), geometry.TableauX(3));
    EXPECT_EQ(mainGame.GetFoundationX(3), geometry.TableauX(6));

    foundations = {"1009", 2};
    Run();  // q = 20 / 3
    EXPECT_EQ(mainGame.GetFoundationX(1), 636);
    EXPECT_EQ(mainGame.GetFoundationX(0), 636 - 6 - kCw);

    foundations = {"1001", 4};
    Run();  // q = (798 - 284 - 2) / 5
    EXPECT_EQ(mainGame.GetFoundationX(0), 102);
    EXPECT_EQ(mainGame.GetFoundationX(1), 102 + kCw + 102);
}

TEST_F(PileLayoutTest, Foundation017FollowsTheWaste) {
    stock = {"1021", 2};
    tableau = {"2001", 7};
    foundations = {"3017", 2};
    def.SetWord(words::kStockToWaste, 1);
    Run();
    EXPECT_EQ(mainGame.GetFoundationX(0), mainGame.GetStockX(1) + kCw + 20);
    EXPECT_EQ(mainGame.GetFoundationX(1), mainGame.GetFoundationX(0) + 3 + kCw);
    EXPECT_EQ(mainGame.GetFoundationY(1), mainGame.GetStockY(1));
}

TEST_F(PileLayoutTest, ReserveDigitFiveIsTheBottomLineAndSixTheMiddle) {
    tableau = {"2001", 7};
    reserves = {"5004", 2};
    Run();
    EXPECT_EQ(mainGame.GetReserveY(0), 642);
    EXPECT_EQ(mainGame.GetReserveX(1), geometry.TableauX(1));
    reserves = {"6004", 2};
    Run();
    EXPECT_EQ(mainGame.GetReserveY(1), 209);
}

TEST_F(PileLayoutTest, ReserveDigitZeroNamesNoLine) {
    tableau = {"2001", 7};
    reserves = {"0004", 2};
    Run();
    EXPECT_EQ(mainGame.GetReserveX(0), engine::kAbsentReserveX);
    EXPECT_EQ(mainGame.GetReserveY(0), engine::kAbsentReserveX);
}

TEST_F(PileLayoutTest, ThirdPileStyles) {
    stock = {"1000", 1};
    tableau = {"2001", 7};
    third = {"3006", 1};
    Run();
    EXPECT_EQ(mainGame.GetStockX(2), geometry.TableauX(1));
    EXPECT_EQ(mainGame.GetStockY(2), 277);
    third = {"2016", 1};
    mainGame.SetStockX(0, 30);
    Run();
    EXPECT_EQ(mainGame.GetStockX(2), 30);
    EXPECT_EQ(mainGame.GetStockY(2), 65 + kCh + 20);
}

// --- The second pass ---------------------------------------------------------------------

TEST_F(PileLayoutTest, ReservesFromTheEdgeMoveALineOfStyle002Right) {
    tableau = {"2002", 7};
    reserves = {"2005", 2};
    Run();
    EXPECT_EQ(mainGame.GetReserveX(1), 91);
    EXPECT_EQ(geometry.TableauX(0), 91 + kCw + 86);
    const int rx = mainGame.GetReserveX(1);
    const int ry = mainGame.GetReserveY(1);
    for (int i = 0; i < 7; ++i) {
        const int x = geometry.TableauX(i);
        const int y = geometry.TableauY(i);
        EXPECT_FALSE(engine::RectsOverlap(rx, ry, rx + kCw, ry + kCh, x - 85, y, x + kCw + 85, y + kCh)) << i;
    }
}

TEST_F(PileLayoutTest, ASecondPassThatCannotMoveTheTableauRunsOnlyOnce) {
    tableau = {"2001", 7};
    reserves = {"2005", 2};
    Run();  // returns: the overlap found again is not chased
    EXPECT_EQ(geometry.TableauX(0), 90);
    EXPECT_EQ(mainGame.GetReserveX(1), 91);
}

// --- Scroll position ---------------------------------------------------------------------

TEST_F(PileLayoutTest, TheScrollPositionBecomesTheTableOffset) {
    scroll = 30;
    stock = {"1021", 2};
    tableau = {"2001", 7};
    mainGame.TableTopOffset = 12;
    Run();
    EXPECT_EQ(mainGame.TableTopOffset, 30);
    EXPECT_EQ(mainGame.GetStockY(0), 65 - 30);
    EXPECT_EQ(mainGame.StockBase.y[0], 65 - 30);
    EXPECT_EQ(mainGame.StockBase.x[1], 4);
    EXPECT_EQ(geometry.TableauY(0), 171);  // stored in table coordinates
}

// --- Words the layout cannot use ----------------------------------------------------------

TEST_F(PileLayoutTest, GridWithoutALineCountIsOneLine) {
    tableau = {"1010", 4};
    Run();
    EXPECT_EQ(TableauXs(4), (std::vector<int>{15, 146, 277, 408}));
    EXPECT_EQ(geometry.TableauY(3), 146);
}

TEST_F(PileLayoutTest, GridWithFewerPilesThanLinesPutsAPileOnEachLine) {
    def.SetWord(words::kGridRows, 4);
    tableau = {"4018", 2};
    Run();
    EXPECT_EQ(geometry.TableauY(0), 411);
    // A fifth line does not exist: the pile stays where it was.
    EXPECT_EQ(geometry.TableauX(1), engine::kAbsentTableauX);
    EXPECT_EQ(geometry.TableauY(1), engine::kAbsentTableauX);
}

TEST_F(PileLayoutTest, CentredGridWithoutALineCountIsOneLine) {
    tableau = {"1053", 3};
    Run();
    EXPECT_EQ(geometry.TableauY(2), geometry.TableauY(0));
    EXPECT_GT(geometry.TableauX(2), geometry.TableauX(1));
}

TEST_F(PileLayoutTest, FoundationsOverMissingTableauPilesStayWhereTheyWere) {
    tableau = {"2001", 2};
    foundations = {"1007", 4};
    Run();
    EXPECT_EQ(mainGame.GetFoundationX(0), engine::kAbsentFoundationX);
    EXPECT_EQ(mainGame.GetFoundationX(1), engine::kAbsentFoundationX);
    EXPECT_EQ(mainGame.GetFoundationX(2), geometry.TableauX(0));
    EXPECT_EQ(mainGame.GetFoundationX(3), geometry.TableauX(1));
    EXPECT_EQ(mainGame.GetFoundationY(0), 50);  // the first y, whatever the count
}

TEST_F(PileLayoutTest, FoundationGapAfterATableauWithoutAGapOfItsOwn) {
    tableau = {"2013", 4};
    foundations = {"1009", 2};
    Run();
    EXPECT_EQ(mainGame.GetFoundationX(1), 273);
    EXPECT_EQ(mainGame.GetFoundationX(0), 273 - 1 - kCw);
}

TEST_F(PileLayoutTest, CountsBeyondThePositionArraysAreIgnored) {
    tableau = {"2001", 200};
    foundations = {"1001", 40};
    reserves = {"1005", 40};
    Run();
    EXPECT_EQ(geometry.TableauY(29), 156);
    EXPECT_EQ(mainGame.GetFoundationY(15), 50);
}

TEST_F(PileLayoutTest, ARowDigitThatNamesNoLineLeavesTheGroupWhereItWas) {
    tableau = {"7001", 7};
    Run();
    EXPECT_EQ(geometry.TableauX(0), engine::kAbsentTableauX);
    EXPECT_EQ(geometry.TableauY(0), engine::kAbsentTableauX);
    tableau = {"-001", 7};
    Run();
    EXPECT_EQ(geometry.TableauY(0), engine::kAbsentTableauX);
}

TEST_F(PileLayoutTest, Style020IsCentredUnderTheFoundations) {
    tableau = {"2020", 3};
    foundations = {"1001", 4};
    Run();
    const int fx0 = mainGame.GetFoundationX(0);
    const int span = mainGame.GetFoundationX(3) + kCw - fx0;
    EXPECT_EQ(geometry.TableauX(0), fx0 + (span - 3 * kCw - 20) / 2);
    EXPECT_EQ(geometry.TableauX(1), geometry.TableauX(0) + kCw + 10);
    foundations = {"1001", 0};
    tableau = {"2020", 3};
    geometry.SetTableauX(0, 1);
    Run();  // no last foundation to centre under
    EXPECT_EQ(geometry.TableauX(0), 1);
}

}  // namespace
