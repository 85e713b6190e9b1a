#pragma once

namespace engine {

struct ActionRun;

// "Fila" nn: the card (or, when the lifted image is more than one card high, the card and
// every card above it) goes face up onto the tableau pile. Then the jump of the row games
// (rule 71) and the swap of game kind 49. A card found on no pile is refused.
void MoveCardsToTableau(ActionRun& run, int tableauIndex);

}  // namespace engine
