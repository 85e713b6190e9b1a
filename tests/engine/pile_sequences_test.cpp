#include <gtest/gtest.h>

#include "engine/rules/pile_sequences.h"
#include "tests/engine/rule_fixture.h"

namespace {

using namespace rule_test;
using engine::CardList;
using engine::PileListId;
namespace w = engine::words;

TEST(PileSequencesTest, CardsAboveComeFromTheGamesTableauThenReserves) {
    RuleBoard b;
    b.Fila(1, {S(9), H(8), S(7)});
    b.Appogg(2, {D(4), D(5)});
    b.Fila(10, {C(2), C(3)});  // beyond the game's eight piles
    CardList list{99};
    engine::GetCardsAbove(b.board.piles, b.game, list, H(8));
    EXPECT_EQ(list, (CardList{H(8), S(7)}));
    engine::GetCardsAbove(b.board.piles, b.game, list, D(4));
    EXPECT_EQ(list, (CardList{D(4), D(5)}));
    engine::GetCardsAbove(b.board.piles, b.game, list, C(2));
    EXPECT_TRUE(list.empty());
    engine::GetCardsAbove(b.board.piles, b.game, list, 0);
    EXPECT_TRUE(list.empty());
}

TEST(PileSequencesTest, CardsFromCardCutsOrCollects) {
    RuleBoard b;
    b.Fila(1, {S(9), H(8), S(7)});
    CardList list;
    EXPECT_TRUE(engine::CardsFromCard(b.board.piles, b.game, list, S(9), false));
    EXPECT_EQ(list, (CardList{S(9), H(8), S(7)}));
    list.clear();
    EXPECT_TRUE(engine::CardsFromCard(b.board.piles, b.game, list, H(8), true));
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(b.board.piles.Pile(PileListId::kFila, 1), engine::CardCodeText(S(9)));
    EXPECT_FALSE(engine::CardsFromCard(b.board.piles, b.game, list, H(8), true));
    EXPECT_FALSE(engine::CardsFromCardInPile(b.board.piles, PileListId::kFila, 40, S(9), true, list));
    EXPECT_FALSE(engine::CardsFromCardInPile(b.board.piles, PileListId::kFila, -1, S(9), list));
}

TEST(PileSequencesTest, IsTopCard) {
    RuleBoard b;
    b.Fila(1, {S(9), H(8)});
    b.Appogg(3, {D(4)});
    b.Fila(9, {C(5)});
    EXPECT_TRUE(engine::IsTopCard(b.Ctx(), H(8)));
    EXPECT_TRUE(engine::IsTopCard(b.Ctx(), D(4)));
    EXPECT_FALSE(engine::IsTopCard(b.Ctx(), S(9)));
    EXPECT_FALSE(engine::IsTopCard(b.Ctx(), C(5)));
    EXPECT_FALSE(engine::IsTopCard(b.Ctx(), 0));
}

TEST(PileSequencesTest, IsValidSequenceByMoveVariant) {
    RuleBoard b;
    b.Word(w::kTableauRuleC, 2, 3);
    b.Word(w::kFoundationBase, 0, 1);
    b.Fila(1, {S(9), H(8), S(7)});
    b.Fila(4, {D(kK), D(kQ), D(kJ)});
    b.Fila(5, {D(5), H(4)});

    b.Word(w::kTableauMoveVariant, 1);
    EXPECT_TRUE(engine::IsValidSequence(b.Ctx(), S(9), 2));
    EXPECT_TRUE(engine::IsValidSequence(b.Ctx(), S(7), 2));
    EXPECT_FALSE(engine::IsValidSequence(b.Ctx(), D(5), 2));
    EXPECT_FALSE(engine::IsValidSequence(b.Ctx(), S(9), 28));

    b.Word(w::kTableauMoveVariant, 10);
    EXPECT_TRUE(engine::IsValidSequence(b.Ctx(), D(kK), 2));
    EXPECT_FALSE(engine::IsValidSequence(b.Ctx(), S(9), 2));

    b.Word(w::kTableauMoveVariant, 2);
    EXPECT_TRUE(engine::IsValidSequence(b.Ctx(), D(5), 2));
}

struct SequenceBoard : RuleBoard {
    SequenceBoard() {
        Word(w::kTableauCount, 4);
        Word(w::kReserveCount, 4);
        // Two empty reserves, one empty tableau pile (3).
        Appogg(0, {C(2)});
        Appogg(1, {C(3)});
        Fila(1, {D(2)});
        Fila(2, {D(3)});
        Fila(0, {S(kK), H(kQ), S(kJ), H(10), S(9)});
    }
    bool Move(int limit, int card, bool toEmpty) {
        Word(w::kSequenceLimit, limit);
        return engine::CanMoveSequence(Ctx(), mainGame, card, toEmpty);
    }
};

TEST(PileSequencesTest, SequenceLimits) {
    SequenceBoard b;
    const struct {
        int limit, card;
        bool toEmpty, expected;
    } rows[] = {
        {-1, S(kK), false, true},
        {-12, S(kK), false, true},   {-12, H(kQ), false, false}, {-12, S(9), false, true},
        {-13, S(kK), false, true},   {-13, S(kJ), false, false}, {-13, S(9), false, true},
        {3, S(kJ), false, true},     {3, H(kQ), false, false},   {0, S(9), false, false},
        {-5, H(kQ), false, true},    {-5, S(kK), false, false},  {-5, S(kJ), true, true},
        {-5, H(kQ), true, false},
        {-6, S(kJ), false, true},    {-6, H(kQ), false, false},
        {-2, S(9), false, true},     {-2, H(10), false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.limit << " " << row.card << " " << row.toEmpty);
        EXPECT_EQ(b.Move(row.limit, row.card, row.toEmpty), row.expected);
    }
}

TEST(PileSequencesTest, FreeCellLimitsWithoutEmptyPiles) {
    SequenceBoard b;
    b.Fila(3, {H(2)});
    EXPECT_TRUE(b.Move(-5, S(kJ), false));   // r + 1 = 3
    EXPECT_FALSE(b.Move(-5, H(kQ), false));
    EXPECT_TRUE(b.Move(-6, S(kJ), false));
    EXPECT_TRUE(b.Move(-2, S(9), false));    // at least one card
    EXPECT_FALSE(b.Move(-2, H(10), false));
}

TEST(PileSequencesTest, CanMoveSequenceRecordsTheTopCard) {
    SequenceBoard b;
    b.Move(-1, H(kQ), false);
    EXPECT_EQ(b.mainGame.LiftedTopCard, S(9));
    // A card in no pile is no stack: nothing lifted, and -12 refuses it.
    EXPECT_FALSE(b.Move(-12, H(5), false));
    EXPECT_EQ(b.mainGame.LiftedTopCard, 0);
    EXPECT_TRUE(b.Move(2, H(5), false));
}

}  // namespace
