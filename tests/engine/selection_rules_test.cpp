#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "engine/model/card_codes.h"
#include "engine/play/selection_rules.h"

namespace engine {
namespace {

// Hearts: the code is the rank. Other suits by their offset.
constexpr int kDiamonds = 13;
constexpr int kClubs = 26;
constexpr int kSpades = 39;

// The selection after a card was added: cards in the order pressed, the last the new one.
SelectionCheck After(std::initializer_list<int> cards, int selectionSum = 0) {
    std::string line;
    for (const int card : cards) line += engine::CardCodeText(card);
    SelectionCheck check;
    check.card = *(cards.end() - 1);
    check.tally = TallySelection(line);
    check.selectionSum = selectionSum;
    return check;
}

struct Outcome {
    bool refused;
    bool complete;
};

Outcome Judge(int kind, const SelectionCheck& check) {
    const SelectionKindRule& rule = SelectionRuleOf(kind);
    const bool refused = rule.refuses(check);
    return {refused, !refused && rule.completes(check)};
}

constexpr Outcome kOpen{false, false};
constexpr Outcome kDone{false, true};
constexpr Outcome kRefused{true, false};

void ExpectOutcome(int kind, const SelectionCheck& check, Outcome expected) {
    const Outcome got = Judge(kind, check);
    EXPECT_EQ(got.refused, expected.refused) << "kind " << kind << " card " << check.card;
    EXPECT_EQ(got.complete, expected.complete) << "kind " << kind << " card " << check.card;
}

struct Row {
    int kind;
    std::initializer_list<int> cards;  // in the order pressed, the last the new one
    int selectionSum;
    Outcome outcome;
};

// The kinds whose rules read only the selection, with the edge cases of each.
TEST(SelectionRulesTest, TheKindsRefuseAndCompleteByTheirCounts) {
    const Row rows[] = {
        // Kind 20: totals of 10, 20, 30 with J, Q, K counting ten, from two cards on.
        {20, {1}, 0, kOpen}, {20, {1, 9}, 0, kDone}, {20, {13}, 0, kOpen}, {20, {13, kClubs + 12}, 0, kDone},
        {20, {3, 4, 3 + kClubs}, 0, kDone}, {20, {3, 4, 5}, 0, kOpen},
        // Kind 24: a lone nine, or 10, J, Q, K together.
        {24, {9}, 0, kDone}, {24, {4, kSpades + 5}, 0, kDone}, {24, {10, 11, 12}, 0, kOpen},
        {24, {10, 11, 12, 13}, 0, kDone}, {24, {4, 10}, 0, kRefused}, {24, {10, 4}, 0, kRefused},
        {24, {10, kClubs + 10}, 0, kRefused}, {24, {1, 2, 3}, 0, kRefused},
        // Kind 18: a lone Ace, or a face card and three number cards making 18.
        {18, {1}, 0, kDone}, {18, {5, 1}, 0, kRefused}, {18, {12, 5, 6}, 0, kOpen}, {18, {12, 5, 6, 7}, 0, kDone},
        {18, {12, 5, 6, 8}, 0, kOpen}, {18, {12, 5, kClubs + 5}, 0, kRefused}, {18, {12, 13}, 0, kRefused},
        {18, {2, 3, 4, 5}, 0, kRefused},
        // Kinds 17 and 26: two cards making 11, or J, Q and K.
        {17, {5, 6}, 0, kDone}, {17, {5, 5 + kDiamonds}, 0, kOpen}, {17, {11, 12, 13}, 0, kDone},
        {17, {5, 11}, 0, kRefused}, {17, {11, 11 + kSpades}, 0, kRefused}, {17, {2, 3, 4}, 0, kRefused},
        {26, {5, 6}, 0, kDone}, {26, {11, 12}, 0, kOpen}, {26, {11, 12, 13}, 0, kDone},
        {26, {11, 11 + kSpades}, 0, kRefused}, {26, {2, 3, 4}, 0, kRefused},
        // Kind 1: four alike, or the total of word 38.
        {1, {10, 10 + kDiamonds, 10 + kClubs, 10 + kSpades}, 0, kDone}, {1, {10, 11}, 0, kRefused},
        {1, {4, 10}, 0, kRefused}, {1, {7, 8}, 15, kDone}, {1, {3, 7}, 10, kDone}, {1, {1, 2, 3}, 10, kRefused},
        {1, {1, 2, 3}, 15, kOpen},
        // Kind 41: number cards matching one face card.
        {41, {13}, 0, kRefused}, {41, {5}, 0, kOpen}, {41, {5, 6, 11}, 0, kDone}, {41, {5, 11, 12}, 0, kRefused},
    };
    for (const Row& row : rows) ExpectOutcome(row.kind, After(row.cards, row.selectionSum), row.outcome);
}

TEST(SelectionRulesTest, PairKindsOfOneRank) {
    for (const int kind : {14, 16, 25}) {
        ExpectOutcome(kind, After({7, 7 + kClubs}), kDone);
        ExpectOutcome(kind, After({7, 8}), kRefused);
    }
    SelectionCheck covered = After({7});
    covered.coveredTableauCard = true;
    ExpectOutcome(14, covered, kRefused);
    ExpectOutcome(25, covered, kOpen);
}

TEST(SelectionRulesTest, Kind45PairsOneSuitWithoutAces) {
    ExpectOutcome(45, After({1}), kRefused);
    ExpectOutcome(45, After({4, 9}), kDone);
    ExpectOutcome(45, After({4, 9 + kSpades}), kRefused);
}

TEST(SelectionRulesTest, Kind47SameRankTwoPilesApart) {
    SelectionCheck check = After({7, 7 + kDiamonds});
    check.firstCardPile = 3;
    check.cardPile = 5;
    ExpectOutcome(47, check, kDone);
    check.cardPile = 4;
    ExpectOutcome(47, check, kRefused);
    check.firstCardPile = 22;
    check.cardPile = 20;
    ExpectOutcome(47, check, kRefused);
    SelectionCheck faceDown = After({7});
    faceDown.faceDown = true;
    ExpectOutcome(47, faceDown, kRefused);
}

TEST(SelectionRulesTest, ThirdCardKindsAndTheRankTotal) {
    ExpectOutcome(21, After({1, 2}), kOpen);
    ExpectOutcome(21, After({1, 2, 3}), kRefused);
    ExpectOutcome(22, After({12}), kRefused);
    ExpectOutcome(22, After({12 + kClubs}), kOpen);
    ExpectOutcome(23, After({1, 2, 3, 4}), kOpen);
    ExpectOutcome(48, After({1, 2}), kDone);
    ExpectOutcome(7, After({3, 4, 6}, 13), kRefused);
    ExpectOutcome(0, After({3, 4, 6}, 13), kDone);
    ExpectOutcome(0, After({13}, 13), kDone);
    ExpectOutcome(0, After({6}, 13), kOpen);
}

TEST(SelectionRulesTest, TheGateAndTheSelectablePlaces) {
    EXPECT_TRUE(PassesSelectionGate(0, true, "Fila03"));
    EXPECT_FALSE(PassesSelectionGate(0, true, "Mazzo"));
    EXPECT_TRUE(PassesSelectionGate(20, true, "Mazzo"));
    EXPECT_FALSE(PassesSelectionGate(20, true, ""));
    EXPECT_FALSE(PassesSelectionGate(20, false, "Fila03"));
    EXPECT_TRUE(PassesSelectionGate(20, false, "Dest1"));
    EXPECT_TRUE(PassesSelectionGate(41, false, ""));
    EXPECT_TRUE(IsSelectablePlace(SelectablePlaces::kTableauOrWaste, "Mazzo_Vis"));
    EXPECT_FALSE(IsSelectablePlace(SelectablePlaces::kTableauOrWaste, "Mazzo_Waste"));
    EXPECT_FALSE(IsSelectablePlace(SelectablePlaces::kTableau, "Dest1"));
    EXPECT_FALSE(IsSelectablePlace(SelectablePlaces::kAny, ""));
}

}  // namespace
}  // namespace engine
