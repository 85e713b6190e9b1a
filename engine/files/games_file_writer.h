#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/model/game_words.h"

namespace engine {

// One game as GAMES.DAT stores it: its list line and its column of words.
struct GameColumn {
    int id = 0;
    std::string name;  // printable ASCII, at most 50 characters
    int typeCode = 0;  // the chooser's category
    bool isNew = false;
    std::array<int, kGameWordCount> words{};  // each within -32768..65535
};

// The whole file, shifted as the readers expect: [Sect1] with a line per game in the
// given order, then [Sect2] with parameters 1-400, one line each, a field per game.
std::string EncodeGamesFile(const std::vector<GameColumn>& games);

}  // namespace engine
