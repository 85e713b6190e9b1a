#include "bars/services/menu_sounds.h"

#include "platform/core/system_sounds.h"

namespace bars {

void PlayMenuSound(int index) {
    if (index < 0 || index >= static_cast<int>(kMenuSoundNames.size())) return;
    if (platform::ISystemSounds* sounds = platform::InstalledSystemSounds())
        sounds->PlayAlias(kMenuSoundNames[static_cast<std::size_t>(index)]);
}

}  // namespace bars
