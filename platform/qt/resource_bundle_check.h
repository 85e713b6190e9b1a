#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The card resource library is a Qt binary resource bundle (rcc --binary) followed by a
// table of our own: a CRC-32 of every tree node the reader can reach, each over the node,
// its name and its data (the root's over the header too), so damaged content is caught
// before an image is decoded.

// The bundle with its checksum table appended; nothing when the bundle is not well formed.
std::optional<std::string> SealResourceBundle(std::string_view bundle);

// What is wrong with a sealed library file: its every tree node (the root too), name and
// data block must lie inside it, the tree must have no loops, and every node must match its
// checksum. Nothing when the file is sound. Qt trusts the offsets in a bundle it registers,
// so a damaged file must be turned away before it gets there.
std::optional<std::string> ResourceBundleProblem(std::string_view file);

}  // namespace platform
