#include "bars/hooks/shortcut_dispatch.h"

#include "bars/controls/item_control.h"
#include "bars/customize/customizing_site.h"
#include "bars/hooks/mdi_merge.h"
#include "bars/hooks/owner_form.h"
#include "bars/items/bar_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_hooks.h"
#include "bars/manager/bar_manager.h"
#include "bars/manager/manager_list.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/popups/quick_control.h"
#include "bars/services/bar_window_chain.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/windows/toolbar_window.h"
#include "platform/core/virtual_keys.h"
#include "platform/core/window_messages.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/input_event_filter.h"
#include "platform/qt/main_form.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_owner.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

#include <map>

namespace bars {

namespace {

struct DispatchState {
    int swallowedKey = 0;
    bool altAlone = false;
    bool mouseReentered = false;
    bool swallowAll = false;
    std::function<bool()> programFilter;
    PopupMenuLinkShower popupShower;
    bool installed = false;
};

DispatchState& State() {
    static DispatchState state;
    return state;
}

// Enough rounds to close any chain of open menus one at a time.
constexpr int kMaxClosingRounds = 32;

TCustomcbBarControl* Active() { return TCustomcbBarControl::ActiveBarControl(); }

TcbBarControl* MainMenuWindow(TcbBarManager& manager) {
    TcbBar* bar = manager.MainMenuBar();
    return bar ? dynamic_cast<TcbBarControl*>(bar->ItemLinks().Window()) : nullptr;
}

bool IsKeyboardEditing(const TCustomcbBarControl& window) {
    const TcbBarItemControl* selected = window.SelectedControl();
    return selected && selected->IsWindowControl() && selected->IsActive();
}

// The widget, its parent and its owner (a combo's list), each looked for in the chain of open
// bar windows.
bool InOpenChain(platform::WindowHandle handle) {
    QWidget* widget = platform::WidgetOf(handle);
    if (!widget) return false;
    for (QWidget* candidate : {widget, widget->parentWidget(), platform::OwnerWindow(*widget)}) {
        if (!candidate) continue;
        for (TCustomcbBarControl* window = Active(); window;
             window = TCustomcbBarControl::IsLive(window->ParentBarWindow()) ? window->ParentBarWindow() : nullptr)
            if (window == candidate) return true;
    }
    return false;
}

bool IsButtonDown(unsigned message) {
    using namespace platform;
    for (unsigned base : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN})
        if (message == base || message == base + 2) return true;
    return false;
}

bool IsRightOrMiddleUp(unsigned message) {
    using namespace platform;
    return message == WM_RBUTTONUP || message == WM_MBUTTONUP || message == WM_NCRBUTTONUP ||
           message == WM_NCMBUTTONUP;
}

// Closes the innermost open bar window while the point lies outside the open chain.
void CloseOutside(platform::WindowHandle handle) {
    for (int round = 0; round < kMaxClosingRounds; ++round) {
        TCustomcbBarControl* active = Active();
        if (!active || InOpenChain(handle)) return;
        active->CloseAll();
        if (Active() == active) return;
    }
}

bool ContextKey(const platform::KeyHookMessage& message) {
    const auto& keys = platform::KeyStates::Instance();
    const bool apps = message.key == platform::VK_APPS && message.IsUp();
    const bool shiftF10 =
        message.key == platform::VK_F10 && !message.IsUp() && keys.Modifiers() == platform::kShiftShift;
    if (!apps && !shiftF10) return false;
    QWidget* control = platform::WidgetOf(message.window);
    TcbBarManager* manager = control ? BarManagers().ManagerOfForm(control->window()) : nullptr;
    if (!manager || !State().popupShower) return false;
    return State().popupShower(*manager, control, std::nullopt);
}

// Alt alone or F10 puts the main-menu bar into keyboard mode on the key's release.
bool MenuKeyUp(TcbBarManager& manager, int key) {
    const auto& keys = platform::KeyStates::Instance();
    const bool alt = key == platform::VK_MENU && State().altAlone && !keys.AnyDownExcept(platform::VK_MENU);
    const bool f10 = manager.UseF10ForMenu() && key == platform::VK_F10 && keys.Modifiers() == platform::kShiftNone;
    State().altAlone = false;
    TcbBarControl* window = MainMenuWindow(manager);
    if (!window || !(alt || f10)) return false;
    window->BeginKeyboardMode();
    return true;
}

}  // namespace

bool AltAlone() { return State().altAlone; }
void MarkAltAlone() { State().altAlone = true; }

void SetSwallowAllKeys(bool value) { State().swallowAll = value; }
bool SwallowAllKeys() { return State().swallowAll; }
void SetProgramInputFilter(std::function<bool()> swallowing) { State().programFilter = std::move(swallowing); }
void SetPopupMenuLinkShower(PopupMenuLinkShower shower) { State().popupShower = std::move(shower); }

int ShortCutOfKey(int key) {
    return platform::ShortCut(key, platform::KeyStates::Instance().Modifiers());
}

