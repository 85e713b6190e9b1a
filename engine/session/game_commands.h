#pragma once

namespace engine {

struct Services;

// Enables or disables the main window's game commands together: the New, Restart, Save and
// Rules buttons, the Undo/Redo and AutoPlay controls through their own switches, and the
// game's menu items. Either window port may be null; its part is then skipped.
void EnableGameCommands(const Services& services, bool enabled);

}  // namespace engine
