#pragma once

#include "platform/core/input_hooks.h"

#include <Qt>

#include <optional>

class QKeyEvent;

namespace platform {

// The virtual-key code of a Qt key (letters by their upper case, keypad digits as
// VK_NUMPAD0..9 when the keypad modifier is set); 0 for a key the framework has no code for.
int VirtualKeyOfQtKey(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The ShiftState bits of Qt's modifiers.
unsigned ShiftStateOf(Qt::KeyboardModifiers modifiers);
// A key press or release as a key message (WM_SYSKEY* while Alt is down or for Alt itself,
// as the framework expects); nothing for other events or keys without a code.
std::optional<KeyHookMessage> KeyMessageOf(const QKeyEvent& event);

}  // namespace platform
