#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/game_words.h"
#include "engine/files/games_file_writer.h"

// The readable source of GAMES.DAT: one record per game.
//
//   # a comment, to the end of the line
//   game = 1                       starts a record: the game id
//   name = Freecell
//   type = 4                       the chooser's category
//   new  = 0                       1: listed among the new games
//   p012 SequenceLimit = -5        a word by number and name (runs: FoundationBase[0])
//
// game, name and type are required.
// Words a record does not give are 0. Every word the program reads is checked against
// its range (engine/model/game_words.h), given or not.
namespace data_tools {

struct GameSource {
    std::string file;
    int line = 0;  // of the "game" line
    int id = -1;
    std::string name;
    int typeCode = -1;
    int newMark = 0;
    bool hasName = false;  // the required fields were given
    bool hasType = false;
    std::array<int, engine::kGameWordCount> words{};
    std::array<int, engine::kGameWordCount> wordLines{};  // 0: not given
};

// Reads the records of one source file; each fault adds an error that names the file and
// line. True when there was none.
bool ParseGamesSource(std::string_view text, std::string_view fileName, std::vector<GameSource>& games,
                      std::vector<std::string>& errors);

// Checks the records against each other and every word against its range; the errors
// name the game, the word and the value.
std::vector<std::string> CheckGameSources(const std::vector<GameSource>& games);

engine::GameColumn ToGameColumn(const GameSource& game);

}  // namespace data_tools
