#include "bars/menus/menu_windows.h"

#include "bars/controls/bar_window.h"
#include "bars/items/bar_sub_item.h"
#include "bars/hooks/shortcut_dispatch.h"
#include "bars/items/container_items.h"
#include "bars/links/item_links.h"
#include "bars/links/item_links_owner.h"
#include "bars/menus/sub_item_control.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/registry/item_class_registry.h"
#include "bars/windows/toolbar_windows.h"

#include <typeindex>

namespace bars {

namespace {

bool g_installed = false;
BarWindowFactory g_toolbars;

}  // namespace

void InstallMenuWindows() {
    if (g_installed) return;
    g_installed = true;
    InstallToolbarWindows();
    InstallShortcutDispatch();
    TcbBarItemClassRegistry& registry = BarItemClasses();
    registry.SetControlClass(typeid(TcbBarSubItem), ControlFactory<TcbBarSubItemControl>());
    registry.SetControlClass(typeid(TcbBarListItem), ControlFactory<TcbBarContainerItemControl>());
    registry.SetControlClass(typeid(TcbBarContainerItem), ControlFactory<TcbBarContainerItemControl>());
    g_toolbars = GetBarWindowFactory();
    SetBarWindowFactory([](TcbBarItemLinks& links) -> IBarWindow* {
        if (links.Owner().AsBar()) return g_toolbars ? g_toolbars(links) : nullptr;
        auto* menu = new TcbBarSubMenuControl(links.Manager());
        menu->SetItemLinks(&links);
        links.SetWindow(menu);
        return menu;
    });
}

void RemoveMenuWindows() {
    if (!g_installed) return;
    g_installed = false;
    SetBarWindowFactory(g_toolbars);
    g_toolbars = nullptr;
    TcbBarItemClassRegistry& registry = BarItemClasses();
    registry.SetControlClass(typeid(TcbBarSubItem), nullptr);
    registry.SetControlClass(typeid(TcbBarListItem), nullptr);
    registry.SetControlClass(typeid(TcbBarContainerItem), nullptr);
    RemoveShortcutDispatch();
    RemoveToolbarWindows();
}

}  // namespace bars
