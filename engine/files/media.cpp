#include "engine/files/media.h"

#include "engine/model/preference_fields.h"
#include "engine/files/preference_file.h"
#include "engine/files/preference_keys.h"
#include "engine/model/settings_block.h"
#include "platform/core/cursor_table.h"
#include "platform/core/font_catalog.h"
#include "platform/core/resource_library.h"
#include "platform/core/resource_names.h"

#include <algorithm>
#include <cctype>

namespace engine {

namespace {

constexpr std::string_view kYes = "Y";
constexpr std::string_view kKeySoundsEnabled = "Sounds_Enabled";
constexpr std::string_view kKeySoundsSplash = "Sounds_Splash";
constexpr std::string_view kSplashSound = "Splash";

constexpr std::string_view kKindEmail = "EMAIL";
constexpr std::string_view kKindHttp = "HTTP";
constexpr std::string_view kMailScheme = "mailto:";
constexpr std::string_view kHttpScheme = "http://";
constexpr std::string_view kHttpsScheme = "https://";

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

}  // namespace

Media::Media(const Services& services, SettingsBlock& settings) : m_services(services), m_settings(settings) {}

bool Media::SoundsEnabled() const {
    return m_settings.GetField(fields::kSoundsEnabled.position, fields::kSoundsEnabled.width) == kYes;
}

void Media::PlayWave(std::string_view name, platform::SoundMode mode) {
    platform::ISoundPlayer* player = m_services.sound;
    if (player == nullptr) return;
    const std::string wave = m_library != nullptr ? m_library->WaveData(name) : std::string();
    if (wave.empty()) {
        player->Stop();
        return;
    }
    player->Play(wave, mode);
}

void Media::PlayIfEnabled(std::string_view name, bool enabled, platform::SoundMode mode) {
    if (enabled && SoundsEnabled()) PlayWave(name, mode);
}

void Media::PlaySoundAsync(std::string_view name, bool enabled) {
    PlayIfEnabled(name, enabled, platform::SoundMode::Asynchronous);
}

void Media::PlaySoundSync(std::string_view name, bool enabled) {
    PlayIfEnabled(name, enabled, platform::SoundMode::Synchronous);
}

void Media::PlaySoundLoop(std::string_view name, bool enabled) {
    PlayIfEnabled(name, enabled, platform::SoundMode::Looping);
}

void Media::StopSound() {
    if (SoundsEnabled()) PlayWave(platform::resources::kStopSoundName, platform::SoundMode::Asynchronous);
}

void Media::InitStartupSounds(const PreferenceFile& file) {
    m_settings.SetField(fields::kSoundsEnabled.position, fields::kSoundsEnabled.width,
                        file.ReadString(kSectionPreference, kKeySoundsEnabled, kYes));
    PlaySoundAsync(kSplashSound, file.ReadString(kSectionPreference, kKeySoundsSplash, kYes) == kYes);
}

int Media::LoadTableCursors() {
    if (m_library == nullptr || m_services.cursors == nullptr) return 0;
    int loaded = 0;
    for (const platform::resources::TableCursor& cursor : platform::resources::kTableCursors)
        if (m_services.cursors->LoadCursor(cursor.id, *m_library, cursor.name)) ++loaded;
    return loaded;
}

bool Media::OpenLink(std::string_view kind, std::string_view target) {
    const std::string upperKind = UpperCase(kind);
    std::string link;
    if (upperKind == kKindEmail) {
        link = std::string(kMailScheme) + std::string(target);
    } else if (upperKind == kKindHttp) {
        const bool hasScheme = target.starts_with(kHttpScheme) || target.starts_with(kHttpsScheme);
        link = hasScheme ? std::string(target) : std::string(kHttpScheme) + std::string(target);
    } else {
        if (m_services.messages != nullptr) ShowInfo(*m_services.messages, std::string(kLinkParameterError));
        // There is nothing to open: asking the desktop to open an empty link only fails.
        return false;
    }
    if (m_services.shell == nullptr) return false;
    return RunShell(*m_services.shell, link, "", "", kShowNoActivate, m_busyCursor) > kShellSuccessAbove;
}

bool Media::FontExists(std::string_view fontName) const {
    if (m_services.fonts == nullptr) return false;
    const std::string wanted = UpperCase(fontName);
    for (const std::string& family : m_services.fonts->FontFamilies())
        if (UpperCase(family) == wanted) return true;
    return false;
}

}  // namespace engine
