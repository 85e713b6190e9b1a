#include "engine/rules/score.h"

#include <gtest/gtest.h>

#include "engine/model/board_measures.h"
#include "tests/engine/status_fixture.h"

namespace {

using engine::PileListId;
using engine::ScoreByGameKind;
using status_test::Cards;
using status_test::Pile;

constexpr int kC = 52;

class ScoreTest : public ::testing::Test, protected status_test::StatusFixture {
protected:
    std::optional<int> Score() const { return ScoreByGameKind(board.piles, game, settings); }
    int Vegas() const { return engine::ScoreVegas(board.piles, game, settings); }
    void SetDiscards(int cards) { SetPile(PileListId::kMazzo, engine::kThirdStockLine, Cards(cards)); }
};

TEST_F(ScoreTest, VegasCountsFoundationCards) {
    SetPile(PileListId::kDest, 0, Cards(6));
    SetPile(PileListId::kDest, 3, Cards(4));
    EXPECT_EQ(Vegas(), -2);
    EXPECT_EQ(Score(), -2);
}

TEST_F(ScoreTest, VegasAddsBonusAndDiscardsLessJokers) {
    game.SetWord(engine::words::kScoreBonusCards, 3);
    game.SetWord(engine::words::kJokerCount, 2);
    SetDiscards(4);
    SetPile(PileListId::kDest, 1, Cards(2));
    SetPile(PileListId::kDest, 4, Cards(13));  // not one of the game's four
    EXPECT_EQ(Vegas(), -kC + 5 * (3 - 2 + 4 + 2));
}

TEST_F(ScoreTest, VegasIsZeroInOtherScoringModes) {
    SetPile(PileListId::kDest, 0, Cards(6));
    SetField(engine::fields::kScoringMode, "02");
    EXPECT_EQ(Vegas(), 0);
    SetField(engine::fields::kScoringMode, "");
    EXPECT_EQ(Score(), 0);
}

TEST_F(ScoreTest, DefaultFormulaForKindsBelowOneAndUnlisted) {
    SetPile(PileListId::kDest, 0, Cards(2));
    for (int kind : {-3, 0, 1, 33, 45, 99}) {
        SetKind(kind);
        EXPECT_EQ(Score(), -kC + 10) << kind;
    }
}

TEST_F(ScoreTest, KindNineKeepsNoScoreAndOthersScoreZero) {
    SetPile(PileListId::kDest, 0, Cards(10));
    SetKind(9);
    EXPECT_EQ(Score(), std::nullopt);
    for (int kind : {32, 36, 38, 40, 41, 42}) {
        SetKind(kind);
        EXPECT_EQ(Score(), 0) << kind;
    }
}

TEST_F(ScoreTest, KindThirtyFourCountsLeadingPilesOnTheirAces) {
    SetKind(34);
    EXPECT_EQ(Score(), -kC);
    SetPile(PileListId::kFila, 0, Pile({1, 30}));   // i + 1
    SetPile(PileListId::kFila, 1, Pile({15}));      // i + 14
    SetPile(PileListId::kFila, 2, Pile({3, 4}));
    SetPile(PileListId::kFila, 3, Pile({5}));       // mismatch stops the count
    SetPile(PileListId::kFila, 4, Pile({5}));
    EXPECT_EQ(Score(), -kC + 30);
    SetPile(PileListId::kFila, 1, "");
    EXPECT_EQ(Score(), -kC + 10);
}

TEST_F(ScoreTest, KindThirtyFiveCountsDiscards) {
    SetKind(35);
    SetDiscards(7);
    EXPECT_EQ(Score(), 70 - kC);
}

TEST_F(ScoreTest, PairKindsCountPairsOnTheDiscardLine) {
    SetKind(37);
    SetDiscards(8);
    EXPECT_EQ(Score(), -12);
    SetKind(39);
    EXPECT_EQ(Score(), -52 + 28);
}

TEST_F(ScoreTest, PairCountRoundsHalvesToEven) {
    SetKind(37);
    SetDiscards(1);  // half a pair: 0
    EXPECT_EQ(Score(), -52);
    SetDiscards(3);  // one and a half: 2
    EXPECT_EQ(Score(), -52 + 20);
    SetDiscards(5);  // two and a half: 2
    EXPECT_EQ(Score(), -52 + 20);
}

TEST_F(ScoreTest, KindFortyThreeScoresEveryNineToAcePile) {
    SetKind(43);
    const std::string run = Pile({9, 8, 7, 6, 5, 4, 3, 2, 1});
    SetPile(PileListId::kFila, 0, run);
    SetPile(PileListId::kFila, 6, run);
    SetPile(PileListId::kFila, 3, Pile({9, 8, 7, 6, 5, 4, 3, 1, 2}));
    EXPECT_EQ(Score(), -kC + 450);
}

TEST_F(ScoreTest, KindFortyFourScoresCompleteTopRanks) {
    SetKind(44);
    game.SetWord(engine::words::kTableauCount, 13);
    for (int i = 0; i < 13; ++i) SetPile(PileListId::kFila, i, Pile({i + 1}));
    EXPECT_EQ(Score(), 150);
    SetPile(PileListId::kFila, 12, Pile({12}));
    EXPECT_EQ(Score(), -kC);
}

TEST_F(ScoreTest, KindFortySixScoresSequences) {
    SetKind(46);
    SetPile(PileListId::kFila, 0, Pile({1, 2, 3, 0}));
    EXPECT_EQ(Score(), -17);
}

TEST_F(ScoreTest, KindFortySevenCountsDiscardsWhileTheTableauHoldsCards) {
    SetKind(47);
    SetDiscards(6);
    SetPile(PileListId::kFila, 5, Cards(1));
    EXPECT_EQ(Score(), 30 - kC);
    SetPile(PileListId::kFila, 5, "");
    EXPECT_EQ(Score(), 5 * kC - kC);
}

TEST_F(ScoreTest, KindFortyEightCountsFoundationOne) {
    SetKind(48);
    game.SetWord(engine::words::kScoreBonusCards, 2);
    SetPile(PileListId::kDest, 0, Cards(5));
    SetPile(PileListId::kDest, 1, Cards(3));
    EXPECT_EQ(Score(), -kC + 10 + 15);
}

TEST_F(ScoreTest, KindFortyNineCountsTwentyFourTableauPiles) {
    SetKind(49);
    game.SetWord(engine::words::kScoreBonusCards, 1);
    SetPile(PileListId::kFila, 0, Cards(4));
    SetPile(PileListId::kFila, 23, Cards(2));  // beyond the game's seven, still counted
    SetPile(PileListId::kFila, 24, Cards(9));  // not one of the twenty-four
    EXPECT_EQ(Score(), -kC + 5 + 30);
}

TEST(BoardMeasuresTest, CardsOnLineRoundsToNearest) {
    EXPECT_EQ(engine::CardsOnLine(""), 0);
    EXPECT_EQ(engine::CardsOnLine("0010"), 1);
    EXPECT_EQ(engine::CardsOnLine("00100"), 2);
    EXPECT_EQ(engine::CardsOnLine("001002"), 2);
}

TEST(BoardMeasuresTest, LongestTableauLengthLooksAtTheGamesPiles) {
    engine::CardBoard board;
    engine::GameDefRecord game;
    game.SetWord(engine::words::kTableauCount, 3);
    EXPECT_EQ(engine::LongestTableauLength(board.piles, game), 0);
    board.piles.SetPile(PileListId::kFila, 1, Cards(6));
    board.piles.SetPile(PileListId::kFila, 2, Cards(4));
    board.piles.SetPile(PileListId::kFila, 3, Cards(12));
    EXPECT_EQ(engine::LongestTableauLength(board.piles, game), 6);
}

}  // namespace
