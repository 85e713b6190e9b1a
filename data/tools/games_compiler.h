#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace data_tools {

// The build tool's work: `-o OUTPUT SOURCE...` reads every source file, checks every
// record and writes GAMES.DAT (games in id order) in one atomic step. Faults go to err,
// one a line; the result is the exit status: 0 done, 1 nothing written.
int MakeGamesDat(const std::vector<std::string>& arguments, std::ostream& err);

}  // namespace data_tools
