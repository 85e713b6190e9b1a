#include "bars/hooks/owner_form.h"

#include "bars/controls/item_control.h"
#include "bars/customize/customizing_site.h"
#include "bars/design/manager_description.h"
#include "bars/hooks/mdi_merge.h"
#include "bars/items/bar_item.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/popups/quick_control.h"
#include "bars/services/framework_services.h"
#include "bars/services/shapes.h"
#include "bars/store/layout_store.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/windows/bar_window_base.h"
#include "bars/windows/toolbar_window.h"
#include "platform/core/bar_strings.h"
#include "platform/core/messages.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/input_event_filter.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <QVariant>

namespace bars {

namespace {

HelpViewer g_helpViewer;
HelpPopupViewer g_helpPopupViewer;
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

// An MDI child's form is minimized with the window that frames it.
bool IsMinimized(const QWidget& form) {
    return form.isMinimized() || (platform::IsMdiChild(form) && form.parentWidget()->isMinimized());
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
    if (manager.property(kStoreWritten).toBool()) return;
    manager.setProperty(kStoreWritten, true);
    if (!g_storeWriter) {
        WriteLayoutStoresAsFormGoes(manager);
        return;
    }
    if (manager.StoreInRegistry()) g_storeWriter(manager, true);
    if (manager.StoreInIniFile()) g_storeWriter(manager, false);
}

// Activation that goes to a window of the program that is no form (a bar window, a menu, a
// pop-up of Qt's), or to the customizing dialog while this manager customizes, stays with the
// form as far as its floating bars are concerned.
bool KeepsFloatingBars(const TcbBarManager& manager, QWidget* other) {
    if (!other) return false;
    QWidget* window = other->window();
    if (dynamic_cast<TCustomcbBarControl*>(window)) return true;
    const Qt::WindowType type = window->windowType();
    if (type == Qt::Popup || type == Qt::ToolTip) return true;
    auto* dialog = dynamic_cast<ICustomizingSite*>(window);
    return dialog && dialog == CustomizingSite() && manager.IsCustomizing() && &dialog->Manager() == &manager;
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

bool ShowHelpContext(int context) {
    if (!g_helpViewer) return false;
    g_helpViewer(context);
    return true;
}
void SetLayoutStoreWriter(LayoutStoreWriter writer) { g_storeWriter = std::move(writer); }

void WatchOwnerFormEnd(TcbBarManager& manager) {
    QWidget* form = manager.OwnerForm();
    if (!form) return;
    // The form tells of its end before its children, the manager among them, go; a form
    // that never showed gets no other message of it. The manager's own end disconnects.
    const platform::WindowHandle handle = platform::HandleOf(form);
    QObject::connect(form, &QObject::destroyed, &manager,
                     [&manager, handle] { FormMessageHandler(manager, {handle, platform::WM_DESTROY, 0, 0}); });
}

void ActivationStep(TcbBarManager& manager, bool active, QWidget* other) {
    if (g_activating) return;
    g_activating = true;
    struct Guard {
        ~Guard() { g_activating = false; }
    } guard;
    if (!active) {
        CloseOwnMenus(manager);
        if (KeepsFloatingBars(manager, other)) return;
        HideFloatingBars(manager);
        return;
    }
    QWidget* form = manager.OwnerForm();
    if (form && IsMinimized(*form)) return;
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
TcbBarItemControl* ItemUnderCursor() {
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

// The centre of a control on the screen.
platform::Point CentreOf(const TcbBarItemControl& control) {
    auto* window = dynamic_cast<const TCustomcbBarControl*>(control.BarWindow());
    if (!window) return platform::CursorPos();
    const platform::Rect r = window->GetItemRect(&control);
    return window->ClientToScreenPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

}  // namespace

void SetHelpPopupViewer(HelpPopupViewer viewer) { g_helpPopupViewer = std::move(viewer); }

bool RequestHelp(TcbBarManager& manager) {
    if (manager.IsDesigning()) return false;
    TCustomcbBarControl* active = TCustomcbBarControl::ActiveBarControl();
    TcbBarItemControl* control = ItemUnderCursor();
    if (HelpContextOf(control) == 0) control = active ? active->SelectedControl() : nullptr;
    const int context = HelpContextOf(control);
    if (context == 0) return false;
    const QWidget* form = manager.OwnerForm();
    if (form && form->windowFlags().testFlag(Qt::WindowContextHelpButtonHint) && g_helpPopupViewer) {
        g_helpPopupViewer(context, CentreOf(*control));
        return true;
    }
    return ShowHelpContext(context);
}

namespace {

// A form that a modal window blocks counts as disabled.
bool IsDisabled(const QWidget& form) {
    const QWidget* modal = QApplication::activeModalWidget();
    return !form.isEnabled() || (modal && modal != &form);
}

void ActivateCustomizingDialog(const TcbBarManager& manager) {
    ICustomizingSite* site = CustomizingSite();
    if (site && &site->Manager() == &manager) site->BringToFront();
}

void FormActivated(TcbBarManager& manager, const platform::WindowMessage& message) {
    const bool active = message.wParam != platform::WA_INACTIVE;
    ActivationStep(manager, active, active ? nullptr : QApplication::activeWindow());
    const bool customizing = manager.IsCustomizing();
    // An MDI child never hears of its frame's activation otherwise.
    if (!(active && customizing))
        if (TcbBarManager* child = ActiveMdiChildManager(manager); child && child != &manager)
            FormMessageHandler(*child, message);
    if (QWidget* form = manager.OwnerForm(); active && customizing && form && IsDisabled(*form))
        ActivateCustomizingDialog(manager);
}

void ApplicationDeactivated(TcbBarManager& manager) {
    ActivationStep(manager, false, nullptr);
    // Nothing stays hot, nor keeps its hint, over the program the user went to.
    if (TcbBarItemControl* selected = manager.SelectedItemControl())
        if (auto* window = dynamic_cast<TCustomcbBarControl*>(selected->BarWindow());
            window && TCustomcbBarControl::IsLive(window))
            window->MouseLeft();
    if (TCustomcbBarControl* active = TCustomcbBarControl::ActiveBarControl()) active->CloseAll();
}

// Closing hides the floating bars before the form asks anything; a form that stays open
// after all gets them back.
void FormClosing(TcbBarManager& manager) {
    HideFloatingBars(manager);
    QMetaObject::invokeMethod(
        &manager,
        [&manager] {
            QWidget* form = manager.OwnerForm();
            if (form && form->isVisible() && form->isActiveWindow()) ActivationStep(manager, true, nullptr);
        },
        Qt::QueuedConnection);
}

}  // namespace

void FormMessageHandler(TcbBarManager& manager, const platform::WindowMessage& message) {
    using namespace platform;
    switch (message.message) {
    case WM_ACTIVATE: FormActivated(manager, message); break;
    case WM_MDIACTIVATE:
        // An MDI child: its own window is the one activated, or another child is.
        ActivationStep(manager, message.lParam != 0, nullptr);
        break;
    case WM_ACTIVATEAPP:
        if (message.wParam == 0) ApplicationDeactivated(manager);
        break;
    case WM_SYSCOLORCHANGE: RebuildDitherBrush(); break;
    case WM_SETTINGCHANGE:
        if (message.wParam == SPI_SETNONCLIENTMETRICS) manager.SystemMenuFontChanged();
        if (message.wParam == SPI_SETWORKAREA) KeepFloatingBarsInWorkArea(manager);
        break;
    case WM_CLOSE: FormClosing(manager); break;
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
        if (message.wParam == 0) ActivationStep(manager, false, nullptr);
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
    if (!messages.AskYesNo(std::string(platform::BarString(platform::bar_string::kResetUsageDataConfirm)), title))
        return false;
    // A manager made in code has no other definition than its links as they are.
    const auto copy = CreateDesignTimeCopy(manager);
    const TcbBarManager& design = copy ? copy->Manager() : manager;
    const bool wasLocked = manager.IsUpdateLocked();
    manager.SetLockUpdate(true);
    for (int i = 0; i < manager.ItemCount(); ++i) {
        auto* sub = dynamic_cast<TCustomcbBarSubItem*>(manager.Items(i));
        auto* counterpart = sub ? dynamic_cast<TCustomcbBarSubItem*>(design.ItemByName(sub->Name())) : nullptr;
        if (counterpart) sub->ItemLinks().CopyRecentState(counterpart->ItemLinks());
    }
    for (int i = 0; i < manager.Bars().Count() && i < design.Bars().Count(); ++i)
        manager.Bars().Items(i)->ItemLinks().CopyRecentState(design.Bars().Items(i)->ItemLinks());
    manager.SetLockUpdate(wasLocked);
    manager.MarkChanged();
    return true;
}

}  // namespace bars
