#pragma once

#include "engine/deal/deal_context.h"

namespace engine {

// Deals a new game from the game number (settings field 153/15) onto the cleared
// table: the card order, the foundation start cards, the stock, waste and third
// stock-row pile, every tableau pile and reserve with its face-up cards, the foundation
// pre-fill and the game's special deal procedure; then the score of the dealt table.
// Every deal but kind 10 is a pure function of the game number and the game record.
// False, with nothing dealt, when the game's card count cannot be dealt.
bool DealCards(DealContext& deal);

}  // namespace engine
