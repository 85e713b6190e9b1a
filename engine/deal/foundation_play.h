#pragma once

namespace engine {

struct DealContext;

// PlaceOnFoundation's index when any of the game's foundations may take the card.
inline constexpr int kAnyFoundation = 65535;

// Foundation start codes (word 96 of the game record) that also choose how the dealt
// tableau is played off to the foundations.
namespace start_code {
inline constexpr int kFrontCard = 20;
inline constexpr int kFirstOfNewSuit = 21;
inline constexpr int kFirstRankCode = 51;  // 51-63: the first card of rank w - 50
inline constexpr int kLastRankCode = 63;
inline constexpr int kRankCodeBase = 50;
inline constexpr int kFirstCardShifted = 91;
inline constexpr int kSharedBase = 92;
inline constexpr int kAceOfSuit = 93;
inline constexpr int kAceOfSuitOwnPile = 94;
inline constexpr int kKingsThenAces = 95;
inline constexpr int kAcesRefilledFromStock = 96;
inline constexpr int kCardCodeBase = 100;  // 100 and above: the card w - 100
}  // namespace start_code

// Offers the card to one foundation, or to each of the game's foundations in turn
// (kAnyFoundation), through the rule checker. At the first that takes it the card leaves
// the board, lies face up on that foundation and scores; the result is then true.
bool PlaceOnFoundation(DealContext& deal, int card, int index);

// Group 0-3 tries foundations 0-3, group 6-9 foundations 4-7, any other group 0-7.
bool PlaceOnFoundationGroup(DealContext& deal, int card, int group);

// Offers every dealt tableau card to the foundations, row by row or pile by pile as the
// game deals, by the rule of start code 93, 94 or 95.
void PlayDealtCardsToFoundations(DealContext& deal);

// Start code 96: the dealt Aces go to the foundations, each replaced in its pile by the
// top card of the stock (of the waste once the stock is empty).
void PlayAcesRefilledFromStock(DealContext& deal);

}  // namespace engine
