#include "bars/services/mouse_leave_tracking.h"

#include "platform/core/window_messages.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/mouse_leave.h"
#include "platform/qt/timer_service_qt.h"
#include "platform/qt/window_list.h"

namespace bars {

namespace {

bool g_leaveNotification = true;

// Without the leave notification: the one window watched, and its poll.
struct Fallback {
    WindowHandle window = platform::kNoWindow;
    unsigned timer = 0;
};

Fallback& State() {
    static Fallback state;
    return state;
}

void StopPoll() {
    Fallback& state = State();
    if (state.timer != 0) platform::Timers().KillTimer(state.timer);
    state = {};
}

void Poll(unsigned) {
    const WindowHandle tracked = State().window;
    if (tracked == platform::kNoWindow) return;
    if (platform::WindowList::Instance().HandleFromPoint(platform::CursorPos()) != tracked) EndMouseLeaveTracking(tracked);
}

}  // namespace

void TrackMouseLeave(WindowHandle window) {
    if (window == platform::kNoWindow) return;
    if (g_leaveNotification) {
        platform::MouseLeaveTracker::Instance().Track(window);
        return;
    }
    const WindowHandle previous = State().window;
    if (previous != platform::kNoWindow && previous != window) EndMouseLeaveTracking(previous);
    StopPoll();
    State().window = window;
    State().timer = platform::Timers().SetTimer(kLeavePollMs, Poll);
}

void EndMouseLeaveTracking(WindowHandle window) {
    if (g_leaveNotification)
        platform::MouseLeaveTracker::Instance().Cancel(window);
    else if (State().window == window)  // ending another window must not stop the watch on this one
        StopPoll();
    platform::MessageRouter::Instance().Send(window, platform::WM_MOUSELEAVE);
}

bool IsTrackingMouseLeave(WindowHandle window) {
    if (g_leaveNotification) return platform::MouseLeaveTracker::Instance().IsTracking(window);
    return window != platform::kNoWindow && State().window == window;
}

bool HasLeaveNotification() { return g_leaveNotification; }

void SetLeaveNotificationAvailable(bool available) {
    if (available == g_leaveNotification) return;
    StopPoll();
    g_leaveNotification = available;
}

}  // namespace bars
