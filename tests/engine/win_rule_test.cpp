#include "engine/rules/win_rule.h"

#include <gtest/gtest.h>

#include "tests/engine/status_fixture.h"

namespace {

using engine::IsGameWon;
using engine::IsTableEmpty;
using engine::PileListId;
using status_test::Cards;
using status_test::Pile;

class WinTest : public ::testing::Test, protected status_test::StatusFixture {
protected:
    bool Won() const { return IsGameWon(board.piles, game, settings); }
    void SetScoreField(int score) { SetField(engine::fields::kScore, std::to_string(score)); }
    void SetTableauCount(int n) { game.SetWord(engine::words::kTableauCount, n); }
    void FillTableaus(int count, int cardsEach) {
        for (int i = 0; i < count; ++i) SetPile(PileListId::kFila, i, Cards(cardsEach));
    }
};

TEST_F(WinTest, DefaultTestIgnoresFoundationsAndTheDiscardLine) {
    game.SetWord(engine::words::kReserveCount, 4);
    SetPile(PileListId::kMazzo, engine::kThirdStockLine, Cards(5));
    SetPile(PileListId::kDest, 0, Cards(13));
    EXPECT_TRUE(IsTableEmpty(board.piles, game));
    EXPECT_TRUE(Won());
}

TEST_F(WinTest, DefaultTestRefusesCardsLeftInPlay) {
    game.SetWord(engine::words::kReserveCount, 4);
    struct Case {
        PileListId list;
        int line;
    };
    for (const Case c : {Case{PileListId::kMazzo, engine::kStockLine}, Case{PileListId::kMazzo, engine::kWasteLine},
                         Case{PileListId::kFila, 0}, Case{PileListId::kFila, 6}, Case{PileListId::kAppogg, 3}}) {
        engine::CardBoard fresh;
        fresh.piles.SetPile(c.list, c.line, Cards(1));
        EXPECT_FALSE(IsTableEmpty(fresh.piles, game)) << static_cast<int>(c.list) << " " << c.line;
    }
}

TEST_F(WinTest, DefaultTestLooksOnlyAtTheGamesPiles) {
    game.SetWord(engine::words::kReserveCount, 2);
    SetPile(PileListId::kFila, 7, Cards(3));
    SetPile(PileListId::kAppogg, 2, Cards(1));
    EXPECT_TRUE(Won());
}

TEST_F(WinTest, DefaultTestForKindsBelowOneAndUnlistedKinds) {
    for (int kind : {-1, 0, 1, 38, 50}) {
        SetKind(kind);
        SetPile(PileListId::kFila, 0, "");
        EXPECT_TRUE(Won()) << kind;
        SetPile(PileListId::kFila, 0, Cards(1));
        EXPECT_FALSE(Won()) << kind;
    }
}

TEST_F(WinTest, KindFourCountsBlankedSlotsAsEmpty) {
    SetPile(PileListId::kFila, 2, "000000");
    SetKind(4);
    EXPECT_TRUE(Won());
    SetKind(0);
    EXPECT_FALSE(Won());
    SetKind(4);
    SetPile(PileListId::kFila, 2, "000001");
    EXPECT_FALSE(Won());
}

TEST_F(WinTest, KindNineWantsACardOnEveryTableauPile) {
    SetKind(9);
    FillTableaus(7, 1);
    SetPile(PileListId::kMazzo, engine::kStockLine, Cards(10));
    EXPECT_TRUE(Won());
    SetPile(PileListId::kFila, 3, "");
    EXPECT_FALSE(Won());
    SetTableauCount(0);
    EXPECT_TRUE(Won());
}

TEST_F(WinTest, KindsTwentyOneAndTwentyTwoLeaveFourCardsOnTheFirstPile) {
    for (int kind : {21, 22}) {
        SetKind(kind);
        SetPile(PileListId::kFila, 0, Cards(4));
        SetPile(PileListId::kFila, 1, Cards(8));
        EXPECT_TRUE(Won()) << kind;
        SetPile(PileListId::kFila, 0, Cards(5));
        EXPECT_FALSE(Won()) << kind;
        SetPile(PileListId::kFila, 0, Cards(4));
        SetPile(PileListId::kMazzo, engine::kStockLine, Cards(1));
        EXPECT_FALSE(Won()) << kind;
        SetPile(PileListId::kMazzo, engine::kStockLine, "");
    }
}

TEST_F(WinTest, KindTwentySevenWantsOneCardPerPile) {
    SetKind(27);
    FillTableaus(7, 1);
    EXPECT_TRUE(Won());
    SetPile(PileListId::kFila, 6, Cards(2));
    EXPECT_FALSE(Won());
    SetPile(PileListId::kFila, 6, "");
    EXPECT_FALSE(Won());
    SetTableauCount(0);
    EXPECT_TRUE(Won());
}

TEST_F(WinTest, KindThirtyOneWantsASingleAceOnEveryPileAndNoStock) {
    SetKind(31);
    SetTableauCount(4);
    for (int i = 0; i < 4; ++i) SetPile(PileListId::kFila, i, Pile({1 + 13 * i}));
    EXPECT_TRUE(Won());
    SetPile(PileListId::kMazzo, engine::kStockLine, Cards(1));
    EXPECT_FALSE(Won());
    SetPile(PileListId::kMazzo, engine::kStockLine, "");
    SetPile(PileListId::kFila, 2, Pile({2}));
    EXPECT_FALSE(Won());
    SetPile(PileListId::kFila, 2, Pile({27, 40}));
    EXPECT_FALSE(Won());
    SetPile(PileListId::kFila, 2, Pile({53}));  // an Ace of the second deck
    EXPECT_TRUE(Won());
}

TEST_F(WinTest, SomeKindsAreNeverWonHere) {
    for (int kind : {32, 44, 46, 48}) {
        SetKind(kind);
        SetScoreField(10000);
        EXPECT_FALSE(Won()) << kind;
    }
}

TEST_F(WinTest, ScoreKindsAreWonAtTheTarget) {
    game.SetWord(engine::words::kTargetScore, 500);
    SetPile(PileListId::kFila, 0, Cards(10));
    for (int kind : {34, 35, 36, 37, 39, 40, 42, 47}) {
        SetKind(kind);
        SetScoreField(499);
        EXPECT_FALSE(Won()) << kind;
        SetScoreField(500);
        EXPECT_TRUE(Won()) << kind;
        SetScoreField(520);
        EXPECT_TRUE(Won()) << kind;
    }
}

TEST_F(WinTest, KindFortyOneLeavesCardsOnlyOnTheFirstFoundation) {
    SetKind(41);
    SetPile(PileListId::kDest, 0, Cards(40));
    SetPile(PileListId::kFila, 0, Cards(5));
    EXPECT_TRUE(Won());
    SetPile(PileListId::kDest, 3, Cards(1));
    EXPECT_FALSE(Won());
    game.SetWord(engine::words::kFoundationCount, 3);  // foundation 3 is not the game's
    EXPECT_TRUE(Won());
    game.SetWord(engine::words::kFoundationCount, 1);
    SetPile(PileListId::kDest, 1, Cards(1));
    EXPECT_TRUE(Won());
}

TEST_F(WinTest, KindFortyThreeWantsNineDownToAce) {
    SetKind(43);
    SetPile(PileListId::kFila, 4, Pile({9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_TRUE(Won());
    SetPile(PileListId::kFila, 4, Pile({9, 34, 20, 6, 44, 4, 3, 2, 53}));  // mixed suits and decks
    EXPECT_TRUE(Won());
    SetPile(PileListId::kFila, 4, Pile({8, 9, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_FALSE(Won());
    SetPile(PileListId::kFila, 4, Pile({10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_FALSE(Won());
    SetPile(PileListId::kFila, 4, Pile({9, 8, 7, 6, 5, 4, 3, 2, 0}));
    EXPECT_FALSE(Won());
    SetPile(PileListId::kFila, 4, "");
    SetPile(PileListId::kFila, 7, Pile({9, 8, 7, 6, 5, 4, 3, 2, 1}));  // beyond the count
    EXPECT_FALSE(Won());
}

TEST_F(WinTest, KindFortyFiveWantsExactlyFourFilledPiles) {
    SetKind(45);
    FillTableaus(4, 3);
    EXPECT_TRUE(Won());
    SetPile(PileListId::kFila, 5, Cards(1));
    EXPECT_FALSE(Won());
    SetPile(PileListId::kFila, 5, "");
    SetPile(PileListId::kFila, 0, "");
    EXPECT_FALSE(Won());
}

TEST_F(WinTest, KindFortyNineLooksAtTwentyFourPilesWhateverTheCount) {
    SetKind(49);
    SetTableauCount(24);
    FillTableaus(24, 4);
    EXPECT_TRUE(Won());
    SetPile(PileListId::kFila, 23, Cards(5));
    EXPECT_FALSE(Won());

    engine::CardBoard fewer;
    SetTableauCount(20);
    for (int i = 0; i < 20; ++i) fewer.piles.SetPile(PileListId::kFila, i, Cards(4));
    EXPECT_FALSE(IsGameWon(fewer.piles, game, settings));
}

}  // namespace
