#pragma once

namespace engine {

class GameDefRecord;
class PileStore;

// The tableau patterns that the row games score and win by.

// True when the tableau top cards, from pile 0 up to the first empty pile (at most
// TableauCount piles), are one card of each rank Ace to King.
bool TopRanksComplete(const PileStore& piles, const GameDefRecord& gameDef);

// -32, plus 5 for each card that continues a run of one suit from its Ace (10 for the
// Two), read through the tableau piles in order; a run ends after its Queen. A second
// pass over tableau pile 0 continues the last run up to the first Ace there.
int CheckTableauSequences(const PileStore& piles, const GameDefRecord& gameDef);

}  // namespace engine
