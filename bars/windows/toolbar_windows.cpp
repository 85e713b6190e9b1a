#include "bars/windows/toolbar_windows.h"

#include "bars/controls/bar_window.h"
#include "bars/controls/button_control.h"
#include "bars/items/bar_button.h"
#include "bars/registry/item_class_registry.h"
#include "bars/links/item_links.h"
#include "bars/links/item_links_owner.h"
#include "bars/toolbars/bar.h"
#include "bars/windows/toolbar_window.h"

namespace bars {

namespace {
bool g_installed = false;
BarWindowFactory g_previous;
}  // namespace

void RemoveToolbarWindows() {
    if (!g_installed) return;
    g_installed = false;
    SetBarWindowFactory(g_previous);
    BarItemClasses().SetControlClass(typeid(TcbBarButton), nullptr);
}

void InstallToolbarWindows() {
    if (g_installed) return;
    g_installed = true;
    g_previous = GetBarWindowFactory();
    BarItemClasses().SetControlClass(typeid(TcbBarButton), [](TcbBarItemLink& link) -> std::unique_ptr<TcbBarItemControl> {
        return std::make_unique<TcbBarButtonControl>(link);
    });
    SetBarWindowFactory([](TcbBarItemLinks& links) -> IBarWindow* {
        TcbBar* bar = links.Owner().AsBar();
        if (!bar) return g_previous ? g_previous(links) : nullptr;
        auto* window = new TcbBarControl(links.Manager(), *bar);
        links.SetWindow(window);
        window->ShowAtStoredPlace();
        return window;
    });
}

}  // namespace bars
