#pragma once

#include <string_view>

namespace platform {

// True when the data is a Qt binary resource bundle whose every tree node, name and data
// block lies inside it and whose tree has no loops. Qt trusts the offsets in a bundle it
// registers, so a damaged file must be turned away before it gets there.
bool IsWellFormedResourceBundle(std::string_view data);

}  // namespace platform
