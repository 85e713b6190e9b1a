#include "engine/files/preference_file.h"

#include "platform/core/ini_file.h"
#include "platform/core/paths.h"

namespace engine {

PreferenceFile::PreferenceFile(const platform::PathResolver& paths) : m_paths(paths) {}

std::filesystem::path PreferenceFile::Path() const {
    return m_paths.Resolve(kRelativeName);
}

std::string PreferenceFile::ReadString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const {
    return platform::IniFile(Path()).ReadString(section, key, defaultValue);
}

int PreferenceFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    return platform::IniFile(Path()).ReadInteger(section, key, defaultValue);
}

bool PreferenceFile::ValueExists(std::string_view section, std::string_view key) const {
    return platform::IniFile(Path()).ValueExists(section, key);
}

bool PreferenceFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    return platform::IniFile(Path()).WriteString(section, key, value);
}

bool PreferenceFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    return platform::IniFile(Path()).WriteInteger(section, key, value);
}

}  // namespace engine
