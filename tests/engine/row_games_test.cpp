#include "engine/tableau_scores.h"

#include <gtest/gtest.h>

#include "tests/engine/status_fixture.h"

namespace {

using engine::CheckTableauSequences;
using engine::PileListId;
using engine::TopRanksComplete;
using status_test::Pile;

constexpr int kHearts = 0;
constexpr int kClubs = 26;

class TableauScoresTest : public ::testing::Test, protected status_test::StatusFixture {
protected:
    TableauScoresTest() { game.SetWord(engine::words::kTableauCount, 14); }
    int Sequences() const { return CheckTableauSequences(board.piles, game); }
    bool TopsComplete() const { return TopRanksComplete(board.piles, game); }
};

TEST_F(TableauScoresTest, NoAceScoresNothing) {
    SetPile(PileListId::kFila, 0, Pile({2, 3, 4}));
    SetPile(PileListId::kFila, 1, Pile({5, 6, 7}));
    EXPECT_EQ(Sequences(), -32);
}

TEST_F(TableauScoresTest, SecondPassStopsAtTheAceOfPileZero) {
    SetPile(PileListId::kFila, 0, Pile({1, 2, 3, 0, 0}));
    EXPECT_EQ(Sequences(), -32 + 10 + 5);
}

TEST_F(TableauScoresTest, RunGoesOnAcrossPilesAndEndsAfterItsQueen) {
    // Ace to Queen of hearts over two piles: the Two scores 10, Three to Queen 5 each.
    SetPile(PileListId::kFila, 0, Pile({1, 2, 3, 4, 5, 6}));
    SetPile(PileListId::kFila, 1, Pile({7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(Sequences(), -32 + 10 + 10 * 5);
}

TEST_F(TableauScoresTest, OtherSuitOrGapBreaksTheRun) {
    SetPile(PileListId::kFila, 0, Pile({kClubs + 1, kClubs + 2, kHearts + 3, kClubs + 3}));
    EXPECT_EQ(Sequences(), -32 + 10);
    SetPile(PileListId::kFila, 0, Pile({kClubs + 1, kClubs + 2, 0, kClubs + 3}));
    EXPECT_EQ(Sequences(), -32 + 10);
}

TEST_F(TableauScoresTest, SecondPassContinuesTheLastRunOnPileZero) {
    // The last pile leaves a clubs run at Five; pile 0 starts with the Six and Seven.
    SetPile(PileListId::kFila, 0, Pile({kClubs + 6, kClubs + 7, 40}));
    SetPile(PileListId::kFila, 1, Pile({kClubs + 1, kClubs + 2, kClubs + 3, kClubs + 4, kClubs + 5}));
    // First pass: Two 10, Three to Five 15. Second pass: Six and Seven 10.
    EXPECT_EQ(Sequences(), -32 + 25 + 10);
}

TEST_F(TableauScoresTest, KingScoresOnlyInTheSecondPass) {
    // The first pass closes a run after its Queen, so a King after it scores nothing.
    SetPile(PileListId::kFila, 0, Pile({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(Sequences(), -32 + 10 + 50);
    // The second pass has no such end: a run left at the Jack goes on with the Queen
    // and the King at the bottom of pile 0.
    SetPile(PileListId::kFila, 0, Pile({12, 13}));
    SetPile(PileListId::kFila, 1, Pile({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(Sequences(), -32 + 10 + 45 + 10);
}

TEST_F(TableauScoresTest, PilesBeyondTheCountAreNotRead) {
    game.SetWord(engine::words::kTableauCount, 1);
    SetPile(PileListId::kFila, 1, Pile({1, 2, 3}));
    EXPECT_EQ(Sequences(), -32);
}

TEST_F(TableauScoresTest, TopRanksAceToKingInAnyOrder) {
    const int tops[] = {7, 1, 13, 2, 12, 3, 11, 4, 10, 5, 9, 6, 8};
    for (int i = 0; i < 13; ++i) SetPile(PileListId::kFila, i, Pile({20, tops[i] + (i % 4) * 13}));
    EXPECT_TRUE(TopsComplete());
    SetPile(PileListId::kFila, 12, Pile({7}));  // a second Seven and no Eight: 90
    EXPECT_FALSE(TopsComplete());
}

TEST_F(TableauScoresTest, TopRanksStopAtTheFirstEmptyPile) {
    for (int i = 0; i < 13; ++i) SetPile(PileListId::kFila, i, Pile({i + 1}));
    SetPile(PileListId::kFila, 13, Pile({1}));
    EXPECT_FALSE(TopsComplete());  // 92
    SetPile(PileListId::kFila, 5, "");
    EXPECT_FALSE(TopsComplete());  // 15
    SetPile(PileListId::kFila, 5, Pile({6}));
    game.SetWord(engine::words::kTableauCount, 13);
    EXPECT_TRUE(TopsComplete());
}

}  // namespace
