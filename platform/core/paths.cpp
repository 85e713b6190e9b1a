#include "platform/core/paths.h"

#include "platform/core/ascii_case.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <optional>
#include <system_error>
#include <utility>

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr char kWindowsSeparator = '\\';
constexpr char kSeparator = '/';
constexpr std::string_view kUniqueSuffix = "XXXXXX";
// Mode of a file that did not exist before; an existing file keeps its own.
constexpr mode_t kNewFileMode = 0644;
constexpr mode_t kPermissionBits = 07777;
constexpr std::size_t kReadChunk = 64 * 1024;
// Links followed before a chain is taken for a loop (the system's own limit).
constexpr int kMostLinks = 40;
// A write temporary this old belongs to no write still running.
constexpr auto kStaleTemporaryAge = std::chrono::minutes(10);
constexpr char kHiddenMark = '.';
constexpr std::string_view kNoName = "it has no file name";
constexpr std::string_view kIsFolder = "it is a folder";
constexpr std::string_view kNotAFile = "it is not an ordinary file";

std::string SystemError(int code) { return std::generic_category().message(code); }

bool Exists(const fs::path& path) {
    std::error_code ec;
    // A dangling link still occupies the name, so it counts as an exact match.
    return fs::exists(fs::symlink_status(path, ec));
}

// The name of the folder entry matching the component, if any.
std::optional<std::string> MatchComponent(const fs::path& folder, const std::string& component) {
    if (Exists(folder / component)) {
        return component;
    }
    std::optional<std::string> best;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().native();
        // Directory order is arbitrary; the smallest name makes the choice repeatable.
        if (EqualsIgnoreCase(name, component) && (!best || name < *best)) {
            best = std::move(name);
        }
    }
    return best;
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool SetModeFor(int fd, const fs::path& target) {
    struct stat old {};
    const mode_t mode = (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
                            ? (old.st_mode & kPermissionBits)
                            : kNewFileMode;
    return ::fchmod(fd, mode) == 0;
}

// Makes the rename itself durable; a failure here leaves a complete file either way.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Creates a unique empty file from a template ending in kUniqueSuffix.
fs::path CreateUnique(const fs::path& pattern) {
    std::string name = pattern.native();
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    ::close(fd);
    return name;
}

}  // namespace

PathResolver::PathResolver(fs::path programFolder) : m_programFolder(std::move(programFolder)) {}

std::string PathResolver::ProgramFolderText() const {
    std::string text = m_programFolder.native();
    if (text.empty() || text.back() != kSeparator) {
        text += kSeparator;
    }
    return text;
}

fs::path PathResolver::Resolve(std::string_view relativeName) const {
    return ResolveIn(m_programFolder, relativeName);
}

fs::path PathResolver::ResolveIn(const fs::path& base, std::string_view relativeName) {
    if (!relativeName.empty() && relativeName.front() == kSeparator) {
        return fs::path(std::string(relativeName));
    }
    std::string name(relativeName);
    std::replace(name.begin(), name.end(), kWindowsSeparator, kSeparator);

    fs::path result = base;
    // Once a component is missing, nothing below it can exist either.
    bool onDisk = true;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find(kSeparator, start);
        if (end == std::string::npos) {
            end = name.size();
        }
        const std::string component = name.substr(start, end - start);
        start = end + 1;
        if (component.empty() || component == ".") {
            continue;
        }
        if (component == "..") {
            result /= component;
            continue;
        }
        std::optional<std::string> match;
        if (onDisk) {
            match = MatchComponent(result, component);
        }
        if (!match) {
            onDisk = false;
        }
        result /= match ? *match : component;
    }
    return result;
}

fs::path PathResolver::ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        return exe.parent_path();
    }
    return fs::current_path(ec);
}

fs::path LinkTarget(const fs::path& path) {
    fs::path target = path;
    std::error_code ec;
    for (int hops = 0; hops < kMostLinks && fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
        const fs::path link = fs::read_symlink(target, ec);
        if (ec) break;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target;
}

bool WriteFileAtomically(const fs::path& linkOrFile, std::string_view content) {
    std::string why;
    return WriteFileAtomically(linkOrFile, content, why);
}

bool WriteFileAtomically(const fs::path& linkOrFile, std::string_view content, std::string& why) {
    // Through a link the target is replaced, never the link.
    const fs::path path = LinkTarget(linkOrFile);
    if (path.filename().empty()) {
        why = kNoName;
        return false;
    }
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (fs::is_symlink(status)) {
        why = SystemError(ELOOP);
        return false;
    }
    // Renaming over a FIFO or a device would destroy it; a folder cannot be replaced.
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        why = fs::is_directory(status) ? kIsFolder : kNotAFile;
        return false;
    }
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    // Hidden and in the same folder, so the rename never crosses file systems.
    std::string temp = (folder / ("." + path.filename().native() + "." + std::string(kUniqueSuffix))).native();
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        why = SystemError(errno);
        return false;
    }
    bool ok = WriteAll(fd, content) && SetModeFor(fd, path) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        why = SystemError(error);
        return false;
    }
    SyncFolder(folder);
    return true;
}

bool ReadFile(const fs::path& path, std::string& content) {
    std::string why;
    return ReadFile(path, content, why);
}

bool ReadFile(const fs::path& path, std::string& content, std::string& why) {
    // Not blocking: a FIFO in the file's place must not wait for a writer that never comes.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        why = SystemError(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        why = S_ISDIR(info.st_mode) ? kIsFolder : kNotAFile;
        ::close(fd);
        return false;
    }
    std::string data;
    std::string chunk(kReadChunk, '\0');
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            why = SystemError(errno);
            ::close(fd);
            return false;
        }
        if (got == 0) {
            break;
        }
        data.append(chunk.data(), static_cast<std::size_t>(got));
    }
    ::close(fd);
    content = std::move(data);
    return true;
}

bool IsStaleWriteTemporary(const fs::path& path) {
    // "." + the name written + "." + six characters, beside a file of that name.
    const std::string name = path.filename().native();
    const std::size_t minimum = 1 + 1 + 1 + kUniqueSuffix.size();
    if (name.size() < minimum || name.front() != kHiddenMark ||
        name[name.size() - kUniqueSuffix.size() - 1] != kHiddenMark)
        return false;
    const std::string written = name.substr(1, name.size() - kUniqueSuffix.size() - 2);
    std::error_code ec;
    // Without its original the temporary may hold the only copy, so it stays.
    if (!fs::is_regular_file(fs::symlink_status(path, ec)) || !fs::is_regular_file(path.parent_path() / written, ec))
        return false;
    const auto writtenAt = fs::last_write_time(path, ec);
    return !ec && fs::file_time_type::clock::now() - writtenAt > kStaleTemporaryAge;
}

int RemoveStaleWriteTemporaries(const fs::path& folder) {
    int removed = 0;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code removeError;
        if (IsStaleWriteTemporary(it->path()) && fs::remove(it->path(), removeError)) ++removed;
    }
    return removed;
}

fs::path MakeTempFileName(const fs::path& folder, std::string_view prefix) {
    if (prefix.find(kSeparator) != std::string_view::npos) {
        return {};
    }
    fs::path where = folder;
    if (where.empty()) {
        std::error_code ec;
        where = fs::temp_directory_path(ec);
        if (ec) {
            return {};
        }
    }
    return CreateUnique(where / (std::string(prefix) + std::string(kUniqueSuffix)));
}

}  // namespace platform
