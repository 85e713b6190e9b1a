#pragma once

#include <string_view>

#include "engine/ports/geometry_port.h"

namespace engine {

class Game;

// A press in a selection game (SelectionSum not 0) on the named pile, at the card (0 for
// none) whose place is rect: a card pressed goes into the selection line (foundation line
// 0) or, pressed again, out of it; the game kind's rule (engine/play/selection_rules.h)
// refuses it with a beep or highlights it, and a complete selection is taken off the table
// as one undo step, ending a won game. Some kinds deal from the stock or turn a face-down
// card.
void SelectionGamePress(Game& game, bool left, std::string_view name, int card, const TableRect& rect);

}  // namespace engine
