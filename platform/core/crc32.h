#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

// The CRC-32 of zip and PNG (reflected polynomial 0xEDB88320), four bytes a step, so a
// few megabytes take a few milliseconds.
std::uint32_t Crc32(std::string_view data, std::uint32_t crc = 0);

}  // namespace platform
