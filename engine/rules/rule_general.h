#pragma once

#include "engine/rules/rule_context.h"

namespace engine {

// Base codes: what an empty pile accepts besides a plain rank or -1 (any card).
namespace base_code {
inline constexpr int kAnyCard = -1;
inline constexpr int kAceByColour = 81;
inline constexpr int kNothingA = 82;
inline constexpr int kNothingB = 83;
inline constexpr int kKingByColourAndSuit = 84;
inline constexpr int kAceByColourAndSuit = 85;
inline constexpr int kSingleCard = 86;
inline constexpr int kFromStockRow = 87;
inline constexpr int kNotFromTableau = 88;
inline constexpr int kTwoByColourAndSuit = 90;
inline constexpr int kFoundationRank = 92;
inline constexpr int kFoundationRankFirstFromReserve = 93;
inline constexpr int kReserveThenWaste = 96;
}  // namespace base_code

// Build directions of the direction words.
namespace direction {
inline constexpr int kDown = 0;
inline constexpr int kUp = 1;
inline constexpr int kEither = 2;
}  // namespace direction

// The base table: may the card start an empty pile whose base word is q.base. The test of
// a card on a card is in rule_build.h.
bool EmptyPileAccepts(const RuleContext& ctx, const PlaceQuery& q);

}  // namespace engine
