#pragma once

#include "engine/deal/deal_order.h"
#include "engine/model/pile_names.h"

namespace engine {

class PileStore;
struct DealContext;

// The game kind whose Queen and King of hearts are set out before play.
inline constexpr int kHeartsCourtGameKind = 22;

// Replaces the line's first blanked slot by the card when no card of its rank lies in
// the line yet; true when placed.
bool PlaceInBlankSlot(PileStore& piles, PileListId list, int line, int card);

// Every line whose bottom card is a King: the King goes to the bottom of the stock and
// the first card of the stock that is no King takes its place, face up.
void KingToStockBottom(PileStore& piles, PileListId list);

// Game kind 22: the Queen of hearts opens tableau pile 0 and the King lies under the stock.
void SetOutHeartsCourt(DealContext& deal);

// The game's special deal procedure (the word DealKind) on the dealt table; list holds the
// cards that are still undealt.
void ApplySpecialDeal(DealContext& deal, DealList& list);

}  // namespace engine
