#include "engine/files/preference_file.h"

#include "platform/core/paths.h"

namespace engine {

PreferenceFile::PreferenceFile(const platform::PathResolver& paths) : m_paths(paths) {}

std::filesystem::path PreferenceFile::Path() const {
    return m_paths.Resolve(kRelativeName);
}

const platform::IniValues& PreferenceFile::Values() const {
    std::filesystem::path path = Path();
    if (!m_values || path != m_valuesPath) {
        m_values.emplace(path);
        m_valuesPath = std::move(path);
    }
    return *m_values;
}

std::string PreferenceFile::ReadString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const {
    return Values().ReadString(section, key, defaultValue);
}

int PreferenceFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    return Values().ReadInteger(section, key, defaultValue);
}

bool PreferenceFile::ValueExists(std::string_view section, std::string_view key) const {
    return Values().ValueExists(section, key);
}

bool PreferenceFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    m_values.reset();
    return platform::IniFile(Path()).WriteString(section, key, value);
}

bool PreferenceFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    m_values.reset();
    return platform::IniFile(Path()).WriteInteger(section, key, value);
}

}  // namespace engine
