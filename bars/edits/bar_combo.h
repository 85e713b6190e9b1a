#pragma once

#include "bars/edits/bar_edit.h"
#include "bars/edits/drop_down.h"

#include <functional>

namespace platform {
class Canvas;
}

namespace bars {

class TcbBarWinControl;

// Where a control drops its window: its size and whether it sits on a horizontal toolbar.
struct DropDownAnchor {
    platform::Size control;
    bool horizontalBar = true;
};

// An edit field with a drop-down window beside it: F4, Alt+Up/Down or the arrow open it.
class TCustomcbBarCombo : public TcbBarEdit {
public:
    static constexpr const char* kClassName = "TCustomcbBarCombo";
    using CheckKeyEvent = std::function<void(TCustomcbBarCombo& item, int key, unsigned shift, bool& allow)>;
    using GetDropDownWindowEvent = std::function<void(TCustomcbBarCombo& item, IComboDropDown*& window)>;

    TCustomcbBarCombo(TcbBarManager* manager, QWidget* owner);

    bool ShowEditor() const { return !HidesEditor(); }
    void SetShowEditor(bool value) { SetHidesEditor(!value); }

    // Whether a key of the open field goes to the open drop-down window.
    virtual bool CheckKeyForDropDownWindow(int key, unsigned shift);
    // The value inside the box: the open field's text while `control` edits, else Text.
    virtual void DrawValue(platform::Canvas& canvas, const platform::Rect& rect, const TcbBarWinControl* control);
    virtual IComboDropDown* GetDropDownWindow();
    virtual void AfterDropDown() {}
    virtual void CloseUp();
    // Opens the window at the screen point, fitted to the work area there.
    virtual void DropDown(platform::Point screen, const DropDownAnchor& anchor, TcbBarWinControl* control);

    CheckKeyEvent OnCheckKeyForDropDownWindow;
    platform::NotifyEvent OnCloseUp;
    platform::NotifyEvent OnDropDown;
    GetDropDownWindowEvent OnGetDropDownWindow;
};

}  // namespace bars
