#pragma once

namespace engine {

// Special deal procedures (the word DealKind).
namespace deal_kind {
inline constexpr int kKingsToStockBottom = 1;
inline constexpr int kPilesFromKings = 2;
inline constexpr int kDistinctRanksPerPile = 3;
inline constexpr int kPilesFromQueens = 4;
inline constexpr int kPileByRankLessTwo = 5;
inline constexpr int kPileByRankLessOne = 6;
inline constexpr int kBottomCardsToFoundations = 7;
inline constexpr int kAcesBlanked = 8;
inline constexpr int kLowCardsOnly = 9;
inline constexpr int kRandomPileEmptied = 10;
inline constexpr int kOneCardPerRank = 11;
inline constexpr int kChosenCardsOnly = 12;
inline constexpr int kCleanFoundations = 13;
inline constexpr int kOneSuitPerRank = 14;
inline constexpr int kKingsBlanked = 15;
}  // namespace deal_kind

}  // namespace engine
