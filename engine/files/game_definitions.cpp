#include "engine/files/game_definitions.h"

#include "engine/base/decimal_text.h"
#include "engine/model/game_record.h"
#include "engine/files/games_file.h"
#include "engine/model/preference_fields.h"
#include "engine/ports/services.h"
#include "engine/model/settings_block.h"
#include "engine/model/table_object.h"
#include "engine/base/text_utils.h"

namespace engine {

namespace {

std::optional<std::vector<std::string>> ReadChecked(const Services& services) {
    return ReadGamesFile(*services.paths, *services.messages);
}

std::vector<std::string> Section(const std::vector<std::string>& lines, std::string_view header) {
    std::vector<std::string> section;
    CopyIniSection(section, lines, header);
    return section;
}

}  // namespace

bool LoadGameList(const Services& services, TMainGame& mainGame) {
    const std::optional<std::vector<std::string>> lines = ReadChecked(services);
    if (!lines) {
        return false;
    }
    std::vector<std::string> list = Section(*lines, kGameListHeader);
    for (std::string& line : list) {
        line = ScrambleChars(line);
    }
    mainGame.GameList = std::move(list);
    return true;
}

bool LoadGameDefinition(const Services& services, const SettingsBlock& settings, const TMainGame& mainGame,
                        GameDefRecord& gameDef) {
    const std::optional<int> gameId = ReadDecimal(settings.GetField(fields::kGame.position, fields::kGame.width));
    const int column = gameId ? mainGame.GetGameIndex(*gameId) : -1;
    // A game outside the list has no column; reading one would take text for numbers.
    if (column < 0) {
        return false;
    }
    const std::optional<std::vector<std::string>> lines = ReadChecked(services);
    if (!lines) {
        return false;
    }
    const std::vector<std::string> words = Section(*lines, kGameWordsHeader);
    // The list in memory was read at start-up; a file changed since may hold fewer games.
    for (const std::string& line : words) {
        if (!WordValueOfLine(line, column)) {
            return false;
        }
    }
    for (const std::string& line : words) {
        // Numbers outside 0-400 name no word and are passed over.
        gameDef.SetWord(*WordNumberOfLine(line), *WordValueOfLine(line, column));
    }
    gameDef.SaveRestoreRuleWords(false);
    return true;
}

void GameInfoForChooser(const Services& services, const TMainGame& mainGame, int gameId, const ChooserRows& rows,
                        ChooserValues& values) {
    values.fill(kNoChooserValue);
    const int column = mainGame.GetGameIndex(gameId);
    if (column < 0) {
        return;
    }
    const std::optional<std::vector<std::string>> lines = ReadChecked(services);
    if (!lines) {
        return;
    }
    const std::vector<std::string> words = Section(*lines, kGameWordsHeader);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = rows[i];
        if (row < 1 || static_cast<std::size_t>(row) > words.size()) {
            continue;
        }
        if (const std::optional<int> value = WordValueOfLine(words[static_cast<std::size_t>(row - 1)], column)) {
            values[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(*value));
        }
    }
}

}  // namespace engine
