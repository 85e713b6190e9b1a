#pragma once

#include "engine/rules/rule_context.h"

namespace engine {

// TableauRuleD of a pile: 1 or more builds past the start rank; 2 also lets a Queen onto
// a King and a Two onto an Ace.
inline constexpr int kEndsMeetWord = 2;

// True when tableau pile i's TableauRuleD is 2; false for an index the run does not have.
bool IsQueenOrTwoPile(const RuleContext& ctx, int tableauIndex);

// May the card start an empty foundation whose base word is 81, 84, 85 or 90: no colour
// may fill more than half of the foundations of that code, and under 84, 85 and 90 no
// suit may start two of them. Any other code gives false.
bool CanStartFoundationByColour(const RuleContext& ctx, int baseCode, int card);

// True only when tableau pile i's TableauRuleD is 2 and a Two goes onto an Ace or a
// Queen onto a King.
bool IsAceOnTwoOrKingOnQueen(const RuleContext& ctx, int top, int card, int tableauIndex);

// a-d are foundation indices. The top cards of those that hold cards give their suits;
// the card's suit takes the place of the slot-th of them (slot 0-3), or for any other
// slot is counted in addition. True when no suit occurs twice; a joker has no suit and
// clashes with nothing.
bool SuitsAllDifferent(const RuleContext& ctx, int a, int b, int c, int d, int card, int slot);

// In a grid of rows of GameDef.RowWidth tableau piles: may a card jump from the source
// place (LocateCard's answer) to tableau pile t over one pile that holds cards, sideways
// within a row or straight up or down. jumped receives that pile's index, -1 when none.
// A source that is no tableau pile, or a row width below 1, finds nothing.
bool FindRowNeighbour(const RuleContext& ctx, int sourcePlace, int targetIndex, int& jumped);

}  // namespace engine
