#pragma once

#include "engine/ports/geometry_port.h"
#include "table/mouse/mouse_press.h"

namespace table {

// What a press lifts: the card (the lowest of a stack) and the lifted cards' rectangle.
struct LiftedCards {
    int card = 0;
    engine::TableRect rect;
    bool single = true;          // the card alone; else the card and every card above it
    bool fannedReserve = false;  // a card taken out of a fanned reserve
};

// The start of a drag: the card is lifted with the grab offset of the press, the table
// behind it is redrawn without it, and the lifted image is drawn raised (shadows on) or
// left where it is until the pointer moves. Kinds 2, 12 and 15 play the card at once onto
// the third stock-row pile, ending a won game. DragHeight must already be the lifted
// cards' height.
void LiftCards(MouseParts& parts, const TablePress& press, const LiftedCards& lift);

}  // namespace table
