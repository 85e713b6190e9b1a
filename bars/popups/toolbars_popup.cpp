#include "bars/popups/toolbars_popup.h"

#include "bars/items/bar_button.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/links/item_links_owner.h"
#include "bars/manager/bar_manager.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/popups/popup_menu.h"
#include "bars/popups/popup_menu_links.h"
#include "bars/controls/button_control.h"
#include "bars/windows/dock_control.h"
#include "bars/services/framework_services.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "platform/core/bar_strings.h"

#include <QPointer>

#include <memory>

namespace bars {

namespace {

// The private links of one showing; freed when its menu closes.
class ToolbarsPopup : public TcbBarItemLinksOwner {
public:
    explicit ToolbarsPopup(TcbBarManager& manager) : m_links(manager, *this) {}
    bool IsFrameworkPopup() const override { return true; }
    void LinksChanged() override {}
    TcbBarItemLinks& Links() { return m_links; }

private:
    TcbBarItemLinks m_links;
};

// An entry item of the manager, kept in the framework's pop-up entries until a later pop-up
// finds it without a link.
TcbBarButton& NewEntry(TcbBarManager& manager, const std::string& caption) {
    TcbBarButton& entry = manager.CreateItem<TcbBarButton>();
    entry.SetCaption(caption);
    QPointer<TcbBarManager> owner(&manager);
    PopupEntries::Instance().Add({&manager, [&entry, owner] { return owner && entry.LinkCount() > 0; },
                                  [&entry, owner] {
                                      if (owner) owner->FreeItem(entry);
                                  }});
    return entry;
}

bool Listed(const TcbBar& bar) { return !bar.Hidden() && bar.AllowCustomizing(); }

}  // namespace

void InstallPopupWindows() {
    SetToolbarsPopupHandler([](TcbBarManager& manager, platform::Point screen) { ShowToolbarsPopup(manager, screen); });
    InstallPopupMenuDropDowns();
    InstallPopupMenuLinkDispatch();
}

void RemovePopupWindows() {
    SetToolbarsPopupHandler(nullptr);
    SetButtonDropDownHandler(nullptr);
    RemovePopupMenuLinkDispatch();
}

TcbBarSubMenuControl* ShowToolbarsPopup(TcbBarManager& manager, platform::Point screen) {
    PopupEntries::Instance().Purge();
    auto popup = std::make_unique<ToolbarsPopup>(manager);
    TcbBarItemLinks& links = popup->Links();
    QPointer<TcbBarManager> alive(&manager);
    for (int i = 0; i < manager.Bars().Count(); ++i) {
        TcbBar& bar = *manager.Bars().Items(i);
        if (!Listed(bar)) continue;
        TcbBarButton& entry = NewEntry(manager, bar.Caption());
        entry.SetButtonStyle(bsChecked);
        entry.SetDown(bar.Visible());
        entry.OnClick = [alive, i](platform::Component*) {
            if (!alive) return;
            if (TcbBar* shown = alive->Bars().Items(i)) shown->SetVisible(!shown->Visible());
        };
        TcbBarItemLink& link = links.Add();
        link.SetItem(&entry);
        link.SetData(i);
    }
    if (manager.CanCustomize()) {
        TcbBarButton& customize = NewEntry(manager, std::string(platform::BarString(platform::bar_string::kCustomizeEntry)));
        customize.SetEnabled(!manager.IsCustomizing());
        customize.OnClick = [alive, screen](platform::Component*) {
            if (alive && CustomizeHandler()) CustomizeHandler()(*alive, screen);
        };
        TcbBarItemLink& link = links.Add();
        link.SetItem(&customize);
        link.SetData(kCustomizeEntryData);
        link.SetBeginGroup(true);
    }
    if (links.Count() == 0) return nullptr;
    if (TCustomcbBarControl* active = TCustomcbBarControl::ActiveBarControl()) active->CloseAll();
    links.CreateWindow();
    auto* menu = dynamic_cast<TcbBarSubMenuControl*>(links.Window());
    if (!menu) return nullptr;
    menu->SetRequestedPosition(screen);
    // The links live as long as their menu.
    // The links live as long as their menu window, which goes after the click that closed it.
    menu->OnCloseUp = [owned = std::shared_ptr<ToolbarsPopup>(popup.release())] {};
    menu->ShowMenu();
    return menu;
}

}  // namespace bars
