#include "engine/session/advice.h"

#include "engine/ports/services.h"
#include "engine/model/settings_block.h"
#include "platform/core/ini_file.h"

namespace engine {

namespace {
constexpr std::string_view kShown = "Y";
constexpr std::string_view kNotShown = "N";
}  // namespace

void ShowAdvice(const Services& services, const SettingsBlock& settings, const std::string& text,
                std::string_view section, int page) {
    if (services.advice == nullptr || services.paths == nullptr) return;
    platform::IniFile preferences(PreferenceFilePath(settings, *services.paths));
    if (preferences.ReadString(section, kShowMessagesKey, kShown) == kNotShown) return;
    if (services.advice->ShowAdvice(text, page)) preferences.WriteString(section, kShowMessagesKey, kNotShown);
}

}  // namespace engine
