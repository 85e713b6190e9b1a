#include "bars/popups/popup_menu_links.h"

#include "bars/hooks/shortcut_dispatch.h"
#include "bars/manager/bar_manager.h"
#include "bars/manager/manager_list.h"
#include "bars/popups/popup_menu.h"
#include "platform/qt/input_event_filter.h"

#include <QVariant>

#include <algorithm>

namespace bars {

namespace {

bool& PopupDispatchInstalled() {
    static bool installed = false;
    return installed;
}

// Only the form's focused control shows a caret, and only one that takes text.
std::optional<QPoint> CaretOf(const QWidget& control) {
    if (control.window()->focusWidget() != &control || !control.testAttribute(Qt::WA_InputMethodEnabled))
        return std::nullopt;
    const QRect caret = control.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    if (caret.isNull()) return std::nullopt;
    return caret.topLeft();
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
    } else if (const std::optional<QPoint> caret = CaretOf(*control)) {
        point = {caret->x(), caret->y()};
    }
    TcbBarPopupMenu* menu = PopupMenu();
    if (OnAction) {
        // The action may free the link, its menu or the control.
        TcbBarPopupMenu* const linkedMenu = menu;
        const QPointer<QObject> linkedAlive = m_popupMenu;
        OnAction(*this, *control, point, menu);
        if (menu == linkedMenu && !linkedAlive) menu = nullptr;
    }
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

bool TcbBarPopupMenuLinks::Contains(const TcbBarPopupMenuLink* link) const {
    return std::any_of(m_links.begin(), m_links.end(), [link](const auto& own) { return own.get() == link; });
}

bool TcbBarPopupMenuLinks::HasLinkFor(const QWidget& control) const {
    return std::any_of(m_links.begin(), m_links.end(), [&](const auto& link) { return link->Control() == &control; });
}

bool TcbBarPopupMenuLinks::ShowFor(QWidget& control, std::optional<platform::Point> screen) {
    // A link shown may change the list (its action and its menu's commands run inside): walk a
    // copy, passing over links freed meanwhile.
    std::vector<TcbBarPopupMenuLink*> links;
    for (const auto& link : m_links) links.push_back(link.get());
    for (TcbBarPopupMenuLink* link : links) {
        if (Contains(link) && link->Control() == &control && link->Show(screen)) return true;
    }
    return false;
}

namespace {
// The links of the control's form's manager; none while designing.
TcbBarPopupMenuLinks* ActiveLinksFor(const QWidget& control) {
    TcbBarManager* manager = BarManagers().ManagerOfForm(control.window());
    if (!manager || manager->IsDesigning()) return nullptr;
    return &manager->PopupMenuLinks();
}
}  // namespace

bool DispatchPopupMenuLinks(QWidget& control, std::optional<platform::Point> screen) {
    TcbBarPopupMenuLinks* links = ActiveLinksFor(control);
    return links && links->ShowFor(control, screen);
}

bool HasPopupMenuLink(const QWidget& control) {
    const TcbBarPopupMenuLinks* links = ActiveLinksFor(control);
    return links && links->HasLinkFor(control);
}

void InstallPopupMenuLinkDispatch() {
    if (PopupDispatchInstalled()) return;
    PopupDispatchInstalled() = true;
    // The link's menu comes with the right button's release, through the framework's mouse
    // hook; the control's own, which Qt offers on the press, never shows. Both need the
    // application's filter.
    platform::InputEventFilter::Connect();
    platform::InputEventFilter::Instance().SetContextMenuFilter(
        [](QWidget& control) { return HasPopupMenuLink(control); });
    SetPopupMenuLinkShower([](TcbBarManager&, QWidget* control, std::optional<platform::Point> screen) {
        return control && DispatchPopupMenuLinks(*control, screen);
    });
}

void RemovePopupMenuLinkDispatch() {
    SetPopupMenuLinkShower(nullptr);
    platform::InputEventFilter::Instance().SetContextMenuFilter(nullptr);
    PopupDispatchInstalled() = false;
}

}  // namespace bars
