#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"
#include "platform/core/window_handle.h"

namespace bars {

class TcbBarControl;
class TcbBarSubMenuControl;

// The more-buttons drop-down under a toolbar's end mark: copies of the links that did not
// fit, then "&Add or Remove Buttons" with a check entry per link of the bar (ticked while the
// link shows), "&Reset Toolbar" when both the manager and the bar allow it, and the customize
// entry. At most one is open; the mark's states 0 and 1 close it.
TcbBarSubMenuControl* ShowQuickControl(TcbBarControl& toolbar);
void CloseQuickControl();
TcbBarSubMenuControl* OpenQuickControl();
// The toolbar whose end mark opened the drop-down that is open.
TcbBarControl* QuickControlToolbar();
// Any click or wheel turn away from the drop-down and its mark closes it; a right-button
// press on the mark closes it too.
void CloseQuickControlForMouse(unsigned message, platform::WindowHandle window, platform::Point screen);

// The end marks of toolbars open and close the drop-down.
void InstallQuickControl();
void RemoveQuickControl();

}  // namespace bars
