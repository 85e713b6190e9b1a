#include "platform/qt/resource_bundle.h"

#include "platform/core/paths.h"
#include "platform/qt/resource_bundle_check.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QResource>

#include <atomic>
#include <optional>

namespace platform {

namespace {

std::string UpperKey(QStringView name) { return name.toString().toUpper().toStdString(); }

std::string UpperKey(std::string_view name) {
    return UpperKey(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

QString UniqueRoot() {
    static std::atomic<int> counter{0};
    return QStringLiteral("/corvanet_rgf_%1").arg(++counter);
}

const uchar* Bytes(const QByteArray& data) { return reinterpret_cast<const uchar*>(data.constData()); }

}  // namespace

ResourceBundle::ResourceBundle() : m_root(UniqueRoot()) {}

ResourceBundle::~ResourceBundle() { Close(); }

bool ResourceBundle::Open(const std::filesystem::path& path) {
    Close();
    std::string content;
    if (!ReadFile(path, content)) {
        m_problem = "the file cannot be read";
        return false;
    }
    if (const std::optional<std::string> problem = ResourceBundleProblem(content)) {
        m_problem = *problem;
        return false;
    }
    m_data = QByteArray(content.data(), static_cast<qsizetype>(content.size()));
    if (!QResource::registerResource(Bytes(m_data), m_root)) {
        m_data.clear();
        m_problem = "the resource library cannot be registered";
        return false;
    }
    m_problem.clear();
    m_open = true;
    IndexFolder(resources::ResourceKind::Bitmap, m_bitmaps);
    IndexFolder(resources::ResourceKind::Cursor, m_cursors);
    IndexFolder(resources::ResourceKind::Wave, m_waves);
    return true;
}

void ResourceBundle::Close() {
    if (!m_open) return;
    QResource::unregisterResource(Bytes(m_data), m_root);
    m_open = false;
    m_data.clear();
    m_bitmaps.clear();
    m_cursors.clear();
    m_waves.clear();
}

void ResourceBundle::IndexFolder(resources::ResourceKind kind, Index& index) {
    const QString folder = QStringLiteral(":%1/%2").arg(m_root, QString::fromUtf8(resources::FolderOf(kind)));
    QDirIterator entries(folder, QDir::Files);
    while (entries.hasNext()) {
        const QString path = entries.next();
        // The first entry of a name wins, whatever its extension.
        index.emplace(UpperKey(QFileInfo(path).completeBaseName()), path);
    }
}

const ResourceBundle::Index& ResourceBundle::IndexOf(resources::ResourceKind kind) const {
    switch (kind) {
        case resources::ResourceKind::Cursor: return m_cursors;
        case resources::ResourceKind::Wave: return m_waves;
        case resources::ResourceKind::Bitmap: break;
    }
    return m_bitmaps;
}

QString ResourceBundle::EntryPath(resources::ResourceKind kind, std::string_view name) const {
    const Index& index = IndexOf(kind);
    const auto found = index.find(UpperKey(name));
    return found == index.end() ? QString() : found->second;
}

std::string ResourceBundle::Read(resources::ResourceKind kind, std::string_view name) const {
    const QString path = EntryPath(kind, name);
    if (path.isEmpty()) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool ResourceBundle::HasBitmap(std::string_view name) const {
    return !EntryPath(resources::ResourceKind::Bitmap, name).isEmpty();
}

std::string ResourceBundle::BitmapData(std::string_view name) const {
    return Read(resources::ResourceKind::Bitmap, name);
}

std::string ResourceBundle::WaveData(std::string_view name) const { return Read(resources::ResourceKind::Wave, name); }

std::string ResourceBundle::CursorData(std::string_view name) const {
    return Read(resources::ResourceKind::Cursor, name);
}

}  // namespace platform
