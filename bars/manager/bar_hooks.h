#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/input_hooks.h"

namespace bars {

// The framework's three input hooks (keyboard, mouse, call-window) exist while at least one
// bar manager lives: the first manager installs them, the last one removes them. What they do
// is set by the shortcut dispatch; until then they pass everything on.
struct BarHookProcs {
    platform::KeyboardHook keyboard;
    platform::MouseHook mouse;
    platform::CallWindowHook callWindow;
};
void SetBarHookProcs(BarHookProcs procs);
bool AreBarHooksInstalled();

// Adds the manager to the manager list (installing the hooks with the first) and takes it out
// again (removing them with the last).
void InstallBarHooks(TcbBarManager& manager);
void RemoveBarHooks(TcbBarManager& manager);

}  // namespace bars
