#pragma once

#include <string>
#include <vector>

#include "engine/files/games_file_writer.h"

// GAMES.DAT for tests: games whose every word lies in its range, and the word lines a
// hand-made file needs besides its own.
namespace test_support {

// A game whose every word the engine reads holds the value of its range nearest 0.
engine::GameColumn InRangeGame(int id, std::string name);

// The lines to add to a hand-made file of that many games: one per word the engine reads
// that none of the lines gives, each game at the value nearest 0 of the word's range.
std::vector<std::string> MissingWordLines(const std::vector<std::string>& lines, int games);

}  // namespace test_support
