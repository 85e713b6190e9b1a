#pragma once

#include "bars/store/layout_medium.h"
#include "platform/core/registry_store.h"

namespace bars {

// A layout under a key of the registry store: the manager-wide values in the key itself,
// "Bar0", "SubItem_x" below it, "ItemLink0" below those.
class RegistryLayout : public LayoutMedium {
public:
    // The path as normalised (a leading backslash, no trailing one).
    RegistryLayout(platform::RegistryStore& store, std::string path);

    // Clears the bars and sub items of an earlier layout; the key's own values stay until
    // they are written again.
    void DeleteOldArrangement();

    std::string MainContainer() const override { return m_path; }
    std::string TopContainer(const std::string& name) const override { return m_path + '\\' + name; }
    std::string LinkContainer(const std::string& container, int index) const override;

    void WriteBoolean(const std::string& container, const char* name, bool value) override;
    void WriteInteger(const std::string& container, const char* name, int value) override;
    void WriteString(const std::string& container, const char* name, const std::string& value) override;
    void WriteUserDefine(const std::string& container, std::uint8_t value) override;
    void WriteUserGlyph(const std::string& container, const platform::Bitmap& glyph) override;

    std::optional<bool> ReadBoolean(const std::string& container, const char* name) const override;
    std::optional<int> ReadInteger(const std::string& container, const char* name) const override;
    std::optional<std::string> ReadString(const std::string& container, const char* name) const override;
    std::optional<std::uint8_t> ReadUserDefine(const std::string& container) const override;
    std::optional<platform::Bitmap> ReadUserGlyph(const std::string& container) const override;

    bool MissingValueFails() const override { return true; }
    bool BarPresent(const std::string& container) const override { return m_store.KeyExists(container); }
    bool LinkPresent(const std::string& container) const override { return m_store.KeyExists(container); }
    bool SubItemLinksPresent(const std::string& container) const override { return m_store.KeyExists(container); }

private:
    platform::RegistryStore& m_store;
    std::string m_path;
};

}  // namespace bars
