// The checker's own steps, the general build test and the base codes.
#include <gtest/gtest.h>

#include "engine/rules/rule_codes.h"
#include "tests/engine/rule_fixture.h"

namespace {

using namespace rule_test;
using engine::CanPlaceCard;
using engine::PlaceQuery;
using engine::words::kFoundationBase;
using engine::words::kFoundationCount;
using engine::words::kStockFirst;
using engine::words::kTableauRuleD;

constexpr int kDown = 0, kUp = 1, kEither = 2;

TEST(RuleCheckerTest, ACardNeverGoesOntoItselfUnderAnyRule) {
    RuleBoard b;
    for (int rule = -1; rule <= engine::kHighestRuleCode; ++rule) {
        SCOPED_TRACE(rule);
        EXPECT_FALSE(CanPlaceCard(b.Ctx(), H(5), H(5), -1, -1, kEither, rule, true, true, 0, true));
    }
}

TEST(RuleCheckerTest, StockFirstRefusesTableauCardsUntilTheStockRowIsEmpty) {
    RuleBoard b;
    b.Word(kStockFirst, 2);
    b.Waste({D(9)});
    b.Fila(3, {S(9), H(4)});
    for (int rule = 0; rule <= engine::kHighestRuleCode; ++rule) {
        SCOPED_TRACE(rule);
        EXPECT_FALSE(CanPlaceCard(b.Ctx(), -1, H(4), -1, -1, kEither, rule, false, true, 0, true));
    }
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), -1, D(9), -1, -1, kEither, 12, false, true, 0, true));
    b.Waste({});
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), -1, H(4), -1, -1, kEither, 12, false, true, 0, true));
}

TEST(RuleCheckerTest, StockFirstOneHoldsOnlyForFoundations) {
    RuleBoard b;
    b.Word(kStockFirst, 1);
    b.Stock({D(9)});
    b.Fila(0, {H(4)});
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), -1, H(4), -1, -1, kUp, 12, true, true, 0, true));
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), -1, H(4), -1, -1, kUp, 12, false, true, 0, true));
}

TEST(RuleCheckerTest, UnlistedAndLowCodesTakeTheGeneralTest) {
    RuleBoard b;
    EXPECT_EQ(engine::FindRuleHandler(3), nullptr);
    EXPECT_EQ(engine::FindRuleHandler(9), nullptr);
    EXPECT_EQ(engine::FindRuleHandler(97), nullptr);
    EXPECT_NE(engine::FindRuleHandler(4), nullptr);
    // 2: no suit condition; 0 same suit; 1 same colour; 3 alternating; 6 nothing on a card.
    const struct {
        int rule, top, card;
        bool expected;
    } rows[] = {
        {2, H(5), S(6), true},  {0, H(5), S(6), false}, {0, H(5), H(6), true},  {1, H(5), D(6), true},
        {1, H(5), C(6), false}, {3, H(5), C(6), true},  {3, H(5), D(6), false}, {6, H(5), H(6), false},
        {6, -1, H(6), true},    {9, H(5), S(6), true},  {-1, H(5), S(6), true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rule);
        EXPECT_EQ(CanPlaceCard(b.Ctx(), row.top, row.card, -1, -1, kUp, row.rule, false, true, 0, true), row.expected);
    }
}

TEST(RuleCheckerTest, GeneralTestAtTheStartRank) {
    RuleBoard b;
    // Down on a tableau pile with start 1: nothing on an Ace, unless past start.
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), H(kA), S(kK), -1, 1, kDown, 2, false, false, 0, true));
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), H(kA), S(kK), -1, 1, kDown, 2, false, true, 0, true));
    // With another start rank an Ace still takes only a King.
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), H(kA), S(kK), -1, 5, kDown, 2, false, false, 0, true));
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), H(5), S(4), -1, 5, kDown, 2, false, false, 0, true));
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), H(kA), S(kK), -1, 81, kDown, 2, false, false, 0, true));
    // Up on a tableau pile: blocked at the start rank, a King takes an Ace.
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), H(7), S(8), -1, 7, kUp, 2, false, false, 0, true));
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), H(kK), S(kA), -1, 1, kUp, 2, false, false, 0, true));
    // Either way tries up, then down.
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), H(7), S(6), -1, 1, kEither, 2, false, false, 0, true));
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), H(7), S(8), -1, 1, kEither, 2, false, false, 0, true));
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), H(7), S(9), -1, 1, kEither, 2, false, false, 0, true));
}

