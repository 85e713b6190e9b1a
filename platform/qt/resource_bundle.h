#pragma once

#include "platform/core/resource_library.h"
#include "platform/core/resource_names.h"

#include <QByteArray>
#include <QString>

#include <string>
#include <unordered_map>

namespace platform {

// The card resource library as a Qt binary resource bundle (rcc --binary), registered
// under a root of its own while open. Names are matched without regard to case.
class ResourceBundle : public IResourceLibrary {
public:
    ResourceBundle();
    ~ResourceBundle() override;
    ResourceBundle(const ResourceBundle&) = delete;
    ResourceBundle& operator=(const ResourceBundle&) = delete;

    bool Open(const std::filesystem::path& path) override;
    void Close() override;
    bool IsOpen() const override { return m_open; }
    std::string Problem() const override { return m_problem; }

    bool HasBitmap(std::string_view name) const override;
    std::string BitmapData(std::string_view name) const override;
    std::string WaveData(std::string_view name) const override;
    std::string CursorData(std::string_view name) const override;

    // The Qt resource path (":/...") of an entry; empty when there is none.
    QString EntryPath(resources::ResourceKind kind, std::string_view name) const;

private:
    using Index = std::unordered_map<std::string, QString>;  // upper-case name -> resource path
    const Index& IndexOf(resources::ResourceKind kind) const;
    void IndexFolder(resources::ResourceKind kind, Index& index);
    std::string Read(resources::ResourceKind kind, std::string_view name) const;

    const QString m_root;  // where the bundle appears in the resource tree while open
    QByteArray m_data;     // Qt reads the registered bundle from here
    bool m_open = false;
    std::string m_problem;
    Index m_bitmaps, m_cursors, m_waves;
};

}  // namespace platform
