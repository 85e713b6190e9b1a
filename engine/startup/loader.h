#pragma once

#include <functional>

namespace engine {

class Game;

// Steps of the start-up that belong to other parts of the engine; each may be empty.
struct StartupHooks {
    // The new-game code's work once the game list is loaded.
    std::function<void()> afterGameListLoaded;
    // Applies the per-game AutoPlay switch of a game (when one switch per game is kept).
    std::function<void(int gameId)> applyAutoplay;
};

// Runs once while the main window is created, after CreateGlobals: opens the card resource
// library, prepares the window's menus and cursors, reads the preference file into the
// settings block, fills the card table and the pile lists, loads the game list and tidies
// the program folder. False when the library or GAMES.DAT is missing or GAMES.DAT is
// damaged: the player has been told, the process has been asked to end with a failure
// status, and nothing further was done.
bool LoadTable(Game& game, const StartupHooks& hooks = {});

}  // namespace engine
