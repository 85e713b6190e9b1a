#include "bars/customize/customizing_drag.h"

#include "bars/controls/item_control.h"
#include "bars/customize/customizing_site.h"
#include "bars/items/bar_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/menus/sub_item_control.h"
#include "bars/services/framework_cursors.h"
#include "bars/services/framework_services.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/windows/bar_window_base.h"
#include "platform/core/bar_error.h"
#include "platform/core/bar_strings.h"
#include "platform/core/input_hooks.h"
#include "platform/core/messages.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"

#include <QGuiApplication>

#include <cstdlib>

namespace bars {

namespace {

// A link moved onto its own place regroups only after this much movement.
constexpr int kRegroupDistance = 4;

platform::Point ClientOf(const TCustomcbBarControl& window, platform::Point screen) {
    const platform::Point origin = window.ClientToScreenPoint({0, 0});
    return {screen.x - origin.x, screen.y - origin.y};
}

TCustomcbBarControl* BarWindowOf(QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (auto* window = dynamic_cast<TCustomcbBarControl*>(widget)) return window;
    return nullptr;
}

bool g_cursorOverridden = false;

}  // namespace

TcbBarCustomizingDrag& TcbBarCustomizingDrag::Instance() {
    static TcbBarCustomizingDrag drag;
    return drag;
}

void TcbBarCustomizingDrag::Begin(TcbBarManager& manager, TcbBarItem& item, TcbBarItemLink* source,
                                  platform::Point press) {
    if (IsDragging()) Cancel();
    m_manager = &manager;
    m_item = &item;
    m_source = source;
    m_press = m_last = press;
    m_moved = false;
    m_copy = platform::KeyStates::Instance().IsDown(platform::VK_CONTROL);
    m_target = nullptr;
    m_position = {};
    m_category = -1;
    manager.SetDragLink(source);
    m_captureWindow = platform::HandleOf(manager.OwnerForm());
    platform::SetCapture(m_captureWindow);
    InstallHooks();
    SetCursor(kNoDropCursor);
}

void TcbBarCustomizingDrag::InstallHooks() {
    auto& hooks = platform::InputHooks::Instance();
    m_mouseHook = hooks.AddMouseHook([this](const platform::MouseHookMessage& message) {
        if (!IsDragging()) return false;
        if (message.message == platform::WM_MOUSEMOVE || message.message == platform::WM_NCMOUSEMOVE)
            MouseMoved(message.point);
        else if (message.message == platform::WM_LBUTTONUP || message.message == platform::WM_NCLBUTTONUP)
            Drop();
        return true;
    });
    m_keyHook = hooks.AddKeyboardHook([this](const platform::KeyHookMessage& message) {
        if (!IsDragging()) return false;
        if (message.key == platform::VK_CONTROL)
            CopyKey(!message.IsUp());
        else if (message.key == platform::VK_ESCAPE && !message.IsUp())
            Cancel();
        return true;
    });
}

void TcbBarCustomizingDrag::RemoveHooks() {
    auto& hooks = platform::InputHooks::Instance();
    if (m_mouseHook) hooks.Remove(m_mouseHook);
    if (m_keyHook) hooks.Remove(m_keyHook);
    m_mouseHook = m_keyHook = 0;
}

void TcbBarCustomizingDrag::SetCursor(int id) {
    if (id == m_cursor && g_cursorOverridden) return;
    m_cursor = id;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    if (g_cursorOverridden)
        QGuiApplication::changeOverrideCursor(FrameworkCursor(id));
    else
        QGuiApplication::setOverrideCursor(FrameworkCursor(id));
    g_cursorOverridden = true;
}

TCustomcbBarControl* TcbBarCustomizingDrag::TargetAt(platform::Point screen) const {
    TCustomcbBarControl* window = BarWindowOf(platform::WindowList::Instance().WindowFromPoint(screen));
    if (window && (!TCustomcbBarControl::IsLive(window) || &window->Manager() != m_manager)) return nullptr;
    const ICustomizingSite* site = CustomizingSite();
    if (!window && !(site && site->ContainsScreenPoint(screen))) {
        for (int i = 0; i < m_manager->Bars().Count() && !window; ++i) {
            auto* bar = dynamic_cast<TCustomcbBarControl*>(m_manager->Bars().Items(i)->ItemLinks().Window());
            if (bar && bar->isVisible() && (platform::ScreenRect(bar)).Contains(screen)) window = bar;
        }
    }
    if (window && !window->CanCustomizeHere()) return nullptr;
    return window;
}

bool TcbBarCustomizingDrag::ChangesNothing(const DropPosition& position) const {
    if (m_copy || !m_source || !m_target || !position.link) return false;
    if (m_target->ItemLinks() != m_source->Collection()) return false;
    if (position.link == m_source) return true;
    return !position.after && !position.newGroup && !position.link->BeginGroup() &&
           position.link->Index() == m_source->Index() + 1;
}

void TcbBarCustomizingDrag::EraseMark() {
    if (!m_markShown) return;
    m_markShown = false;
    if (m_markWindow && TCustomcbBarControl::IsLive(m_markWindow)) InvertInsertionMark(*m_markWindow, m_markPosition);
    m_markWindow = nullptr;
}

void TcbBarCustomizingDrag::ShowMark() {
    if (m_markShown || !m_target || !m_position.link) return;
    InvertInsertionMark(*m_target, m_position);
    m_markShown = true;
    m_markWindow = m_target;
    m_markPosition = m_position;
}

void TcbBarCustomizingDrag::MouseMoved(platform::Point screen) {
    if (!IsDragging()) return;
    if (platform::GetCapture() != m_captureWindow) {
        Cancel();
        return;
    }
    m_moved = true;
    m_last = screen;
    Track(screen);
}

void TcbBarCustomizingDrag::CopyKey(bool down) {
    if (!IsDragging() || down == m_copy) return;
    m_copy = down;
    // The mark may change (a copy onto its own place is a real drop); the cursor at once.
    EraseMark();
    m_target = nullptr;
    Track(m_last);
}

void TcbBarCustomizingDrag::Track(platform::Point screen) {
    ICustomizingSite* site = CustomizingSite();
    if (site && &site->Manager() == m_manager && !m_source && IsDesignTime(*m_manager)) {
        const int category = site->CategoryAt(screen);
        if (category >= 0) {
            EraseMark();
            m_target = nullptr;
            m_position = {};
            m_category = category;
            site->SelectCategory(category);
            SetCursor(kDragCursor);
            return;
        }
    }
    m_category = -1;
    TCustomcbBarControl* target = TargetAt(screen);
    if (target) {
        const DropPosition position = GetDropPosition(*target, ClientOf(*target, screen));
        if (target != m_target || position != m_position || !m_markShown) {
            EraseMark();
            const bool newLink = target != m_target || position.link != m_position.link;
            m_target = target;
            m_position = position;
            // Opening repaints the target, so before the mark is drawn.
            if (newLink) OpenSubMenuAt(position);
            if (m_target && !ChangesNothing(m_position)) ShowMark();
        }
    } else {
        EraseMark();
        m_target = nullptr;
        m_position = {};
    }
    SetCursor(!target ? kNoDropCursor : m_copy ? kDragCopyCursor : kDragCursor);
}

void TcbBarCustomizingDrag::OpenSubMenuAt(const DropPosition& position) {
    TcbBarItemControl* control = position.link ? position.link->Control() : nullptr;
    auto* sub = dynamic_cast<TcbBarSubItemControl*>(control);
    // Its menu opens so that the item can go into nested menus.
    if (!sub || sub->GetSubMenuControl() || !m_target) return;
    TCustomcbBarControl& target = *m_target;
    if (!target.IsMenu()) m_manager->SetSelectedItemControl(sub);
    target.HotTrack(sub);
    if (!TCustomcbBarControl::IsLive(&target)) {
        m_target = nullptr;
        m_position = {};
    }
}

void TcbBarCustomizingDrag::CloseOtherMenu(TCustomcbBarControl& target, TcbBarItemControl* selected) {
    TCustomcbBarControl* open = TCustomcbBarControl::ActiveBarControl();
    if (!open || !open->IsMenu() || open == &target || open->IsParentOf(&target)) return;
    open->Release();
    if (!TCustomcbBarControl::IsLive(&target) || !selected) return;
    target.SetSelected(selected);
    m_manager->SetSelectedItemControl(selected);
}

void TcbBarCustomizingDrag::Drop() {
    if (!IsDragging()) return;
    TcbBarManager& manager = *m_manager;
    // A source link freed meanwhile (its destruction clears the manager's drag link) is gone.
    if (m_source && manager.DragLink() != m_source) m_source = nullptr;
    EraseMark();
    if (!m_moved) {
        End();
        return;
    }
    if (m_category >= 0) {
        if (m_category != m_item->Category()) {
            int after = -1;
            for (int i = 0; i < manager.ItemCount(); ++i)
                if (manager.Items(i) != m_item && manager.Items(i)->Category() == m_category) after = i;
            m_item->SetCategory(m_category);
            if (after >= 0) manager.MoveItem(*m_item, manager.IndexOfItem(*m_item) < after ? after : after + 1);
            if (ICustomizingSite* site = CustomizingSite()) site->Refresh();
        }
    } else if (!m_target) {
        if (m_source && !m_copy) {
            TcbBarItemLink* source = m_source;
            m_source = nullptr;
            source->Free();
            manager.MarkChanged();
        }
        manager.SetSelectedItemControl(nullptr);
    } else if (ChangesNothing(m_position)) {
        PlaceOnOwnPlace(m_last);
    } else {
        Place(m_last);
    }
    End();
}

void TcbBarCustomizingDrag::PlaceOnOwnPlace(platform::Point screen) {
    const bool down = m_target && LaysOutDownwards(*m_target);
    const int moved = down ? screen.y - m_press.y : screen.x - m_press.x;
    if (std::abs(moved) < kRegroupDistance) return;
    m_source->SetBeginGroup(moved > 0);
    m_manager->MarkChanged();
    if (TcbBarItemControl* control = m_source->Control()) {
        m_target->SetSelected(control);
        m_manager->SetSelectedItemControl(control);
    }
}

void TcbBarCustomizingDrag::Place(platform::Point screen) {
    TCustomcbBarControl& target = *m_target;
    TcbBarItemLinks* links = target.ItemLinks();
    if (!links) return;
    if (!m_position.link && !target.ClientRect().Contains(ClientOf(target, screen))) return;
    TcbBarItemLink& link = links->Add();
    try {
        if (m_source)
            link.Assign(*m_source, m_item);
        else
            link.SetItem(m_item);
    } catch (const platform::BarError& error) {
        // The link could take no item (a sub item inside itself): nothing is left of it.
        link.Free();
        CustomizingMessages().ShowError(ApplicationTitle(), std::string(platform::BarString(error.StringId())));
        return;
    }
    if (TcbBarItemLink* at = m_position.link) {
        links->Move(link, at->Index() + (m_position.after ? 1 : 0));
        if (m_position.newGroup || (!m_position.after && at->OwnBeginGroup())) {
            link.SetBeginGroup(true);
            if (!m_position.after) at->SetBeginGroup(false);
        }
    }
    if (m_source && !m_copy) {
        TcbBarItemLinks* sourceLinks = m_source->Collection();
        TcbBarItemLink* source = m_source;
        m_source = nullptr;
        source->Free();
        if (sourceLinks != links)
            if (auto* window = dynamic_cast<TCustomcbBarControl*>(sourceLinks->Window())) window->Repaint();
    }
    m_manager->MarkChanged();
    // The target shows its links as they are now before the new one is selected.
    if (IBarWindow* window = links->Window()) window->Rebuild();
    link.CreateControl();
    TcbBarItemControl* control = link.Control();
    if (control) {
        target.SetSelected(control);
        m_manager->SetSelectedItemControl(control);
    }
    if (ICustomizingSite* site = CustomizingSite()) site->Refresh();
    CloseOtherMenu(target, control);
}

void TcbBarCustomizingDrag::Cancel() {
    if (!IsDragging()) return;
    EraseMark();
    End();
}

void TcbBarCustomizingDrag::End() {
    TcbBarManager* manager = m_manager;
    if (!manager) return;
    RemoveHooks();
    if (platform::GetCapture() == m_captureWindow) platform::ReleaseCapture();
    if (g_cursorOverridden && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::restoreOverrideCursor();
    g_cursorOverridden = false;
    TcbBarItemLink* source = m_source && manager->DragLink() == m_source ? m_source : nullptr;
    manager->SetDragLink(nullptr);
    m_manager = nullptr;
    m_item = nullptr;
    m_source = nullptr;
    m_target = nullptr;
    m_position = {};
    m_category = -1;
    m_cursor = 0;
    if (source && source->Control()) source->Control()->Repaint();
}

void DesignDragLoop(TcbBarManager& manager, TcbBarItem& item, TcbBarItemLink* source, platform::Point press) {
    TcbBarCustomizingDrag::Instance().Begin(manager, item, source, press);
}

// ---- the bar windows' part ------------------------------------------------------------

namespace {
struct ArmedDrag {
    QPointer<TCustomcbBarControl> window;
    platform::Point press;
    TcbBarItemLink* link = nullptr;
};
ArmedDrag g_armed;
}  // namespace

void ArmDesignDrag(TCustomcbBarControl& window, platform::Point client, TcbBarItemControl& control) {
    if (!control.Item()) return;
    g_armed = {&window, client, &control.Link()};
    window.Manager().SetDragLink(&control.Link());
    platform::SetCapture(window.Handle());
}

bool ArmedDesignDragMoved(TCustomcbBarControl& window, platform::Point client) {
    if (g_armed.window != &window) return false;
    const int halfWidth = platform::SystemMetric(platform::SM_CXDRAG) / 2;
    const int halfHeight = platform::SystemMetric(platform::SM_CYDRAG) / 2;
    const platform::Point press = g_armed.press;
    const platform::Rect still{press.x - halfWidth, press.y - halfHeight, press.x + halfWidth, press.y + halfHeight};
    if (still.Contains(client)) return true;
    TcbBarItemLink* link = window.Manager().DragLink();
    g_armed = {};
    platform::ReleaseCapture();
    // The link went away while the button was down: nothing to drag.
    if (!link || !link->Item()) return true;
    if (TcbBarItemControl* control = link->Control()) control->Deactivate(true);
    DesignDragLoop(window.Manager(), *link->Item(), link, window.ClientToScreenPoint(press));
    TcbBarCustomizingDrag::Instance().MouseMoved(window.ClientToScreenPoint(client));
    return true;
}

bool DisarmDesignDrag(TCustomcbBarControl& window) {
    if (g_armed.window != &window) return false;
    g_armed = {};
    window.Manager().SetDragLink(nullptr);
    platform::ReleaseCapture();
    return true;
}

}  // namespace bars
