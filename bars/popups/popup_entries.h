#pragma once

#include "bars/core/bar_types.h"
#include "bars/links/item_links.h"
#include "bars/links/item_links_owner.h"
#include "bars/manager/bar_manager.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/services/framework_services.h"
#include "platform/core/canvas.h"

#include <QPointer>

#include <string>

namespace bars {

class TcbBarButton;

// The link data of the customize entry; the other entries carry an index.
inline constexpr int kCustomizeEntryData = 1000;

// The private links of one framework pop-up (the toolbars pop-up, the quick control).
class PopupEntryLinks : public TcbBarItemLinksOwner {
public:
    explicit PopupEntryLinks(TcbBarManager& manager) : m_links(manager, *this) {}
    bool IsFrameworkPopup() const override { return true; }
    void LinksChanged() override {}
    TcbBarItemLinks& Links() { return m_links; }

private:
    TcbBarItemLinks m_links;
};

// A framework pop-up: a menu window over entry links of its own, made for one showing. The
// entries are filled before ShowAt; the links go with the window.
class PopupEntryMenu : public TcbBarSubMenuControl {
public:
    explicit PopupEntryMenu(TcbBarManager& manager);
    ~PopupEntryMenu() override;

    TcbBarItemLinks& Entries() { return m_entries.Links(); }
    // Other menus close and the entries show at the screen point.
    void ShowAt(platform::Point screen);
    // Its entries are clicked, not customized, whatever the manager does.
    bool IsCustomizing() const override { return false; }

private:
    PopupEntryLinks m_entries;
};

// An entry item made for one pop-up, kept in the framework's pop-up entries until a later
// pop-up finds it without a link.
template <class Item>
Item& NewPopupEntry(TcbBarManager& manager, const std::string& caption) {
    Item& entry = manager.CreateItem<Item>();
    entry.SetCaption(caption);
    QPointer<TcbBarManager> owner(&manager);
    PopupEntries::Instance().Add({&manager, [&entry, owner] { return owner && entry.LinkCount() > 0; },
                                  [&entry, owner] {
                                      if (owner) owner->FreeItem(entry);
                                  }});
    return entry;
}
TcbBarButton& NewPopupEntry(TcbBarManager& manager, const std::string& caption);
void AddPopupEntryLink(TcbBarItemLinks& links, TcbBarItem& entry, int data, bool beginGroup);
// "&Customize...", enabled while no customizing dialog is open (for any manager); it opens
// the customizing dialog (what the dock areas' customize handler does) at the point.
TcbBarButton& NewCustomizeEntry(TcbBarManager& manager, platform::Point screen);
// Makes an entry of another class the customize entry.
void MakeCustomizeEntry(TcbBarButton& entry, platform::Point screen);

}  // namespace bars
