#pragma once

#include <Qt>

class QWindow;

namespace tools {

// A key pressed and released on a window as the window system delivers it; Ctrl or Alt, when
// the modifiers hold one, is pressed before and released after.
void PressKey(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

}  // namespace tools
