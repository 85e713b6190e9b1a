#pragma once

#include <string_view>

namespace platform {

// The desktop's named event sounds ("MenuPopup", "MenuCommand"). Playing one returns at once,
// plays nothing when the name has no sound (no default sound), and never cuts off a sound
// that is still playing: the new one is then left out.
class ISystemSounds {
public:
    virtual ~ISystemSounds() = default;
    virtual void PlayAlias(std::string_view name) = 0;
};

// The process-wide event sounds; none (silence) until installed.
ISystemSounds* InstalledSystemSounds();
ISystemSounds* InstallSystemSounds(ISystemSounds* sounds);

}  // namespace platform
