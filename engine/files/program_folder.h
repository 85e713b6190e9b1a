#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {
class PathResolver;
}

// What the start-up loader keeps in order in the program folder: the Data folder, the
// version marker and the files that older versions left behind.
namespace engine {

inline constexpr std::string_view kDataFolderName = "Data";
inline constexpr std::string_view kVersionMarkerFile = "QNDV0520.DAT";
inline constexpr std::string_view kVersionMarkerLabel = "Quendrix version:";
inline constexpr std::string_view kProgramVersion = "0520";

// Creates program folder + "Data" unless a folder of that name in any case ("DATA",
// "data") is there, so the folder made and the "DATA\" files opened are the same on a
// case-sensitive file system. A folder that cannot be created is ignored.
void EnsureDataFolder(const platform::PathResolver& paths);

// "Quendrix version: 05.20" for "0520": the first two digits, ".", the last two.
std::string VersionMarkerLine(std::string_view version);
// Writes the version marker with its one line when it is missing; an existing one stays
// untouched. False when it was missing and could not be written.
bool WriteVersionMarker(const platform::PathResolver& paths);

// The relative names that the removal deletes, each group only when its first file exists.
struct ObsoleteGroup {
    std::string trigger;
    std::vector<std::string> files;
};
std::vector<ObsoleteGroup> ObsoleteFileGroups();

// Deletes the obsolete images below IMAGES\ and the old library file, and the stale
// temporaries of interrupted writes in the program folder and its Data folder; a file that
// cannot be deleted is left. Returns how many were deleted.
int RemoveObsoleteFiles(const platform::PathResolver& paths);

}  // namespace engine
