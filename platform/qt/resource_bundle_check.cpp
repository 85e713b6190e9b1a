#include "platform/qt/resource_bundle_check.h"

#include "platform/core/crc32.h"

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
constexpr std::size_t kDataHeaderSize = kEntryBlockHeaderSize;
constexpr std::uint16_t kDirectoryFlag = 0x02;

// Our checksum table: one CRC a node in the order of the walk, the node count, the
// bundle's length, and the mark.
constexpr std::string_view kSealMark = "CVck";
constexpr std::size_t kSealTailSize = 12;

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
    std::string_view Span(std::size_t offset, std::size_t length) const { return m_data.substr(offset, length); }

private:
    std::uint8_t Byte(std::size_t offset) const { return static_cast<std::uint8_t>(m_data[offset]); }
    std::string_view m_data;
};

void AppendU32(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

// A node the reader can reach: its entry path (for messages) and its checksum; a file
// also its data block and the checksum of the node before that block.
struct Node {
    std::string path;
    std::uint32_t crc;
    std::optional<BundleEntry> file;
};

struct Walk {
    std::vector<Node> nodes;
    std::string problem;  // empty when the structure is sound
};

std::string NameText(const Reader& reader, std::size_t name, std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint16_t c = reader.U16(name + kNameHeaderSize + 2 * i);
        text += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    }
    return text;
}

// Visits every node the way Qt's reader can reach it: the root's children are read
// whatever its flags say.
Walk WalkBundle(std::string_view data) {
    Walk walk;
    const Reader reader(data);
    if (!reader.Has(0, kHeaderSize) || data.substr(0, kMagic.size()) != kMagic) {
        return {{}, "it is no resource library"};
    }
    const std::uint32_t version = reader.U32(4);
    const bool knownVersion = version >= kFirstVersion && version <= kLastVersion;
    if (!knownVersion || (version >= kFlagsFieldVersion && !reader.Has(0, kHeaderSize + 4))) {
        return {{}, "it is no resource library of a known version"};
    }
    const std::size_t treeOffset = reader.U32(8);
    const std::size_t dataOffset = reader.U32(12);
    const std::size_t nameOffset = reader.U32(16);
    const std::size_t nodeSize = kNodeSize + (version >= 2 ? kNodeTimeSize : 0);
    const std::size_t headerSize = kHeaderSize + (version >= kFlagsFieldVersion ? 4 : 0);

    auto nodeAt = [&](std::size_t index) -> std::size_t { return treeOffset + index * nodeSize; };
    auto nodeFits = [&](std::size_t index) {
        return index < data.size() / nodeSize + 1 && reader.Has(nodeAt(index), nodeSize);
    };
    const std::string cut = "it is cut short or damaged";
    if (!nodeFits(0)) return {{}, cut + " (no root folder)"};

    // rcc writes the tree breadth first, so every child lies after its parent, and each
    // node has one parent; anything else could make a folder its own descendant.
    std::vector<bool> seen((data.size() - treeOffset) / nodeSize + 1, false);
    struct Pending {
        std::size_t index;
        std::string parent;
    };
    std::deque<Pending> pending{{0, std::string()}};
    while (!pending.empty()) {
        const Pending item = pending.front();
        pending.pop_front();
        const std::size_t index = item.index;
        if (seen[index]) return {{}, cut + " (a folder lies inside itself)"};
        seen[index] = true;
        const std::size_t node = nodeAt(index);
        std::string path = item.parent;
        std::uint32_t crc = Crc32(reader.Span(node, nodeSize));
        if (index == 0) {
            crc = Crc32(reader.Span(0, headerSize), crc);  // the root answers for the header
        } else {
            const std::size_t name = nameOffset + reader.U32(node);
            if (!reader.Has(name, kNameHeaderSize)) return {{}, cut + " (a name below " + path + "/ lies outside it)"};
            const std::size_t length = reader.U16(name);
            if (!reader.Has(name + kNameHeaderSize, length * 2))
                return {{}, cut + " (a name below " + path + "/ lies outside it)"};
            path += "/" + NameText(reader, name, length);
            crc = Crc32(reader.Span(name, kNameHeaderSize + length * 2), crc);
        }
        const std::uint16_t flags = reader.U16(node + 4);
        std::optional<BundleEntry> file;
        if (index == 0 || (flags & kDirectoryFlag) != 0) {
            const std::size_t count = reader.U32(node + 6);
            const std::size_t first = reader.U32(node + 10);
            if (count != 0) {
                if (first <= index || !nodeFits(first) || count > data.size() / nodeSize ||
                    !nodeFits(first + count - 1))
                    return {{}, cut + " (folder " + path + "/ lies outside it)"};
                for (std::size_t child = first; child < first + count; ++child) pending.push_back({child, path});
            }
        } else {
            const std::size_t block = dataOffset + reader.U32(node + 10);
            if (!reader.Has(block, kDataHeaderSize) || !reader.Has(block + kDataHeaderSize, reader.U32(block)))
                return {{}, cut + " (entry " + path + " lies outside it)"};
            const std::size_t size = kDataHeaderSize + reader.U32(block);
            file = BundleEntry{path, flags, block, size, crc, 0};
            crc = Crc32(reader.Span(block, size), crc);
            file->crc = crc;
        }
        walk.nodes.push_back({path.empty() ? "/" : path, crc, std::move(file)});
    }
    return walk;
}

}  // namespace

std::optional<std::string> SealResourceBundle(std::string_view bundle) {
    const Walk walk = WalkBundle(bundle);
    if (!walk.problem.empty()) return std::nullopt;
    std::string sealed(bundle);
    for (const Node& node : walk.nodes) AppendU32(sealed, node.crc);
    AppendU32(sealed, static_cast<std::uint32_t>(walk.nodes.size()));
    AppendU32(sealed, static_cast<std::uint32_t>(bundle.size()));
    sealed += kSealMark;
    return sealed;
}

CheckedBundle CheckResourceBundle(std::string_view file) {
    const Reader reader(file);
    if (file.size() < kSealTailSize || file.substr(file.size() - kSealMark.size()) != kSealMark)
        return {"it has no checksums: it is cut short, damaged or no library of this program", {}};
    const std::size_t bundleSize = reader.U32(file.size() - 8);
    const std::size_t count = reader.U32(file.size() - 12);
    const std::size_t tableSize = file.size() - kSealTailSize;
    if (bundleSize > tableSize || count != (tableSize - bundleSize) / 4 || (tableSize - bundleSize) % 4 != 0)
        return {"its checksum table is damaged", {}};
    Walk walk = WalkBundle(file.substr(0, bundleSize));
    if (!walk.problem.empty()) return {walk.problem, {}};
    if (walk.nodes.size() != count) return {"its folders are damaged: it holds other entries than were built", {}};
    CheckedBundle checked;
    for (std::size_t i = 0; i < count; ++i) {
        Node& node = walk.nodes[i];
        if (node.crc != reader.U32(bundleSize + 4 * i))
            return {"entry " + node.path + " is damaged (its checksum does not match)", {}};
        if (node.file) checked.entries.push_back(std::move(*node.file));
    }
    return checked;
}

std::optional<std::string> ResourceBundleProblem(std::string_view file) { return CheckResourceBundle(file).problem; }

}  // namespace platform
