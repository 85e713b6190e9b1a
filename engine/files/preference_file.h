#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/model/settings_block.h"
#include "platform/core/ini_file.h"

namespace platform {
class PathResolver;
}

namespace engine {

// The preference file "DATA\CFG.DAT" below the program folder. Every call resolves the
// name afresh (the Data folder may appear during start-up). The first read of an object
// reads the whole file once and later reads look it up; every write opens the file, reads
// it afresh, changes one key and closes it, so a file held open across a dialog never
// writes back stale values and is never rewritten from memory as a whole.
class PreferenceFile {
public:
    static constexpr std::string_view kRelativeName = kPreferenceFileName;

    explicit PreferenceFile(const platform::PathResolver& paths);

    std::filesystem::path Path() const;

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

    // False when the file could not be written; the file is then as it was.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInteger(std::string_view section, std::string_view key, int value);

private:
    // The values as the last read found them; read again after a write or when the name
    // resolves to another file.
    const platform::IniValues& Values() const;

    const platform::PathResolver& m_paths;
    mutable std::optional<platform::IniValues> m_values;
    mutable std::filesystem::path m_valuesPath;
};

}  // namespace engine
