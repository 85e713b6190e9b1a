#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>

namespace test_support {

// What a file's name may lead to instead of a file. Every reader and writer must survive
// each without throwing or waiting, and leave it as it was.
enum class FileOddity { Folder, LinkLoop, DanglingLink, Unreadable, Fifo };
inline constexpr FileOddity kFileOddities[] = {FileOddity::Folder, FileOddity::LinkLoop, FileOddity::DanglingLink,
                                               FileOddity::Unreadable, FileOddity::Fifo};

std::string_view NameOf(FileOddity oddity);
// How a test's parameter shows it.
void PrintTo(FileOddity oddity, std::ostream* out);

// Puts the oddity at the path, whose folder exists. A dangling link points at a missing
// file beside it; an unreadable file is one without read permission, or, for the superuser
// whom permissions do not bind, a link to a file the system refuses to read.
void MakeFileOddity(const std::filesystem::path& path, FileOddity oddity);
// Whether it is still there as it was made.
bool IsFileOddityIntact(const std::filesystem::path& path, FileOddity oddity);
// The file a dangling link points at.
std::filesystem::path DanglingTarget(const std::filesystem::path& path);
// A dangling link is a missing file; each of the others cannot be read.
inline bool CannotBeRead(FileOddity oddity) { return oddity != FileOddity::DanglingLink; }

}  // namespace test_support
