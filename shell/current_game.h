#pragma once

#include <string_view>

namespace engine {
class PreferenceFile;
}

namespace shell {

// Remembers the chosen game in the preference file: Game, Game_Name and Game_TreeNum,
// the chooser's folder to open the next time.
void SaveCurrentGame(engine::PreferenceFile& file, int gameId, std::string_view gameName, int treePosition);

}  // namespace shell
