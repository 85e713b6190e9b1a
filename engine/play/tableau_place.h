#pragma once

namespace engine {

class Game;
class IGeometry;

// The table's geometry behind the table view; null when no table is laid out (no view, or
// a view without one), where card places are not known.
const IGeometry* GeometryOf(const Game& game);

// The y of tableau pile `index` (0..27) on the table, less the table's vertical offset;
// kAbsentTableauX (off the table) when no table is laid out.
int GetTableauY(Game& game, int index);

}  // namespace engine
