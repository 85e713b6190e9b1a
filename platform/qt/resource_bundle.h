#pragma once

#include "platform/core/resource_library.h"
#include "platform/core/resource_names.h"
#include "platform/qt/resource_bundle_check.h"

#include <string>
#include <unordered_map>

namespace platform {

// The card resource library: a Qt binary resource bundle (rcc --binary) with our checksum
// table. Open checks the whole file and keeps only an index of its entries; an entry is
// read from the file when asked for, so the library costs no memory for what is never
// used, and one whose bytes have changed in the file since the check reads as nothing.
// Names are matched without regard to case.
class ResourceBundle : public IResourceLibrary {
public:
    ResourceBundle() = default;
    ~ResourceBundle() override;
    ResourceBundle(const ResourceBundle&) = delete;
    ResourceBundle& operator=(const ResourceBundle&) = delete;

    bool Open(const std::filesystem::path& path) override;
    void Close() override;
    bool IsOpen() const override { return m_file >= 0; }
    std::string Problem() const override { return m_problem; }

    bool HasBitmap(std::string_view name) const override;
    std::string BitmapData(std::string_view name) const override;
    std::string WaveData(std::string_view name) const override;
    std::string CursorData(std::string_view name) const override;

private:
    using Index = std::unordered_map<std::string, BundleEntry>;  // upper-case name without its extension

    const Index& IndexOf(resources::ResourceKind kind) const;
    std::string Read(resources::ResourceKind kind, std::string_view name) const;

    int m_file = -1;  // the open library file, read from as entries are asked for
    std::string m_problem;
    Index m_bitmaps, m_cursors, m_waves;
};

}  // namespace platform
