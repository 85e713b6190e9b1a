#include "engine/model/game_list.h"

#include "engine/base/decimal_text.h"
#include "engine/base/text_utils.h"

namespace engine {

namespace {

std::string_view Span(std::string_view line, int position, int width) {
    const auto start = static_cast<std::size_t>(position - 1);
    if (start >= line.size()) {
        return {};
    }
    return line.substr(start, static_cast<std::size_t>(width));
}

bool LineHoldsGame(std::string_view line, int gameId) {
    const std::optional<int> id = GameIdOfLine(line);
    return id && *id == gameId;
}

}  // namespace

std::optional<int> GameIdOfLine(std::string_view line) {
    return ReadDecimal(Span(line, game_line::kIdPosition, game_line::kIdWidth));
}

std::string GameNameOfLine(std::string_view line) {
    return TrimRightSpaces(Span(line, game_line::kNamePosition, game_line::kNameWidth));
}

int FindGameLine(const std::vector<std::string>& list, int gameId) {
    if (gameId >= kFirstCustomGameId) {
        return -1;
    }
    // The list is expected to hold game N on line N; only a list out of order costs a search.
    if (gameId >= 0 && static_cast<std::size_t>(gameId) < list.size() &&
        LineHoldsGame(list[static_cast<std::size_t>(gameId)], gameId)) {
        return gameId;
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (LineHoldsGame(list[i], gameId)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string MakeGameListLine(int typeCode, int gameId, bool isNew, std::string_view name) {
    std::string line = IntToZeroPad(typeCode, game_line::kTypeWidth);
    line += ' ';
    line += IntToZeroPad(gameId, game_line::kIdWidth);
    line += "  ";  // the class mark, which nothing reads, and a blank
    line += isNew ? game_line::kNewMark : game_line::kOldMark;
    line += PadRight(name, game_line::kNameWidth);
    return line;
}

}  // namespace engine
