#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/model/settings_block.h"

namespace platform {
class PathResolver;
}

namespace engine {

// The preference file "DATA\CFG.DAT" below the program folder. Every call resolves the
// name afresh (the Data folder may appear during start-up), opens the file, reads or
// writes one key and closes it, so the file is always current and never rewritten from
// memory as a whole.
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
    const platform::PathResolver& m_paths;
};

}  // namespace engine
