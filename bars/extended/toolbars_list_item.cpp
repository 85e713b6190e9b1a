#include "bars/extended/toolbars_list_item.h"

#include "bars/items/bar_button.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/services/framework_services.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"

#include <QPointer>

namespace bars {

void TcbBarToolbarsListItem::RefillToolbarLinks() {
    TcbBarManager* manager = BarManager();
    if (!manager || manager->IsCustomizing()) return;
    PopupEntries::Instance().Purge();
    ItemLinks().Clear();
    TcbBars& bars = manager->Bars();
    for (int i = 0; i < bars.Count(); ++i) {
        TcbBar* bar = bars.Items(i);
        if (!bar || !bar->IsListed()) continue;
        auto& entry = manager->CreateItem<TcbBarButton>();
        entry.SetCaption(bar->Caption());
        entry.SetButtonStyle(bsChecked);
        entry.SetDown(bar->Visible());
        QPointer<TcbBarManager> owner(manager);
        entry.OnClick = [owner, i](platform::Component*) {
            if (!owner || i >= owner->Bars().Count()) return;
            TcbBar* shown = owner->Bars().Items(i);
            shown->SetVisible(!shown->Visible());
        };
        PopupEntries::Instance().Add({manager, [&entry, owner] { return owner && entry.LinkCount() > 0; },
                                      [&entry, owner] {
                                          if (owner) owner->FreeItem(entry);
                                      }});
        TcbBarItemLink& link = ItemLinks().Add();
        link.SetItem(&entry);
        link.SetData(i);
    }
}

}  // namespace bars
