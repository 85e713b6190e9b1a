#include "engine/play/action_executor.h"

#include <gtest/gtest.h>

#include "tests/engine/executor_fixture.h"

namespace {

using engine::PileListId;
using engine::kStockLine;
namespace words = engine::words;

class StockDealsTest : public executor_test::ExecutorFixture {
protected:
    StockDealsTest() {
        Word(words::kTableauCount, 4);
        Set(PileListId::kMazzo, kStockLine, {40, 41, 42, 43, 44, 45, 46, 47});
    }
    void TableauModes(std::initializer_list<int> modes) {
        int i = 0;
        for (const int mode : modes) WordAt(words::kStockToTableauMode, i++, mode);
    }
};

TEST_F(StockDealsTest, AddTableausDealsByEachPilesModeWithModeSixFaceDown) {
    TableauModes({1, 0, 6, 2});
    EXPECT_TRUE(Run(7, "Add_Tableaus"));
    EXPECT_EQ(Pile(PileListId::kFila, 0), Codes({47}));
    EXPECT_EQ(Pile(PileListId::kFila, 1), "") << "mode 0 skips the pile";
    EXPECT_EQ(Pile(PileListId::kFila, 2), Codes({46}));
    EXPECT_EQ(Pile(PileListId::kFila, 3), Codes({45}));
    EXPECT_TRUE(game.Cards().IsFaceDown(46));
    EXPECT_FALSE(game.Cards().IsFaceDown(45));
    EXPECT_EQ(view.slid, std::vector<int>({47, -1, 45})) << "a face-down card slides as a back";
    EXPECT_EQ(Sounds(), std::vector<std::string>({"Shuffle", "Shuffle", "Shuffle"}));
    EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(StockDealsTest, AddOneTableauLeavesModeSixFaceUp) {
    TableauModes({0, 0, 6, 0});
    EXPECT_TRUE(Run(7, "Add_Tableau_03"));
    EXPECT_EQ(Pile(PileListId::kFila, 2), Codes({47}));
    EXPECT_FALSE(game.Cards().IsFaceDown(47));
    EXPECT_EQ(Pile(PileListId::kFila, 0), "");
}

TEST_F(StockDealsTest, ModeSevenSkipsAnEmptyPileAndTheDealStopsWithTheStock) {
    TableauModes({7, 7, 1, 1});
    Set(PileListId::kFila, 1, {1});
    Set(PileListId::kMazzo, kStockLine, {40, 41});
    EXPECT_TRUE(Run(7, "Add_Tableaus"));
    EXPECT_EQ(Pile(PileListId::kFila, 0), "");
    EXPECT_EQ(Pile(PileListId::kFila, 1), Codes({1, 41}));
    EXPECT_EQ(Pile(PileListId::kFila, 2), Codes({40}));
    EXPECT_EQ(Pile(PileListId::kFila, 3), "");
    EXPECT_EQ(Pile(PileListId::kMazzo, kStockLine), "");
}

TEST_F(StockDealsTest, AddTableausLastDealsToEveryPile) {
    EXPECT_TRUE(Run(7, "Add_Tableaus_Last"));
    EXPECT_EQ(Pile(PileListId::kMazzo, kStockLine), Codes({40, 41, 42, 43}));
    EXPECT_EQ(Pile(PileListId::kFila, 3), Codes({44}));
}

TEST_F(StockDealsTest, FanModeEightKeepsABlankInPileZeroForEachCard) {
    Word(words::kTableauFanMode, 8);
    TableauModes({0, 1, 1, 0});
    EXPECT_TRUE(Run(7, "Add_Tableaus"));
    EXPECT_EQ(Pile(PileListId::kFila, 0), "000000");
}

TEST_F(StockDealsTest, ReserveDealsWithModeFiveFaceDownUntilThePassesAreUsed) {
    WordAt(words::kStockToReserveMode, 0, 5);
    WordAt(words::kStockToReserveMode, 1, 1);
    Word(words::kPassLimit, 3);
    game.mainGame.RedealCount = 1;
    EXPECT_TRUE(Run(7, "Add_Reserves"));
    EXPECT_EQ(Pile(PileListId::kAppogg, 0), Codes({47}));
    EXPECT_TRUE(game.Cards().IsFaceDown(47));
    EXPECT_EQ(Pile(PileListId::kAppogg, 1), Codes({46}));
    EXPECT_FALSE(game.Cards().IsFaceDown(46));
    EXPECT_EQ(Pile(PileListId::kAppogg, 2), "");

    EXPECT_TRUE(Run(7, "Add_Reserve_2"));
    EXPECT_EQ(Pile(PileListId::kAppogg, 1), Codes({46, 45}));

    game.mainGame.RedealCount = 3;
    const auto before = Board();
    Run(7, "Add_Reserves");
    EXPECT_EQ(Board(), before);

    // Without a limit (-1) the passes are never used up.
    Word(words::kPassLimit, -1);
    EXPECT_TRUE(Run(7, "Add_Reserve_1"));
    EXPECT_EQ(Pile(PileListId::kAppogg, 0), Codes({47, 44}));
}

TEST_F(StockDealsTest, EmptyStockDealsNothing) {
    TableauModes({1, 1, 1, 1});
    Set(PileListId::kMazzo, kStockLine, {});
    EXPECT_FALSE(Run(7, "Add_Tableaus"));
    EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(StockDealsTest, FillTableausPushesNoStepAndFillsOnlyEmptyPiles) {
    Set(PileListId::kFila, 1, {1});
    Set(PileListId::kFila, 3, {2});
    EXPECT_TRUE(Run(0, "Fill_Tableaus"));
    EXPECT_EQ(Pile(PileListId::kFila, 0), Codes({47}));
    EXPECT_EQ(Pile(PileListId::kFila, 1), Codes({1}));
    EXPECT_EQ(Pile(PileListId::kFila, 2), Codes({46}));
    EXPECT_EQ(Pile(PileListId::kFila, 3), Codes({2}));
    EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(StockDealsTest, BadPileNumbersMatchNoDeal) {
    TableauModes({1, 1, 1, 1});
    const auto before = Board();
    EXPECT_FALSE(Run(7, "Add_Tableau_xx"));
    EXPECT_FALSE(Run(7, "Add_Tableau_29"));
    EXPECT_FALSE(Run(7, "Add_Reserve"));
    EXPECT_EQ(Board(), before);
}

TEST_F(StockDealsTest, SelectionFillPutsTheStockTopOnEachEmptyPile) {
    Set(PileListId::kFila, 1, {1});
    EXPECT_TRUE(Run(0, "Selezionate_Fila"));
    EXPECT_EQ(Pile(PileListId::kFila, 0), Codes({47}));
    EXPECT_EQ(Pile(PileListId::kFila, 2), Codes({46}));
    EXPECT_EQ(Pile(PileListId::kFila, 3), Codes({45}));
    EXPECT_EQ(UndoSteps(), 1) << "the player's move gets its undo step";
}

// --- Closing the gaps (game kind 8) ---

TEST_F(StockDealsTest, GapsCloseTowardsPileZeroAndTheEndFillsFromTheStock) {
    Set(PileListId::kFila, 0, {1});
    Set(PileListId::kFila, 2, {3});
    Set(PileListId::kDest, 0, {1, 3});
    EXPECT_TRUE(Run(0, "Stock_To_Pile_Monte_Carlo"));
    EXPECT_EQ(Pile(PileListId::kFila, 0), Codes({1}));
    EXPECT_EQ(Pile(PileListId::kFila, 1), Codes({3}));
    EXPECT_EQ(Pile(PileListId::kFila, 2), Codes({47}));
    EXPECT_EQ(Pile(PileListId::kFila, 3), Codes({46}));
    EXPECT_EQ(Pile(PileListId::kDest, 0), "") << "the selection is emptied";
    EXPECT_EQ(view.Count("RepaintTable"), 1);
    EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(StockDealsTest, EmptyPilesAtTheEndAreNoGapOnceTheStockIsEmpty) {
    Set(PileListId::kMazzo, kStockLine, {});
    Set(PileListId::kFila, 0, {1});
    Set(PileListId::kFila, 1, {3});
    const auto before = Board();
    EXPECT_TRUE(Run(0, "Stock_To_Pile_Monte_Carlo"));
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(view.Count("RepaintTable"), 0);
    EXPECT_EQ(UndoSteps(), 0);
}

}  // namespace
