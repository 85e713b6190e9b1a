#pragma once

#include <filesystem>

namespace engine {

struct Services;

// The exit status after a missing essential file: a failure, so scripts notice.
inline constexpr int kMissingFileExitCode = 1;

// True when the file exists. Otherwise tells the player which file is missing, asks the
// process to end with kMissingFileExitCode and returns false (the caller goes no further).
bool RequireFile(const Services& services, const std::filesystem::path& file);
// The same for an image file, with a message that says what cannot be shown.
bool RequireImageFile(const Services& services, const std::filesystem::path& file);

}  // namespace engine
