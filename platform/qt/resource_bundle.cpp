#include "platform/qt/resource_bundle.h"

#include "platform/core/crc32.h"
#include "platform/core/paths.h"
#include "platform/qt/resource_bundle_check.h"

#include <QByteArray>
#include <QString>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <utility>

namespace platform {

namespace {

std::string UpperKey(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toUpper().toStdString();
}

// Checks the file through a mapping of its own that goes once the check is done, so the
// pages it has read are not kept. A file that cannot be mapped (an empty one) is read.
CheckedBundle CheckFile(int file, std::size_t size, const std::filesystem::path& path) {
    if (size > 0) {
        void* bytes = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file, 0);
        if (bytes != MAP_FAILED) {
            CheckedBundle checked = CheckResourceBundle({static_cast<const char*>(bytes), size});
            ::munmap(bytes, size);
            return checked;
        }
    }
    std::string content;
    if (!ReadFile(path, content)) return {"the file cannot be read", {}};
    return CheckResourceBundle(content);
}

bool ReadAt(int file, std::size_t offset, std::string& out) {
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t got = ::pread(file, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

// The entry's folder and its name without the last extension, as a directory listing of
// the bundle shows them; hidden names (a leading dot) are not listed.
struct ListedName {
    std::string_view folder;
    std::string_view base;
};

std::optional<ListedName> ListedNameOf(std::string_view path) {
    if (!path.starts_with('/')) return std::nullopt;
    const std::size_t slash = path.find('/', 1);
    if (slash == std::string_view::npos) return std::nullopt;
    const std::string_view name = path.substr(slash + 1);
    if (name.empty() || name.starts_with('.') || name.find('/') != std::string_view::npos) return std::nullopt;
    const std::size_t dot = name.rfind('.');
    return ListedName{path.substr(1, slash - 1), dot == std::string_view::npos ? name : name.substr(0, dot)};
}

}  // namespace

ResourceBundle::~ResourceBundle() { Close(); }

bool ResourceBundle::Open(const std::filesystem::path& path) {
    Close();
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (file < 0 || ::fstat(file, &info) != 0 || S_ISDIR(info.st_mode)) {
        if (file >= 0) ::close(file);
        // Nothing there to open: "can't find" says all there is to say.
        m_problem.clear();
        return false;
    }
    CheckedBundle checked = CheckFile(file, static_cast<std::size_t>(info.st_size), path);
    if (checked.problem) {
        ::close(file);
        m_problem = *checked.problem;
        return false;
    }
    m_problem.clear();
    m_file = file;
    const std::pair<std::string_view, Index*> folders[] = {
        {resources::FolderOf(resources::ResourceKind::Bitmap), &m_bitmaps},
        {resources::FolderOf(resources::ResourceKind::Cursor), &m_cursors},
        {resources::FolderOf(resources::ResourceKind::Wave), &m_waves},
    };
    for (const BundleEntry& entry : checked.entries) {
        const std::optional<ListedName> listed = ListedNameOf(entry.path);
        if (!listed) continue;
        for (const auto& [folder, index] : folders)
            // The first entry of a name wins, whatever its extension.
            if (listed->folder == folder)
                index->emplace(UpperKey(listed->base), entry);
    }
    return true;
}

void ResourceBundle::Close() {
    if (m_file < 0) return;
    ::close(m_file);
    m_file = -1;
    m_bitmaps.clear();
    m_cursors.clear();
    m_waves.clear();
}

const ResourceBundle::Index& ResourceBundle::IndexOf(resources::ResourceKind kind) const {
    switch (kind) {
        case resources::ResourceKind::Cursor: return m_cursors;
        case resources::ResourceKind::Wave: return m_waves;
        case resources::ResourceKind::Bitmap: break;
    }
    return m_bitmaps;
}

std::string ResourceBundle::Read(resources::ResourceKind kind, std::string_view name) const {
    if (m_file < 0) return {};
    const Index& index = IndexOf(kind);
    const auto found = index.find(UpperKey(name));
    if (found == index.end()) return {};
    const BundleEntry& entry = found->second;
    // The file may have changed since the check: an entry that no longer matches its
    // checksum is not read at all.
    std::string block(entry.size, '\0');
    if (!ReadAt(m_file, entry.block, block) || Crc32(block, entry.headCrc) != entry.crc) return {};
    block.erase(0, kEntryBlockHeaderSize);
    if ((entry.flags & kEntryZstdCompressed) != 0) return {};  // the build writes zlib only
    if ((entry.flags & kEntryZlibCompressed) != 0) {
        const QByteArray plain =
            qUncompress(reinterpret_cast<const uchar*>(block.data()), static_cast<qsizetype>(block.size()));
        return std::string(plain.constData(), static_cast<std::size_t>(plain.size()));
    }
    return block;
}

bool ResourceBundle::HasBitmap(std::string_view name) const {
    return IsOpen() && m_bitmaps.contains(UpperKey(name));
}

std::string ResourceBundle::BitmapData(std::string_view name) const {
    return Read(resources::ResourceKind::Bitmap, name);
}

std::string ResourceBundle::WaveData(std::string_view name) const { return Read(resources::ResourceKind::Wave, name); }

std::string ResourceBundle::CursorData(std::string_view name) const {
    return Read(resources::ResourceKind::Cursor, name);
}

}  // namespace platform
