#pragma once

#include <string_view>

namespace engine {

// The key of a game category in the chooser's tree (also the name of its icon); empty for
// a number that names no category.
std::string_view GameCategoryKey(int category);

}  // namespace engine
