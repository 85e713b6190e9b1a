#include "platform/qt/resource_bundle_check.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace platform {

namespace {

// The layout that rcc --binary writes; all numbers big-endian.
constexpr std::string_view kMagic = "qres";
constexpr std::uint32_t kFirstVersion = 1;
constexpr std::uint32_t kLastVersion = 3;
constexpr std::size_t kHeaderSize = 20;        // magic, version, three offsets
constexpr std::size_t kFlagsFieldVersion = 3;  // from this version a flags word follows
constexpr std::size_t kNodeSize = 14;          // name, flags, and two words
constexpr std::size_t kNodeTimeSize = 8;       // from version 2 each node has a time
constexpr std::size_t kNameHeaderSize = 6;     // length (16 bits), hash (32 bits)
constexpr std::size_t kDataHeaderSize = 4;     // length (32 bits)
constexpr std::uint16_t kDirectoryFlag = 0x02;

class Reader {
public:
    explicit Reader(std::string_view data) : m_data(data) {}

    bool Has(std::size_t offset, std::size_t length) const {
        return offset <= m_data.size() && length <= m_data.size() - offset;
    }
    std::uint32_t U32(std::size_t offset) const {
        return static_cast<std::uint32_t>(Byte(offset)) << 24 | static_cast<std::uint32_t>(Byte(offset + 1)) << 16 |
               static_cast<std::uint32_t>(Byte(offset + 2)) << 8 | Byte(offset + 3);
    }
    std::uint16_t U16(std::size_t offset) const {
        return static_cast<std::uint16_t>(Byte(offset) << 8 | Byte(offset + 1));
    }

private:
    std::uint8_t Byte(std::size_t offset) const { return static_cast<std::uint8_t>(m_data[offset]); }
    std::string_view m_data;
};

}  // namespace

bool IsWellFormedResourceBundle(std::string_view data) {
    const Reader reader(data);
    if (!reader.Has(0, kHeaderSize) || data.substr(0, kMagic.size()) != kMagic) return false;
    const std::uint32_t version = reader.U32(4);
    if (version < kFirstVersion || version > kLastVersion) return false;
    if (version >= kFlagsFieldVersion && !reader.Has(0, kHeaderSize + 4)) return false;
    const std::size_t treeOffset = reader.U32(8);
    const std::size_t dataOffset = reader.U32(12);
    const std::size_t nameOffset = reader.U32(16);
    const std::size_t nodeSize = kNodeSize + (version >= 2 ? kNodeTimeSize : 0);

    auto nodeAt = [&](std::size_t index) -> std::size_t { return treeOffset + index * nodeSize; };
    auto nodeFits = [&](std::size_t index) {
        return index < data.size() / nodeSize + 1 && reader.Has(nodeAt(index), nodeSize);
    };
    if (!nodeFits(0)) return false;

    // rcc writes the tree breadth first, so every child lies after its parent, and each
    // node has one parent; anything else could make a directory its own descendant.
    std::vector<bool> seen((data.size() - treeOffset) / nodeSize + 1, false);
    std::deque<std::size_t> pending{0};
    while (!pending.empty()) {
        const std::size_t index = pending.front();
        pending.pop_front();
        if (seen[index]) return false;
        seen[index] = true;
        const std::size_t node = nodeAt(index);
        if (index != 0) {
            const std::size_t name = nameOffset + reader.U32(node);
            if (!reader.Has(name, kNameHeaderSize)) return false;
            if (!reader.Has(name + kNameHeaderSize, std::size_t{reader.U16(name)} * 2)) return false;
        }
        const std::uint16_t flags = reader.U16(node + 4);
        if (flags & kDirectoryFlag) {
            const std::size_t count = reader.U32(node + 6);
            const std::size_t first = reader.U32(node + 10);
            if (count == 0) continue;
            if (first <= index || !nodeFits(first) || count > data.size() / nodeSize || !nodeFits(first + count - 1))
                return false;
            for (std::size_t child = first; child < first + count; ++child) pending.push_back(child);
        } else {
            const std::size_t block = dataOffset + reader.U32(node + 10);
            if (!reader.Has(block, kDataHeaderSize)) return false;
            if (!reader.Has(block + kDataHeaderSize, reader.U32(block))) return false;
        }
    }
    return true;
}

}  // namespace platform
