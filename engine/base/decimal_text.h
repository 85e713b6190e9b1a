#pragma once

#include <optional>
#include <string_view>

namespace engine {

// A signed decimal number as the game files write it: leading blanks allowed, an optional
// sign, then digits and nothing else. Nothing for any other text or more than nine digits.
std::optional<int> ReadDecimal(std::string_view text);

}  // namespace engine
