#pragma once

#include <array>

namespace engine {

// The fill modes of the game record's FillMode word (0: no filling).
namespace fill_mode {
inline constexpr int kNone = 0;
inline constexpr int kFirstReserve = 1;
inline constexpr int kWasteThenStockOpenRows = 2;
inline constexpr int kStockThenWaste = 3;
inline constexpr int kUntilFirstCardLogged = 4;  // as 2, until card 001 is in the undo log
inline constexpr int kThreeFromWaste = 5;
inline constexpr int kCornerPilesFromWaste = 6;
inline constexpr int kLaterPilesFromStock = 7;
inline constexpr int kWithReserves = 8;  // as 2, then the empty reserves too
inline constexpr int kFourFromStock = 9;
inline constexpr int kOnlyWithoutReserves = 10;  // as 2, while every reserve is empty
}  // namespace fill_mode

// Where the cards of a fill come from: the top card of that pile.
enum class FillSource { kNone, kStock, kWaste, kFirstReserve };

// Which empty tableau piles a mode fills.
enum class FillPiles {
    kAll,
    kOpenRows,     // index >= OpenRowStart x OpenRowStartFactor
    kCornerPiles,  // the ends of the rows of seven: kCornerPiles
    kFromPile10,   // index >= kFirstLaterPile
};

inline constexpr std::array<int, 8> kCornerPiles = {0, 6, 7, 13, 14, 20, 21, 27};
inline constexpr int kFirstLaterPile = 10;

// One fill mode: an empty pile takes one card from the first source, or from the second
// when the first is empty; a mode of several cards takes up to that many, one after
// another, from the first source alone.
struct FillModeRule {
    int mode;
    FillSource first;
    FillSource second;
    int cards;
    FillPiles piles;
    bool needsStockOrWaste;  // nothing is filled while the stock and the waste are both empty
    bool fillsReserves;      // the empty reserves are filled after the tableau, as open rows
};

inline constexpr std::array<FillModeRule, 10> kFillModeRules = {{
    {fill_mode::kFirstReserve, FillSource::kFirstReserve, FillSource::kNone, 1, FillPiles::kAll, false, false},
    {fill_mode::kWasteThenStockOpenRows, FillSource::kWaste, FillSource::kStock, 1, FillPiles::kOpenRows, true, false},
    {fill_mode::kStockThenWaste, FillSource::kStock, FillSource::kWaste, 1, FillPiles::kAll, true, false},
    {fill_mode::kUntilFirstCardLogged, FillSource::kWaste, FillSource::kStock, 1, FillPiles::kOpenRows, false, false},
    {fill_mode::kThreeFromWaste, FillSource::kWaste, FillSource::kNone, 3, FillPiles::kAll, false, false},
    {fill_mode::kCornerPilesFromWaste, FillSource::kWaste, FillSource::kNone, 1, FillPiles::kCornerPiles, false, false},
    {fill_mode::kLaterPilesFromStock, FillSource::kStock, FillSource::kNone, 1, FillPiles::kFromPile10, false, false},
    {fill_mode::kWithReserves, FillSource::kWaste, FillSource::kStock, 1, FillPiles::kOpenRows, true, true},
    {fill_mode::kFourFromStock, FillSource::kStock, FillSource::kNone, 4, FillPiles::kAll, true, false},
    {fill_mode::kOnlyWithoutReserves, FillSource::kWaste, FillSource::kStock, 1, FillPiles::kOpenRows, true, false},
}};

// The rule of a mode; nullptr for kNone and for any code that names no mode.
constexpr const FillModeRule* FindFillModeRule(int mode) {
    for (const FillModeRule& rule : kFillModeRules) {
        if (rule.mode == mode) return &rule;
    }
    return nullptr;
}

}  // namespace engine
