#include "platform/core/crc32.h"

#include <array>
#include <cstddef>

namespace platform {

namespace {

using Tables = std::array<std::array<std::uint32_t, 256>, 4>;

constexpr Tables MakeTables() {
    constexpr std::uint32_t kPolynomial = 0xEDB88320u;
    Tables tables{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) c = (c & 1) != 0 ? kPolynomial ^ (c >> 1) : c >> 1;
        tables[0][n] = c;
    }
    // Table k gives the effect of a byte followed by k zero bytes.
    for (std::size_t k = 1; k < tables.size(); ++k)
        for (std::size_t n = 0; n < 256; ++n)
            tables[k][n] = (tables[k - 1][n] >> 8) ^ tables[0][tables[k - 1][n] & 0xFF];
    return tables;
}

constexpr Tables kTables = MakeTables();

std::uint32_t ByteAt(std::string_view data, std::size_t i) { return static_cast<unsigned char>(data[i]); }

}  // namespace

std::uint32_t Crc32(std::string_view data, std::uint32_t crc) {
    crc = ~crc;
    std::size_t i = 0;
    for (; i + 4 <= data.size(); i += 4) {
        crc ^= ByteAt(data, i) | ByteAt(data, i + 1) << 8 | ByteAt(data, i + 2) << 16 | ByteAt(data, i + 3) << 24;
        crc = kTables[3][crc & 0xFF] ^ kTables[2][(crc >> 8) & 0xFF] ^ kTables[1][(crc >> 16) & 0xFF] ^
              kTables[0][crc >> 24];
    }
    for (; i < data.size(); ++i) crc = kTables[0][(crc ^ ByteAt(data, i)) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

}  // namespace platform
