#include "bars/edits/bar_combo.h"

#include "bars/controls/win_control.h"
#include "bars/services/captions.h"
#include "bars/services/framework_services.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/canvas.h"

namespace bars {

TCustomcbBarCombo::TCustomcbBarCombo(TcbBarManager* manager, QWidget* owner) : TcbBarEdit(manager, owner) {}

bool TCustomcbBarCombo::CheckKeyForDropDownWindow(int key, unsigned shift) {
    bool allow = key != platform::VK_ESCAPE && key != platform::VK_RETURN && key != platform::VK_TAB;
    if (OnCheckKeyForDropDownWindow) OnCheckKeyForDropDownWindow(*this, key, shift, allow);
    return allow;
}

void TCustomcbBarCombo::DrawValue(platform::Canvas& canvas, const platform::Rect& rect, const TcbBarWinControl* control) {
    canvas.FillSolidRect(rect, platform::SystemColour(platform::COLOR_WINDOW));
    const platform::Rect inner{rect.left + 1, rect.top, rect.right - 2, rect.bottom};
    const std::string text = control && control->Focused() ? control->GetText() : Text();
    const std::string shown = FitText(canvas, text, inner.Width());
    canvas.SetFontColour(platform::SystemColour(platform::COLOR_WINDOWTEXT));
    canvas.SetBrushStyle(platform::BrushStyle::Clear);
    canvas.TextOut(inner.left, inner.top + (inner.Height() - canvas.TextHeight("Qq")) / 2, shown);
}

IComboDropDown* TCustomcbBarCombo::GetDropDownWindow() {
    IComboDropDown* window = nullptr;
    if (OnGetDropDownWindow) OnGetDropDownWindow(*this, window);
    return window;
}

void TCustomcbBarCombo::DropDown(platform::Point screen, const DropDownAnchor& anchor, TcbBarWinControl*) {
    IComboDropDown* window = GetDropDownWindow();
    if (!window) return;
    const platform::Point at = FitDropDown(screen, window->WindowSize(), anchor.control, GetWorkArea(screen),
                                           anchor.horizontalBar);
    OnDropDown(this);
    window->MoveTo(at);
    window->ShowWithoutActivation();
    AfterDropDown();
}

void TCustomcbBarCombo::CloseUp() {
    if (IComboDropDown* window = GetDropDownWindow()) window->HideWindow();
    OnCloseUp(this);
}

}  // namespace bars