bool DispatchShortCut(TcbBarManager& manager, int shortCut) {
    if (TcbBar* main = manager.MainMenuBar(); main && main->ShortCutSearch(shortCut)) return true;
    for (int i = 0; i < manager.Bars().Count(); ++i) {
        TcbBar* bar = manager.Bars().Items(i);
        if (bar && bar->Visible() && !bar->IsMainMenu() && bar->ShortCutSearch(shortCut)) return true;
    }
    return false;
}

bool DispatchAccelerator(TcbBarManager& manager, int key) {
    const unsigned shift = platform::KeyStates::Instance().Modifiers();
    std::vector<TcbBar*> bars;
    if (TcbBar* main = manager.MainMenuBar()) bars.push_back(main);
    for (int i = 0; i < manager.Bars().Count(); ++i)
        if (TcbBar* bar = manager.Bars().Items(i); bar && bar->Visible() && !bar->IsMainMenu()) bars.push_back(bar);
    for (TcbBar* bar : bars) {
        TcbBarItemLinks& links = bar->ItemLinks();
        TcbBarItemLink* found = links.FindByAccelerator(key, shift, nullptr);
        auto* window = dynamic_cast<TcbBarControl*>(links.Window());
        if (!found || !window || !found->Control() || !found->Item() || !found->Item()->Enabled()) continue;
        const bool unique = links.FindByAccelerator(key, shift, found) == found;
        window->BeginKeyboardMode(found->Control());
        // The only match is clicked: a menu title drops its menu down.
        if (unique) window->KeyDown(platform::VK_RETURN);
        return true;
    }
    return false;
}

TcbBarManager* ManagerToServe(QWidget* window) {
    QWidget* form = window ? window->window() : QApplication::activeWindow();
    if (!form) return nullptr;
    // An MDI parent serves its active child's keys through the child's manager while that
    // one has a menu bar.
    if (auto* area = form->findChild<QMdiArea*>(); area && area->activeSubWindow())
        if (TcbBarManager* child = BarManagers().ManagerOfForm(area->activeSubWindow()->widget());
            child && child->MainMenuBar())
            return child;
    if (TcbBarManager* own = BarManagers().ManagerOfForm(form)) return own;
    QWidget* main = platform::MainForm();
    TcbBarManager* mainManager = main ? BarManagers().ManagerOfForm(main) : nullptr;
    if (mainManager && mainManager->AllowCallFromAnotherForm() && form->isEnabled()) return mainManager;
    return nullptr;
}

bool KeyboardHookProc(const platform::KeyHookMessage& message) {
    DispatchState& state = State();
    if (state.swallowAll) return true;
    if (state.swallowedKey != 0) {
        if (message.IsUp() && message.key == state.swallowedKey) state.swallowedKey = 0;
        return true;
    }
    // The card table's own filter sees its keys first.
    if (state.programFilter && state.programFilter()) return false;
    if (TCustomcbBarControl* active = Active()) {
        if (!active->Manager().IsCustomizing() && !IsKeyboardEditing(*active)) {
            if (!message.IsUp()) {
                const QPointer<QWidget> form = active->Manager().OwnerForm();
                if (message.key == platform::VK_F1 && form && RequestHelp(active->Manager())) return true;
                state.swallowedKey = message.key;
                active->KeyDown(message.key);
                // Kept only when the key closed the menus and is still held: its release goes.
                if (Active() || !platform::KeyStates::Instance().IsDown(message.key)) state.swallowedKey = 0;
            } else {
                platform::MessageRouter::Instance().Send(active->Handle(), message.message, message.key, message.keyData);
            }
            return true;
        }
        // While customizing, Esc only ends a drag that holds the mouse.
        if (active->Manager().IsCustomizing() && message.key == platform::VK_ESCAPE &&
            platform::GetCapture() == active->Handle()) {
            platform::ReleaseCapture();
            return true;
        }
    }
    if (platform::GetCapture() != platform::kNoWindow) return false;
    if (ContextKey(message)) return true;
    QWidget* focus = platform::WidgetOf(message.window);
    TcbBarManager* manager = ManagerToServe(focus);
    if (!manager || manager->IsCustomizing() || manager->IsDesigning() || manager->KeyboardBar()) return false;
    if (message.IsUp()) {
        if (MenuKeyUp(*manager, message.key)) return true;
        return false;
    }
    if (message.key == platform::VK_MENU) {
        state.altAlone = true;
        return false;
    }
    state.altAlone = false;
    if (DispatchShortCut(*manager, ShortCutOfKey(message.key))) return true;
    if (platform::KeyStates::Instance().IsDown(platform::VK_MENU)) return DispatchAccelerator(*manager, message.key);
    return false;
}

