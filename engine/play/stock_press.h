#pragma once

#include <string_view>

namespace engine {

class Game;

inline constexpr std::string_view kFillGapsFirst = "Fill in any gaps in the tableau before dealing.";

// Deals through the stock remain: PassLimit is -1 (no limit) or RedealCount is below it.
bool PassesLeft(const Game& game);

// What a press on the stock of a drag game does, by the game's words; the first that
// applies.
enum class StockDeal {
    kNone,
    kToWaste,                // StockToWaste: CardsPerStockPress cards (StockClickVariant 1: onto an empty waste)
    kRedeal,                 // Redeals with the stock empty, or Redeals 6 at every press
    kToTableaus,             // StockToTableauMode 1 of the first or last pile (reserve mode 5: the reserves too)
    kToFullTableaus,         // mode 2: as 1 once no tableau pile is empty, else kFillGapsFirst
    kToReserves,             // StockToReserveMode 1 of the first or last reserve
    kToReservesTwiceOrLast,  // reserve mode 3: two deals to the reserves, the last 8 cards to the tableau
    kToReservesInTurn,       // reserve mode 4: up to 3 cards to reserve 1 and 2 in turn
    kFourToEachTableau,      // tableau mode 8: up to 4 cards to each tableau pile
    kToThirdPile,            // ThirdPileStyle: onto the third stock-row pile
};
StockDeal ChosenStockDeal(const Game& game);

// Kind 4 with a selection begun: a press on the stock selects the stock's top card as the
// pair's second card instead of dealing.
bool StockPressSelectsCard(const Game& game);

// A left press on the stock of a drag game: by the game's words it deals to the waste,
// redeals, or deals to the tableau, the reserves or the third stock-row pile; the first
// that applies acts. The deal is one undo step; a won game of kinds 2 and 15 then ends.
void DealFromStock(Game& game);

// The release after a press that showed the lit empty-stock mark: the mark goes and the
// waste is redealt ("Mazzo_Vis" with no card), in the caller's undo step.
void ReleaseStockMark(Game& game);

}  // namespace engine
