#include "platform/qt/mouse_leave.h"

#include "platform/core/window_messages.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/timer_service_qt.h"
#include "platform/qt/window_list.h"

#include <vector>

namespace platform {

MouseLeaveTracker& MouseLeaveTracker::Instance() {
    static MouseLeaveTracker tracker;
    return tracker;
}

void MouseLeaveTracker::Track(WindowHandle window) {
    if (window == kNoWindow) return;
    m_tracked.insert(window);
    UpdatePoll();
}

void MouseLeaveTracker::Cancel(WindowHandle window) {
    m_tracked.erase(window);
    UpdatePoll();
}

void MouseLeaveTracker::Check() { Check(WindowList::Instance().HandleFromPoint(CursorPos())); }

void MouseLeaveTracker::Check(WindowHandle underCursor) {
    std::vector<WindowHandle> left;
    for (WindowHandle window : m_tracked)
        if (window != underCursor) left.push_back(window);
    for (WindowHandle window : left) {
        // A leave handler may track again at once: its request must be the new one.
        m_tracked.erase(window);
        MessageRouter::Instance().Send(window, WM_MOUSELEAVE);
    }
    UpdatePoll();
}

void MouseLeaveTracker::UpdatePoll() {
    ITimerService& timers = Timers();
    if (m_tracked.empty()) {
        if (m_pollTimer != 0) timers.KillTimer(m_pollTimer);
        m_pollTimer = 0;
    } else if (m_pollTimer == 0 || !timers.HasTimer(m_pollTimer)) {
        m_pollTimer = timers.SetTimer(kPollMs, [this](unsigned) { Check(); });
    }
}

}  // namespace platform
