#include "bars/extended/toolbars_list_item_control.h"

#include "bars/extended/toolbars_list_item.h"

namespace bars {

TcbBarSubMenuControl* TcbBarToolbarsListItemControl::CreateSubMenuControl() {
    if (auto* list = dynamic_cast<TcbBarToolbarsListItem*>(SubItem())) list->RefillToolbarLinks();
    return TcbBarSubItemControl::CreateSubMenuControl();
}

}  // namespace bars
