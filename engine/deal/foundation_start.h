#pragma once

#include "engine/deal/deal_order.h"

namespace engine {

struct DealContext;

// How the foundations get their first cards once the piles are dealt (the word
// FoundationPrefillMode).
namespace prefill_mode {
inline constexpr int kNone = 0;
inline constexpr int kOneSetsEveryBase = 1;
inline constexpr int kOneOnEach = 2;
inline constexpr int kBasesFromReserves = 3;
inline constexpr int kTwoBaseGroups = 4;
}  // namespace prefill_mode

// The game kind whose reserve Aces start the foundations and are paid back from the waste.
inline constexpr int kReserveAcesGameKind = 11;

// A joker that starts every foundation leaves the base to the first card played.
inline constexpr int kJokerBase = -2;

// Tableau rule word meaning "one rank below foundation 0's base".
inline constexpr int kBelowFoundationBase = 91;

// The start card of each of the game's foundations by its start code, before the piles
// are dealt. Each placed card lies face up, sets its foundation's base and leaves the list.
void PlaceFoundationStartCards(DealContext& deal, DealList& list);

// The start card of the third stock-row pile (word 288), face up.
void PlaceThirdPileStartCard(DealContext& deal, DealList& list);

// After the piles: the pre-fill of the foundations, the tableau rule words that follow
// foundation 0's base, the extra card of word 11 and the reserve Aces of game kind 11.
void PrefillFoundations(DealContext& deal, DealList& list);
void SetBelowBaseRules(DealContext& deal);
void PlaceExtraFoundationCard(DealContext& deal, DealList& list);
void PlayReserveAcesAndWaste(DealContext& deal);

}  // namespace engine
