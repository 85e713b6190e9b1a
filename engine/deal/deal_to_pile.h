#pragma once

#include "engine/deal/deal_order.h"
#include "engine/model/pile_names.h"

namespace engine {

class PileStore;

// Count codes of a pile's deal (the words TableauDealA and ReserveDealA).
namespace deal_code {
// 1001-1499: the first card of rank n - 1000 in the deal list, face down.
inline constexpr int kRankBase = 1000;
inline constexpr int kFirstRank = 1001;
inline constexpr int kLastRank = 1499;
// 1501-1504: the joker 105-108, face up.
inline constexpr int kJokerBase = 1500;
inline constexpr int kFirstJoker = 1501;
inline constexpr int kLastJoker = 1504;
// Plain counts up to this are dealt after the stock; larger codes before it.
inline constexpr int kLargestCount = 1000;
}  // namespace deal_code

// Deals into one pile by its count code: one card of a rank, one joker, or n cards from
// the front of the list, each face down. Never takes more cards than the list holds.
void DealToPile(int countCode, DealList& list, PileStore& piles, PileListId pileList, int line);

// Takes the first occurrence of the card out of the list; false when it is not there.
bool TakeFromDealList(DealList& list, int card);

// Takes the front card out of the list; kNoCard when the list is empty.
int TakeFrontCard(DealList& list);

}  // namespace engine
