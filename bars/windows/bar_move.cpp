#include "bars/windows/bar_move.h"

#include "bars/customize/customizing_site.h"
#include "bars/manager/bar_manager.h"
#include "bars/toolbars/bar.h"
#include "bars/windows/dock_control.h"
#include "bars/windows/toolbar_frame.h"
#include "bars/windows/toolbar_window.h"
#include "platform/core/input_hooks.h"
#include "platform/core/timer_service.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/input_event_filter.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/timer_service_qt.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"
#include "platform/qt/work_area.h"

#include <array>

namespace bars {

namespace {

constexpr std::array<TcbBarDockingStyle, 4> kSearchOrder{dsLeft, dsRight, dsTop, dsBottom};

platform::ITimerService& Timers() {
    if (platform::ITimerService* installed = platform::InstalledTimerService()) return *installed;
    static platform::QtTimerService service;
    platform::InstallTimerService(&service);
    return service;
}

}  // namespace

BarMove& BarMove::Instance() {
    static BarMove move;
    return move;
}

bool BarMove::Begin(TcbBarControl& window, platform::Point screen) {
    if (m_window || window.Bar().NotDocking() == TcbBarDockingStyles::All()) return false;
    m_window = &window;
    window.SetMoving(true);
    const platform::Rect rect = platform::ScreenRect(&window);
    m_grab = m_startGrab = {screen.x - rect.left, screen.y - rect.top};
    m_startSize = {rect.Width(), rect.Height()};
    m_last = screen;
    // A press alone changes nothing: the bar is placed only once the cursor moves.
    // While the user customizes, the mouse belongs to the customizing dialog.
    QWidget* holder = window.Manager().OwnerForm();
    if (auto* dialog = dynamic_cast<QWidget*>(CustomizingSite()); dialog && window.Manager().IsCustomizing())
        holder = dialog;
    m_captureWindow = platform::HandleOf(holder);
    platform::SetCapture(m_captureWindow);
    InstallHooks();
    return true;
}

bool BarMove::StillCaptured() const { return platform::GetCapture() == m_captureWindow; }

void BarMove::InstallHooks() {
    // The application's events reach the hooks through the filter while the move runs.
    platform::InputEventFilter::Acquire();
    auto& hooks = platform::InputHooks::Instance();
    m_mouseHook = hooks.AddMouseHook([this](const platform::MouseHookMessage& message) {
        if (!m_window) return false;
        if (message.message == platform::WM_MOUSEMOVE || message.message == platform::WM_NCMOUSEMOVE) {
            MouseMoved(message.point);
        } else if (message.message == platform::WM_LBUTTONUP || message.message == platform::WM_NCLBUTTONUP) {
            ButtonReleased();
            // The release goes on: the window that took the press must see its end, or it
            // keeps the mouse to itself and no bar follows the mouse any more.
            return false;
        }
        return true;
    });
    m_keyHook = hooks.AddKeyboardHook([this](const platform::KeyHookMessage& message) {
        if (!m_window) return false;
        KeyPressed(message.key);
        return true;
    });
}

void BarMove::RemoveHooks() {
    auto& hooks = platform::InputHooks::Instance();
    hooks.Remove(m_mouseHook);
    hooks.Remove(m_keyHook);
    m_mouseHook = m_keyHook = 0;
    platform::InputEventFilter::Release();
}

void BarMove::MouseMoved(platform::Point screen) {
    if (!m_window) return;
    if (!StillCaptured()) {
        End();
        return;
    }
    if (screen == m_last) return;
    m_last = screen;
    PlaceAt(screen);
}

void BarMove::ButtonReleased() { End(); }

bool BarMove::KeyPressed(int key) {
    if (!m_window || key != platform::VK_ESCAPE) return false;
    End();
    return true;
}

void BarMove::StopDockingTimer() {
    if (m_dockingTimer) Timers().KillTimer(m_dockingTimer);
    m_dockingTimer = 0;
}

void BarMove::End() {
    if (!m_window) return;
    StopDockingTimer();
    RemoveHooks();
    if (StillCaptured()) platform::ReleaseCapture();
    TcbBarControl* window = m_window;
    m_window = nullptr;
    window->SetMoving(false);
    if (TcbDockControl* area = window->DockArea()) area->Relayout();
    window->SavePlace();
}

void BarMove::Forget(const TcbBarControl& window) {
    if (m_window == &window) End();
}

TcbBarDockingStyle BarMove::TargetAt(platform::Point screen) const {
    if (!m_window) return dsNone;
    TcbBarManager& manager = m_window->Manager();
    TcbBar& bar = m_window->Bar();
    DockAreas& areas = DockAreasOf(manager);
    // A docked bar keeps its side while the point stays in that side's zone: a zone tested
    // earlier must not take it because its own area shrank under the cursor.
    const TcbBarDockingStyle current = m_window->DockingStyle();
    if (current != dsNone && manager.CanDocking(bar, current) && areas.Area(current)->DockingZone().Contains(screen))
        return current;
    auto find = [&](platform::Point p) {
        for (TcbBarDockingStyle side : kSearchOrder)
            if (manager.CanDocking(bar, side) && (areas.Area(side)->DockingZone()).Contains(p)) return side;
        return dsNone;
    };
    TcbBarDockingStyle side = find(screen);
    if (side == dsNone && (m_grab.x != 0 || m_grab.y != 0)) side = find({screen.x - m_grab.x, screen.y - m_grab.y});
    return side;
}

void BarMove::MoveFloating(TcbBarControl& window, platform::Point screen) const {
    const platform::Rect wanted{screen.x - m_grab.x, screen.y - m_grab.y, screen.x - m_grab.x + window.width(),
                                screen.y - m_grab.y + window.height()};
    // A floating bar never goes where the mouse cannot take it back.
    const platform::Rect placed = KeepReachable(wanted, platform::WorkArea(screen));
    window.move(placed.left, placed.top);
}

void BarMove::PlaceAt(platform::Point screen, bool allowWait) {
    if (!m_window) return;
    TcbBarControl& window = *m_window;
    TcbBarManager& manager = window.Manager();
    TcbBar& bar = window.Bar();
    const TcbBarDockingStyle target = TargetAt(screen);
    if (!manager.CanDocking(bar, target)) return;
    const TcbBarDockingStyle current = window.DockingStyle();
    if (target == current) {
        if (current == dsNone)
            MoveFloating(window, screen);
        else
            window.DockArea()->MoveBar(window, screen, m_grab);
        return;
    }
    if (allowWait && current == dsNone && target != dsNone && manager.WaitForDockingTime() > 0) {
        // The bar stays floating for the docking delay, then docks where the cursor is then.
        StopDockingTimer();
        m_dockingTimer = Timers().SetTimer(static_cast<unsigned>(manager.WaitForDockingTime()), [this](unsigned id) {
            Timers().KillTimer(id);
            if (m_dockingTimer != id) return;
            m_dockingTimer = 0;
            PlaceAt(platform::CursorPos(), false);
        });
        return;
    }
    StopDockingTimer();
    window.hide();
    if (TcbDockControl* old = window.DockArea()) old->RemoveBar(window, true);
    window.Reparent(target);
    window.SetDockingStyle(target);
    bar.SetDockingStyle(target);
    const platform::Size size = window.SizeForSide(target);
    m_grab = ScaleGrabOffset(m_startGrab, m_startSize, size);
    if (target != dsNone) {
        window.resize(size.width, size.height);
        DockInsert how;
        how.grabOffset = m_grab;
        window.DockArea()->InsertBar(window, screen, how);
    } else {
        window.resize(size.width, size.height);
        MoveFloating(window, screen);
        window.CalcLayout();
    }
    window.show();
    if (target == dsNone) platform::WindowList::Instance().BringToTop(&window);
    window.Repaint();
}

}  // namespace bars
