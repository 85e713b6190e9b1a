#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The game list: one line per game, as the [Sect1] lines of GAMES.DAT read once unshifted.
namespace engine {

// Ids from here on are customized games, which no line of the list holds.
inline constexpr int kFirstCustomGameId = 8000;

// Where things lie in a game list line (positions count from 1).
namespace game_line {
inline constexpr int kTypePosition = 1;  // game type, three digits (the chooser's category)
inline constexpr int kTypeWidth = 3;
inline constexpr int kIdPosition = 5;  // game id, three digits
inline constexpr int kIdWidth = 3;
inline constexpr int kClassMarkPosition = 8;  // not read
inline constexpr int kNewMarkPosition = 10;   // "1": a new game
inline constexpr int kNamePosition = 11;
inline constexpr int kNameWidth = 50;
inline constexpr int kLength = kNamePosition + kNameWidth - 1;
inline constexpr char kNewMark = '1';
inline constexpr char kOldMark = '0';
inline constexpr int kLargestId = 999;
}  // namespace game_line

// The game id in characters 5-7 of a line; nothing when they are no number.
std::optional<int> GameIdOfLine(std::string_view line);
// Characters 11-60 without trailing blanks.
std::string GameNameOfLine(std::string_view line);

// The index of a game's line: -1 for customized ids; the line at index id when it holds
// that game, else the first line that does; -1 when none does.
int FindGameLine(const std::vector<std::string>& list, int gameId);

// A game list line: type, id, new mark and name in their places.
std::string MakeGameListLine(int typeCode, int gameId, bool isNew, std::string_view name);

}  // namespace engine
