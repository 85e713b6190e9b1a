#pragma once

#include "platform/core/window_handle.h"

namespace platform {

// The mouse capture: while a window holds it, every mouse message goes to that window. The
// window that loses it gets WM_CAPTURECHANGED (lParam: the new holder, 0 for none) through
// the message router, also when it is taken by another window.
// Returns the previous holder.
WindowHandle SetCapture(WindowHandle window);
// False when no window held the capture.
bool ReleaseCapture();
WindowHandle GetCapture();

}  // namespace platform
