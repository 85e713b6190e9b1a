#include "bars/extended/extended_items.h"

#include "bars/extended/bar_color_combo.h"
#include "bars/extended/bar_date_combo.h"
#include "bars/extended/bar_font_name_combo.h"
#include "bars/extended/bar_image_combo.h"
#include "bars/extended/bar_large_button.h"
#include "bars/extended/bar_static.h"
#include "bars/extended/bar_spin_edit.h"
#include "bars/extended/spin_edit_control.h"
#include "bars/extended/toolbars_list_item.h"
#include "bars/extended/toolbars_list_item_control.h"
#include "bars/extended/tree_view_combo.h"
#include "bars/registry/item_class_registry.h"

#include <QLocale>

#include <typeindex>

namespace bars {

namespace {
// The classes in their order of registration.
const std::type_index kExtendedClasses[] = {
    typeid(TcbBarStatic),       typeid(TcbBarLargeButton), typeid(TcbBarColorCombo),
    typeid(TcbBarFontNameCombo), typeid(TcbBarDateCombo),  typeid(TcbBarTreeViewCombo),
    typeid(TcbBarImageCombo),    typeid(TcbBarToolbarsListItem), typeid(TcbBarSpinEdit),
};
}  // namespace

void RegisterExtendedItemClasses(TcbBarItemClassRegistry& registry) {
    registry.RegisterBarItemClass<TcbBarStatic>(ControlFactory<TcbBarStaticControl>(), true);
    registry.RegisterBarItemClass<TcbBarLargeButton>(ControlFactory<TcbBarLargeButtonControl>(), true);
    registry.RegisterBarItemClass<TcbBarColorCombo>(ControlFactory<TcbBarColorComboControl>(), true);
    registry.RegisterBarItemClass<TcbBarFontNameCombo>(ControlFactory<TcbBarComboControl>(), true);
    registry.RegisterBarItemClass<TcbBarDateCombo>(ControlFactory<TCustomcbBarComboControl>(), true);
    registry.RegisterBarItemClass<TcbBarTreeViewCombo>(ControlFactory<TcbBarTreeViewComboControl>(), true);
    registry.RegisterBarItemClass<TcbBarImageCombo>(ControlFactory<TcbBarImageComboControl>(), true);
    registry.RegisterBarItemClass<TcbBarToolbarsListItem>(ControlFactory<TcbBarToolbarsListItemControl>(), true);
    registry.RegisterBarItemClass<TcbBarSpinEdit>(ControlFactory<TcbBarSpinEditControl>(), true);
}

void UnregisterExtendedItemClasses(TcbBarItemClassRegistry& registry) {
    for (auto it = std::rbegin(kExtendedClasses); it != std::rend(kExtendedClasses); ++it)
        registry.UnregisterBarItemClass(*it);
}

int ExtendedFirstDayOfWeek() {
    // Qt counts Monday 1 .. Sunday 7; the setting counts Monday 0 .. Sunday 6.
    static const int day = FirstDayFromLocaleSetting(static_cast<int>(QLocale::system().firstDayOfWeek()) - 1);
    return day;
}

}  // namespace bars
