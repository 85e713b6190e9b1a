#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"
#include "platform/core/system_colours.h"

#include <functional>

namespace bars {

// What the model needs of the window that shows a link collection now: a toolbar window
// (docked or floating) or a menu window. The windows are widgets built on top of this;
// links and controls only ever talk to them through it.
class IBarWindow {
public:
    virtual ~IBarWindow() = default;

    virtual bool IsMenu() const = 0;
    // dsNone for a floating toolbar and for every menu.
    virtual TcbBarDockingStyle DockingStyle() const = 0;
    // While the window creates or frees its controls (no change notices then).
    virtual bool IsBuilding() const = 0;
    virtual bool IsDestroying() const = 0;
    // In keyboard or menu mode.
    virtual bool IsActive() const = 0;
    // The user customizes the links shown here (the framework's own pop-ups never).
    virtual bool IsCustomizing() const { return false; }
    virtual platform::Rect ClientRect() const = 0;

    // Frees the window (a bar hidden); the window tells its collection as it goes.
    virtual void Release() = 0;
    // Recreates the controls of the shown links and lays out again.
    virtual void Rebuild() = 0;
    // Lays the controls out again (sizes changed).
    virtual void Relayout() = 0;
    // The font to measure and draw with changed.
    virtual void FontChanged() { Relayout(); }
    virtual void RepaintControl(TcbBarItemControl& control) = 0;
    // Asks for a rebuild later, once the current input is handled.
    virtual void PostRebuild() = 0;

    virtual TcbBarItemControl* SelectedControl() const = 0;
    // Drops the selection without any notification (a control going away or disabled).
    virtual void ClearSelection() = 0;
    // While customizing one link is selected among all the bars: the manager's selection moved
    // from this window's control to the given one (none included). The bar this window belongs
    // to drops its selection unless the new control lies in that bar or its open menus.
    virtual void DropSelectionFor(TcbBarItemControl*) {}
    // The link of the control that opened this menu window; none for a toolbar.
    virtual TcbBarItemLink* OpenerLink() const { return nullptr; }
    // A toolbar's more-buttons drop-down: a toolbar window that closes on a click as menus do.
    virtual bool IsQuickControl() const { return false; }
    // What the control being drawn paints its background with: the button face, or in a
    // personalized menu the lighter shade of the rarely used entries.
    virtual platform::Colour ItemBackground() const { return platform::SystemColour(platform::COLOR_BTNFACE); }
};

// Makes the window of a link collection (a toolbar window for a bar, a menu window
// otherwise). Set once by the windows' code; without it no window is made.
using BarWindowFactory = std::function<IBarWindow*(TcbBarItemLinks& links)>;
void SetBarWindowFactory(BarWindowFactory factory);
const BarWindowFactory& GetBarWindowFactory();

}  // namespace bars
