#pragma once

#include <string_view>

namespace engine {

class Game;

// Fills the game's empty tableau piles (and, in fill mode 8, its empty reserves) from the
// source its FillMode names, one sliding card at a time. True when an empty pile was found
// that the mode may fill, whether or not a card was there for it; false when filling is
// off or the mode's precondition fails. The fill leaves no undo step of its own.
bool AutoFillTableau(Game& game);

// One fill move: the card slides from (sourceX, sourceY), the top of stock-row line
// sourceLine (-1 for a pile outside the stock row), onto the target pile ("Fila" or
// "Appogg" with the number, index its 0-based index). Nothing for a card code below 1.
void AnimatedFillMove(Game& game, std::string_view target, int index, int sourceX, int sourceLine, int card,
                      int sourceY);

}  // namespace engine
