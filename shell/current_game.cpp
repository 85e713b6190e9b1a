#include "shell/current_game.h"

#include "engine/files/preference_file.h"
#include "engine/files/preference_keys.h"

namespace shell {

void SaveCurrentGame(engine::PreferenceFile& file, int gameId, std::string_view gameName, int treePosition) {
    file.WriteInteger(engine::kSectionPreference, "Game", gameId);
    file.WriteString(engine::kSectionPreference, "Game_Name", gameName);
    file.WriteInteger(engine::kSectionPreference, "Game_TreeNum", treePosition);
}

}  // namespace shell
