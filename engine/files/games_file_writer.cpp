#include "engine/files/games_file_writer.h"

#include "engine/model/game_list.h"
#include "engine/files/games_file.h"
#include "engine/base/text_utils.h"

namespace engine {

namespace {

// The file keeps the line ends of the system it came from.
constexpr std::string_view kLineEnd = "\r\n";
constexpr int kFirstWrittenWord = 1;

std::string WordLine(int number, const std::vector<GameColumn>& games) {
    std::string line = IntToZeroPad(number, word_line::kNumberWidth);
    line += PadRight(" " + GameWordName(number), word_line::kDescriptionWidth);
    for (const GameColumn& game : games) {
        const std::string value = std::to_string(game.words[static_cast<std::size_t>(number)]);
        line += ScrambleChars(PadRight(value, word_line::kValueWidth));
        line += std::string(static_cast<std::size_t>(word_line::kFieldWidth - word_line::kValueWidth), ' ');
    }
    return line;
}

}  // namespace

std::string EncodeGamesFile(const std::vector<GameColumn>& games) {
    std::string file(kGameListHeader);
    file += kLineEnd;
    for (const GameColumn& game : games) {
        file += ScrambleChars(MakeGameListLine(game.typeCode, game.id, game.isNew, game.name));
        file += kLineEnd;
    }
    file += kGameWordsHeader;
    file += kLineEnd;
    for (int number = kFirstWrittenWord; number <= kLastGameWord; ++number) {
        file += WordLine(number, games);
        file += kLineEnd;
    }
    return file;
}

}  // namespace engine
