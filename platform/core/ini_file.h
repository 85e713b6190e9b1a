#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform {

// The values of an INI file as one read found them: the file is read and its lines gone
// through once, then each key is a lookup, so a large file costs one pass, not one a key.
// The same rules as IniFile's reads.
class IniValues {
public:
    explicit IniValues(const std::filesystem::path& path);

    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    bool ReadYesNo(std::string_view section, std::string_view key, bool defaultValue) const;
    bool ValueExists(std::string_view section, std::string_view key) const { return Find(section, key).has_value(); }

private:
    std::unordered_map<std::string, std::string> m_values;  // folded "section]key" -> value
};

// An INI file that is opened, read or written, and closed on every access.
// Section and key names match case-insensitively; lines the class does not understand,
// comments and the order of everything are kept; writes replace the file atomically.
// Reading tolerates damage (binary junk, lines without "=", duplicate sections):
// the first section of a name and the first key of a name win.
class IniFile {
public:
    // A whole section to write: its name and its "key" and "value" pairs in order.
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> values;
    };

    explicit IniFile(std::filesystem::path path);

    const std::filesystem::path& Path() const { return m_path; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // "Y"/"N" values; anything else gives the default.
    bool ReadYesNo(std::string_view section, std::string_view key, bool defaultValue) const;

    // Each returns false when the file could not be written; the old file is then intact.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInteger(std::string_view section, std::string_view key, int value);
    bool WriteYesNo(std::string_view section, std::string_view key, bool value);
    bool EraseSection(std::string_view section);
    bool DeleteKey(std::string_view section, std::string_view key);

    // In one write: every section whose name begins with the prefix (without regard to case)
    // is erased and the given sections are appended. False, with the file untouched, when
    // it could not be written or a name or value could not be stored.
    bool ReplaceSections(std::string_view prefix, const std::vector<Section>& sections);

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    std::vector<std::string> ReadSections() const;
    std::vector<std::string> ReadSection(std::string_view section) const;  // key names
    // "key=value" lines of a section, in file order.
    std::vector<std::string> ReadSectionValues(std::string_view section) const;

private:
    std::filesystem::path m_path;
};

}  // namespace platform
