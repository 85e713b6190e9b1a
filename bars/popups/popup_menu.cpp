#include "bars/popups/popup_menu.h"

#include "bars/controls/button_control.h"
#include "bars/items/bar_button.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/manager/manager_list.h"
#include "bars/menus/sub_menu_window.h"
#include "platform/core/bar_error.h"
#include "platform/core/bar_strings.h"
#include "platform/core/window_messages.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_owner.h"

#include <QEventLoop>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

namespace bars {

namespace {

std::vector<TcbBarPopupMenu*>& PopupMenus() {
    static std::vector<TcbBarPopupMenu*> menus;
    return menus;
}

TcbBarManager& ManagerFor(QObject* owner) {
    if (BarManagers().Count() == 0) throw platform::BarError(platform::bar_string::kNoManagers);
    auto* form = qobject_cast<QWidget*>(owner);
    TcbBarManager* manager = form && form->isWindow() ? BarManagers().ManagerOfForm(form) : nullptr;
    return manager ? *manager : *BarManagers().Manager(0);
}

}  // namespace

TcbBarPopupMenu::TcbBarPopupMenu(QObject* owner) : QObject(owner) {
    TcbBarManager& manager = ManagerFor(owner);
    m_manager = &manager;
    m_font = manager.Font();
    m_itemLinks = std::make_unique<TcbBarItemLinks>(manager, *this);
    m_itemLinks->SetUseRecentItems(m_useRecentItems);
    PopupMenus().push_back(this);
}

TcbBarPopupMenu::~TcbBarPopupMenu() {
    // An open menu goes first, without reaching back here; a running loop ends.
    if (m_loop) m_loop->exit(0);
    if (TcbBarSubMenuControl* menu = MenuWindow()) {
        menu->OnCloseUp = nullptr;
        menu->OnPopup = nullptr;
        menu->Release();
    }
    m_itemLinks.reset();
    std::erase(PopupMenus(), this);
}

void TcbBarPopupMenu::SetBarManager(TcbBarManager* manager) {
    if (!manager || manager == m_manager) return;
    auto links = std::make_unique<TcbBarItemLinks>(*manager, *this);
    links->Assign(*m_itemLinks);
    links->SetUseRecentItems(m_useRecentItems);
    m_itemLinks = std::move(links);
    m_manager = manager;
    if (!m_useOwnFont) m_font = manager->Font();
}

void TcbBarPopupMenu::SetFont(const platform::CanvasFont& font) {
    m_font = font;
    m_useOwnFont = true;
}

void TcbBarPopupMenu::SetUseOwnFont(bool value) {
    m_useOwnFont = value;
    if (!value) m_font = m_manager->Font();
}

void TcbBarPopupMenu::SetUseRecentItems(bool value) {
    m_useRecentItems = value;
    m_itemLinks->SetUseRecentItems(value);
}

TcbBarSubMenuControl* TcbBarPopupMenu::MenuWindow() const {
    return m_itemLinks ? dynamic_cast<TcbBarSubMenuControl*>(m_itemLinks->Window()) : nullptr;
}

bool TcbBarPopupMenu::IsOpen() const { return m_itemLinks && m_itemLinks->Window() != nullptr; }

void TcbBarPopupMenu::Loaded() { m_itemLinks->AfterLoading(true); }

void TcbBarPopupMenu::CloseUp() {
    m_loopRunning = false;
    if (m_loop) m_loop->exit(0);
    if (OnCloseUp) OnCloseUp(*this);
}

void TcbBarPopupMenu::Popup(int x, int y) {
    if (IsOpen()) return;
    // Whatever the form was tracking (a drag, a pressed control) stops before the menu takes the mouse.
    auto* owner = qobject_cast<QWidget*>(parent());
    QWidget* form = owner && owner->isWindow() ? owner : m_manager->OwnerForm();
    QPointer<TcbBarPopupMenu> alive(this);
    if (form) platform::MessageRouter::Instance().Send(platform::HandleOf(form), platform::WM_CANCELMODE);
    if (!alive || IsOpen()) return;
    platform::ReleaseCapture();
    m_itemLinks->CreateWindow();
    TcbBarSubMenuControl* menu = MenuWindow();
    if (!menu) return;
    menu->SetRequestedPosition({x, y});
    menu->SetOpenerExtent(m_openerWidth, m_openerHeight);
    menu->OnCloseUp = [alive] {
        if (alive) alive->CloseUp();
    };
    menu->OnPopup = [alive] {
        if (alive && alive->OnPopup) alive->OnPopup(*alive);
    };
    menu->SetAnimate(m_animate);
    // A menu of a control or form stays above that window.
    if (owner) platform::SetOwnerWindow(*menu, owner);
    menu->ShowMenu();
    if (!alive || m_noLoop || !IsOpen()) return;
    // The menu's own loop: what comes after its close is left to the application's loop.
    QEventLoop loop;
    QObject::connect(menu, &QObject::destroyed, &loop, [&loop] { loop.exit(0); });
    m_loop = &loop;
    m_loopRunning = true;
    loop.exec();
    // The click that closed the menu may have freed this component (or its form).
    if (!alive) return;
    m_loop = nullptr;
    if (!std::exchange(m_loopRunning, false)) return;
    // Only a quit ends the loop with the menu still open. Qt has told every running loop of the
    // thread, the application's among them, so the quit reaches it once this one is left; the
    // menu closes first.
    if (TcbBarSubMenuControl* open = MenuWindow()) open->CloseAll();
}

void TcbBarPopupMenu::DropDown(platform::Point screen, bool animate, int openerWidth, int openerHeight) {
    m_openerWidth = openerWidth;
    m_openerHeight = openerHeight;
    m_animate = animate;
    m_noLoop = true;
    QPointer<TcbBarPopupMenu> alive(this);
    Popup(screen.x, screen.y);
    if (!alive) return;
    m_noLoop = false;
    m_openerWidth = 0;
    m_openerHeight = 0;
    m_animate = true;
}

void FreePopupMenusOf(const TcbBarManager& manager) {
    std::vector<TcbBarPopupMenu*>& menus = PopupMenus();
    for (auto i = menus.size(); i-- > 0;) {
        if (i < menus.size() && menus[i]->BarManager() == &manager) delete menus[i];
    }
}

std::vector<TcbBarPopupMenu*> PopupMenusOf(const TcbBarManager& manager) {
    std::vector<TcbBarPopupMenu*> of;
    for (TcbBarPopupMenu* menu : PopupMenus())
        if (menu->BarManager() == &manager) of.push_back(menu);
    return of;
}

void InstallPopupMenuDropDowns() {
    SetButtonDropDownHandler([](TcbBarButtonControl& control, platform::Point screen, bool byMouse) {
        TcbBarButton* button = control.Button();
        TcbBarPopupMenu* popup = button ? button->DropDownMenu() : nullptr;
        auto* window = dynamic_cast<TCustomcbBarControl*>(control.BarWindow());
        if (!popup || !window) return;
        const TcbBarDockingStyle side = window->DockingStyle();
        const platform::Rect rect = window->GetItemRect(&control);
        const bool across = window->IsMenu() || side == dsLeft || side == dsRight;
        const auto alive = control.AliveToken();
        popup->DropDown(screen, true, across ? rect.Width() : 0, across ? 0 : rect.Height());
        TcbBarSubMenuControl* menu = popup->MenuWindow();
        if (!menu) {
            if (*alive) control.CloseUp();
            return;
        }
        // The menu knows its button: the link it counts a use for, the control it returns the
        // keyboard to.
        menu->SetOpeningControl(&control);
        menu->SetKeyboardOpened(!byMouse);
        // The button comes up again with its menu's close.
        auto closeUp = menu->OnCloseUp;
        menu->OnCloseUp = [closeUp, alive, &control] {
            if (closeUp) closeUp();
            if (*alive) control.CloseUp();
        };
        if (!byMouse && menu->ItemLinks())
            if (TcbBarItemLink* first = menu->ItemLinks()->FirstSelectable(); first && first->Control())
                menu->SelectControl(first->Control());
    });
}

}  // namespace bars
