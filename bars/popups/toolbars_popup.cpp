#include "bars/popups/toolbars_popup.h"

#include "bars/controls/button_control.h"
#include "bars/items/bar_button.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/popups/popup_entries.h"
#include "bars/popups/popup_menu.h"
#include "bars/popups/popup_menu_links.h"
#include "bars/popups/quick_control.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/windows/dock_control.h"

#include <memory>

namespace bars {

namespace {

bool Listed(const TcbBar& bar) { return !bar.Hidden() && bar.AllowCustomizing(); }

}  // namespace

void InstallPopupWindows() {
    SetToolbarsPopupHandler([](TcbBarManager& manager, platform::Point screen) { ShowToolbarsPopup(manager, screen); });
    InstallPopupMenuDropDowns();
    InstallPopupMenuLinkDispatch();
    InstallQuickControl();
}

void RemovePopupWindows() {
    SetToolbarsPopupHandler(nullptr);
    SetButtonDropDownHandler(nullptr);
    RemovePopupMenuLinkDispatch();
    RemoveQuickControl();
}

TcbBarSubMenuControl* ShowToolbarsPopup(TcbBarManager& manager, platform::Point screen) {
    PopupEntries::Instance().Purge();
    auto popup = std::make_shared<PopupEntryLinks>(manager);
    TcbBarItemLinks& links = popup->Links();
    QPointer<TcbBarManager> alive(&manager);
    for (int i = 0; i < manager.Bars().Count(); ++i) {
        TcbBar& bar = *manager.Bars().Items(i);
        if (!Listed(bar)) continue;
        TcbBarButton& entry = NewPopupEntry(manager, bar.Caption());
        entry.SetButtonStyle(bsChecked);
        entry.SetDown(bar.Visible());
        entry.OnClick = [alive, i](platform::Component*) {
            if (!alive) return;
            if (TcbBar* shown = alive->Bars().Items(i)) shown->SetVisible(!shown->Visible());
        };
        AddPopupEntryLink(links, entry, i, false);
    }
    if (manager.CanCustomize()) AddPopupEntryLink(links, NewCustomizeEntry(manager, screen), kCustomizeEntryData, true);
    if (links.Count() == 0) return nullptr;
    if (TCustomcbBarControl* active = TCustomcbBarControl::ActiveBarControl()) active->CloseAll();
    links.CreateWindow();
    auto* menu = dynamic_cast<TcbBarSubMenuControl*>(links.Window());
    if (!menu) return nullptr;
    menu->SetRequestedPosition(screen);
    // The links live as long as their menu window, which goes after the click that closed it.
    menu->OnCloseUp = [popup] {};
    menu->ShowMenu();
    return menu;
}

}  // namespace bars
