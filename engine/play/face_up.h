#pragma once

namespace engine {

class Game;

// Turns up every face-down top card of the game's tableau piles, each as an undo step of
// its own, when the player's Automatic_FaceUp option and the game (AutoTurnFaceUp) allow
// it. True when a card was turned.
bool AutoTurnFaceUp(Game& game);

// Turns the card face up where it lies, at (x, y) on the table, as the top of tableau
// pile `pile` (0-based): pushes an undo step first, draws the face and plays "Face_up".
void TurnCardFaceUp(Game& game, int card, int x, int y, int pile);

}  // namespace engine
