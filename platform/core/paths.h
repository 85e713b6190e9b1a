#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Maps the program's Windows-style relative names ("DATA\CFG.DAT") onto the file system.
// Each component is looked up case-insensitively (an exact match first, else the first
// case-insensitive match in name order); a component that does not exist yet keeps the
// spelling given, so new files can be created. Empty and "." components are skipped,
// ".." goes up; an absolute name is returned as it is.
class PathResolver {
public:
    explicit PathResolver(std::filesystem::path programFolder);

    const std::filesystem::path& ProgramFolder() const { return m_programFolder; }
    // The program folder as the settings field shows it: the native path with a trailing "/".
    // Only for display; files are found through Resolve.
    std::string ProgramFolderText() const;

    // The real path of a name relative to the program folder.
    std::filesystem::path Resolve(std::string_view relativeName) const;
    // The real path of a name relative to any folder.
    static std::filesystem::path ResolveIn(const std::filesystem::path& base, std::string_view relativeName);

    // The folder of the running executable.
    static std::filesystem::path ExecutableFolder();

private:
    std::filesystem::path m_programFolder;
};

// Writes a file by way of a temporary in the same folder and a rename, so readers
// never see half a file. Returns false (and leaves any old file intact) on failure, with
// the reason in words in why. Through a symbolic link the link's final target is replaced
// and the link stays; a loop of links fails, and so does a target that is not an ordinary
// file (a folder, a FIFO, a device), which is left as it is.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content);
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content, std::string& why);

// The file a write to the path replaces: the final target of a chain of symbolic links,
// or the path itself.
std::filesystem::path LinkTarget(const std::filesystem::path& path);

// Removes the hidden temporaries that interrupted atomic writes left in the folder: only
// those older than a running write could be and whose original file is there beside them,
// since without it a temporary may hold the only copy. Returns how many went.
int RemoveStaleWriteTemporaries(const std::filesystem::path& folder);

// Reads a whole ordinary file as bytes; false, with the reason in words in why, when it
// cannot be read. Anything else in its place (a folder, a FIFO, a device) fails at once
// rather than waiting on a writer.
bool ReadFile(const std::filesystem::path& path, std::string& content);
bool ReadFile(const std::filesystem::path& path, std::string& content, std::string& why);

// Creates a new empty file with a unique name in the folder (the system's temporary
// folder when empty) whose name starts with the prefix. Returns the empty path on failure.
std::filesystem::path MakeTempFileName(const std::filesystem::path& folder, std::string_view prefix);

}  // namespace platform
