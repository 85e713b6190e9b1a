#include "engine/play/row_games.h"

#include <gtest/gtest.h>

#include "tests/engine/executor_fixture.h"
#include "tests/engine/status_fixture.h"

namespace {

using engine::CheckTableauSequences;
using engine::PileListId;
using engine::TopRanksComplete;
using status_test::Pile;

constexpr int kHearts = 0;
constexpr int kClubs = 26;

class RowGamesTest : public ::testing::Test, protected status_test::StatusFixture {
protected:
    RowGamesTest() { game.SetWord(engine::words::kTableauCount, 14); }
    int Sequences() const { return CheckTableauSequences(board.piles, game); }
    bool TopsComplete() const { return TopRanksComplete(board.piles, game); }
};

TEST_F(RowGamesTest, NoAceScoresNothing) {
    SetPile(PileListId::kFila, 0, Pile({2, 3, 4}));
    SetPile(PileListId::kFila, 1, Pile({5, 6, 7}));
    EXPECT_EQ(Sequences(), -32);
}

TEST_F(RowGamesTest, SecondPassStopsAtTheAceOfPileZero) {
    SetPile(PileListId::kFila, 0, Pile({1, 2, 3, 0, 0}));
    EXPECT_EQ(Sequences(), -32 + 10 + 5);
}

TEST_F(RowGamesTest, RunGoesOnAcrossPilesAndEndsAfterItsQueen) {
    // Ace to Queen of hearts over two piles: the Two scores 10, Three to Queen 5 each.
    SetPile(PileListId::kFila, 0, Pile({1, 2, 3, 4, 5, 6}));
    SetPile(PileListId::kFila, 1, Pile({7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(Sequences(), -32 + 10 + 10 * 5);
}

TEST_F(RowGamesTest, OtherSuitOrGapBreaksTheRun) {
    SetPile(PileListId::kFila, 0, Pile({kClubs + 1, kClubs + 2, kHearts + 3, kClubs + 3}));
    EXPECT_EQ(Sequences(), -32 + 10);
    SetPile(PileListId::kFila, 0, Pile({kClubs + 1, kClubs + 2, 0, kClubs + 3}));
    EXPECT_EQ(Sequences(), -32 + 10);
}

TEST_F(RowGamesTest, SecondPassContinuesTheLastRunOnPileZero) {
    // The last pile leaves a clubs run at Five; pile 0 starts with the Six and Seven.
    SetPile(PileListId::kFila, 0, Pile({kClubs + 6, kClubs + 7, 40}));
    SetPile(PileListId::kFila, 1, Pile({kClubs + 1, kClubs + 2, kClubs + 3, kClubs + 4, kClubs + 5}));
    // First pass: Two 10, Three to Five 15. Second pass: Six and Seven 10.
    EXPECT_EQ(Sequences(), -32 + 25 + 10);
}

TEST_F(RowGamesTest, KingScoresOnlyInTheSecondPass) {
    // The first pass closes a run after its Queen, so a King after it scores nothing.
    SetPile(PileListId::kFila, 0, Pile({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(Sequences(), -32 + 10 + 50);
    // The second pass has no such end: a run left at the Jack goes on with the Queen
    // and the King at the bottom of pile 0.
    SetPile(PileListId::kFila, 0, Pile({12, 13}));
    SetPile(PileListId::kFila, 1, Pile({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(Sequences(), -32 + 10 + 45 + 10);
}

TEST_F(RowGamesTest, PilesBeyondTheCountAreNotRead) {
    game.SetWord(engine::words::kTableauCount, 1);
    SetPile(PileListId::kFila, 1, Pile({1, 2, 3}));
    EXPECT_EQ(Sequences(), -32);
}

TEST_F(RowGamesTest, TopRanksAceToKingInAnyOrder) {
    const int tops[] = {7, 1, 13, 2, 12, 3, 11, 4, 10, 5, 9, 6, 8};
    for (int i = 0; i < 13; ++i) SetPile(PileListId::kFila, i, Pile({20, tops[i] + (i % 4) * 13}));
    EXPECT_TRUE(TopsComplete());
    SetPile(PileListId::kFila, 12, Pile({7}));  // a second Seven and no Eight: 90
    EXPECT_FALSE(TopsComplete());
}

TEST_F(RowGamesTest, TopRanksMustBeDistinctEvenWhenTheSumIs91) {
    // A Seven and a Seven where the Six and the Eight belong still add up to 91.
    const int tops[] = {1, 2, 3, 4, 5, 7, 7, 9, 10, 11, 12, 13, 7};
    for (int i = 0; i < 13; ++i) SetPile(PileListId::kFila, i, Pile({tops[i]}));
    game.SetWord(engine::words::kTableauCount, 13);
    EXPECT_FALSE(TopsComplete());
}

TEST_F(RowGamesTest, TopRanksStopAtTheFirstEmptyPile) {
    for (int i = 0; i < 13; ++i) SetPile(PileListId::kFila, i, Pile({i + 1}));
    SetPile(PileListId::kFila, 13, Pile({1}));
    EXPECT_FALSE(TopsComplete());  // 92
    SetPile(PileListId::kFila, 5, "");
    EXPECT_FALSE(TopsComplete());  // 15
    SetPile(PileListId::kFila, 5, Pile({6}));
    game.SetWord(engine::words::kTableauCount, 13);
    EXPECT_TRUE(TopsComplete());
}

// --- Groups of seven and the jump, on a whole game ---

class PileGroupsTest : public executor_test::ExecutorFixture {
protected:
    PileGroupsTest() { Word(engine::words::kTableauCount, 21); }
};

TEST_F(PileGroupsTest, OnlyPileLeftCountsThePilesOfTheIndexsGroup) {
    Set(PileListId::kFila, 9, {1});
    EXPECT_TRUE(engine::OnlyPileLeftInGroup(game, 7));
    EXPECT_TRUE(engine::OnlyPileLeftInGroup(game, 13));
    EXPECT_FALSE(engine::OnlyPileLeftInGroup(game, 6));
    EXPECT_FALSE(engine::OnlyPileLeftInGroup(game, 14));
    Set(PileListId::kFila, 12, {2});
    EXPECT_FALSE(engine::OnlyPileLeftInGroup(game, 8)) << "two piles hold cards";
    Set(PileListId::kFila, 22, {3});
    EXPECT_FALSE(engine::OnlyPileLeftInGroup(game, 22)) << "no group above pile 20";
    EXPECT_FALSE(engine::OnlyPileLeftInGroup(game, -1));
}

TEST_F(PileGroupsTest, CompactMovesEachPileToTheFrontInItsOldOrder) {
    Set(PileListId::kFila, 8, {1, 2});
    Set(PileListId::kFila, 10, {3});
    Set(PileListId::kFila, 6, {4});
    FaceDown(1);
    engine::CompactPileGroup(game, 8);
    EXPECT_EQ(Pile(PileListId::kFila, 7), Codes({1, 2}));
    EXPECT_EQ(Pile(PileListId::kFila, 8), Codes({3}));
    EXPECT_EQ(Pile(PileListId::kFila, 9), "");
    EXPECT_EQ(Pile(PileListId::kFila, 10), "");
    EXPECT_EQ(Pile(PileListId::kFila, 6), Codes({4})) << "another group";
    EXPECT_TRUE(game.Cards().IsFaceDown(1));
    // Card by card, a face-down card as a back: 1, 2 onto pile 7, then 3 onto pile 8.
    EXPECT_EQ(view.slid, std::vector<int>({-1, 2, 3}));
    EXPECT_EQ(view.Count("DrawEmptyPileMarker6"), 2);
}

TEST_F(PileGroupsTest, CompactAboveTheLastGroupDoesNothing) {
    Set(PileListId::kFila, 23, {1});
    const auto before = Board();
    engine::CompactPileGroup(game, 21);
    engine::CompactPileGroup(game, 27);
    EXPECT_EQ(Board(), before);
}

TEST_F(PileGroupsTest, JumpWithNoPileBetweenMovesNothing) {
    Word(engine::words::kRowWidth, 4);
    Set(PileListId::kFila, 0, {5});
    const auto before = Board();
    EXPECT_FALSE(engine::MoveTableauToWaste(game, 1, 2)) << "pile 1 is empty";
    EXPECT_FALSE(engine::MoveTableauToWaste(game, 1, 3)) << "no jump of three";
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(PileGroupsTest, JumpSendsTheJumpedPilesBottomCardAway) {
    Word(engine::words::kRowWidth, 4);
    Set(PileListId::kFila, 1, {6, 7});
    Set(PileListId::kFila, 2, {5});
    EXPECT_TRUE(engine::MoveTableauToWaste(game, 1, 2));
    EXPECT_EQ(Pile(PileListId::kFila, 1), Codes({7}));
    EXPECT_EQ(Pile(PileListId::kMazzo, engine::kThirdStockLine), Codes({6}));
    EXPECT_EQ(UndoSteps(), 0) << "the removal's own step went again";
}

}  // namespace
