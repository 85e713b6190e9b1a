#pragma once

#include <functional>
#include <vector>

#include "engine/ports/geometry_port.h"
#include "engine/model/pile_names.h"

namespace engine {
class Game;
}

namespace mouse_test {

// One card from the top of a tableau pile or reserve onto another pile.
struct SolverMove {
    engine::PileRef from;
    engine::PileRef to;
    int card = 0;
};

// A winning list of single-card moves for the board of a game of tableau piles, reserves
// and foundations (Freecell), found by a depth-first search that asks the engine's own
// acceptance test (CanDropOnPile) of a scratch copy of the game. Empty when no win was
// found within the node limit.
std::vector<SolverMove> SolveBySingleCards(const engine::Game& game, int nodeLimit);

class TableRig;

// A drag of the card at `from` until its top-left corner lies at (toX, toY).
using DragFn = std::function<void(const engine::TableRect& from, int toX, int toY)>;

// Performs every move as a drag from the card's place onto the target pile's top place;
// false, with a test failure, at the first move that does not land.
bool PlayByDrags(TableRig& rig, const std::vector<SolverMove>& moves, const DragFn& drag);

}  // namespace mouse_test
