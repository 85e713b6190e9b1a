#include "engine/play/action_executor.h"

#include <gtest/gtest.h>

#include "tests/engine/executor_fixture.h"
#include "engine/model/game_kinds.h"

namespace {

using engine::PileListId;
using engine::kStockLine;
using engine::kThirdStockLine;
using engine::kWasteLine;
namespace words = engine::words;

class StockActionTest : public executor_test::ExecutorFixture {
protected:
    StockActionTest() { Word(words::kPassLimit, -1); }
};

TEST_F(StockActionTest, DealsCardsPerPressAndStopsWhenTheStockRunsOut) {
    Word(words::kCardsPerStockPress, 3);
    Set(PileListId::kMazzo, kStockLine, {4, 5});
    FaceDown(4);
    FaceDown(5);
    EXPECT_TRUE(Run(0, "Mazzo_Vis"));
    EXPECT_EQ(Pile(PileListId::kMazzo, kStockLine), "");
    EXPECT_EQ(Pile(PileListId::kMazzo, kWasteLine), Codes({5, 4})) << "the top card first";
    EXPECT_EQ(game.Cards().FaceFlag(4), engine::kFaceUp);
    EXPECT_EQ(game.Cards().FaceFlag(5), engine::kFaceUp);
    EXPECT_EQ(UndoSteps(), 1);
    EXPECT_EQ(Sounds(), std::vector<std::string>({"Stock", "Stock"}));
    EXPECT_EQ(view.Count("SlideCard"), 2);
}

TEST_F(StockActionTest, OtherStockActionsDealToTheDiscardLine) {
    Set(PileListId::kMazzo, kStockLine, {4, 5});
    SetField(engine::fields::kCardsAnimate, "N");
    EXPECT_TRUE(Run(5, "Mazzo_Waste"));
    EXPECT_EQ(Pile(PileListId::kMazzo, kThirdStockLine), Codes({5}));
    EXPECT_EQ(Pile(PileListId::kMazzo, kWasteLine), "");
    EXPECT_EQ(view.Count("SlideCard"), 0) << "no slide with Cards_Animate off";
}

TEST_F(StockActionTest, NoCardsPerPressDealsNothing) {
    Word(words::kCardsPerStockPress, 0);
    Set(PileListId::kMazzo, kStockLine, {4});
    EXPECT_FALSE(Run(0, "Mazzo_Vis"));
    EXPECT_EQ(Pile(PileListId::kMazzo, kStockLine), Codes({4}));
    EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(StockActionTest, KindTwentyEightCountsItsDealsInTheLog) {
    Word(words::kGameKind, engine::game_kind::kCountsStockDeals);
    Set(PileListId::kMazzo, kStockLine, {4, 5});
    EXPECT_TRUE(Run(0, "Mazzo_Vis"));
    EXPECT_EQ(game.registers.GetIntReg(engine::kStockDealCountReg), 1);
    EXPECT_EQ(game.registers.LastLogEntry(engine::kUndoMoveLog), "002");
}

// --- The redeal by the waste (Redeals 0 or less) ---

TEST_F(StockActionTest, FirstPressOnTheEmptyStockOnlyShowsTheMark) {
    Set(PileListId::kMazzo, kWasteLine, {1, 2, 3});
    const auto before = Board();
    EXPECT_FALSE(Run(0, "Mazzo_Vis"));
    EXPECT_EQ(game.mainGame.StockHighlightShown, 1);
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(UndoSteps(), 0);
    EXPECT_EQ(game.mainGame.RedealCount, 0);
}

TEST_F(StockActionTest, SecondPressTurnsTheWasteOverAndDeals) {
    Set(PileListId::kMazzo, kWasteLine, {1, 2, 3});
    game.mainGame.StockHighlightShown = 1;
    EXPECT_TRUE(Run(0, "Mazzo_Vis"));
    EXPECT_EQ(game.mainGame.RedealCount, 1);
    // The waste's bottom card ends on the stock's top and is dealt at once.
    EXPECT_EQ(Pile(PileListId::kMazzo, kStockLine), Codes({3, 2}));
    EXPECT_EQ(Pile(PileListId::kMazzo, kWasteLine), Codes({1}));
    EXPECT_EQ(UndoSteps(), 1) << "one step for the redeal and its deal";
    EXPECT_EQ(Sounds(), std::vector<std::string>({"Redeal", "Stock"}));
    EXPECT_EQ(sound.Events().front().mode, platform::SoundMode::Looping);
}

TEST_F(StockActionTest, RedealTurnsCardsFaceDownInAFaceDownStock) {
    Word(words::kStockFaceDown, 1);
    Word(words::kCardsPerStockPress, 0);
    SetField(engine::fields::kRedealAnimation, "N");
    Set(PileListId::kMazzo, kWasteLine, {1, 2});
    game.mainGame.StockHighlightShown = 1;
    EXPECT_TRUE(Run(0, "Mazzo_Vis")) << "the board changed though nothing was dealt";
    EXPECT_EQ(Pile(PileListId::kMazzo, kStockLine), Codes({2, 1}));
    EXPECT_TRUE(game.Cards().IsFaceDown(1));
    EXPECT_TRUE(game.Cards().IsFaceDown(2));
    EXPECT_EQ(Sounds(), std::vector<std::string>({"Red_no_a"}));
    EXPECT_EQ(view.Count("SlideCard"), 0);
}

TEST_F(StockActionTest, RedealSlidesEachCardAsTheStockShowsIt) {
    // A face-down stock under a face-up waste: backs travel, no face is left on the stock.
    Word(words::kStockFaceDown, 1);
    Word(words::kCardsPerStockPress, 0);
    Set(PileListId::kMazzo, kWasteLine, {1, 2, 3});
    game.mainGame.StockHighlightShown = 1;
    EXPECT_TRUE(Run(0, "Mazzo_Vis"));
    EXPECT_EQ(view.slid, std::vector<int>({-1, -1, -1}));

    // A face-up stock under a face-down waste: the faces travel, top card first.
    view.slid.clear();
    Word(words::kStockFaceDown, 0);
    Word(words::kWasteFaceDown, 1);
    Set(PileListId::kMazzo, kStockLine, {});
    Set(PileListId::kMazzo, kWasteLine, {4, 5});
    game.mainGame.StockHighlightShown = 1;
    EXPECT_TRUE(Run(0, "Mazzo_Vis"));
    EXPECT_EQ(view.slid, std::vector<int>({5, 4}));
}

TEST_F(StockActionTest, NoRedealPastThePassLimitOrWithOneWasteCard) {
    Word(words::kPassLimit, 2);
    game.mainGame.RedealCount = 2;
    game.mainGame.StockHighlightShown = 1;
    Set(PileListId::kMazzo, kWasteLine, {1, 2});
    EXPECT_FALSE(Run(0, "Mazzo_Vis"));
    EXPECT_EQ(Pile(PileListId::kMazzo, kWasteLine), Codes({1, 2}));

    Word(words::kPassLimit, -1);
    Set(PileListId::kMazzo, kWasteLine, {1});
    EXPECT_FALSE(Run(0, "Mazzo_Vis"));
    EXPECT_EQ(Pile(PileListId::kMazzo, kWasteLine), Codes({1}));
    EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(StockActionTest, KindFourTakesTheRedealtTopCardOutOfTheSelection) {
    Word(words::kGameKind, engine::game_kind::kPairsOf13);
    Word(words::kCardsPerStockPress, 0);
    Set(PileListId::kMazzo, kWasteLine, {1, 2});
    Set(PileListId::kDest, 0, {9, 1});
    game.mainGame.StockHighlightShown = 1;
    Run(0, "Mazzo_Vis");
    EXPECT_EQ(Pile(PileListId::kDest, 0), Codes({9}));
}

// --- The redeal counted at the empty stock (Redeals 1 or more) ---

TEST_F(StockActionTest, CountedRedealTurnsTheWasteBackOntoTheStock) {
    Word(words::kRedeals, 1);
    Word(words::kPassLimit, 3);
    game.mainGame.RedealCount = 1;
    Set(PileListId::kMazzo, kWasteLine, {1, 2, 3});
    EXPECT_FALSE(Run(0, "Mazzo_Redeal")) << "the press shows the mark";
    EXPECT_EQ(game.mainGame.StockHighlightShown, 1);
    EXPECT_EQ(game.mainGame.RedealCount, 1);

    game.undo.PushUndoSnapshot(false, 0);
    EXPECT_TRUE(Run(0, "Mazzo_Vis"));
    EXPECT_EQ(game.mainGame.RedealCount, 2);
    EXPECT_EQ(Pile(PileListId::kMazzo, kStockLine), Codes({3, 2, 1}));
    EXPECT_EQ(Pile(PileListId::kMazzo, kWasteLine), "") << "no deal follows a counted redeal";
    EXPECT_EQ(UndoSteps(), 1);
    EXPECT_EQ(RedoSteps(), 0);
}

TEST_F(StockActionTest, CountedRedealWithNothingToTurnLeavesNoStep) {
    Word(words::kRedeals, 1);
    game.mainGame.StockHighlightShown = 1;
    EXPECT_FALSE(Run(0, "Mazzo_Vis"));
    EXPECT_EQ(game.mainGame.RedealCount, 1) << "the redeal still counts";
    EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(StockActionTest, RedealsAtEveryPressDealAfterShowingTheMark) {
    Word(words::kRedeals, 6);
    Set(PileListId::kMazzo, kStockLine, {4, 5});
    EXPECT_TRUE(Run(5, "Mazzo_Redeal"));
    EXPECT_EQ(game.mainGame.StockHighlightShown, 1);
    EXPECT_EQ(Pile(PileListId::kMazzo, kThirdStockLine), Codes({5}));

    EXPECT_FALSE(Run(4, "Mazzo_Vis")) << "the second press counts a redeal and deals nothing";
    EXPECT_EQ(game.mainGame.RedealCount, 1);
    EXPECT_EQ(Pile(PileListId::kMazzo, kStockLine), Codes({4}));
}

}  // namespace
