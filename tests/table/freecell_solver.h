#pragma once

#include <functional>
#include <vector>

#include "engine/play/player_actions.h"
#include "engine/ports/geometry_port.h"

namespace engine {
class Game;
}

namespace mouse_test {

// A winning list of moves for the board of the game, found by the automatic player on a
// scratch copy of it; empty when no win was found within the budget.
std::vector<engine::PlayerAction> WinningMoves(const engine::Game& game, int budget);

class TableRig;

// A drag of the card at `from` until its top-left corner lies at (toX, toY).
using DragFn = std::function<void(const engine::TableRect& from, int toX, int toY)>;

// Performs every move as a drag from the card's place (the lowest card of a stack) onto
// the target pile's top place; false, with a test failure, at the first move that does
// not land.
bool PlayByDrags(TableRig& rig, const std::vector<engine::PlayerAction>& moves, const DragFn& drag);

}  // namespace mouse_test
