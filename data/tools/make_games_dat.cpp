// Builds GAMES.DAT from the readable game records: make_games_dat -o OUTPUT SOURCE...

#include <iostream>
#include <string>
#include <vector>

#include "data/tools/games_compiler.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return data_tools::MakeGamesDat(arguments, std::cerr);
}
