#pragma once

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

// True when the tableau top cards, from pile 0 up to the first empty pile (at most
// TableauCount piles), are one card of each rank Ace to King.
bool TopRanksComplete(const Game& game);
bool TopRanksComplete(const PileStore& piles, const GameDefRecord& gameDef);

// -32, plus 5 for each card that continues a run of one suit from its Ace (10 for the
// Two), read through the tableau piles in order; a run ends after its Queen. A second
// pass over tableau pile 0 continues the last run up to the first Ace there.
int CheckTableauSequences(const Game& game);
int CheckTableauSequences(const PileStore& piles, const GameDefRecord& gameDef);

}  // namespace engine
