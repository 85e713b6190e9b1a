#pragma once

#include <memory>

namespace engine {

class Game;
struct Services;

// Makes every global object of the engine and the table before the main window exists:
// the table object with its two lists, the table's images (through services.tableGlobals),
// the card table, the pile lists with their backups, the undo and redo stores, and the
// settings block, blank but for the preference file's name and the program folder.
std::unique_ptr<Game> CreateGlobals(const Services& services);

// Frees what CreateGlobals made: the table's images, the settings block (DoneSettingsBlock
// leaves it as it is), the table object's lists, the game state itself; then unloads the
// card resource library. Nothing for a game already freed.
void FreeGlobals(std::unique_ptr<Game>& game);

}  // namespace engine
