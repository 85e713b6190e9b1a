#pragma once

#include "bars/hooks/shortcut_dispatch.h"
#include "bars/menus/menu_windows.h"
#include "bars/menus/sub_item_control.h"
#include "bars/menus/sub_menu_window.h"
#include "platform/core/input_hooks.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/work_area.h"
#include "tests/bars/windows_fixture.h"

#include <optional>

namespace bars::testing {

// A shown form with a main-menu bar on top whose titles open real menu windows; keys go
// through the framework's keyboard hook.
class MenusTest : public WindowsTest {
public:
    MenusTest() {
        InstallMenuWindows();
        platform::OverrideWorkArea(platform::Rect{0, 0, 800, 600});
        manager->SetStyle(bmsStandard);
        platform::KeyStates::Instance().Clear();
    }
    ~MenusTest() override {
        if (TCustomcbBarControl* active = TCustomcbBarControl::ActiveBarControl()) active->CloseAll();
        form.reset();
        FlushDeletes();
        RemoveMenuWindows();
        platform::OverrideWorkArea(std::nullopt);
        platform::KeyStates::Instance().Clear();
    }

    // The main-menu bar, shown, docked on top.
    TcbBar& MenuBar() {
        if (!m_menuBar) {
            m_menuBar = &NewBar("Main Menu");
            m_menuBar->SetIsMainMenu(true);
            m_menuBar->SetDockingStyle(dsTop);
        }
        return *m_menuBar;
    }
    void ShowMenuBar() { MenuBar().SetVisible(true); }
    // A sub item with `entries` buttons "<caption> 0".. linked where asked.
    TcbBarSubItem& NewSubItem(const std::string& name, const std::string& caption, int entries) {
        auto& sub = NewItem<TcbBarSubItem>(name);
        sub.SetCaption(caption);
        for (int i = 0; i < entries; ++i) {
            auto& button = NewItem(name + std::to_string(i));
            button.SetCaption(name + " entry " + std::to_string(i));
            Link(sub.ItemLinks(), button);
        }
        return sub;
    }
    static TcbBarSubMenuControl* MenuOf(const TCustomcbBarSubItem& sub) {
        return dynamic_cast<TcbBarSubMenuControl*>(sub.ItemLinks().Window());
    }
    static TcbBarItemControl* ControlAt(const TcbBarItemLinks& links, int index) {
        return links.Items(index)->Control();
    }
    static platform::Point Centre(const TcbBarItemLinks& links, int index) {
        const platform::Rect r = links.Items(index)->ItemRect();
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    // A press and release of the mouse in a bar or menu window (client coordinates).
    static void ClickAt(TCustomcbBarControl& window, platform::Point p) {
        window.MouseMove(p);
        window.LButtonDown(p);
        window.LButtonUp(p);
    }
    // A key down and up through the hooks, with the modifiers held meanwhile.
    bool KeyDown(int key) {
        platform::KeyStates::Instance().SetDown(key, true);
        return platform::InputHooks::Instance().DispatchKey({platform::WM_KEYDOWN, key, 0, platform::HandleOf(form.get())});
    }
    bool KeyUp(int key) {
        platform::KeyStates::Instance().SetDown(key, false);
        return platform::InputHooks::Instance().DispatchKey(
            {platform::WM_KEYUP, key, platform::kKeyDataUp, platform::HandleOf(form.get())});
    }
    bool Press(int key, std::initializer_list<int> modifiers = {}) {
        for (int modifier : modifiers) KeyDown(modifier);
        const bool swallowed = KeyDown(key);
        KeyUp(key);
        for (int modifier : modifiers) KeyUp(modifier);
        return swallowed;
    }

private:
    TcbBar* m_menuBar = nullptr;
};

}  // namespace bars::testing
