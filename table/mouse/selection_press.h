#pragma once

#include "table/mouse/mouse_press.h"

namespace table {

// A press in a selection game (SelectionSum not 0): a card pressed goes into the selection
// line (foundation line 0) or, pressed again, out of it; the game kind's rule refuses it
// with a beep or highlights it, and a complete selection is taken off the table as one
// undo step, ending a won game. Some kinds deal from the stock or turn a face-down card.
void SelectionPress(MouseParts& parts, const TablePress& press);

}  // namespace table
