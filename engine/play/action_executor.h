#pragma once

#include <string_view>

namespace engine {

class Game;

// The one place where a move becomes a change of the pile lists. The card is the card that
// moves (any value for the actions that take their cards from the stock); the action names
// the target pile ("Dest03", "Fila01", "Appogg02", "Waste", "Stock02", "Mazzo_Vis" ...) or a
// keyword ("Add_Tableaus", "Selezionate_Dest" ...). It records the undo snapshot, changes the
// piles, draws the change, plays the action's sound, sets the game-won flag from the win
// test and, when the board changed, recomputes the score and empties the redo store. It
// decides nothing about legality and never ends the game: callers call EndGame when they
// find flag::kGameWon set. True when the board changed.
bool ExecuteAction(Game& game, int card, std::string_view action);

}  // namespace engine
