#include "bars/hooks/owner_form.h"

#include "bars/controls/item_control.h"
#include "bars/customize/customizing_site.h"
#include "bars/design/manager_description.h"
#include "bars/items/bar_item.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/popups/quick_control.h"
#include "bars/services/framework_services.h"
#include "bars/services/shapes.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/windows/bar_window_base.h"
#include "bars/windows/toolbar_window.h"
#include "platform/core/bar_strings.h"
#include "platform/core/messages.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/window_list.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <QVariant>

namespace bars {

namespace {

HelpViewer g_helpViewer;
LayoutStoreWriter g_storeWriter;
bool g_activating = false;
constexpr const char* kStoreWritten = "corvanetLayoutStoreWritten";

template <class F>
void ForEachFloatingWindow(TcbBarManager& manager, F f) {
    for (int i = 0; i < manager.Bars().Count(); ++i) {
        TcbBar* bar = manager.Bars().Items(i);
        auto* window = bar ? dynamic_cast<TcbBarControl*>(bar->ItemLinks().Window()) : nullptr;
        if (window && bar->Visible() && window->IsFloating()) f(*window);
    }
}

void HideFloatingBars(TcbBarManager& manager) {
    ForEachFloatingWindow(manager, [](TcbBarControl& window) { window.hide(); });
}

void ShowFloatingBars(TcbBarManager& manager) {
    ForEachFloatingWindow(manager, [](TcbBarControl& window) {
        window.setAttribute(Qt::WA_ShowWithoutActivating);
        window.show();
        window.Repaint();
    });
}

void CloseOwnMenus(TcbBarManager& manager) {
    TCustomcbBarControl* active = TCustomcbBarControl::ActiveBarControl();
    if (active && &active->Manager() == &manager) active->CloseAll();
}

void WriteStore(TcbBarManager& manager) {
    // Once per manager: the registry first, then the INI file.
    if (manager.property(kStoreWritten).toBool() || !g_storeWriter) return;
    manager.setProperty(kStoreWritten, true);
    if (manager.StoreInRegistry()) g_storeWriter(manager, true);
    if (manager.StoreInIniFile()) g_storeWriter(manager, false);
}

platform::Rect MovedInside(platform::Rect r, const platform::Rect& work) {
    auto shift = [&r](int dx, int dy) { r = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; };
    if (r.bottom > work.bottom) shift(0, work.bottom - r.bottom);
    if (r.top < work.top) shift(0, work.top - r.top);
    if (r.right > work.right) shift(work.right - r.right, 0);
    if (r.left < work.left) shift(work.left - r.left, 0);
    return r;
}

}  // namespace

void SetHelpViewer(HelpViewer viewer) { g_helpViewer = std::move(viewer); }
void SetLayoutStoreWriter(LayoutStoreWriter writer) { g_storeWriter = std::move(writer); }

void ActivationStep(TcbBarManager& manager, bool active, QWidget* other) {
    if (g_activating) return;
    g_activating = true;
    struct Guard {
        ~Guard() { g_activating = false; }
    } guard;
    if (!active) {
        CloseOwnMenus(manager);
        // Activation that stays among the program's own bar windows keeps the bars.
        if (other && dynamic_cast<TCustomcbBarControl*>(other)) return;
        HideFloatingBars(manager);
        return;
    }
    QWidget* form = manager.OwnerForm();
    if (form && form->isMinimized()) return;
    ShowFloatingBars(manager);
}

void KeepFloatingBarsInWorkArea(TcbBarManager& manager) {
    const platform::Size extra = manager.BarExtraSize(dsNone);
    for (int i = 0; i < manager.Bars().Count(); ++i) {
        TcbBar* bar = manager.Bars().Items(i);
        if (!bar || bar->DockingStyle() != dsNone) continue;
        auto* window = dynamic_cast<TcbBarControl*>(bar->ItemLinks().Window());
        const platform::Rect r = window ? platform::Rect{window->x(), window->y(), window->x() + window->width(),
                                                         window->y() + window->height()}
                                        : platform::Rect{bar->FloatLeft(), bar->FloatTop(),
                                                         bar->FloatLeft() + bar->FloatClientWidth() + extra.width,
                                                         bar->FloatTop() + bar->FloatClientHeight() + extra.height};
        const platform::Rect moved = MovedInside(r, GetWorkArea({(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
        if (window) {
            window->move(moved.left, moved.top);
        } else {
            bar->SetFloatLeft(moved.left);
            bar->SetFloatTop(moved.top);
        }
    }
}

namespace {

// The item control of a bar window under the mouse, if any.
const TcbBarItemControl* ItemUnderCursor() {
    const platform::Point cursor = platform::CursorPos();
    // Our floating windows first, then the forms with their docked bars.
    QWidget* at = platform::WindowList::Instance().WindowFromPoint(cursor);
    if (!at) at = QApplication::widgetAt(cursor.x, cursor.y);
    for (QWidget* w = at; w; w = w->parentWidget())
        if (auto* window = dynamic_cast<TCustomcbBarControl*>(w)) {
            const platform::Point origin = window->ClientToScreenPoint({0, 0});
            return window->ItemAtPos({cursor.x - origin.x, cursor.y - origin.y});
        }
    return nullptr;
}

int HelpContextOf(const TcbBarItemControl* control) {
    return control && control->Item() ? control->Item()->HelpContext() : 0;
}

}  // namespace

bool RequestHelp(TcbBarManager& manager) {
    if (manager.IsDesigning()) return false;
    TCustomcbBarControl* active = TCustomcbBarControl::ActiveBarControl();
    int context = HelpContextOf(ItemUnderCursor());
    if (context == 0) context = HelpContextOf(active ? active->SelectedControl() : nullptr);
    if (context == 0 || !g_helpViewer) return false;
    g_helpViewer(context);
    return true;
}

void FormMessageHandler(TcbBarManager& manager, const platform::WindowMessage& message) {
    using namespace platform;
    switch (message.message) {
    case WM_ACTIVATE:
        if (message.wParam == WA_INACTIVE)
            ActivationStep(manager, false, QApplication::activeWindow());
        else
            ActivationStep(manager, true, nullptr);
        break;
    case WM_ACTIVATEAPP:
        if (message.wParam == 0) {
            ActivationStep(manager, false, nullptr);
            CloseOwnMenus(manager);
        }
        break;
    case WM_SYSCOLORCHANGE: RebuildDitherBrush(); break;
    case WM_SETTINGCHANGE:
        // The menu font may have changed with the other system settings.
        if (manager.UseSystemFont()) manager.SetUseSystemFont(true);
        KeepFloatingBarsInWorkArea(manager);
        break;
    case WM_SIZE:
        if (message.wParam == SIZE_MINIMIZED) {
            CloseOwnMenus(manager);
            HideFloatingBars(manager);
        } else {
            ShowFloatingBars(manager);
        }
        break;
    case WM_DISPLAYCHANGE:
        // A screen that went may have taken floating bars with it.
        KeepFloatingBarsInWorkArea(manager);
        break;
    case WM_SHOWWINDOW:
        // The customizing dialog comes and goes with the form it customizes.
        if (ICustomizingSite* site = CustomizingSite(); site && manager.IsCustomizing() && &site->Manager() == &manager)
            site->FormShown(message.wParam != 0);
        break;
    case WM_HELP: RequestHelp(manager); break;
    case WM_DESTROY:
        // Its private bar must not be stored with the others.
        CloseQuickControlOf(manager);
        if (!manager.IsDesigning()) WriteStore(manager);
        break;
    default: break;
    }
}

bool ResetUsageData(TcbBarManager& manager, platform::IMessages& messages, const std::string& title) {
    if (!messages.Confirm(std::string(platform::BarString(platform::bar_string::kResetUsageDataConfirm)), title))
        return false;
    const auto copy = CreateDesignTimeCopy(manager);
    if (!copy) return false;
    TcbBarManager& fresh = copy->Manager();
    const bool wasLocked = manager.IsUpdateLocked();
    manager.SetLockUpdate(true);
    for (int i = 0; i < manager.ItemCount(); ++i) {
        auto* sub = dynamic_cast<TCustomcbBarSubItem*>(manager.Items(i));
        auto* design = sub ? dynamic_cast<TCustomcbBarSubItem*>(fresh.ItemByName(sub->Name())) : nullptr;
        if (design) sub->ItemLinks().CopyRecentState(design->ItemLinks());
    }
    for (int i = 0; i < manager.Bars().Count() && i < fresh.Bars().Count(); ++i)
        manager.Bars().Items(i)->ItemLinks().CopyRecentState(fresh.Bars().Items(i)->ItemLinks());
    manager.SetLockUpdate(wasLocked);
    return true;
}

}  // namespace bars
