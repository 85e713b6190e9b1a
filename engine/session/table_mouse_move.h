#pragma once

namespace engine {

struct StatusContext;

// The main window's mouse-move handler over the card table, (x, y) in client
// coordinates: drags the lifted cards, takes the empty-stock mark away once the pointer
// leaves it, and otherwise notes the time and place of the move and hides the pile-size
// tip when the pointer has moved.
void TableMouseMove(StatusContext& ctx, int x, int y);

}  // namespace engine
