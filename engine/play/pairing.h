#pragma once

#include "engine/play/face_up.h"
#include "engine/play/first_action.h"
#include "engine/ports/geometry_port.h"
#include "engine/play/tableau_place.h"

namespace engine {

class Game;

// The selection of a pairing game lies in foundation line 0, in the order clicked.
inline constexpr int kSelectionLine = 0;

// Game kinds whose clicked cards form pairs: kind 3 removes two cards adding up to 14,
// kind 4 cards adding up to 13 (a King alone); kind 33 only highlights the clicked card.
namespace pairing_kind {
inline constexpr int kPairsOf14 = 3;
inline constexpr int kPairsOf13 = 4;
inline constexpr int kHighlightOnly = 33;
}  // namespace pairing_kind

// A click on a card of a pairing game: toggles it in the selection and its highlight, and
// removes the selection once its ranks add up to the game's total (ending a won game).
// A third card is refused with a beep. place is the card's rectangle on the table.
void SelectPairingCard(Game& game, int card, const TableRect& place);

// Rows games (a pyramid whose rows are the tableau piles, row 0 at the top): true when no
// card of the next row lies on the card, or every later row is empty. A card found in no
// row reads as not uncovered.
bool IsCardUncovered(Game& game, int card);

}  // namespace engine
