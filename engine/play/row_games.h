#pragma once

#include "engine/rules/tableau_patterns.h"

namespace engine {

class Game;
class GameDefRecord;
class PileStore;

// Operations of the few games that lay the tableau out as a grid or as rows.

// Tableau piles close up in groups of seven: 0-6, 7-13, 14-20. A higher index belongs to
// no group: OnlyPileLeftInGroup is false for it and CompactPileGroup does nothing.
inline constexpr int kPileGroupSize = 7;
inline constexpr int kLastGroupedPile = 20;

// After a jump to tableau pile targetIndex from sourcePlace (LocateCard's answer before the
// move), the jumped-over pile's bottom card goes to the discard line ("Mazzo_Waste"), in the
// same undo step as the jump. False when no pile was jumped over.
bool MoveTableauToWaste(Game& game, int sourcePlace, int targetIndex);

// True when exactly one pile of the index's group of seven holds cards.
bool OnlyPileLeftInGroup(const Game& game, int index);

// Closes the gaps of the index's group: every pile that holds cards moves, animated, to
// the front of the group, in its old order.
void CompactPileGroup(Game& game, int index);

// The tableau patterns (engine/rules/tableau_patterns.h) of the current game.
bool TopRanksComplete(const Game& game);
int CheckTableauSequences(const Game& game);

}  // namespace engine
