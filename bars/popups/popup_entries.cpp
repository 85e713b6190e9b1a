#include "bars/popups/popup_entries.h"

#include "bars/items/bar_button.h"
#include "bars/links/item_link.h"
#include "bars/windows/dock_control.h"
#include "platform/core/bar_strings.h"

namespace bars {

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
    entry.SetEnabled(manager && !manager->IsCustomizing());
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
