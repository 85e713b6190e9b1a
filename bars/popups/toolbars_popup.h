#pragma once

#include "bars/core/bar_types.h"
#include "bars/popups/popup_entries.h"
#include "platform/core/canvas.h"

namespace bars {

// The context menu of the dock areas and bars: one check entry per listed bar that shows
// and hides it, then, when the manager lets the user customize, "&Customize...". Its entries
// are made for one showing and freed with the next pop-up of this kind.
class TcbBarToolbarsPopup : public PopupEntryMenu {
public:
    // Made with the entries of the bars.
    explicit TcbBarToolbarsPopup(TcbBarManager& manager);
};

// Answers the menu window, or none when there was nothing to list.
TcbBarSubMenuControl* ShowToolbarsPopup(TcbBarManager& manager, platform::Point screen);

// The dock areas' right click opens the toolbars pop-up, drop-down buttons open their pop-up
// menus and right clicks reach the pop-up menu links. Idempotent.
void InstallPopupWindows();
void RemovePopupWindows();

}  // namespace bars
