#pragma once

#include "platform/core/sound.h"
#include "platform/core/system_sounds.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Event sounds from WAVE data looked up by name, on a player of their own so that they never
// replace a game sound. A sound that is still playing is not cut off: the new one is skipped.
class SystemSounds : public ISystemSounds {
public:
    using Lookup = std::function<std::optional<std::string>(std::string_view name)>;
    // The player tells whether it is still playing (a sound's length in the real player).
    using IsPlaying = std::function<bool()>;

    SystemSounds(Lookup lookup, std::unique_ptr<ISoundPlayer> player, IsPlaying isPlaying);
    void PlayAlias(std::string_view name) override;

private:
    Lookup m_lookup;
    std::unique_ptr<ISoundPlayer> m_player;
    IsPlaying m_isPlaying;
};

}  // namespace platform
