#pragma once

#include <vector>

#include "engine/play/player_actions.h"

namespace engine {

class Game;

// The presses of a player that lift no card, as the player's actions find and make them:
// a press on the stock (with its release), the presses that select a pair in the pairing
// games, and the press that plays a tableau card onto the discard pile in the games that
// play that way.

// Game kinds 3 and 4: presses select cards, and a pair adding up to the kind's total (a
// King alone in kind 4) goes.
bool IsPairingGame(const Game& game);

// The selections that complete: the selectable cards of the rows and the waste's top, the
// stock's top as a second card in kind 4; with alonesOnly, only the cards that complete
// alone.
void AddPairSelections(Game& game, bool alonesOnly, std::vector<PlayerAction>& actions);
// The cards a press would select in a pairing game, whether or not they complete a pair.
std::vector<int> PairingCandidates(Game& game);
// The tableau tops that a press plays onto the discard pile.
void AddDiscardPlays(const Game& game, std::vector<PlayerAction>& actions);

// Whether a press on the stock would change the board: a deal, or a redeal of the waste.
bool StockPressMoves(const Game& game);
// The press on the stock, then the release: a press that showed the empty-stock mark is
// answered by the release with the redeal.
void PressStock(Game& game);
// A press on a card of a pairing game, at its place on the table when one is laid out.
void ClickPairingCard(Game& game, int card);
// The presses of a selection, from an empty one; one that did not complete is taken back
// by pressing again.
void PressToSelect(Game& game, const PlayerAction& action);
void PressToDiscard(Game& game, int card);

}  // namespace engine
