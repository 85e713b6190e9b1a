#include "shell/chooser/chooser_games.h"

#include <algorithm>
#include <charconv>

#include "engine/base/text_utils.h"
#include "engine/model/game_categories.h"
#include "engine/model/game_list.h"
#include "platform/core/ascii_case.h"
#include "platform/core/resource_names.h"

namespace shell {

namespace {

// The places of the sorted list's texts (counted from 0).
constexpr std::size_t kNameWidth = engine::game_line::kNameWidth;
constexpr std::size_t kTypeAt = kNameWidth;
constexpr std::size_t kIdAt = kTypeAt + engine::game_line::kTypeWidth;
constexpr std::size_t kMarkAt = kIdAt + engine::game_line::kIdWidth;
constexpr std::size_t kEntryLength = kMarkAt + 1;

int NumberAt(std::string_view text, std::size_t at, std::size_t width) {
    const std::string digits = engine::TrimLeftSpaces(text.substr(at, width));
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

}  // namespace

std::vector<std::string> BuildSortedGameList(const std::vector<std::string>& gameList) {
    namespace line = engine::game_line;
    std::vector<std::string> sorted;
    for (const std::string& text : gameList) {
        if (text.size() < static_cast<std::size_t>(line::kNamePosition)) continue;
        std::string entry = engine::PadRight(text.substr(line::kNamePosition - 1), line::kNameWidth);
        entry += text.substr(line::kTypePosition - 1, line::kTypeWidth);
        entry += text.substr(line::kIdPosition - 1, line::kIdWidth);
        entry += text[line::kNewMarkPosition - 1];
        sorted.push_back(std::move(entry));
    }
    // By name as the player reads it: "bristol" among the B's, not after "Yukon".
    std::stable_sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
        const std::string_view nameA = std::string_view(a).substr(0, kNameWidth);
        const std::string_view nameB = std::string_view(b).substr(0, kNameWidth);
        const auto lower = [](char x, char y) { return platform::AsciiLower(x) < platform::AsciiLower(y); };
        if (std::lexicographical_compare(nameA.begin(), nameA.end(), nameB.begin(), nameB.end(), lower)) return true;
        if (std::lexicographical_compare(nameB.begin(), nameB.end(), nameA.begin(), nameA.end(), lower)) return false;
        return a < b;
    });
    return sorted;
}

ChooserGame ReadSortedGame(std::string_view entry) {
    ChooserGame game;
    if (entry.size() < kEntryLength) return game;
    game.name = engine::TrimRightSpaces(entry.substr(0, kNameWidth));
    game.typeCode = NumberAt(entry, kTypeAt, engine::game_line::kTypeWidth);
    game.gameId = NumberAt(entry, kIdAt, engine::game_line::kIdWidth);
    game.isNew = entry[kMarkAt] == engine::game_line::kNewMark;
    return game;
}

bool IsFilledFolder(int folder) { return folder == tree_value::kAllGames || folder == tree_value::kNewGames; }

std::vector<ChooserGame> FolderGames(const std::vector<std::string>& sortedList, int folder) {
    std::vector<ChooserGame> games;
    if (!IsFilledFolder(folder)) return games;
    for (const std::string& entry : sortedList) {
        ChooserGame game = ReadSortedGame(entry);
        if (folder == tree_value::kNewGames && !game.isNew) continue;
        games.push_back(std::move(game));
    }
    return games;
}

std::string_view GameTypeIconName(int typeCode) { return engine::GameCategoryKey(typeCode); }

std::vector<std::string> ChooserIconNames() {
    namespace res = platform::resources;
    std::vector<std::string> names(res::kFolderIcons.begin(), res::kFolderIcons.end());
    for (const res::GameTypeIcon& type : res::kGameTypeIcons) {
        const std::string key(type.key);
        names.push_back(key);
        names.push_back(key + std::string(res::kWinSuffix));
        names.push_back(key + std::string(res::kNoWinSuffix));
    }
    return names;
}

}  // namespace shell
