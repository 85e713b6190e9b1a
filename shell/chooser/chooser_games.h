#pragma once

#include <string>
#include <string_view>
#include <vector>

// The games the chooser's tree offers, from the table object's game list.
namespace shell {

// Values the tree nodes carry: a game id from 0, a customized game from 8000, the
// placeholder child of a folder not filled yet, and folders below it.
namespace tree_value {
inline constexpr int kPlaceholder = -1;
inline constexpr int kAllGames = -30;
inline constexpr int kNewGames = -2080;
inline constexpr int kFavourites = -10;
inline constexpr int kFoldersList = -20;
inline constexpr int kSelectedGames = -2010;
inline constexpr int kGameTypes = -2020;
inline constexpr int kCustomizedGames = -2070;
}  // namespace tree_value

inline constexpr std::string_view kAllGamesCaption = "All games (alphabetically)";
inline constexpr std::string_view kNewGamesCaption = "New games";
inline constexpr std::string_view kPlaceholderText = "nil";

// One text per game, sorted: the name blank-padded to 50, the type code (3), the game id
// (3) and the new-game mark (1), so that the whole text sorts by name.
struct ChooserGame {
    std::string name;  // without trailing blanks
    int typeCode = 0;
    int gameId = 0;
    bool isNew = false;
};

// The sorted list's texts of a game list; lines too short to hold a game are left out.
std::vector<std::string> BuildSortedGameList(const std::vector<std::string>& gameList);
ChooserGame ReadSortedGame(std::string_view entry);

// The games a folder is filled with, in list order: every game for "All games", the new
// ones for "New games", none for any other folder.
std::vector<ChooserGame> FolderGames(const std::vector<std::string>& sortedList, int folder);
// Whether a folder is filled by the chooser at all.
bool IsFilledFolder(int folder);

// The tree icon of a game type: its category key, or empty (no icon) for another code.
std::string_view GameTypeIconName(int typeCode);
// Every name loaded into the tree's image list, in the order that gives the icon indexes.
std::vector<std::string> ChooserIconNames();

}  // namespace shell
