#pragma once

#include "table/mouse/mouse_press.h"

namespace table {

// A left press on the stock of a drag game: in kind 4 with a selection begun it selects
// the stock's top card; otherwise the stock deals (engine/play/stock_press.h).
void StockPress(engine::Game& game, const TablePress& press);

}  // namespace table
