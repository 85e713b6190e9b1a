#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform {

// A number as the INI files hold it: blanks around it and a plus sign allowed, nothing
// else; nothing for anything that is not a whole int.
std::optional<int> ParseIniInteger(std::string_view text);

// The values of an INI file as one read found them: the file is read and its lines gone
// through once, then each key is a lookup without a copy of any name, so a large file costs
// one pass, not one a key. The same rules as IniFile's reads.
class IniValues {
public:
    explicit IniValues(const std::filesystem::path& path);

    // Why the file could not be read, in words; empty when it was read or is missing.
    // A file that could not be read holds no values.
    const std::string& Error() const { return m_error; }

    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    bool ReadYesNo(std::string_view section, std::string_view key, bool defaultValue) const;
    bool ValueExists(std::string_view section, std::string_view key) const { return Find(section, key).has_value(); }

private:
    // A key of a section, matched without regard to case.
    struct Name {
        std::string_view section;
        std::string_view key;
    };
    struct NameHash {
        std::size_t operator()(const Name& name) const;
    };
    struct NameEqual {
        bool operator()(const Name& a, const Name& b) const;
    };

    // The file's text, where it stays however the object moves: every name and value
    // below points into it.
    std::unique_ptr<const std::string> m_text;
    std::unordered_map<Name, std::string_view, NameHash, NameEqual> m_values;
    std::string m_error;
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
    // Why the last access failed, in words ("Permission denied", "it is a folder"); empty
    // after one that worked. A file that cannot be read reads as empty and is never written.
    const std::string& Error() const { return m_error; }

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
    IniValues Values() const;
    bool Failed(std::string_view why);

    std::filesystem::path m_path;
    mutable std::string m_error;
};

}  // namespace platform
