#pragma once

#include <array>

namespace engine {

struct Services;
class GameDefRecord;
class SettingsBlock;
class TMainGame;

// Fills the game list of the table object with the [Sect1] lines of GAMES.DAT, unshifted,
// in file order. The file is checked first: when it cannot be read or is damaged, the
// player is told which line is wrong, the list is left as it was and the result is false.
bool LoadGameList(const Services& services, TMainGame& mainGame);

// Reads the current game's column (the game id of settings field 62/4) of [Sect2] into the
// record, word by word, then saves the rule words. The caller zeroes the record first.
// False, with the record untouched, for a game the list does not hold or a file that
// cannot be read or is damaged.
bool LoadGameDefinition(const Services& services, const SettingsBlock& settings, const TMainGame& mainGame,
                        GameDefRecord& gameDef);

// The game chooser's questions: nine [Sect2] rows (row r is the r-th line, so row r is
// parameter r) and nine answers.
inline constexpr int kChooserInfoCount = 9;
// An answer that was not read: a negative row, a row the file does not have, or a game
// the list does not hold.
inline constexpr int kNoChooserValue = -99;
using ChooserRows = std::array<int, kChooserInfoCount>;
using ChooserValues = std::array<int, kChooserInfoCount>;

void GameInfoForChooser(const Services& services, const TMainGame& mainGame, int gameId, const ChooserRows& rows,
                        ChooserValues& values);

}  // namespace engine
