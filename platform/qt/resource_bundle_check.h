#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The card resource library is a Qt binary resource bundle (rcc --binary) followed by a
// table of our own: a CRC-32 of every tree node the reader can reach, each over the node,
// its name and its data (the root's over the header too), so damaged content is caught
// before an image is decoded.

// The bundle with its checksum table appended; nothing when the bundle is not well formed.
std::optional<std::string> SealResourceBundle(std::string_view bundle);

// What is wrong with a sealed library file: its every tree node (the root too), name and
// data block must lie inside it, the tree must have no loops, and every node must match its
// checksum. Nothing when the file is sound. Entries are read where the tree says they lie,
// so a damaged file must be turned away before any is read.
std::optional<std::string> ResourceBundleProblem(std::string_view file);

// A file entry of a library file that passed the check, and where its data lies: enough
// to read it from the file later and prove it is still what the check saw.
struct BundleEntry {
    std::string path;  // "/bitmap/CB001H.png"
    std::uint16_t flags = 0;
    std::size_t block = 0;     // the data block's offset: its 32-bit length, then the data
    std::size_t size = 0;      // the whole block's
    std::uint32_t headCrc = 0;  // the checksum over the node and its name, before the block
    std::uint32_t crc = 0;      // the sealed checksum: the head's carried on over the block
};

struct CheckedBundle {
    std::optional<std::string> problem;  // as ResourceBundleProblem gives it
    std::vector<BundleEntry> entries;    // when sound, in the order Qt's reader lists them
};

// The check of ResourceBundleProblem that also lists the file entries.
CheckedBundle CheckResourceBundle(std::string_view file);

// An entry's data block starts with its length as 32 bits.
inline constexpr std::size_t kEntryBlockHeaderSize = 4;

// Bits of an entry's flags.
inline constexpr std::uint16_t kEntryZlibCompressed = 0x01;
inline constexpr std::uint16_t kEntryZstdCompressed = 0x04;

}  // namespace platform
