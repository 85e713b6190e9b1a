#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"
#include "platform/core/input_hooks.h"

#include <functional>
#include <optional>

class QWidget;

namespace bars {

// The framework's keyboard, mouse and call-window hooks: keys go to the open menu or the
// menu bar in keyboard mode; Alt alone and F10 enter the menu bar; Alt with a letter opens
// the entry with that accelerator; shortcuts run once, the main-menu bar asked first; a click
// outside the open menus closes them and still reaches its window; the owner forms' messages
// reach their managers.
bool KeyboardHookProc(const platform::KeyHookMessage& message);
bool MouseHookProc(const platform::MouseHookMessage& message);
void CallWndProcHookProc(const platform::CallWindowMessage& message);

// Sets the three procedures as the framework's hooks (InstallMenuWindows does); idempotent.
void InstallShortcutDispatch();
void RemoveShortcutDispatch();

// The shortcut value of a key with the modifiers now down: key + 0x2000 Shift, 0x4000 Ctrl,
// 0x8000 Alt.
int ShortCutOfKey(int key);
// Offers the shortcut to the main-menu bar, then to the other visible bars in order; true
// when one ran a command.
bool DispatchShortCut(TcbBarManager& manager, int shortCut);
// Alt with a letter: the main-menu bar first, then the other visible bars.
bool DispatchAccelerator(TcbBarManager& manager, int key);
// The manager that serves keys for the window that has them (the form's, or the main
// form's for a form that lets it); none.
TcbBarManager* ManagerToServe(QWidget* window);

// While a bar window runs a modal loop of its own every key is swallowed; while an item
// control asks for it the keyboard hook neither chains nor answers.
void SetSwallowAllKeys(bool value);
bool SwallowAllKeys();

// While the program's own input filter swallows input (an animation of the card table),
// the keys are left to it: the framework dispatches nothing.
void SetProgramInputFilter(std::function<bool()> swallowing);

// Shows the pop-up menu linked to a control (Shift+F10, the Apps key, a right click);
// answers whether one was shown. Set by the pop-up menu links. The keys give no point: the
// menu then opens at the control's caret.
using PopupMenuLinkShower =
    std::function<bool(TcbBarManager& manager, QWidget* control, std::optional<platform::Point> screen)>;
void SetPopupMenuLinkShower(PopupMenuLinkShower shower);

// Whether Alt went down without another key since.
bool AltAlone();
// Alt went down in a window the hook does not serve (an item's edit window).
void MarkAltAlone();

}  // namespace bars
