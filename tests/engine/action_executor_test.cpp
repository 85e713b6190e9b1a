#include "engine/play/action_executor.h"

#include <gtest/gtest.h>

#include "engine/rules/score.h"
#include "engine/rules/win_rule.h"
#include "tests/engine/executor_fixture.h"

namespace {

using engine::PileListId;
namespace words = engine::words;
namespace flag = engine::flag;

constexpr int kSixOfHearts = 6;
constexpr int kSevenOfHearts = 7;
constexpr int kKingOfClubs = 39;
constexpr int kTwoOfSpades = 41;
constexpr int kAceOfSpades = 40;

class ExecutorTest : public executor_test::ExecutorFixture {};

TEST_F(ExecutorTest, FoundationMoveFromTheTableauIsOneStepWithEverythingAfterIt) {
    SetField(engine::fields::kScoringMode, engine::kVegasScoringMode);
    SetField(engine::fields::kScore, "-999");
    Word(words::kCardCount, 52);
    SetField(engine::fields::kAutomaticFaceUp, "Y");
    Word(words::kAutoTurnFaceUp, 1);
    Set(PileListId::kDest, 2, {kAceOfSpades});
    Set(PileListId::kFila, 2, {kKingOfClubs, kTwoOfSpades});
    FaceDown(kKingOfClubs);
    game.undo.PushUndoSnapshot(false, 0);  // something to redo before the move
    ASSERT_EQ(RedoSteps(), 1);

    EXPECT_TRUE(Run(kTwoOfSpades, "Dest03"));

    EXPECT_EQ(UndoSteps(), 1);
    EXPECT_EQ(Pile(PileListId::kDest, 2), Codes({kAceOfSpades, kTwoOfSpades}));
    EXPECT_EQ(game.Cards().FaceFlag(kTwoOfSpades), engine::kFaceUp);
    EXPECT_EQ(Pile(PileListId::kFila, 2), Codes({kKingOfClubs}));
    EXPECT_EQ(game.Cards().FaceFlag(kKingOfClubs), engine::kFaceUp) << "the uncovered card is turned up";
    EXPECT_EQ(game.registers.GetFlag(flag::kGameWon),
              engine::IsGameWon(game.board.piles, game.gameDef, game.settings) ? 1 : 0);
    // Vegas: -52 + 5 x 2 foundation cards.
    EXPECT_EQ(engine::CurrentScore(game.settings), -52 + 10);
    EXPECT_EQ(RedoSteps(), 0);
    ASSERT_FALSE(Sounds().empty());
    EXPECT_EQ(Sounds().front(), "Foundation");
    EXPECT_EQ(view.Count("MoveDragImage"), 1);
}

TEST_F(ExecutorTest, UncoveredCardStaysDownWhileTheAutoplayButtonIsDown) {
    SetField(engine::fields::kAutomaticFaceUp, "Y");
    Word(words::kAutoTurnFaceUp, 1);
    shell.SetCommandDown(engine::ShellCommand::kAutoPlay, true);
    Set(PileListId::kFila, 2, {kKingOfClubs, kTwoOfSpades});
    FaceDown(kKingOfClubs);
    EXPECT_TRUE(Run(kTwoOfSpades, "Dest01"));
    EXPECT_TRUE(game.Cards().IsFaceDown(kKingOfClubs));
}

TEST_F(ExecutorTest, FoundationWinSetsTheWonFlagAndHighlightsFoundations) {
    game.mainGame.FoundationMarkStyle = 1;
    Set(PileListId::kFila, 0, {kKingOfClubs});
    EXPECT_TRUE(Run(kKingOfClubs, "Dest1"));  // the number without its leading zero names the same pile
    EXPECT_EQ(Pile(PileListId::kDest, 0), Codes({kKingOfClubs}));
    EXPECT_EQ(game.registers.GetFlag(flag::kGameWon), 1);
    EXPECT_EQ(view.Count("DrawFoundationHighlights"), 1);
}

TEST_F(ExecutorTest, AutoplayFoundationMovePlaysItsOwnSound) {
    Set(PileListId::kFila, 0, {kSixOfHearts, kSevenOfHearts});
    EXPECT_TRUE(Run(kSevenOfHearts, "Dest_Autoplay04"));
    EXPECT_EQ(Pile(PileListId::kDest, 3), Codes({kSevenOfHearts}));
    EXPECT_EQ(Sounds(), std::vector<std::string>({"Autoplay"}));

    SetField(engine::fields::kSoundsAutoplay, "N");
    EXPECT_TRUE(Run(kSixOfHearts, "Dest_Autoplay04"));
    EXPECT_EQ(Sounds().size(), 1U) << "its switch is off";
}

TEST_F(ExecutorTest, ReserveDiscardAndWasteTargets) {
    Set(PileListId::kFila, 0, {1, 2, 3});
    Set(PileListId::kMazzo, engine::kWasteLine, {20});
    EXPECT_TRUE(Run(3, "Appogg02"));
    EXPECT_EQ(Pile(PileListId::kAppogg, 1), Codes({3}));
    EXPECT_TRUE(Run(2, "Waste"));
    EXPECT_EQ(Pile(PileListId::kMazzo, engine::kThirdStockLine), Codes({2}));
    EXPECT_TRUE(Run(1, "Stock02"));
    EXPECT_EQ(Pile(PileListId::kMazzo, engine::kWasteLine), Codes({20, 1}));
    EXPECT_EQ(Sounds(), std::vector<std::string>({"Tableau", "Tableau"})) << "the discard line is silent";
    EXPECT_EQ(UndoSteps(), 3);

    Word(words::kGameKind, 12);
    EXPECT_TRUE(Run(20, "Waste"));
    EXPECT_EQ(Sounds().back(), "Eddy");
}

TEST_F(ExecutorTest, CardOnNoPileIsRefusedAndChangesNothing) {
    Set(PileListId::kFila, 0, {1});
    game.mainGame.ActionCount = 0;
    const auto before = Board();
    for (const char* action : {"Dest03", "Dest_Autoplay01", "Fila02", "Appogg01", "Waste", "Stock02"}) {
        EXPECT_FALSE(Run(kKingOfClubs, action)) << action;
    }
    game.lift.singleCard = false;
    EXPECT_FALSE(Run(kKingOfClubs, "Fila02"));
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(UndoSteps(), 0);
    EXPECT_EQ(game.mainGame.ActionCount, 0);
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(ExecutorTest, TargetThatNamesNoPileMovesNothing) {
    Set(PileListId::kFila, 0, {1});
    const auto before = Board();
    for (const char* action : {"Dest00", "Dest17", "DestXY", "Fila29", "Appogg11", "Dest_Autoplay"}) {
        EXPECT_FALSE(Run(1, action)) << action;
    }
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(ExecutorTest, UnknownActionReturnsFalseButCountsTheAction) {
    game.mainGame.ActionCount = 0;
    Set(PileListId::kFila, 0, {1});
    const auto before = Board();
    EXPECT_FALSE(Run(1, "Nothing_Like_It"));
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(game.mainGame.ActionCount, 1);
    EXPECT_FALSE(Run(1, ""));
    EXPECT_FALSE(Run(1, "Nothing"));
    EXPECT_EQ(game.mainGame.ActionCount, 2) << "counted up to 2 only";
    EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(ExecutorTest, FirstActionOfAFoundationsFirstGameMustGoFromTableauToFoundation) {
    Word(words::kFoundationsOnlyMoves, 1);
    game.mainGame.ActionCount = 0;
    Set(PileListId::kFila, 0, {1, 2});
    Set(PileListId::kAppogg, 0, {30});
    const auto before = Board();
    EXPECT_FALSE(Run(30, "Dest01")) << "a reserve card";
    EXPECT_FALSE(Run(2, "Fila02")) << "not to a foundation";
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(game.mainGame.ActionCount, 0);

    EXPECT_TRUE(Run(2, "Dest01"));
    EXPECT_EQ(game.mainGame.ActionCount, 1);
    EXPECT_TRUE(Run(30, "Appogg03")) << "the rule holds for the first action only";
}

TEST_F(ExecutorTest, WonFlagIsTestedAfterEveryActionInSomeKinds) {
    Set(PileListId::kFila, 0, {1});
    game.registers.SetFlag(flag::kGameWon, 1);
    Word(words::kGameKind, 31);
    EXPECT_FALSE(Run(1, "No_Such_Action"));
    EXPECT_EQ(game.registers.GetFlag(flag::kGameWon), 0);
}

TEST_F(ExecutorTest, EmptyStockMarkIsDrawnWhenTheActionEmptiesTheStock) {
    Set(PileListId::kMazzo, engine::kStockLine, {5});
    EXPECT_TRUE(Run(0, "Mazzo_Vis"));
    EXPECT_EQ(view.Count("DrawEmptyPileMarker1"), 2) << "on the window and in the buffer";
    view.calls.clear();
    Set(PileListId::kFila, 0, {9});
    EXPECT_TRUE(Run(9, "Dest01")) << "the stock was already bare";
    EXPECT_EQ(view.Count("DrawEmptyPileMarker1"), 0);
}

// --- The tableau target ---

TEST_F(ExecutorTest, TableauTargetTakesOneCardOrTheWholeLiftedStack) {
    Set(PileListId::kFila, 0, {kKingOfClubs, 12, 11, 10});
    Set(PileListId::kFila, 1, {13});
    EXPECT_TRUE(Run(10, "Fila02"));
    EXPECT_EQ(Pile(PileListId::kFila, 1), Codes({13, 10}));
    EXPECT_EQ(Pile(PileListId::kFila, 0), Codes({kKingOfClubs, 12, 11}));

    game.lift.singleCard = false;
    FaceDown(11);
    EXPECT_TRUE(Run(12, "Fila03"));
    EXPECT_EQ(Pile(PileListId::kFila, 2), Codes({12, 11}));
    EXPECT_EQ(Pile(PileListId::kFila, 0), Codes({kKingOfClubs}));
    EXPECT_EQ(game.Cards().FaceFlag(11), engine::kFaceUp) << "every moved card lands face up";
    EXPECT_EQ(UndoSteps(), 2);
    EXPECT_EQ(Sounds(), std::vector<std::string>({"Tableau", "Tableau"}));
}

TEST_F(ExecutorTest, LiftedStackFromAReserveMovesTogether) {
    game.lift.singleCard = false;
    Set(PileListId::kAppogg, 1, {20, 21, 22});
    EXPECT_TRUE(Run(21, "Fila01"));
    EXPECT_EQ(Pile(PileListId::kFila, 0), Codes({21, 22}));
    EXPECT_EQ(Pile(PileListId::kAppogg, 1), Codes({20}));
}

TEST_F(ExecutorTest, JumpRuleSendsTheJumpedCardToTheDiscardLineInTheSameStep) {
    Word(words::kRowWidth, 4);
    WordAt(words::kTableauRuleC, 2, 71);
    Set(PileListId::kFila, 0, {5});
    Set(PileListId::kFila, 1, {6});
    const auto before = Board();
    EXPECT_TRUE(Run(5, "Fila03"));
    EXPECT_EQ(Pile(PileListId::kFila, 2), Codes({5}));
    EXPECT_EQ(Pile(PileListId::kFila, 1), "");
    EXPECT_EQ(Pile(PileListId::kMazzo, engine::kThirdStockLine), Codes({6}));
    EXPECT_EQ(UndoSteps(), 1);
    ASSERT_TRUE(game.undo.UndoLastStep());
    EXPECT_EQ(Board(), before);
}

TEST_F(ExecutorTest, KindFortyNineSwapsACardOntoTheWrongRank) {
    Word(words::kGameKind, 49);
    WordAt(words::kTableauRuleA, 1, 2);  // pile 1 wants a Two at its bottom
    Set(PileListId::kFila, 0, {kKingOfClubs});
    Set(PileListId::kFila, 1, {kSevenOfHearts});
    EXPECT_TRUE(Run(kKingOfClubs, "Fila02"));
    EXPECT_EQ(Pile(PileListId::kFila, 1), Codes({kKingOfClubs}));
    EXPECT_EQ(Pile(PileListId::kFila, 0), Codes({kSevenOfHearts}));

    // The right rank underneath stays.
    Set(PileListId::kFila, 2, {2});
    Set(PileListId::kFila, 3, {3});
    WordAt(words::kTableauRuleA, 3, 3);
    EXPECT_TRUE(Run(2, "Fila04"));
    EXPECT_EQ(Pile(PileListId::kFila, 3), Codes({3, 2}));
}

}  // namespace
