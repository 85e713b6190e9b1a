#pragma once

#include "platform/core/sound.h"
#include "platform/core/system_sounds.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class IResourceLibrary;
class SoundPlayer;

// Event sounds from WAVE data looked up by name, played asynchronously on the program's sound
// player. A sound that is still playing (a game sound included) is not cut off: the event
// sound is left out.
class SystemSounds : public ISystemSounds {
public:
    using Lookup = std::function<std::optional<std::string>(std::string_view name)>;
    using IsPlaying = std::function<bool()>;

    // A player of its own.
    SystemSounds(Lookup lookup, std::unique_ptr<ISoundPlayer> player, IsPlaying isPlaying);
    // The program's player, which outlives this.
    SystemSounds(Lookup lookup, ISoundPlayer& player, IsPlaying isPlaying);
    void PlayAlias(std::string_view name) override;

private:
    Lookup m_lookup;
    std::unique_ptr<ISoundPlayer> m_owned;
    ISoundPlayer* m_player;
    IsPlaying m_isPlaying;
};

// The event sounds of the program: the WAVE resources of those names in the library, on the
// program's player; silent for names the library lacks.
std::unique_ptr<SystemSounds> MakeSystemSounds(const IResourceLibrary& library, SoundPlayer& player);

}  // namespace platform
