#pragma once

#include <string_view>

namespace engine {

class Game;

// The end of a game, which a winning move reaches from the middle of play, and the
// question before one is abandoned.

inline constexpr std::string_view kQuitGameQuestion = "Quit this game?";

// True when the caller may abandon the current game: asks the player (the text, or
// kQuitGameQuestion when it is empty) only while an unwon game is in progress and the
// ConfirmQuitGame option is on; always false while the winning animation runs.
bool ConfirmQuitGame(Game& game, std::string_view text = {});

// Ends the current game: stops the clock, and after a win plays the winning animation and
// opens the game chooser (or closes the main window when the player asked to meanwhile).
// Returns whether the game was won; false, doing nothing, when no game is in progress.
bool EndGame(Game& game);

// Runs the clock tick once and repaints the clock label at once.
void RefreshClock(Game& game);

}  // namespace engine
