#include "engine/files/statistics_files.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "engine/base/text_utils.h"
#include "platform/core/ascii_case.h"
#include "platform/core/paths.h"

namespace engine {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDataFolder = "DATA";
constexpr std::string_view kStatisticsPrefix = "Stat_e";
constexpr std::string_view kStatisticsExtension = ".dat";
constexpr int kLastStatisticsNumber = 99;
constexpr int kNumberWidth = 2;

// The file-name pattern "Stat_e*.dat", matched as the platform's file search does:
// without regard to case.
bool MatchesStatisticsPattern(std::string_view name) {
    if (name.size() < kStatisticsPrefix.size() + kStatisticsExtension.size()) return false;
    return platform::EqualsIgnoreCase(name.substr(0, kStatisticsPrefix.size()), kStatisticsPrefix) &&
           platform::EqualsIgnoreCase(name.substr(name.size() - kStatisticsExtension.size()), kStatisticsExtension);
}

bool AnyFileMatchesPattern(const fs::path& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec) && MatchesStatisticsPattern(it->path().filename().string())) return true;
    }
    return false;
}

}  // namespace

bool AnyStatisticsFile(const platform::PathResolver& paths) {
    if (!AnyFileMatchesPattern(paths.Resolve(kDataFolder))) return false;
    for (int number = 0; number <= kLastStatisticsNumber; ++number) {
        std::string name(kDataFolder);
        name += '\\';
        name += kStatisticsPrefix;
        name += IntToZeroPad(number, kNumberWidth);
        name += kStatisticsExtension;
        std::error_code ec;
        if (fs::is_regular_file(paths.Resolve(name), ec)) return true;
    }
    return false;
}

}  // namespace engine
