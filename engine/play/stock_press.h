#pragma once

#include <string_view>

namespace engine {

class Game;

inline constexpr std::string_view kFillGapsFirst = "Fill in any gaps in the tableau before dealing.";

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
