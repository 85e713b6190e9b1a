// The four companion operations and the longer rows built on the board: grids, jokers,
// learnt steps and base grids.
#include <gtest/gtest.h>

#include "engine/model/pile_text.h"
#include "engine/rules/rule_companions.h"
#include "tests/engine/rule_fixture.h"

namespace {

using namespace rule_test;
using engine::CanPlaceCard;
using engine::words::kFoundationBase;
using engine::words::kFoundationCount;
using engine::words::kRowWidth;
using engine::words::kTableauCount;
using engine::words::kTableauRuleA;
using engine::words::kTableauRuleD;

constexpr int kUp = 1;

TEST(RuleCompanionsTest, ColourStartKeepsColoursToHalfTheFoundations) {
    RuleBoard b;
    b.Word(kFoundationCount, 8);
    for (int f = 0; f < 8; ++f) b.Word(kFoundationBase, f, 81);
    b.Dest(0, {H(kA)});
    b.Dest(1, {D(kA)});
    b.Dest(2, {Second(H(kA))});
    b.Dest(3, {Second(D(kA))});
    EXPECT_FALSE(engine::CanStartFoundationByColour(b.Ctx(), 81, Second(H(kA))));
    EXPECT_TRUE(engine::CanStartFoundationByColour(b.Ctx(), 81, S(kA)));
    EXPECT_FALSE(engine::CanStartFoundationByColour(b.Ctx(), 81, S(2)));
    // No foundation of the code started yet.
    EXPECT_TRUE(engine::CanStartFoundationByColour(b.Ctx(), 85, S(kA)));
    EXPECT_FALSE(engine::CanStartFoundationByColour(b.Ctx(), 77, S(kA)));
}

TEST(RuleCompanionsTest, ColourStartWithSuitsApart) {
    RuleBoard b;
    for (int f = 0; f < 4; ++f) b.Word(kFoundationBase, f, 85);
    b.Dest(0, {S(kA)});
    EXPECT_FALSE(engine::CanStartFoundationByColour(b.Ctx(), 85, Second(S(kA))));
    EXPECT_TRUE(engine::CanStartFoundationByColour(b.Ctx(), 85, H(kA)));
    for (int f = 0; f < 4; ++f) b.Word(kFoundationBase, f, 84);
    b.Dest(0, {S(kK)});
    EXPECT_TRUE(engine::CanStartFoundationByColour(b.Ctx(), 84, D(kK)));
    EXPECT_FALSE(engine::CanStartFoundationByColour(b.Ctx(), 84, D(kA)));
    for (int f = 0; f < 4; ++f) b.Word(kFoundationBase, f, 90);
    b.Dest(0, {S(2)});
    EXPECT_TRUE(engine::CanStartFoundationByColour(b.Ctx(), 90, C(2)));
    EXPECT_FALSE(engine::CanStartFoundationByColour(b.Ctx(), 90, Second(S(2))));
}

TEST(RuleCompanionsTest, ColourStartReportsAJokerAndGoesOn) {
    RuleBoard b;
    for (int f = 0; f < 4; ++f) b.Word(kFoundationBase, f, 85);
    b.Dest(0, {kJoker});
    EXPECT_TRUE(engine::CanStartFoundationByColour(b.Ctx(), 85, H(kA)));
    ASSERT_EQ(b.messages.Texts(test_support::MessageEvent::Kind::Info), std::vector<std::string>{"Error suit - 1"});
}

TEST(RuleCompanionsTest, AceOnTwoOrKingOnQueenOnlyWhereTheEndsMeet) {
    RuleBoard b;
    b.Word(kTableauRuleD, 1, 2);
    b.Word(kTableauRuleD, 2, 1);
    EXPECT_TRUE(engine::IsAceOnTwoOrKingOnQueen(b.Ctx(), H(kA), S(2), 1));
    EXPECT_TRUE(engine::IsAceOnTwoOrKingOnQueen(b.Ctx(), H(kK), S(kQ), 1));
    EXPECT_FALSE(engine::IsAceOnTwoOrKingOnQueen(b.Ctx(), H(2), S(kA), 1));
    EXPECT_FALSE(engine::IsAceOnTwoOrKingOnQueen(b.Ctx(), H(kA), S(2), 2));
    EXPECT_FALSE(engine::IsAceOnTwoOrKingOnQueen(b.Ctx(), H(kA), S(2), 28));
}

TEST(RuleCompanionsTest, SuitsAllDifferent) {
    RuleBoard b;
    b.Dest(0, {H(3)});
    b.Dest(1, {D(3)});
    b.Dest(3, {S(3)});
    EXPECT_TRUE(engine::SuitsAllDifferent(b.Ctx(), 0, 1, 2, 3, C(3), -1));
    EXPECT_FALSE(engine::SuitsAllDifferent(b.Ctx(), 0, 1, 2, 3, H(9), -1));
    EXPECT_TRUE(engine::SuitsAllDifferent(b.Ctx(), 0, 1, 2, 3, H(9), 0));
    EXPECT_FALSE(engine::SuitsAllDifferent(b.Ctx(), 0, 1, 2, 3, H(9), 4));
    b.Dest(2, {kJoker});
    EXPECT_TRUE(engine::SuitsAllDifferent(b.Ctx(), 0, 1, 2, 3, kJoker + 1, 2));
    // Indices the lists do not have hold nothing.
    EXPECT_TRUE(engine::SuitsAllDifferent(b.Ctx(), -1, 20, 99, 3, H(9), -1));
}

struct RowBoard : RuleBoard {
    RowBoard() {
        Word(kRowWidth, 5);
        Word(kTableauCount, 20);
    }
    bool Jump(int from, int to, int& jumped) {
        Fila(from, {S(9)});
        return engine::FindRowNeighbour(Ctx(), from + 1, to, jumped);
    }
};

TEST(RuleCompanionsTest, FindRowNeighbourJumpsWithinRowsAndColumns) {
    RowBoard b;
    for (int pile = 0; pile < 20; ++pile) b.Fila(pile, {H(2)});
    b.Fila(5, {});
    int jumped = 0;
    EXPECT_TRUE(b.Jump(7, 5, jumped));
    EXPECT_EQ(jumped, 6);
    EXPECT_FALSE(b.Jump(3, 5, jumped));
    EXPECT_EQ(jumped, -1);
    EXPECT_TRUE(b.Jump(15, 5, jumped));
    EXPECT_EQ(jumped, 10);

    b.Fila(9, {});
    EXPECT_TRUE(b.Jump(7, 9, jumped));
    EXPECT_EQ(jumped, 8);
    EXPECT_FALSE(b.Jump(11, 9, jumped));  // from the next row

    b.Fila(7, {});
    EXPECT_TRUE(b.Jump(9, 7, jumped));
    EXPECT_TRUE(b.Jump(5, 7, jumped));
    EXPECT_EQ(jumped, 6);
    b.Fila(6, {});
    EXPECT_FALSE(b.Jump(5, 7, jumped));  // nothing to jump over
}

TEST(RuleCompanionsTest, FindRowNeighbourNeedsATableauSourceAndARowWidth) {
    RowBoard b;
    for (int pile = 0; pile < 20; ++pile) b.Fila(pile, {H(2)});
    int jumped = 0;
    EXPECT_FALSE(engine::FindRowNeighbour(b.Ctx(), engine::kLocatedInWaste, 0, jumped));
    EXPECT_FALSE(engine::FindRowNeighbour(b.Ctx(), -1, 1, jumped));  // foundation 0 is no pile -2
    EXPECT_FALSE(engine::FindRowNeighbour(b.Ctx(), engine::kLocatedNowhere, 1, jumped));
    b.Word(kRowWidth, 0);
    EXPECT_FALSE(engine::FindRowNeighbour(b.Ctx(), 3, 1, jumped));
}

TEST(RuleCompanionsTest, RulesSeventyAndSeventyOneMoveWithinTheGrid) {
    RowBoard b;
    auto drop = [&b](int rule, int from, int to) {
        b.Fila(from, {S(9)});
        const bool ok = CanPlaceCard(b.Ctx(), -1, S(9), -1, -1, kUp, rule, false, true, to, true);
        b.Fila(from, {});
        return ok;
    };
    EXPECT_TRUE(drop(70, 6, 5));
    EXPECT_FALSE(drop(70, 4, 5));  // the row before
    EXPECT_TRUE(drop(70, 0, 5));
    EXPECT_TRUE(drop(70, 10, 5));
    EXPECT_TRUE(drop(70, 8, 9));
    EXPECT_FALSE(drop(70, 10, 9));
    EXPECT_TRUE(drop(70, 6, 7));
    EXPECT_TRUE(drop(70, 8, 7));
    EXPECT_FALSE(drop(70, 13, 7));
    b.Fila(6, {H(2)});
    EXPECT_TRUE(drop(71, 7, 5));
    EXPECT_FALSE(drop(71, 3, 5));
    b.Fila(5, {H(3)});
    EXPECT_FALSE(drop(70, 6, 5));  // only onto an empty pile
    EXPECT_FALSE(drop(71, 7, 5));
}

TEST(RuleCompanionsTest, JokerFoundations) {
    RuleBoard b;
    for (int f = 0; f < 4; ++f) b.Word(kFoundationBase, f, -2);
    auto place = [&b](int rule, int f, int card) {
        const std::string& pile = b.board.piles.Pile(engine::PileListId::kDest, f);
        const int top = pile.empty() ? -1 : engine::PileTopCard(pile);
        return CanPlaceCard(b.Ctx(), top, card, -2, -2, kUp, rule, true, true, f, true);
    };
    EXPECT_TRUE(place(72, 0, S(9)));  // the first card sets the base
    EXPECT_FALSE(place(72, 0, kJoker));
    EXPECT_TRUE(place(75, 0, kJoker));

    b.Dest(0, {H(5)});
    EXPECT_TRUE(place(72, 0, kJoker));
    EXPECT_TRUE(place(72, 1, S(5)));
    EXPECT_FALSE(place(72, 1, S(6)));
    EXPECT_FALSE(place(72, 1, Second(H(5))));  // four foundations keep four suits
    EXPECT_TRUE(place(72, 0, H(6)));
    EXPECT_FALSE(place(72, 0, S(6)));

    b.Dest(0, {kJoker, H(6)});
    EXPECT_TRUE(place(72, 1, S(5)));
    b.Dest(0, {kJoker, H(kA)});
    EXPECT_TRUE(place(72, 1, S(kK)));  // the joker stood for a King
    EXPECT_TRUE(place(72, 0, H(2)));

    b.Dest(0, {H(4), kJoker, H(6)});
    EXPECT_TRUE(place(72, 0, H(7)));
    EXPECT_TRUE(place(72, 0, H(5)));  // the card the joker stands for
    EXPECT_FALSE(place(72, 0, H(8)));

    b.Dest(0, {H(4), kJoker});
    EXPECT_TRUE(place(72, 0, H(6)));
    EXPECT_TRUE(place(72, 0, H(5)));
    EXPECT_FALSE(place(72, 0, S(6)));

    b.Dest(0, {H(kK)});
    EXPECT_TRUE(place(72, 0, H(kA)));
    b.Dest(0, {H(kK), kJoker});
    EXPECT_TRUE(place(72, 0, H(2)));
    EXPECT_TRUE(place(72, 0, H(kA)));
    b.Word(kFoundationBase, 0, 1);  // a foundation from the Ace never wraps
    EXPECT_FALSE(place(72, 0, H(2)));

    b.Dest(0, {});
    b.Word(kFoundationBase, 1, 5);
    b.Dest(1, {kJoker});
    EXPECT_TRUE(place(72, 1, S(6)));
    EXPECT_FALSE(place(72, 1, S(7)));
}

TEST(RuleCompanionsTest, RuleNinetyOneLearnsItsStep) {
    RuleBoard b;
    auto place = [&b](int top, int card) {
        return CanPlaceCard(b.Ctx(), top, card, -1, -1, kUp, 91, true, true, 2, true);
    };
    EXPECT_TRUE(place(H(5), S(6)));
    EXPECT_TRUE(place(H(5), S(7)));
    EXPECT_FALSE(place(H(5), S(8)));
    EXPECT_TRUE(place(H(kK), S(2)));
    EXPECT_TRUE(place(H(kQ), S(kA)));

    b.Dest(1, {H(3), H(6)});
    EXPECT_TRUE(place(S(4), D(7)));
    EXPECT_FALSE(place(S(4), D(5)));

    b.Dest(0, {H(kK), H(kA)});
    EXPECT_TRUE(place(S(kK), D(kA)));
    EXPECT_TRUE(place(S(5), D(6)));
    EXPECT_FALSE(place(S(5), D(7)));

    b.Dest(0, {H(kQ), H(kA)});
    EXPECT_TRUE(place(S(kQ), D(kA)));
    EXPECT_TRUE(place(S(kK), D(2)));
    EXPECT_FALSE(place(S(kK), D(kA)));
}

TEST(RuleCompanionsTest, RuleNinetyThreeBuildsAGridOfBaseCards) {
    RuleBoard b;
    b.Word(kTableauRuleA, 0, 2);
    b.Word(kTableauRuleA, 1, 3);
    auto place = [&b](int card) {
        const int top = engine::PileTopCard(b.board.piles.Pile(engine::PileListId::kFila, 0));
        return CanPlaceCard(b.Ctx(), top == 0 ? -1 : top, card, 2, 1, kUp, 93, false, true, 0, true);
    };
    EXPECT_TRUE(place(S(2)));
    EXPECT_FALSE(place(S(3)));
    b.Fila(0, {H(2)});
    EXPECT_TRUE(place(H(5)));
    EXPECT_FALSE(place(S(5)));
    EXPECT_FALSE(place(H(4)));
    // Two misplaced base cards change places.
    b.Fila(0, {S(3)});
    b.Fila(1, {D(2)});
    EXPECT_TRUE(place(D(2)));
    b.Fila(1, {H(9), D(2)});
    EXPECT_FALSE(place(D(2)));
    b.Fila(0, {S(3), S(6)});
    EXPECT_FALSE(place(S(9)));
}

}  // namespace
