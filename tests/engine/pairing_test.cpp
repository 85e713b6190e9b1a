#include "engine/play/pairing.h"

#include <gtest/gtest.h>

#include "engine/model/registers.h"
#include "engine/undo/undo_store.h"
#include "tests/engine/pairing_fixture.h"

namespace {

using engine::PileListId;
using engine::TableRect;
using pairing_test::Pile;
using test_support::MessageEvent;

constexpr int kAceOfHearts = 1;
constexpr int kTwoOfHearts = 2;
constexpr int kSixOfHearts = 6;
constexpr int kEightOfHearts = 8;
constexpr int kQueenOfHearts = 12;
constexpr int kKingOfHearts = 13;
constexpr int kFiveOfClubs = 31;

class SelectPairingCardTest : public pairing_test::PlayFixture {
protected:
    SelectPairingCardTest() {
        SetWord(engine::words::kTableauCount, 4);
        SetWord(engine::words::kSelectionSum, 13);
    }

    void Click(int card) { engine::SelectPairingCard(game, card, TableRect{card, 0, card + 71, 96}); }
    const std::string& Selection() const { return PileText(PileListId::kDest, engine::kSelectionLine); }
    std::size_t Beeps() { return fake.Messages().Count(MessageEvent::Kind::Beep); }
};

TEST_F(SelectPairingCardTest, Kind4QueenAndAceLeaveTogether) {
    SetWord(engine::words::kGameKind, engine::pairing_kind::kPairsOf13);
    SetPile(PileListId::kFila, 0, Pile({kFiveOfClubs, kQueenOfHearts}));
    SetPile(PileListId::kFila, 1, Pile({kAceOfHearts}));

    Click(kQueenOfHearts);
    EXPECT_EQ(Selection(), Pile({kQueenOfHearts}));
    EXPECT_EQ(PileText(PileListId::kFila, 0), Pile({kFiveOfClubs, kQueenOfHearts}));

    Click(kAceOfHearts);
    EXPECT_EQ(Selection(), "");
    EXPECT_EQ(PileText(PileListId::kFila, 0), Pile({kFiveOfClubs}));
    EXPECT_EQ(PileText(PileListId::kFila, 1), "");
    EXPECT_EQ(PileText(PileListId::kMazzo, engine::kThirdStockLine), Pile({kQueenOfHearts, kAceOfHearts}));
    // Input is swallowed while the pair leaves, and the ordinary handler is back after.
    EXPECT_EQ(shell.CountWindowCalls("filter:swallow"), 1u);
    EXPECT_EQ(shell.CountWindowCalls("restore"), 1u);
    EXPECT_FALSE(shell.ActiveFilter().has_value());
}

TEST_F(SelectPairingCardTest, Kind4KingLeavesAlone) {
    SetWord(engine::words::kGameKind, engine::pairing_kind::kPairsOf13);
    SetPile(PileListId::kFila, 2, Pile({kFiveOfClubs, kKingOfHearts}));

    Click(kKingOfHearts);
    EXPECT_EQ(Selection(), "");
    EXPECT_EQ(PileText(PileListId::kFila, 2), Pile({kFiveOfClubs}));
    EXPECT_EQ(PileText(PileListId::kMazzo, engine::kThirdStockLine), Pile({kKingOfHearts}));
}

TEST_F(SelectPairingCardTest, SecondClickDeselectsAndTakesTheHighlightBack) {
    SetWord(engine::words::kGameKind, engine::pairing_kind::kPairsOf13);
    SetPile(PileListId::kFila, 0, Pile({kQueenOfHearts}));

    Click(kQueenOfHearts);
    Click(kQueenOfHearts);
    EXPECT_EQ(Selection(), "");
    // Each click inverts the card on the window and in the off-screen image: twice is none.
    const auto highlights = view.Calls("highlight");
    ASSERT_EQ(highlights.size(), 4u);
    EXPECT_EQ(highlights[0].surface, engine::TableSurface::kWindow);
    EXPECT_EQ(highlights[1].surface, engine::TableSurface::kBuffer);
    EXPECT_EQ(highlights[0].x, kQueenOfHearts);
    EXPECT_EQ(PileText(PileListId::kFila, 0), Pile({kQueenOfHearts}));
    EXPECT_EQ(game.undo.UndoStepCount(), 0);
}

TEST_F(SelectPairingCardTest, Kind3ThirdCardBeepsAndTheFirstTwoStay) {
    SetWord(engine::words::kGameKind, engine::pairing_kind::kPairsOf14);
    SetPile(PileListId::kFila, 0, Pile({kTwoOfHearts, kSixOfHearts, kFiveOfClubs}));

    Click(kTwoOfHearts);
    Click(kSixOfHearts);
    Click(kFiveOfClubs);
    EXPECT_EQ(Beeps(), 1u);
    EXPECT_EQ(Selection(), Pile({kTwoOfHearts, kSixOfHearts}));
    // The refused card is not highlighted.
    EXPECT_EQ(view.Count("highlight"), 4u);
    EXPECT_EQ(PileText(PileListId::kFila, 0), Pile({kTwoOfHearts, kSixOfHearts, kFiveOfClubs}));
}

TEST_F(SelectPairingCardTest, Kind4RefusesAThirdCardToo) {
    SetWord(engine::words::kGameKind, engine::pairing_kind::kPairsOf13);
    SetPile(PileListId::kFila, 0, Pile({kTwoOfHearts, kSixOfHearts, kFiveOfClubs}));

    Click(kTwoOfHearts);
    Click(kSixOfHearts);
    Click(kFiveOfClubs);  // 2 + 6 + 5 would be 13, but a selection is a pair
    EXPECT_EQ(Beeps(), 1u);
    EXPECT_EQ(Selection(), Pile({kTwoOfHearts, kSixOfHearts}));
    EXPECT_EQ(PileText(PileListId::kFila, 0), Pile({kTwoOfHearts, kSixOfHearts, kFiveOfClubs}));
    EXPECT_EQ(PileText(PileListId::kMazzo, engine::kThirdStockLine), "");
}

TEST_F(SelectPairingCardTest, Kind3TakesTwoCardsAddingUpTo14AndNeverAKingAlone) {
    SetWord(engine::words::kGameKind, engine::pairing_kind::kPairsOf14);
    SetPile(PileListId::kFila, 0, Pile({kSixOfHearts, kKingOfHearts}));
    SetPile(PileListId::kFila, 1, Pile({kEightOfHearts}));

    Click(kKingOfHearts);
    EXPECT_EQ(Selection(), Pile({kKingOfHearts}));
    Click(kKingOfHearts);
    Click(kSixOfHearts);
    EXPECT_EQ(Selection(), Pile({kSixOfHearts}));
    Click(kEightOfHearts);
    EXPECT_EQ(Selection(), "");
    EXPECT_EQ(PileText(PileListId::kFila, 0), Pile({kKingOfHearts}));
    EXPECT_EQ(PileText(PileListId::kMazzo, engine::kThirdStockLine), Pile({kSixOfHearts, kEightOfHearts}));
}

TEST_F(SelectPairingCardTest, Kind33OnlyHighlights) {
    SetWord(engine::words::kGameKind, engine::pairing_kind::kHighlightOnly);
    SetPile(PileListId::kFila, 0, Pile({kKingOfHearts}));

    Click(kKingOfHearts);
    EXPECT_EQ(Selection(), "");
    EXPECT_EQ(view.Count("highlight"), 2u);
    EXPECT_EQ(PileText(PileListId::kFila, 0), Pile({kKingOfHearts}));
}

TEST_F(SelectPairingCardTest, NoCardSelectsNothing) {
    SetWord(engine::words::kGameKind, engine::pairing_kind::kPairsOf13);
    Click(engine::kNoCard);
    EXPECT_EQ(Selection(), "");
    EXPECT_EQ(view.Count("highlight"), 0u);
}

TEST_F(SelectPairingCardTest, UndoBringsARemovedPairBackInOneStep) {
    SetWord(engine::words::kGameKind, engine::pairing_kind::kPairsOf13);
    SetPile(PileListId::kFila, 0, Pile({kFiveOfClubs, kQueenOfHearts}));
    SetPile(PileListId::kFila, 1, Pile({kAceOfHearts}));
    const engine::SnapshotLines before = Board();

    Click(kQueenOfHearts);
    Click(kAceOfHearts);
    EXPECT_EQ(game.undo.UndoStepCount(), 1);
    EXPECT_TRUE(game.undo.UndoLastStep());
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(Selection(), "");
}

TEST_F(SelectPairingCardTest, LastPairWinsAndEndsTheGame) {
    SetWord(engine::words::kGameKind, engine::pairing_kind::kPairsOf13);
    game.registers.SetFlag(engine::flag::kGameInProgress, 1);
    // The last two cards on the table.
    SetPile(PileListId::kFila, 0, Pile({kQueenOfHearts}));
    SetPile(PileListId::kFila, 1, Pile({kAceOfHearts}));

    Click(kQueenOfHearts);
    Click(kAceOfHearts);
    // EndGame ran: the game is no longer in progress.
    EXPECT_EQ(game.registers.GetFlag(engine::flag::kGameInProgress), 0);
}

// A pyramid of three rows: 1 / 2 3 / 4 5 6.
class IsCardUncoveredTest : public pairing_test::PlayFixture {
protected:
    IsCardUncoveredTest() {
        SetWord(engine::words::kTableauCount, 3);
        SetPile(PileListId::kFila, 0, Pile({1}));
        SetPile(PileListId::kFila, 1, Pile({2, 3}));
        SetPile(PileListId::kFila, 2, Pile({4, 5, 6}));
    }
    bool Uncovered(int card) { return engine::IsCardUncovered(game, card); }
};

TEST_F(IsCardUncoveredTest, CardsOfTheLastRowAreAlwaysUncovered) {
    EXPECT_TRUE(Uncovered(4));
    EXPECT_TRUE(Uncovered(5));
    EXPECT_TRUE(Uncovered(6));
}

TEST_F(IsCardUncoveredTest, ACardIsCoveredWhileEitherCardBelowIsThere) {
    EXPECT_FALSE(Uncovered(1));
    EXPECT_FALSE(Uncovered(2));
    SetPile(PileListId::kFila, 2, Pile({0, 5, 6}));
    EXPECT_FALSE(Uncovered(2));
    SetPile(PileListId::kFila, 2, Pile({0, 0, 6}));
    EXPECT_TRUE(Uncovered(2));
    EXPECT_FALSE(Uncovered(3));
}

TEST_F(IsCardUncoveredTest, EmptiedLaterRowsUncoverEverything) {
    SetPile(PileListId::kFila, 2, Pile({0, 0, 0}));
    EXPECT_TRUE(Uncovered(2));
    EXPECT_TRUE(Uncovered(3));
    EXPECT_FALSE(Uncovered(1));
    SetPile(PileListId::kFila, 1, Pile({0, 0}));
    EXPECT_TRUE(Uncovered(1));
}

TEST_F(IsCardUncoveredTest, ABlankRowBetweenLeavesTheCardOpen) {
    // Row 1 is cleared while row 2 still holds a card: nothing lies on card 1.
    SetPile(PileListId::kFila, 1, Pile({0, 0}));
    SetPile(PileListId::kFila, 2, Pile({0, 0, 6}));
    EXPECT_TRUE(Uncovered(1));
}

TEST_F(IsCardUncoveredTest, APairTakenFromTheLastRowUncoversTheCardAbove) {
    SetWord(engine::words::kGameKind, engine::pairing_kind::kPairsOf13);
    // Side by side, as pyramids lie: a removed card leaves a blank in its row.
    SetWord(engine::words::kTableauFanMode, 4);
    SetPile(PileListId::kFila, 2, Pile({4, 9, 6}));
    engine::SelectPairingCard(game, 4, TableRect{});
    engine::SelectPairingCard(game, 9, TableRect{});
    EXPECT_EQ(PileText(PileListId::kFila, 2), Pile({0, 0, 6}));
    EXPECT_TRUE(Uncovered(2));
    EXPECT_FALSE(Uncovered(3));
}

TEST_F(IsCardUncoveredTest, ACardOutsideTheRowsIsNotUncovered) {
    SetPile(PileListId::kMazzo, engine::kStockLine, Pile({40}));
    EXPECT_FALSE(Uncovered(40));
    EXPECT_FALSE(Uncovered(engine::kNoCard));
}

}  // namespace
