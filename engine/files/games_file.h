#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class IMessages;
class PathResolver;
}  // namespace platform

// GAMES.DAT: section [Sect1] lists the games, one shifted line each (engine/model/game_list.h
// gives the unshifted layout); section [Sect2] holds one line per parameter word, with
// one value field per game in the order of the list.
namespace engine {

inline constexpr std::string_view kGamesFileName = "GAMES.DAT";
inline constexpr std::string_view kGameListHeader = "[Sect1]";
inline constexpr std::string_view kGameWordsHeader = "[Sect2]";

// Where things lie in a [Sect2] line (positions count from 1).
namespace word_line {
inline constexpr int kNumberPosition = 1;  // the parameter number, four digits, not shifted
inline constexpr int kNumberWidth = 4;
inline constexpr int kDescriptionWidth = 12;  // characters 5-16, not read
inline constexpr int kFirstFieldPosition = 17;
inline constexpr int kFieldWidth = 11;  // one per game: the value, shifted, and a blank
inline constexpr int kValueWidth = 10;
// Values that a 16-bit word can take, signed or read as unsigned (65535 is -1).
inline constexpr int kSmallestValue = -32768;
inline constexpr int kLargestValue = 65535;

constexpr int ValuePosition(int column) {
    return kFirstFieldPosition + kFieldWidth * column;
}
}  // namespace word_line

// The parameter number in characters 1-4; nothing when they are no number.
std::optional<int> WordNumberOfLine(std::string_view line);
// The value of a game's column: its ten characters unshifted, trailing blanks removed,
// read as a number that fits a 16-bit word; nothing otherwise.
std::optional<int> WordValueOfLine(std::string_view line, int column);

// The first fault that would stop a reader, with its line (from 1; 0 for the file as a whole).
struct GamesFileProblem {
    int line = 0;
    std::string text;
};

// Checks every line a reader converts: each game list line has its id and name, each word
// line its number and a value for every game of the list within the range the game
// compiler allows (engine/model/game_words.h), and every word the engine reads its line.
// Numbers outside 0-400, words nobody reads and repeated section headers are accepted.
std::optional<GamesFileProblem> CheckGamesFile(const std::vector<std::string>& lines);

// The message that tells the player which line is damaged.
std::string GamesFileDamagedMessage(std::string_view fileName, const GamesFileProblem& problem);

// Reads program folder + GAMES.DAT and checks it. A file that cannot be read or is damaged
// shows its message and gives nothing, so no reader ever converts a damaged line.
std::optional<std::vector<std::string>> ReadGamesFile(const platform::PathResolver& paths,
                                                      platform::IMessages& messages);

}  // namespace engine
