#include "bars/popups/popup_entries.h"

#include "bars/customize/customizing_site.h"
#include "bars/items/bar_button.h"
#include "bars/links/item_link.h"
#include "bars/windows/dock_control.h"
#include "platform/core/bar_strings.h"

namespace bars {

PopupEntryMenu::PopupEntryMenu(TcbBarManager& manager) : TcbBarSubMenuControl(manager), m_entries(manager) {}

PopupEntryMenu::~PopupEntryMenu() {
    // Freed with its form rather than closed: the entries' controls go before the entries.
    if (ItemLinks() != &Entries()) return;
    m_destroying = true;
    if (ManagerAlive()) DestroyControls();
    Entries().SetWindow(nullptr);
    SetItemLinks(nullptr);
}

void PopupEntryMenu::ShowAt(platform::Point screen) {
    if (TCustomcbBarControl* active = ActiveBarControl()) active->CloseAll();
    SetItemLinks(&Entries());
    Entries().SetWindow(this);
    SetRequestedPosition(screen);
    ShowMenu();
}

TcbBarButton& NewPopupEntry(TcbBarManager& manager, const std::string& caption) {
    return NewPopupEntry<TcbBarButton>(manager, caption);
}

void AddPopupEntryLink(TcbBarItemLinks& links, TcbBarItem& entry, int data, bool beginGroup) {
    TcbBarItemLink& link = links.Add();
    link.SetItem(&entry);
    link.SetData(data);
    link.SetBeginGroup(beginGroup);
}

void MakeCustomizeEntry(TcbBarButton& entry, platform::Point screen) {
    TcbBarManager* manager = entry.BarManager();
    entry.SetCaption(std::string(platform::BarString(platform::bar_string::kCustomizeEntry)));
    // One customizing dialog in the process: while any is open, no manager offers another.
    entry.SetEnabled(manager && !CustomizingSite());
    QPointer<TcbBarManager> alive(manager);
    entry.OnClick = [alive, screen](platform::Component*) {
        if (alive && CustomizeHandler()) CustomizeHandler()(*alive, screen);
    };
}

TcbBarButton& NewCustomizeEntry(TcbBarManager& manager, platform::Point screen) {
    TcbBarButton& customize = NewPopupEntry(manager, {});
    MakeCustomizeEntry(customize, screen);
    return customize;
}

}  // namespace bars
