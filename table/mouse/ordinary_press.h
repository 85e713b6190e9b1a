#pragma once

#include "table/mouse/mouse_press.h"

namespace table {

// A press in a drag game (SelectionSum 0). A press on a tableau card first passes the
// tests of the game kind, which may lift the card or the stack from it, turn it face up,
// select it for a pair or show it in full; then a right or middle press beeps unless a
// card is shown in full, and a left press acts on its pile: the stock deals, the waste,
// a foundation or a reserve give up their top card.
void OrdinaryPress(MouseParts& parts, const TablePress& press);

}  // namespace table
