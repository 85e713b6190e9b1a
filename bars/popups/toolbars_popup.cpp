#include "bars/popups/toolbars_popup.h"

#include "bars/controls/button_control.h"
#include "bars/items/bar_button.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/popups/customizing_popup.h"
#include "bars/popups/popup_entries.h"
#include "bars/popups/popup_menu.h"
#include "bars/popups/popup_menu_links.h"
#include "bars/popups/quick_control.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/windows/dock_control.h"

#include <memory>

namespace bars {

void InstallPopupWindows() {
    SetToolbarsPopupHandler([](TcbBarManager& manager, platform::Point screen) { ShowToolbarsPopup(manager, screen); });
    SetCustomizingPopupHandler([](TcbBarItemLink& link, platform::Point screen) { ShowCustomizingPopup(link, screen); });
    InstallPopupMenuDropDowns();
    InstallPopupMenuLinkDispatch();
    InstallQuickControl();
}

void RemovePopupWindows() {
    SetToolbarsPopupHandler(nullptr);
    SetCustomizingPopupHandler(nullptr);
    SetButtonDropDownHandler(nullptr);
    RemovePopupMenuLinkDispatch();
    RemoveQuickControl();
}

TcbBarToolbarsPopup::TcbBarToolbarsPopup(TcbBarManager& manager) : PopupEntryMenu(manager) {
    TcbBarItemLinks& links = Entries();
    QPointer<TcbBarManager> alive(&manager);
    for (int i = 0; i < manager.Bars().Count(); ++i) {
        TcbBar& bar = *manager.Bars().Items(i);
        if (!bar.IsListed()) continue;
        TcbBarButton& entry = NewPopupEntry(manager, bar.Caption());
        entry.SetButtonStyle(bsChecked);
        entry.SetDown(bar.Visible());
        entry.OnClick = [alive, i](platform::Component*) {
            if (!alive) return;
            if (TcbBar* shown = alive->Bars().Items(i)) shown->SetVisible(!shown->Visible());
        };
        AddPopupEntryLink(links, entry, i, false);
    }
}

TcbBarSubMenuControl* ShowToolbarsPopup(TcbBarManager& manager, platform::Point screen) {
    PopupEntries::Instance().Purge();
    auto* popup = new TcbBarToolbarsPopup(manager);
    const QPointer<TcbBarToolbarsPopup> held(popup);
    QPointer<TcbBarManager> alive(&manager);
    if (manager.OnShowToolbarsPopup) manager.OnShowToolbarsPopup(manager, popup->Entries());
    if (!alive || !held) return nullptr;
    if (manager.CanCustomize())
        AddPopupEntryLink(popup->Entries(), NewCustomizeEntry(manager, screen), kCustomizeEntryData, true);
    if (popup->Entries().Count() == 0) {
        delete popup;
        return nullptr;
    }
    popup->ShowAt(screen);
    return popup;
}

}  // namespace bars
