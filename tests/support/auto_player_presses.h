#pragma once

#include <vector>

#include "tests/support/auto_player_moves.h"

namespace engine {
class Game;
}

// The presses of the table that do something other than lift a card, as the automatic
// player finds and makes them: a press on the stock (with its release), the presses that
// select a pair in the pairing games, and the press that plays a tableau card onto the
// discard pile in the games that play that way.
namespace test_support {

// OpenRowStart: only piles numbered OpenRowStart x OpenRowStartFactor or higher (from 1)
// may be lifted or played.
bool PileMayBeLifted(const engine::Game& game, int index);

// Game kind 4: presses select cards, and a pair adding up to 13 (a King alone) goes.
bool IsPairingGame(const engine::Game& game);
// Game kinds 2, 12 and 15: a pressed tableau top that fits the discard pile goes there.
bool IsDiscardGame(const engine::Game& game);

// The selections that complete: uncovered cards of the rows and the waste's top, the
// stock's top as a second card; with alonesOnly, only the cards that complete alone.
void AddPairSelections(engine::Game& game, bool alonesOnly, std::vector<PlayerAction>& actions);
// The tableau tops that fit the discard pile's top card.
void AddDiscardPlays(const engine::Game& game, std::vector<PlayerAction>& actions);

// Whether a press on the stock would change the board: a deal, or a redeal of the waste.
bool StockPressMoves(const engine::Game& game);
// The press on the stock, first match wins, then the release: a press that showed the
// empty-stock mark is answered by the release with the redeal.
void PressStock(engine::Game& game);
// The presses of a selection; one that did not complete is taken back by pressing again.
void PressToSelect(engine::Game& game, const PlayerAction& action);
void PressToDiscard(engine::Game& game, int card);

}  // namespace test_support
