#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "engine/ports/services.h"

namespace engine {

inline constexpr std::string_view kScoreFileName = "DATA\\STAT_SCR.DAT";
inline constexpr std::string_view kScoreFileVersion = "0300";

// The file operations that can fail for reasons outside the program; tests replace
// them to provoke the failures.
struct ScoreFileOps {
    // The whole file's text; false when it cannot be read.
    std::function<bool(const std::filesystem::path& file, std::string& content)> readFile;
    // A new empty file in the folder whose name starts with the prefix; false on failure.
    std::function<bool(const std::filesystem::path& folder, std::string_view prefix, std::filesystem::path& name)>
        makeTempFileName;
    // Puts from in the place of to in one step; false on failure, both files as they were.
    std::function<bool(const std::filesystem::path& from, const std::filesystem::path& to)> replaceFile;

    static ScoreFileOps System();
};

// Brings "DATA\STAT_SCR.DAT" to version 0300 by way of a temporary file, then repairs
// the "S" values that older versions left in Cards_Animate and ConfirmQuit. Does nothing
// when the score file does not exist. Failures are shown to the player.
void UpgradeScoreFile(const Services& services, const ScoreFileOps& ops = ScoreFileOps::System());

}  // namespace engine
