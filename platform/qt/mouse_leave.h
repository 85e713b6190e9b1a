#pragma once

#include "platform/core/window_handle.h"

#include <set>

namespace platform {

// Leave notifications on request: a tracked window gets WM_MOUSELEAVE (through the message
// router) once the window under the cursor is another one, and its request ends then. The
// input filter checks at every mouse event; a 50 ms poll on the timer service catches the
// pointer leaving our windows altogether.
class MouseLeaveTracker {
public:
    static constexpr unsigned kPollMs = 50;

    static MouseLeaveTracker& Instance();

    void Track(WindowHandle window);
    // Ends the request without a message.
    void Cancel(WindowHandle window);
    bool IsTracking(WindowHandle window) const { return m_tracked.contains(window); }
    // Compares every tracked window with the one under the cursor.
    void Check();
    // The same, with the window under the cursor already known.
    void Check(WindowHandle underCursor);

private:
    void UpdatePoll();

    std::set<WindowHandle> m_tracked;
    unsigned m_pollTimer = 0;
};

}  // namespace platform
