#pragma once

#include <string_view>

namespace engine {

// What the start-up loader asks of the application and its main window beyond single
// items (engine/ports/window_items.h). The shell implements it; tests record it.
class IStartupShell {
public:
    virtual ~IStartupShell() = default;

    // Hides and disables the menu-bar commands this program does not offer.
    virtual void HideUnofferedCommands() = 0;
    virtual void SetApplicationTitle(std::string_view title) = 0;
    // Gives the main window its own cursor over the table: kDefaultCursor or a number of
    // the program's cursor table (engine/ports/shell_port.h).
    virtual void SetTableCursor(int cursorId) = 0;
    // Makes the toolbar large or small and flat or raised, without saving the choice.
    virtual void ApplyToolbar(bool large, bool flat) = 0;
    // Colours the screen shows (as engine/base/system_utils.h NumColors counts them).
    virtual int ScreenColourCount() const = 0;
    // Sets the AutoPlay button down and runs its click handler.
    virtual void SwitchAutoPlayOn() = 0;
    // Installs the main window's handler of the application's activation.
    virtual void InstallActivationHandler() = 0;
};

}  // namespace engine
