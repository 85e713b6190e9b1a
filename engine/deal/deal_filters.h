#pragma once

#include "engine/deal/deal_kinds.h"
#include "engine/deal/deal_order.h"

namespace engine {

class GameDefRecord;

// Deal kind 14 keeps the ranks up to this one.
inline constexpr int kOneSuitTopRank = 9;

// Takes out of the deal list the cards that the game's deal kind leaves out of play
// (kinds 9, 11, 12 and 14); other kinds keep every card.
void FilterDealList(DealList& list, const GameDefRecord& game);

}  // namespace engine
