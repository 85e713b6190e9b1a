#include "tests/support/file_oddities.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace test_support {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUnreadableContent = "[Kept]\nValue=1\n";
// Reading it fails with an input/output error, even for the superuser.
const fs::path kRefusedFile = "/proc/self/mem";

fs::path LoopPartner(const fs::path& path) { return path.string() + ".loop"; }

std::string Content(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

std::string_view NameOf(FileOddity oddity) {
    switch (oddity) {
    case FileOddity::Folder: return "Folder";
    case FileOddity::LinkLoop: return "LinkLoop";
    case FileOddity::DanglingLink: return "DanglingLink";
    case FileOddity::Unreadable: return "Unreadable";
    case FileOddity::Fifo: return "Fifo";
    }
    return "?";
}

void PrintTo(FileOddity oddity, std::ostream* out) { *out << NameOf(oddity); }

fs::path DanglingTarget(const fs::path& path) { return path.string() + ".missing"; }

void MakeFileOddity(const fs::path& path, FileOddity oddity) {
    switch (oddity) {
    case FileOddity::Folder:
        fs::create_directory(path);
        std::ofstream(path / "inside.txt") << "kept";
        return;
    case FileOddity::LinkLoop:
        fs::create_symlink(LoopPartner(path).filename(), path);
        fs::create_symlink(path.filename(), LoopPartner(path));
        return;
    case FileOddity::DanglingLink: fs::create_symlink(DanglingTarget(path).filename(), path); return;
    case FileOddity::Unreadable:
        if (::geteuid() == 0) {
            fs::create_symlink(kRefusedFile, path);
            return;
        }
        std::ofstream(path, std::ios::binary) << kUnreadableContent;
        fs::permissions(path, fs::perms::none);
        return;
    case FileOddity::Fifo:
        if (::mkfifo(path.c_str(), 0644) != 0) throw std::runtime_error("cannot make a FIFO at " + path.string());
        return;
    }
}

bool IsFileOddityIntact(const fs::path& path, FileOddity oddity) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    switch (oddity) {
    case FileOddity::Folder: return fs::is_directory(status) && Content(path / "inside.txt") == "kept";
    case FileOddity::LinkLoop:
        return fs::read_symlink(path, ec) == LoopPartner(path).filename() &&
               fs::read_symlink(LoopPartner(path), ec) == path.filename();
    case FileOddity::DanglingLink: return fs::read_symlink(path, ec) == DanglingTarget(path).filename();
    case FileOddity::Unreadable:
        if (::geteuid() == 0) return fs::read_symlink(path, ec) == kRefusedFile;
        if (!fs::is_regular_file(status) || fs::status(path, ec).permissions() != fs::perms::none) return false;
        fs::permissions(path, fs::perms::owner_read, ec);
        {
            const bool same = Content(path) == kUnreadableContent;
            fs::permissions(path, fs::perms::none, ec);
            return same;
        }
    case FileOddity::Fifo: return fs::is_fifo(status);
    }
    return false;
}

}  // namespace test_support
