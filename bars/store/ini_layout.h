#pragma once

#include "bars/store/layout_medium.h"
#include "platform/core/ini_file.h"

#include <optional>

namespace bars {

// A layout in sections of an INI file: prefix + "Main", prefix + "Bar0", prefix + "Bar0" +
// ".ItemLink0", prefix + "SubItem_x". The file is read once, at the first value asked for,
// and every value is then found at once; writes gather in memory until Commit puts them in
// place of the old sections of the prefix in one write.
class IniLayout : public LayoutMedium {
public:
    IniLayout(std::filesystem::path file, std::string prefix);

    // False, with the file as it was and the reason in WriteError(), when it could not be
    // written.
    bool Commit();
    const std::string& WriteError() const { return m_file.Error(); }
    // Why the file could not be read, in words; empty when it was read or is missing. A file
    // that cannot be read holds no layout.
    const std::string& ReadError() const { return Values().Error(); }

    std::string MainContainer() const override { return m_prefix + "Main"; }
    std::string TopContainer(const std::string& name) const override { return m_prefix + name; }
    std::string LinkContainer(const std::string& container, int index) const override;

    void WriteBoolean(const std::string& container, const char* name, bool value) override;
    void WriteInteger(const std::string& container, const char* name, int value) override;
    void WriteString(const std::string& container, const char* name, const std::string& value) override;
    void WriteUserDefine(const std::string& container, std::uint8_t value) override;
    // A glyph is not kept in an INI file.
    void WriteUserGlyph(const std::string&, const platform::Bitmap&) override {}

    std::optional<bool> ReadBoolean(const std::string& container, const char* name) const override;
    std::optional<int> ReadInteger(const std::string& container, const char* name) const override;
    std::optional<std::string> ReadString(const std::string& container, const char* name) const override;
    std::optional<std::uint8_t> ReadUserDefine(const std::string& container) const override;
    std::optional<platform::Bitmap> ReadUserGlyph(const std::string&) const override { return std::nullopt; }

    bool MissingValueFails() const override { return false; }
    bool BarPresent(const std::string& container) const override;
    bool LinkPresent(const std::string& container) const override;
    bool SubItemLinksPresent(const std::string& container) const override;

private:
    const platform::IniValues& Values() const;
    void Write(const std::string& container, const char* name, std::string value);

    platform::IniFile m_file;
    std::string m_prefix;
    std::vector<platform::IniFile::Section> m_written;
    mutable std::optional<platform::IniValues> m_values;
};

}  // namespace bars
