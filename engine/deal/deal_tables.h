#pragma once

#include <array>

// The two fixed tables from which the card order of a deal is read off the digits of the
// game number. They are part of every stored game number's meaning: changing one value
// changes every deal ever played.
namespace engine {

// Passes over the ranks: one per suit of a deck, four more for the second deck.
inline constexpr int kDealPasses = 8;
inline constexpr int kOneDeckPasses = 4;
inline constexpr int kTwoDeckPasses = 8;

inline constexpr int kSuitTableRows = 13;
inline constexpr int kStepTableRows = 10;  // one per decimal digit

// Row r, group j: the suit (1 hearts .. 4 spades) dealt in pass j + 1.
inline constexpr std::array<std::array<int, kDealPasses>, kSuitTableRows> kSuitTable = {{
    {4, 2, 3, 1, 4, 2, 1, 3},
    {1, 3, 2, 4, 4, 3, 2, 1},
    {2, 4, 3, 1, 3, 4, 1, 2},
    {3, 4, 2, 1, 2, 3, 1, 4},
    {4, 2, 3, 1, 1, 3, 4, 2},
    {1, 4, 2, 3, 4, 1, 2, 3},
    {2, 1, 3, 4, 3, 1, 2, 4},
    {3, 2, 1, 4, 2, 4, 1, 3},
    {4, 3, 1, 2, 1, 2, 3, 4},
    {2, 1, 4, 3, 4, 2, 1, 3},
    {3, 1, 4, 2, 1, 2, 4, 3},
    {3, 2, 4, 1, 1, 4, 3, 2},
    {2, 3, 4, 1, 4, 1, 3, 2},
}};

// Row d (a digit), group j: how far the running slot position moves in pass j + 1. The
// first four groups also place the jokers.
inline constexpr std::array<std::array<int, kDealPasses>, kStepTableRows> kStepTable = {{
    {25, 18, 13, 22, 21, 20, 15, 15},
    {20, 19, 12, 13, 18, 18, 23, 17},
    {30, 21, 19, 19, 13, 22, 20, 18},
    {51, 16, 14, 18, 21, 21, 17, 19},
    {18, 19, 19, 23, 13, 16, 15, 20},
    {17, 21, 14, 19, 19, 16, 18, 17},
    {48, 16, 13, 14, 19, 20, 20, 16},
    {11, 21, 21, 23, 17, 18, 22, 20},
    {22, 16, 13, 13, 19, 17, 22, 13},
    {24, 13, 20, 21, 21, 14, 15, 22},
}};

// The suit (1-4) of a pass (1-8) in a row; 0 outside the table.
constexpr int SuitOfPass(int row, int pass) {
    if (row < 0 || row >= kSuitTableRows || pass < 1 || pass > kDealPasses) return 0;
    return kSuitTable[static_cast<std::size_t>(row)][static_cast<std::size_t>(pass - 1)];
}

// The step of a pass (1-8) in a digit's row; 0 outside the table.
constexpr int StepOfPass(int digit, int pass) {
    if (digit < 0 || digit >= kStepTableRows || pass < 1 || pass > kDealPasses) return 0;
    return kStepTable[static_cast<std::size_t>(digit)][static_cast<std::size_t>(pass - 1)];
}

}  // namespace engine
