#pragma once

#include "engine/ports/services.h"
#include "engine/base/system_utils.h"
#include "platform/core/sound.h"

#include <string>
#include <string_view>

namespace platform {
class IResourceLibrary;
}

namespace engine {

class PreferenceFile;
class SettingsBlock;

// The shell's show mode for a link: shown without being activated.
inline constexpr int kShowNoActivate = 4;
inline constexpr std::string_view kLinkParameterError = "Error in parameters";

// The program's access to the card resource library's sounds and cursors, the sound
// switches, links opened through the desktop, and the font test. Bitmaps by name are
// the table's (platform/qt/resource_bitmaps.h), over the same library.
class Media {
public:
    Media(const Services& services, SettingsBlock& settings);

    // The library is absent (null) until the start-up loader has opened it; every lookup
    // tolerates that.
    void SetCardLibraryHandle(platform::IResourceLibrary* library) { m_library = library; }
    platform::IResourceLibrary* CardLibraryHandle() const { return m_library; }

    // Plays the library's sound of that name, or stops the sound playing when it has none.
    void PlayWave(std::string_view name, platform::SoundMode mode);
    // Each plays only when enabled is true and the master switch Sounds_Enabled is "Y".
    void PlaySoundAsync(std::string_view name, bool enabled);
    void PlaySoundSync(std::string_view name, bool enabled);
    void PlaySoundLoop(std::string_view name, bool enabled);
    // Stops whatever sound is playing; nothing when sounds are off.
    void StopSound();

    // Reads Sounds_Enabled into the settings and starts the splash sound when its switch is on.
    void InitStartupSounds(const PreferenceFile& file);

    // Installs the table's twelve cursors from the library; returns how many were found.
    int LoadTableCursors();

    // Kind "HTTP" opens a web address, "EMAIL" a new mail; true when the desktop took it.
    bool OpenLink(std::string_view kind, std::string_view target);

    // True when a screen font of that face name exists, compared without regard to case.
    bool FontExists(std::string_view fontName) const;

    // Shows and clears the busy cursor while the desktop opens a link.
    void SetBusyCursor(BusyCursor busyCursor) { m_busyCursor = std::move(busyCursor); }

private:
    bool SoundsEnabled() const;
    void PlayIfEnabled(std::string_view name, bool enabled, platform::SoundMode mode);

    Services m_services;
    SettingsBlock& m_settings;
    platform::IResourceLibrary* m_library = nullptr;
    BusyCursor m_busyCursor;
};

}  // namespace engine
