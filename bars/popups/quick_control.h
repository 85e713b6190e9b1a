#pragma once

#include "bars/core/bar_types.h"
#include "bars/windows/toolbar_window.h"
#include "platform/core/window_handle.h"

#include <QPointer>

namespace bars {

class TcbBarSubItem;

// The more-buttons drop-down under a toolbar's end mark: a caption-less floating window of
// a private hidden bar of the manager holding copies of the links that did not fit, then
// "&Add or Remove Buttons", whose list has an entry per link of the toolbar (ticked while
// the link shows), "&Reset Toolbar" when both the manager and the bar allow it, and the
// customize entry. At most one is open; the mark's states 0 and 1 close it, a click on one
// of its buttons closes it as a menu's would.
class TcbBarQuickControl : public TcbBarControl {
public:
    ~TcbBarQuickControl() override;

    // Opens under (beside, for a left or right bar) the toolbar's end mark.
    static TcbBarQuickControl* Show(TcbBarControl& toolbar);

    TcbBarControl* ParentToolbar() const { return m_parent; }
    TcbBarSubItem& AddOrRemoveItem() const { return *m_addOrRemove; }
    // Every bar window's selection move restarts a 200 ms check: when the manager's selected
    // control then lies in a chain not rooted here, the toolbar closes its drop-down.
    void SelectionMoved(TCustomcbBarControl& window, TcbBarItemControl* control);

    bool IsQuickControl() const override { return true; }
    void Release() override;
    void CloseAll() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TcbBarQuickControl(TcbBarControl& parent, TcbBar& privateBar, TcbBarSubItem& addOrRemove);
    static TcbBar& MakePrivateBar(TcbBarControl& parent, TcbBarSubItem*& addOrRemove);
    void FillAddOrRemove();
    void Place();
    void StopCheck();
    void FreePrivateBar();

    QPointer<TcbBarControl> m_parent;
    TcbBar& m_privateBar;
    TcbBarSubItem* m_addOrRemove;
    unsigned m_checkTimer = 0;
};

void CloseQuickControl();
// Closes the drop-down of a toolbar of the manager, before its layout is written.
void CloseQuickControlOf(const TcbBarManager& manager);
TcbBarQuickControl* OpenQuickControl();
// The toolbar whose end mark opened the drop-down that is open.
TcbBarControl* QuickControlToolbar();
// Any click or wheel turn away from the drop-down and its mark closes it; a right-button
// press on the mark closes it too.
void CloseQuickControlForMouse(unsigned message, platform::WindowHandle window, platform::Point screen);

// The end marks of toolbars open and close the drop-down.
void InstallQuickControl();
void RemoveQuickControl();

}  // namespace bars
