#pragma once

#include "engine/model/game_kinds.h"
#include "engine/play/face_up.h"
#include "engine/play/first_action.h"
#include "engine/ports/geometry_port.h"
#include "engine/play/tableau_place.h"

namespace engine {

class Game;

// The selection of a pairing game lies in foundation line 0, in the order clicked.
inline constexpr int kSelectionLine = 0;

// The pairing kinds (engine/model/game_kinds.h): kPairsOf14 removes two cards adding up to
// 14, kPairsOf13 cards adding up to 13 (a King alone); kHighlightAndFill only highlights
// the clicked card.

// A click on a card of a pairing game: toggles it in the selection and its highlight, and
// removes the selection once its ranks add up to the game's total (ending a won game).
// A third card is refused with a beep. place is the card's rectangle on the table.
void SelectPairingCard(Game& game, int card, const TableRect& place);

// Rows games (a pyramid whose rows are the tableau piles, row 0 at the top): true when no
// card of the next row lies on the card, or every later row is empty. A card found in no
// row reads as not uncovered.
bool IsCardUncovered(const Game& game, int card);

}  // namespace engine
