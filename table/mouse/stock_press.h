#pragma once

#include <string_view>

#include "table/mouse/mouse_press.h"

namespace table {

inline constexpr std::string_view kFillGapsFirst = "Fill in any gaps in the tableau before dealing.";

// A left press on the stock of a drag game: by the game's words it selects a pairing
// card, deals to the waste, redeals, or deals to the tableau, the reserves or the third
// stock-row pile; the first that applies acts. The deal is one undo step.
void StockPress(engine::Game& game, const TablePress& press);

}  // namespace table
