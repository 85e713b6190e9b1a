#include "engine/files/games_file.h"

#include <array>

#include "engine/base/decimal_text.h"
#include "engine/model/game_list.h"
#include "engine/model/game_words.h"
#include "engine/base/ini_section.h"
#include "engine/base/text_utils.h"
#include "platform/core/messages.h"
#include "platform/core/paths.h"

namespace engine {

namespace {

constexpr std::string_view kErrorTitle = "Error";

bool StartsWith(std::string_view line, std::string_view prefix) {
    return line.substr(0, prefix.size()) == prefix;
}

std::string_view Span(std::string_view line, int position, int width) {
    const auto start = static_cast<std::size_t>(position - 1);
    if (start >= line.size()) {
        return {};
    }
    return line.substr(start, static_cast<std::size_t>(width));
}

std::string Characters(int position, int width) {
    return "characters " + std::to_string(position) + "-" + std::to_string(position + width - 1);
}

enum class Section { kNone, kGameList, kGameWords };

struct NumberedLine {
    int number;  // in the file, from 1
    const std::string* text;
};

std::optional<GamesFileProblem> CheckGameListLine(int number, const std::string& stored) {
    const std::string line = ScrambleChars(stored);
    if (!GameIdOfLine(line)) {
        return GamesFileProblem{number, "the game list line has no game number in " +
                                            Characters(game_line::kIdPosition, game_line::kIdWidth) + "."};
    }
    if (GameNameOfLine(line).empty()) {
        return GamesFileProblem{number, "the game list line has no game name in " +
                                            Characters(game_line::kNamePosition, game_line::kNameWidth) + "."};
    }
    return std::nullopt;
}

// The word holds 16 bits, so 65535 and -1 are the same value.
bool InRange(const GameWordInfo& info, int value) {
    constexpr int kWordSpan = 65536;
    const int other = value < 0 ? value + kWordSpan : value - kWordSpan;
    return AllowsValue(info, value) || AllowsValue(info, other);
}

std::optional<GamesFileProblem> CheckWordLine(const NumberedLine& line, const std::vector<int>& gameIds) {
    const std::optional<int> number = WordNumberOfLine(*line.text);
    if (!number) {
        return GamesFileProblem{line.number, "the line has no parameter number in " +
                                                 Characters(word_line::kNumberPosition, word_line::kNumberWidth) + "."};
    }
    // Numbers outside 0-400 and words nobody reads are passed over by the reader.
    const GameWordInfo* info = FindGameWord(*number);
    for (std::size_t column = 0; column < gameIds.size(); ++column) {
        const int k = static_cast<int>(column);
        const std::optional<int> value = WordValueOfLine(*line.text, k);
        const std::string game = "game " + std::to_string(gameIds[column]);
        if (!value) {
            return GamesFileProblem{line.number, "the value of " + game + " in " +
                                                     Characters(word_line::ValuePosition(k), word_line::kValueWidth) +
                                                     " is missing or not a number."};
        }
        if (info != nullptr && !InRange(*info, *value)) {
            return GamesFileProblem{line.number, game + ", word " + std::to_string(*number) + " " +
                                                     GameWordName(*number) + " = " + std::to_string(*value) +
                                                     ": outside its range " + AllowedValuesText(*info) + "."};
        }
    }
    return std::nullopt;
}

// Every word the engine reads needs its line; a game would otherwise keep the values of
// the game played before.
std::optional<GamesFileProblem> CheckEveryWordGiven(const std::vector<NumberedLine>& wordLines) {
    std::array<bool, kGameWordCount> given{};
    for (const NumberedLine& line : wordLines) {
        const std::optional<int> number = WordNumberOfLine(*line.text);
        if (number && *number >= kFirstGameWord && *number <= kLastGameWord) {
            given[static_cast<std::size_t>(*number)] = true;
        }
    }
    for (const GameWordInfo& info : kGameWords) {
        for (int number = info.first; number < info.first + info.count; ++number) {
            if (!given[static_cast<std::size_t>(number)]) {
                return GamesFileProblem{0, "the line of word " + std::to_string(number) + " " + GameWordName(number) +
                                               " is missing; every game needs it."};
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> WordNumberOfLine(std::string_view line) {
    const std::string_view field = Span(line, word_line::kNumberPosition, word_line::kNumberWidth);
    if (field.size() != static_cast<std::size_t>(word_line::kNumberWidth)) {
        return std::nullopt;
    }
    return ReadDecimal(field);
}

std::optional<int> WordValueOfLine(std::string_view line, int column) {
    if (column < 0) {
        return std::nullopt;
    }
    const std::string_view field = Span(line, word_line::ValuePosition(column), word_line::kValueWidth);
    const std::optional<int> value = ReadDecimal(TrimRightSpaces(ScrambleChars(field)));
    if (!value || *value < word_line::kSmallestValue || *value > word_line::kLargestValue) {
        return std::nullopt;
    }
    return value;
}

std::optional<GamesFileProblem> CheckGamesFile(const std::vector<std::string>& lines) {
    // The sections are told apart as the readers' section copy does: a line beginning
    // with the header opens one, any other line beginning with "[" closes it.
    Section section = Section::kNone;
    bool hasGameList = false;
    bool hasGameWords = false;
    std::vector<int> gameIds;
    std::vector<NumberedLine> wordLines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int number = static_cast<int>(i) + 1;
        if (StartsWith(line, "[")) {
            section = StartsWith(line, kGameListHeader) ? Section::kGameList
                      : StartsWith(line, kGameWordsHeader) ? Section::kGameWords
                                                            : Section::kNone;
            hasGameList = hasGameList || section == Section::kGameList;
            hasGameWords = hasGameWords || section == Section::kGameWords;
            continue;
        }
        if (section == Section::kGameList) {
            if (auto problem = CheckGameListLine(number, line)) {
                return problem;
            }
            gameIds.push_back(*GameIdOfLine(ScrambleChars(line)));
        } else if (section == Section::kGameWords) {
            wordLines.push_back({number, &line});
        }
    }
    if (!hasGameList || gameIds.empty()) {
        return GamesFileProblem{0, "the file lists no games (section " + std::string(kGameListHeader) + ")."};
    }
    if (!hasGameWords) {
        return GamesFileProblem{0, "the file has no section " + std::string(kGameWordsHeader) + "."};
    }
    for (const NumberedLine& line : wordLines) {
        if (auto problem = CheckWordLine(line, gameIds)) {
            return problem;
        }
    }
    return CheckEveryWordGiven(wordLines);
}

std::string GamesFileDamagedMessage(std::string_view fileName, const GamesFileProblem& problem) {
    std::string text = "The game definition file is damaged:" + std::string(kLineBreak) + std::string(fileName) +
                       std::string(kLineBreak);
    if (problem.line > 0) {
        text += "Line " + std::to_string(problem.line) + ": ";
    }
    text += problem.text + std::string(kLineBreak) + "Reinstall the program.";
    return text;
}

std::optional<std::vector<std::string>> ReadGamesFile(const platform::PathResolver& paths,
                                                      platform::IMessages& messages) {
    const std::filesystem::path path = paths.Resolve(kGamesFileName);
    std::string content;
    if (!platform::ReadFile(path, content)) {
        messages.ShowError(std::string(kErrorTitle), "Cannot read file:" + std::string(kLineBreak) + path.string());
        return std::nullopt;
    }
    std::vector<std::string> lines = SplitTextLines(content);
    if (const std::optional<GamesFileProblem> problem = CheckGamesFile(lines)) {
        messages.ShowError(std::string(kErrorTitle), GamesFileDamagedMessage(path.string(), *problem));
        return std::nullopt;
    }
    return lines;
}

}  // namespace engine
