#pragma once

#include <vector>

namespace engine {
class Game;
}

// The presses of a player at the table that are no drag: a press on the stock, the clicks
// that select a pair, a card played onto the discard line. Each goes to the engine the
// way the table passes it on, through the engine's public operations alone.
namespace engine::play_test {

// True when a press on the stock would do something now: deal from it, or take the waste
// back once it is empty.
bool StockPressDoesSomething(const Game& game);

// A press on the stock and its release, as the table runs them: the action the game's
// words choose (deal to the waste or the discard line, deal to the tableau or reserves,
// the redeal mark), then, when the mark is shown at the release, "Mazzo_Vis" once more.
void PressStock(Game& game);

// Pairing games of kinds 3 and 4: the sets of cards whose clicks complete a selection
// (two cards of the kind's total, or a King alone in kind 4), each set in click order;
// the stock's top card only ever as the second card.
std::vector<std::vector<int>> PairingSelections(Game& game);
// The cards a click would select without completing anything (kinds 3 and 4).
std::vector<int> PairingCandidates(Game& game);
// Clicks the card as the table does in a pairing game.
void ClickPairingCard(Game& game, int card);
// The current selection given back, card by card, by clicking each again.
void ClearPairingSelection(Game& game);

// Games whose tableau cards are played onto the discard line (kinds 2, 12 and 15): the
// tableau top cards one rank away from the discard line's top card.
std::vector<int> DiscardPlays(const Game& game);

}  // namespace engine::play_test