TEST(RuleCheckerTest, GeneralTestOnFoundations) {
    RuleBoard b;
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), H(kK), H(kA), 1, 1, kUp, 0, true, true, 0, true));
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), H(kK), H(kA), 5, 5, kUp, 0, true, true, 0, true));
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), H(kA), H(kK), 5, 5, kDown, 0, true, true, 0, true));
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), H(kA), H(kK), 13, 13, kDown, 0, true, true, 0, true));
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), H(kA), H(2), 5, 5, kDown, 0, true, true, 0, true));
    // Any other direction takes nothing on a card.
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), H(5), H(6), -1, -1, 3, 2, true, true, 0, true));
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), H(5), H(4), -1, -1, 3, 2, false, true, 0, true));
}

TEST(RuleCheckerTest, QueenOnKingAndTwoOnAceWhenTheEndsMeet) {
    RuleBoard b;
    b.Word(kTableauRuleD, 2, 2);
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), H(kK), S(kQ), -1, 1, kUp, 2, false, true, 2, true));
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), H(kA), S(2), -1, 1, kDown, 2, false, true, 2, true));
    // No wrap there: a King takes no Ace going up.
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), H(kK), S(kA), -1, 1, kUp, 2, false, true, 2, true));
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), H(kK), S(kQ), -1, 1, kUp, 2, false, true, 3, true));
    // A pile index outside the record never meets the ends.
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), H(kK), S(kQ), -1, 1, kUp, 2, false, true, 40, true));
}

TEST(RuleCheckerTest, PlainBaseRanks) {
    RuleBoard b;
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), -1, S(5), 5, 1, kUp, 0, false, false, 0, true));
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), -1, S(6), 5, 1, kUp, 0, false, false, 0, true));
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), -1, S(6), 5, -1, kUp, 0, false, false, 0, true));
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), -1, S(6), -1, 1, kUp, 0, false, false, 0, true));
    // 65535 is the same word as -1.
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), 65535, S(6), 65535, 1, kUp, 0, false, false, 0, true));
}

TEST(RuleCheckerTest, BaseCodes) {
    RuleBoard b;
    auto empty = [&b](int base, int card) {
        return CanPlaceCard(b.Ctx(), -1, card, base, base, kUp, 0, true, true, 0, true);
    };
    EXPECT_FALSE(empty(82, S(kA)));
    EXPECT_FALSE(empty(83, S(kK)));
    EXPECT_TRUE(empty(86, S(9)));
    b.singleCard = false;
    EXPECT_FALSE(empty(86, S(9)));
    b.singleCard = true;

    b.Waste({S(9)});
    b.Fila(0, {H(3)});
    b.Appogg(0, {D(4)});
    EXPECT_TRUE(empty(87, S(9)));
    EXPECT_TRUE(empty(87, C(7)));  // in no pile
    EXPECT_FALSE(empty(87, H(3)));
    EXPECT_TRUE(empty(88, D(4)));
    EXPECT_FALSE(empty(88, H(3)));

    // 96: reserves first, then only the waste, never the tableau.
    EXPECT_TRUE(empty(96, D(4)));
    EXPECT_FALSE(empty(96, S(9)));
    EXPECT_FALSE(empty(96, H(3)));
    b.Appogg(0, {});
    EXPECT_TRUE(empty(96, S(9)));
    EXPECT_FALSE(empty(96, C(7)));
}

TEST(RuleCheckerTest, BaseCodesMatchingTheFoundationBottoms) {
    RuleBoard b;
    b.Appogg(2, {S(7)});
    b.Waste({D(7)});
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), -1, D(7), 92, 92, kUp, 0, true, true, 1, true));
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), -1, D(7), 93, 93, kUp, 0, true, true, 1, true));
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), -1, S(7), 93, 93, kUp, 0, true, true, 1, true));
    b.Dest(0, {H(7), H(8)});
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), -1, D(7), 93, 93, kUp, 0, true, true, 1, true));
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), -1, D(8), 92, 92, kUp, 0, true, true, 1, true));
}

TEST(RuleCheckerTest, PrefillZeroIsAnEmptyPileForEveryRule) {
    RuleBoard b;
    // Rule 86 on an empty pile takes every Ace; so on 0.
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), 0, S(kA), -1, -1, kUp, 86, true, true, 0, false));
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), 0, D(9), -1, -1, kDown, 87, true, true, 0, false));
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), 0, S(kK), -1, -1, kDown, 38, false, true, 0, false));
}