namespace {

// Closes the open bar windows that a click outside them ends; true when the message is to
// be swallowed.
bool CloseForClick(const platform::MouseHookMessage& message) {
    DispatchState& state = State();
    TCustomcbBarControl* active = Active();
    if (!active || state.mouseReentered) return false;
    state.mouseReentered = true;
    struct Reentry {
        ~Reentry() { State().mouseReentered = false; }
    } reentry;
    if (IsRightOrMiddleUp(message.message) && !InOpenChain(message.window)) return true;
    const TCustomcbBarControl* root = ChainRoot(active);
    const bool down = IsButtonDown(message.message) && !(root && root->RunsOwnLoop());
    const bool leftUp = message.message == platform::WM_LBUTTONUP || message.message == platform::WM_NCLBUTTONUP;
    const bool chained = !active->IsMenu() || TCustomcbBarControl::IsLive(active->ParentBarWindow());
    if (down || (leftUp && chained && !active->Manager().IsCustomizing())) CloseOutside(message.window);
    return platform::WidgetOf(message.window) == nullptr;
}

// While the customizing dialog is modal, a click that falls on a bar window the dialog
// disabled goes to that bar window all the same: the user goes on working on the bars.
TCustomcbBarControl* RedirectTarget(const platform::MouseHookMessage& message) {
    ICustomizingSite* site = CustomizingSite();
    if (message.hitTest != platform::HTERROR || !site || !site->IsModal() || !site->Manager().IsCustomizing())
        return nullptr;
    auto* window = dynamic_cast<TCustomcbBarControl*>(platform::WidgetOf(message.window));
    return TCustomcbBarControl::IsLive(window) ? window : nullptr;
}

bool Redirect(TCustomcbBarControl& window, const platform::MouseHookMessage& message) {
    const bool move = message.message == platform::WM_MOUSEMOVE || message.message == platform::WM_NCMOUSEMOVE;
    if (ICustomizingSite* site = CustomizingSite(); site && !move) site->BringToFront();
    if (TCustomcbBarControl::IsLive(&window)) platform::SendMouseMessage(window, message.message, message.point);
    return true;
}

// A right-button release on a control of a form with a manager shows the control's linked
// menu; true when one showed.
bool ShowLinkedPopup(const platform::MouseHookMessage& message) {
    if (message.message != platform::WM_RBUTTONUP && message.message != platform::WM_NCRBUTTONUP) return false;
    QWidget* control = platform::WidgetOf(message.window);
    TcbBarManager* manager = control ? BarManagers().ManagerOfForm(control->window()) : nullptr;
    return manager && State().popupShower && State().popupShower(*manager, control, message.point);
}

}  // namespace

bool MouseHookProc(const platform::MouseHookMessage& message) {
    const QPointer<TCustomcbBarControl> redirected = RedirectTarget(message);
    CloseQuickControlForMouse(message.message, message.window, message.point);
    if (CloseForClick(message)) return true;
    if (redirected) return Redirect(*redirected, message);
    return ShowLinkedPopup(message);
}

namespace {

// The MDI children with a manager that the hook has seen, with their parent form's manager:
// a child's destruction still finds its parent when the child itself is gone.
std::map<platform::WindowHandle, QPointer<TcbBarManager>>& MdiChildren() {
    static std::map<platform::WindowHandle, QPointer<TcbBarManager>> children;
    return children;
}

bool IsMdiChildMessage(unsigned message) {
    return message == platform::WM_CHILDACTIVATE || message == platform::WM_DESTROY ||
           message == platform::WM_MDIACTIVATE;
}

// The manager of the MDI parent whose menus the message's child takes part in; none for
// other windows and messages.
TcbBarManager* MdiParentOf(const platform::CallWindowMessage& message, QWidget* window) {
    if (!IsMdiChildMessage(message.message)) return nullptr;
    auto& children = MdiChildren();
    if (!window) {
        const auto known = children.find(message.window);
        if (known == children.end()) return nullptr;
        TcbBarManager* parent = known->second;
        if (message.message == platform::WM_DESTROY) children.erase(known);
        return parent;
    }
    if (!platform::IsMdiChild(*window) || !BarManagers().ManagerOfForm(window)) return nullptr;
    TcbBarManager* parent = BarManagers().ManagerOfForm(window->window());
    children[message.window] = parent;
    return parent;
}

}  // namespace

void CallWndProcHookProc(const platform::CallWindowMessage& message) {
    QWidget* window = platform::WidgetOf(message.window);
    TcbBarManager* mdiParent = MdiParentOf(message, window);
    // An MDI child's own manager hears only its destruction.
    const bool form = window && (window->isWindow() || (mdiParent && message.message == platform::WM_DESTROY));
    if (TcbBarManager* manager = form ? BarManagers().ManagerOfForm(window) : nullptr)
        FormMessageHandler(*manager, message);
    if (!mdiParent) return;
    if (message.message != platform::WM_DESTROY) {
        MdiMergeStep(*mdiParent);
        return;
    }
    // Once the child has gone, the parent's menu bar shows what is left.
    QMetaObject::invokeMethod(
        mdiParent, [parent = QPointer<TcbBarManager>(mdiParent)] {
            if (parent) MdiMergeStep(*parent);
        },
        Qt::QueuedConnection);
}

void InstallShortcutDispatch() {
    if (State().installed) return;
    State().installed = true;
    SetBarHookProcs({KeyboardHookProc, MouseHookProc, CallWndProcHookProc});
}

void RemoveShortcutDispatch() {
    if (!State().installed) return;
    State().installed = false;
    SetBarHookProcs({});
    State().swallowedKey = 0;
    State().altAlone = false;
}

}  // namespace bars
