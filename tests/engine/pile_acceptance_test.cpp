#include <gtest/gtest.h>

#include <utility>

#include "engine/model/game_kinds.h"
#include "engine/rules/pile_acceptance.h"
#include "engine/rules/rule_codes.h"
#include "tests/engine/rule_fixture.h"

namespace {

using namespace rule_test;
using engine::CanDropOnFoundation;
using engine::CanDropOnPile;
using engine::CanDropOnTableau;
using engine::PileListId;
namespace w = engine::words;

struct DropBoard : RuleBoard {
    bool OnFoundation(int i, int card) {
        auto ctx = Drop();
        return CanDropOnFoundation(ctx, board.piles.List(PileListId::kDest), i, card);
    }
    bool OnTableau(int i, int card) {
        auto ctx = Drop();
        return CanDropOnTableau(ctx, board.piles.List(PileListId::kFila), i, card);
    }
    bool OnPile(std::string_view name, int card) {
        auto ctx = Drop();
        return CanDropOnPile(ctx, card, name);
    }
    void FullSuit(int f, int suitStart) {
        std::string text;
        for (int r = 1; r <= kK; ++r) text += engine::CardCodeText(suitStart + r);
        board.piles.SetPile(PileListId::kDest, f, text);
    }
};

TEST(PileAcceptanceTest, FoundationsTakeOneCardAtATime) {
    DropBoard b;
    b.singleCard = false;
    for (int rule = 0; rule <= engine::kHighestRuleCode; ++rule) {
        b.Word(w::kFoundationRuleCode, 0, rule);
        EXPECT_FALSE(b.OnFoundation(0, H(kA))) << rule;
        EXPECT_FALSE(b.OnFoundation(0, H(kQ))) << rule;
    }
}

TEST(PileAcceptanceTest, MaxFoundationCards) {
    DropBoard b;
    b.Word(w::kFoundationBase, 0, 5);
    b.Word(w::kFoundationDirection, 0, 1);
    b.FullSuit(0, 0);
    b.Word(w::kMaxFoundationCards, 13);
    EXPECT_FALSE(b.OnFoundation(0, Second(H(kA))));
    b.Word(w::kFoundationRuleCode, 0, 29);
    EXPECT_TRUE(b.OnFoundation(0, Second(H(kK))));
    b.Word(w::kFoundationRuleCode, 0, 0);
    for (const int noLimit : {65535, -1}) {
        b.Word(w::kMaxFoundationCards, noLimit);
        EXPECT_TRUE(b.OnFoundation(0, Second(H(kA)))) << noLimit;
    }
}

TEST(PileAcceptanceTest, FoundationCodesDecidedBeforeTheRuleChecker) {
    DropBoard b;
    b.Word(w::kFoundationRuleCode, 0, 10);
    EXPECT_TRUE(b.OnFoundation(0, S(kQ)));
    EXPECT_FALSE(b.OnFoundation(0, S(kK)));
    b.Dest(0, {H(kQ)});
    EXPECT_FALSE(b.OnFoundation(0, S(kQ)));

    // Code 22: below a tableau top of the suit, or under an Ace there.
    b.Word(w::kFoundationRuleCode, 1, 22);
    b.Fila(0, {H(9), S(7)});
    EXPECT_TRUE(b.OnFoundation(1, S(5)));
    b.Fila(0, {S(4)});
    EXPECT_FALSE(b.OnFoundation(1, S(5)));
    b.Fila(2, {S(kA)});
    EXPECT_TRUE(b.OnFoundation(1, S(kK)));
    EXPECT_FALSE(b.OnFoundation(1, Second(S(kA))));
}

TEST(PileAcceptanceTest, TheSelectionLineOfAPairingGameTakesNoCard) {
    DropBoard b;
    b.Word(w::kFoundationRuleCode, 0, 10);
    b.Word(w::kFoundationRuleCode, 1, 10);
    ASSERT_TRUE(b.OnFoundation(0, S(kQ)));
    for (const auto& [word, value] : {std::pair{w::kSelectionSum, 3}, std::pair{w::kGameKind, 3},
                                      std::pair{w::kGameKind, 4}}) {
        b.Word(word, value);
        EXPECT_FALSE(b.OnFoundation(0, S(kQ))) << word << " = " << value;
        EXPECT_FALSE(b.OnPile("Dest1", S(kQ))) << word << " = " << value;
        EXPECT_TRUE(b.OnFoundation(1, S(kQ))) << "the other foundations take cards as ever";
        b.Word(word, 0);
    }
}

TEST(PileAcceptanceTest, RuleTwentyStopsAtAWholeDeck) {
    DropBoard b;
    b.Word(w::kFoundationRuleCode, 0, 20);
    std::string pile;
    for (int k = 0; k < 52; ++k) pile += engine::CardCodeText((k % 4) * kK + k / 4 + 1);
    b.board.piles.SetPile(PileListId::kDest, 0, pile.substr(0, 51 * 3));
    EXPECT_TRUE(b.OnFoundation(0, Second(C(kA))));
    b.board.piles.SetPile(PileListId::kDest, 0, pile);
    EXPECT_FALSE(b.OnFoundation(0, Second(C(kA))));
}

TEST(PileAcceptanceTest, TableauTopAndSize) {
    DropBoard b;
    b.Word(w::kTableauRuleC, 0, 3);
    b.Fila(0, {H(5)});
    EXPECT_TRUE(b.OnTableau(0, S(4)));
    b.board.cards.SetCardFaceFlag(H(5), engine::kFaceDown);
    EXPECT_FALSE(b.OnTableau(0, S(4)));
    b.Word(w::kGameKind, engine::game_kind::kFaceDownBuild);
    EXPECT_TRUE(b.OnTableau(0, S(4)));

    b.Fila(1, {H(9), S(8)});
    b.Word(w::kTableauRuleC, 1, 3);
    b.Word(w::kMaxTableauCards, 2);
    EXPECT_FALSE(b.OnTableau(1, H(7)));
    for (const int most : {3, 65535, -1}) {
        b.Word(w::kMaxTableauCards, most);
        EXPECT_TRUE(b.OnTableau(1, H(7))) << most;
    }
    EXPECT_FALSE(b.OnTableau(28, H(7)));
    EXPECT_FALSE(b.OnTableau(-1, H(7)));
}

TEST(PileAcceptanceTest, StacksOnTableauPiles) {
    DropBoard b;
    b.Word(w::kTableauRuleC, 0, 34);
    b.Word(w::kTableauRuleC, 1, 34);
    b.Word(w::kTableauRuleA, 1, -1);
    b.Fila(0, {H(9)});
    b.Fila(2, {S(8), H(7)});
    EXPECT_TRUE(b.OnTableau(0, S(8)));
    b.singleCard = false;
    EXPECT_FALSE(b.OnTableau(0, S(8)));
    EXPECT_TRUE(b.OnTableau(1, S(8)));

    // With a move variant the lifted stack must itself be in sequence.
    b.Word(w::kTableauRuleC, 0, 3);
    b.Word(w::kTableauMoveVariant, 1);
    EXPECT_TRUE(b.OnTableau(0, S(8)));
    b.Fila(2, {S(8), C(7)});
    EXPECT_FALSE(b.OnTableau(0, S(8)));
    b.Word(w::kTableauMoveVariant, 0);
    EXPECT_TRUE(b.OnTableau(0, S(8)));
}

TEST(PileAcceptanceTest, AStackNeverGoesBackOntoItsOwnTop) {
    DropBoard b;
    b.Word(w::kTableauRuleC, 0, 12);
    b.Fila(0, {S(8), H(7)});
    b.mainGame.LiftedTopCard = H(7);
    EXPECT_FALSE(b.OnTableau(0, S(8)));
    b.mainGame.LiftedTopCard = 0;
    EXPECT_TRUE(b.OnTableau(0, S(8)));
}

TEST(PileAcceptanceTest, FreeCellLimitOntoAnEmptyPile) {
    DropBoard b;
    b.Word(w::kSequenceLimit, -5);
    b.Word(w::kTableauCount, 4);
    b.Word(w::kTableauRuleC, 3, 2);
    b.Word(w::kTableauRuleA, 3, -1);
    b.Appogg(0, {C(2)});
    b.Appogg(1, {C(3)});
    b.Fila(1, {D(2)});
    b.Fila(2, {D(3)});
    b.singleCard = false;
    // Two empty reserves and one empty pile: three cards onto the empty pile.
    b.Fila(0, {S(9), H(8), S(7)});
    EXPECT_TRUE(b.OnTableau(3, S(9)));
    EXPECT_EQ(b.mainGame.LiftedTopCard, S(7));
    b.Fila(0, {S(kJ), H(10), S(9), H(8)});
    EXPECT_FALSE(b.OnTableau(3, S(kJ)));
}

TEST(PileAcceptanceTest, ReserveCodes) {
    DropBoard b;
    const struct {
        int code;
        int card;
        bool single;
        bool expected;
    } rows[] = {
        {4, S(kK), true, false},  {8, S(kK), true, true},   {8, S(kQ), true, false},   {8, S(kK), false, false},
        {12, S(3), false, true},  {13, S(3), true, true},   {13, S(3), false, false},  {88, S(kJ), true, true},
        {88, S(kQ), true, false}, {89, S(kQ), true, true},  {90, S(kK), true, true},   {90, S(kQ), true, false},
        {9, S(kJ), true, true},   {9, S(10), true, false},  {81, S(3), true, true},    {81, S(3), false, false},
        {0, S(3), true, true},    {77, S(3), false, false}, {85, S(3), false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        b.Word(w::kReserveRule, 1, row.code);
        b.singleCard = row.single;
        EXPECT_EQ(b.OnPile("Appogg02", row.card), row.expected);
    }
    // Codes that take only an empty reserve.
    b.singleCard = true;
    b.Appogg(1, {H(2)});
    for (const int code : {88, 9, 81, 0}) {
        b.Word(w::kReserveRule, 1, code);
        EXPECT_FALSE(b.OnPile("Appogg02", S(kJ))) << code;
    }
}

TEST(PileAcceptanceTest, ReserveCodesThatMeasureTheFirstReserve) {
    DropBoard b;
    b.Word(w::kReserveRule, 2, 8);
    b.Appogg(0, {H(2), H(3), H(4)});
    EXPECT_FALSE(b.OnPile("Appogg03", S(kK)));
    b.Appogg(0, {H(2), H(3)});
    b.Appogg(2, {H(5), H(6), H(7), H(8)});
    EXPECT_TRUE(b.OnPile("Appogg03", S(kK)));
    b.Word(w::kReserveRule, 2, 13);
    b.Appogg(0, {H(2), H(3), H(4), H(5), H(6)});
    EXPECT_FALSE(b.OnPile("Appogg03", S(9)));
}

TEST(PileAcceptanceTest, ReserveFromTheWaste) {
    DropBoard b;
    b.Word(w::kReserveRule, 0, 85);
    b.Fila(0, {S(2)});
    b.Waste({S(3), S(4)});
    b.singleCard = false;
    EXPECT_FALSE(b.OnPile("Appogg01", S(2)));
    EXPECT_TRUE(b.OnPile("Appogg01", S(4)));
}

TEST(PileAcceptanceTest, PileNames) {
    DropBoard b;
    b.Word(w::kFoundationBase, 2, 1);
    b.Word(w::kFoundationDirection, 2, 1);
    EXPECT_TRUE(b.OnPile("Dest03", H(kA)));
    EXPECT_TRUE(b.OnPile("Dest3", H(kA)));
    EXPECT_FALSE(b.OnPile("Dest03", H(2)));
    b.Word(w::kTableauRuleA, 4, kK);
    EXPECT_TRUE(b.OnPile("Fila05", S(kK)));
    EXPECT_FALSE(b.OnPile("Fila05", S(kQ)));
    for (const char* name : {"Mazzo", "Mazzo_Vis", "Dest17", "Dest00", "Fila29", "Appogg11", "Appo01", "", "Fila"}) {
        EXPECT_FALSE(b.OnPile(name, S(kK))) << name;
    }
}

}  // namespace