// Left open by the rules: on an empty pile these rows hand over to the base table.
TEST(RuleCheckerTest, SteppingAndSuitRowsLeaveEmptyPilesToTheBase) {
    RuleBoard b;
    // Counted from the empty pile's rank -1 they would take these cards.
    const struct {
        int rule, countedFromEmpty;
    } rows[] = {{14, H(kA)}, {15, D(2)}, {16, S(3)}, {43, H(kA)}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rule);
        EXPECT_TRUE(CanPlaceCard(b.Ctx(), -1, S(4), 4, 4, kUp, row.rule, true, true, 0, true));
        EXPECT_FALSE(CanPlaceCard(b.Ctx(), -1, row.countedFromEmpty, 4, 4, kUp, row.rule, true, true, 0, true));
    }
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), -1, S(kK), kK, 1, kDown, 24, false, false, 0, true));
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), -1, H(kQ), kK, 1, kDown, 24, false, false, 0, true));
    EXPECT_TRUE(CanPlaceCard(b.Ctx(), -1, H(kA), kA, kA, kUp, 43, true, true, 0, true));
}

TEST(RuleCheckerTest, RulesNinetyFourAndFiveWrapAtEveryCode) {
    RuleBoard b;
    // 94: a King on an Ace, also on the Ace of hearts of the first deck.
    for (const int ace : {H(kA), S(kA), Second(D(kA))}) {
        b.Fila(0, {ace});
        const int king = engine::IsRedCard(ace) ? S(kK) : H(kK);
        EXPECT_TRUE(CanPlaceCard(b.Ctx(), ace, king, -1, -1, kDown, 94, false, true, 0, true)) << ace;
        EXPECT_FALSE(CanPlaceCard(b.Ctx(), ace, king - 1, -1, -1, kDown, 94, false, true, 0, true)) << ace;
    }
    // 95: an Ace on a King of its suit, also on the King of spades of the second deck.
    for (const int king : {H(kK), S(kK), Second(S(kK))}) {
        b.Dest(0, {king});
        const int ace = king - 12;
        EXPECT_TRUE(CanPlaceCard(b.Ctx(), king, ace, -1, -1, kUp, 95, true, true, 0, true)) << king;
        EXPECT_FALSE(CanPlaceCard(b.Ctx(), king, king == H(kK) ? D(kA) : H(kA), -1, -1, kUp, 95, true, true, 0, true));
    }
}

TEST(RuleCheckerTest, NeverReadsBeyondTheLists) {
    RuleBoard b;
    b.Word(kFoundationCount, 16);
    for (int rule = 0; rule <= engine::kHighestRuleCode; ++rule) {
        for (const int pile : {-5, -1, 16, 28, 200, 32767}) {
            CanPlaceCard(b.Ctx(), H(5), H(6), -1, -1, kUp, rule, true, true, pile, true);
            CanPlaceCard(b.Ctx(), -1, H(6), -1, -1, kUp, rule, false, false, pile, true);
        }
    }
    // A foundation index with no base word refuses the base rows.
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), -1, S(5), -1, -1, kUp, 46, true, true, 16, true));
    EXPECT_FALSE(CanPlaceCard(b.Ctx(), -1, S(5), -1, -1, kUp, 41, true, true, -1, true));
}

// The deal's play-off asks one prepared question per foundation again and again; no
// answer may depend on what was asked of it before.
TEST(RuleCheckerTest, AQuestionAskedAgainAnswersAsAFreshOne) {
    RuleBoard b;
    b.Word(kStockFirst, 1);
    b.Waste({D(9)});
    b.Dest(0, {H(kA), H(2)});
    b.Fila(2, {S(9), C(4), H(3)});
    b.Appogg(1, {D(kK)});
    const int tops[] = {-1, 0, H(2), C(4), D(kK), S(kA), kJoker, 65535};
    const int cards[] = {H(3), C(4), D(9), D(kK), S(2), Second(H(3)), kJoker};
    for (int rule = -1; rule <= engine::kHighestRuleCode; ++rule) {
        for (const int base : {-1, 1, 13, 81, 84, 87, 92, 93, 96}) {
            for (const bool foundation : {false, true}) {
                const PlaceQuery pile{-1, 0, base, 1, kEither, rule, foundation, false, 2, true};
                engine::PlacementQuestion question(b.Ctx(), pile);
                for (const int top : tops) {
                    for (const int card : cards) {
                        PlaceQuery fresh = pile;
                        fresh.top = top;
                        fresh.card = card;
                        ASSERT_EQ(question.CanPlace(top, card), CanPlaceCard(b.Ctx(), fresh))
                            << "rule " << rule << " base " << base << " top " << top << " card " << card;
                    }
                }
            }
        }
    }
}

}  // namespace
