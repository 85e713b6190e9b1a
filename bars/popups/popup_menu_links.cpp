#include "bars/popups/popup_menu_links.h"

#include "bars/manager/bar_manager.h"
#include "bars/manager/manager_list.h"
#include "bars/popups/popup_menu.h"
#include "platform/core/input_hooks.h"
#include "platform/qt/window_handles.h"

#include <map>

namespace bars {

namespace {

std::map<const TcbBarManager*, std::unique_ptr<TcbBarPopupMenuLinks>>& AllLinks() {
    static std::map<const TcbBarManager*, std::unique_ptr<TcbBarPopupMenuLinks>> links;
    return links;
}

platform::InputHooks::HookId& DispatchHook() {
    static platform::InputHooks::HookId id = 0;
    return id;
}

}  // namespace

TcbBarPopupMenu* TcbBarPopupMenuLink::PopupMenu() const { return static_cast<TcbBarPopupMenu*>(m_popupMenu.data()); }

void TcbBarPopupMenuLink::SetPopupMenu(TcbBarPopupMenu* menu) { m_popupMenu = menu; }

void TcbBarPopupMenuLink::Assign(const TcbBarPopupMenuLink& source) {
    m_control = source.m_control;
    m_popupMenu = source.m_popupMenu;
}

bool TcbBarPopupMenuLink::Show(std::optional<platform::Point> screen) {
    QPointer<QWidget> control = m_control;
    if (!control) return false;
    platform::Point point{0, 0};
    if (screen) {
        const QPoint local = control->mapFromGlobal(QPoint(screen->x, screen->y));
        point = {local.x(), local.y()};
    }
    TcbBarPopupMenu* menu = PopupMenu();
    if (OnAction) OnAction(*this, *control, point, menu);
    if (!menu || !control) return false;
    if (control->isEnabled()) control->setFocus();
    const QPoint global = control->mapToGlobal(QPoint(point.x, point.y));
    menu->Popup(global.x(), global.y());
    return true;
}

TcbBarPopupMenuLink* TcbBarPopupMenuLinks::Items(int index) const {
    return index >= 0 && index < Count() ? m_links[static_cast<std::size_t>(index)].get() : nullptr;
}

TcbBarPopupMenuLink& TcbBarPopupMenuLinks::Add() { return *m_links.emplace_back(std::make_unique<TcbBarPopupMenuLink>()); }

void TcbBarPopupMenuLinks::Delete(int index) {
    if (index >= 0 && index < Count()) m_links.erase(m_links.begin() + index);
}

bool TcbBarPopupMenuLinks::ShowFor(QWidget& control, std::optional<platform::Point> screen) {
    // A link shown may change the list (its menu's commands run inside): walk a copy.
    std::vector<TcbBarPopupMenuLink*> links;
    for (const auto& link : m_links) links.push_back(link.get());
    for (TcbBarPopupMenuLink* link : links) {
        if (link->Control() == &control && link->Show(screen)) return true;
    }
    return false;
}

TcbBarPopupMenuLinks& PopupMenuLinksOf(const TcbBarManager& manager) {
    auto& slot = AllLinks()[&manager];
    if (!slot) slot = std::make_unique<TcbBarPopupMenuLinks>();
    return *slot;
}

void FreePopupMenuLinksOf(const TcbBarManager& manager) { AllLinks().erase(&manager); }

bool DispatchPopupMenuLinks(QWidget& control, std::optional<platform::Point> screen) {
    TcbBarManager* manager = BarManagers().ManagerOfForm(control.window());
    if (!manager || manager->IsDesigning()) return false;
    auto it = AllLinks().find(manager);
    return it != AllLinks().end() && it->second->ShowFor(control, screen);
}

void InstallPopupMenuLinkDispatch() {
    if (DispatchHook() != 0) return;
    DispatchHook() = platform::InputHooks::Instance().AddMouseHook([](const platform::MouseHookMessage& message) {
        if (message.message != platform::WM_RBUTTONUP) return false;
        QWidget* window = platform::WidgetOf(message.window);
        if (!window) return false;
        const QPoint local = window->mapFromGlobal(QPoint(message.point.x, message.point.y));
        QWidget* control = window->childAt(local);
        return DispatchPopupMenuLinks(control ? *control : *window, message.point);
    });
}

void RemovePopupMenuLinkDispatch() {
    platform::InputHooks::Instance().Remove(DispatchHook());
    DispatchHook() = 0;
}

}  // namespace bars
