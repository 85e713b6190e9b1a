#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"
#include "platform/core/window_messages.h"

#include <functional>
#include <string>

class QWidget;

namespace platform {
class IMessages;
}

namespace bars {

// What a bar manager does with its form's messages, seen before the form handles them:
// activation (floating bars hide while another program is active or the form is hidden, and
// an MDI parent passes it on to its active child), minimize and restore, help on the
// highlighted command, settings changes, and the layout store on destruction.
void FormMessageHandler(TcbBarManager& manager, const platform::WindowMessage& message);

// Deactivation closes the manager's open menus and, unless the activation stays inside the
// program's bar windows, hides its floating bars; activation shows them again (unless the
// form is minimized) without taking the activation.
void ActivationStep(TcbBarManager& manager, bool active, QWidget* other);

// Moves every floating bar (window or stored place) inside the work area at its centre,
// without resizing it.
void KeepFloatingBarsInWorkArea(TcbBarManager& manager);

// F1 with a menu open: the highlighted command's help context, when it has one, is shown;
// a form with the help button in its caption shows it as a pop-up at the command's centre.
// Answers whether a context was shown.
bool RequestHelp(TcbBarManager& manager);
using HelpViewer = std::function<void(int context)>;
void SetHelpViewer(HelpViewer viewer);
// Shows a help context as a pop-up at a screen point; without one, the viewer shows it.
using HelpPopupViewer = std::function<void(int context, platform::Point screen)>;
void SetHelpPopupViewer(HelpPopupViewer viewer);
// Shows the help context through the viewer; answers whether there was a viewer.
bool ShowHelpContext(int context);

// Writes the manager's layout store; told whether to the registry (first) or the INI file.
// None (the default) is the layout store itself, which tells the user of a failure.
using LayoutStoreWriter = std::function<void(TcbBarManager& manager, bool registry)>;
void SetLayoutStoreWriter(LayoutStoreWriter writer);

// From its construction the manager hears of its form's end, however it was made, so that
// the layout store is written then (and not when the manager alone goes).
void WatchOwnerFormEnd(TcbBarManager& manager);

// Asks first (string 39002, a yes/no warning, No the default); yes gives every sub item and
// bar the usage data of its design-time counterpart (for a manager made in code, of its links
// as made). Answers whether it was reset.
bool ResetUsageData(TcbBarManager& manager, platform::IMessages& messages, const std::string& title);

}  // namespace bars
