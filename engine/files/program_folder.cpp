#include "engine/files/program_folder.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "engine/base/text_utils.h"
#include "platform/core/paths.h"

namespace engine {

namespace {

namespace fs = std::filesystem;

// The marker keeps the line ends of the system the program came from, like GAMES.DAT.
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kVersionMajorDigits = 2;

// prefix + number (zero-padded to digits) + suffix, for first .. last.
struct NumberedFiles {
    std::string_view prefix;
    int first;
    int last;
    int digits;
    std::string_view suffix;
};

constexpr std::array kGameImages{NumberedFiles{"IMAGES\\GAME", 0, 100, 4, ".BMP"}};
constexpr std::array kWinImages{
    NumberedFiles{"IMAGES\\WB", 0, 25, 3, ".BMP"},
    NumberedFiles{"IMAGES\\WM", 0, 25, 3, ".BMP"},
    NumberedFiles{"IMAGES\\WP", 0, 25, 3, ".BMP"},
};
constexpr std::array kCardImages{
    NumberedFiles{"IMAGES\\CB", 1, 5, 3, "C.BMP"},
    NumberedFiles{"IMAGES\\CB", 1, 5, 3, "D.BMP"},
    NumberedFiles{"IMAGES\\CB", 1, 5, 3, "H.BMP"},
    NumberedFiles{"IMAGES\\CB", 1, 5, 3, "S.BMP"},
};
constexpr std::array<std::string_view, 8> kCardSetImages{
    "IMAGES\\CM003C.BMP", "IMAGES\\CM003D.BMP", "IMAGES\\CM003H.BMP", "IMAGES\\CM003S.BMP",
    "IMAGES\\CL003C.BMP", "IMAGES\\CL003D.BMP", "IMAGES\\CL003H.BMP", "IMAGES\\CL003S.BMP",
};
constexpr std::string_view kGameImagesTrigger = "IMAGES\\GAME0000.BMP";
constexpr std::string_view kWinImagesTrigger = "IMAGES\\WB001.BMP";
constexpr std::string_view kCardImagesTrigger = "IMAGES\\CB001C.BMP";
constexpr std::string_view kOldLibraryFile = "QUENDRIX.DLL";

template <std::size_t N>
void AddNumbered(std::vector<std::string>& files, const std::array<NumberedFiles, N>& runs) {
    // Each run in turn, all its numbers, so the names come out grouped by prefix.
    for (const NumberedFiles& run : runs) {
        for (int number = run.first; number <= run.last; ++number) {
            files.push_back(std::string(run.prefix) + IntToZeroPad(number, run.digits) + std::string(run.suffix));
        }
    }
}

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// Only files go: a folder that happens to carry one of the names is left alone.
bool RemoveFile(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (ec || !fs::exists(status) || fs::is_directory(status)) return false;
    return fs::remove(path, ec) && !ec;
}

}  // namespace

void EnsureDataFolder(const platform::PathResolver& paths) {
    const fs::path folder = paths.Resolve(kDataFolderName);
    if (Exists(folder)) return;
    std::error_code ec;
    fs::create_directory(folder, ec);
}

std::string VersionMarkerLine(std::string_view version) {
    const std::size_t split = std::min(kVersionMajorDigits, version.size());
    return std::string(kVersionMarkerLabel) + " " + std::string(version.substr(0, split)) + "." +
           std::string(version.substr(split));
}

bool WriteVersionMarker(const platform::PathResolver& paths) {
    const fs::path marker = paths.Resolve(kVersionMarkerFile);
    if (Exists(marker)) return true;
    return platform::WriteFileAtomically(marker, VersionMarkerLine(kProgramVersion) + std::string(kLineEnd));
}

std::vector<ObsoleteGroup> ObsoleteFileGroups() {
    std::vector<ObsoleteGroup> groups(4);
    groups[0].trigger = kGameImagesTrigger;
    AddNumbered(groups[0].files, kGameImages);
    groups[1].trigger = kWinImagesTrigger;
    AddNumbered(groups[1].files, kWinImages);
    groups[2].trigger = kCardImagesTrigger;
    AddNumbered(groups[2].files, kCardImages);
    groups[2].files.insert(groups[2].files.end(), kCardSetImages.begin(), kCardSetImages.end());
    groups[3].trigger = kOldLibraryFile;
    groups[3].files.emplace_back(kOldLibraryFile);
    return groups;
}

int RemoveObsoleteFiles(const platform::PathResolver& paths) {
    int removed = 0;
    for (const ObsoleteGroup& group : ObsoleteFileGroups()) {
        if (!Exists(paths.Resolve(group.trigger))) continue;
        for (const std::string& file : group.files) {
            if (RemoveFile(paths.Resolve(file))) ++removed;
        }
    }
    removed += platform::RemoveStaleWriteTemporaries(paths.ProgramFolder());
    const fs::path data = paths.Resolve(kDataFolderName);
    if (data != paths.ProgramFolder()) removed += platform::RemoveStaleWriteTemporaries(data);
    return removed;
}

}  // namespace engine
