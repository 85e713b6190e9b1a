#include "platform/core/system_sounds.h"

#include <utility>

namespace platform {

namespace {

ISystemSounds* g_installed = nullptr;

}  // namespace

ISystemSounds* InstalledSystemSounds() { return g_installed; }

ISystemSounds* InstallSystemSounds(ISystemSounds* sounds) { return std::exchange(g_installed, sounds); }

}  // namespace platform
