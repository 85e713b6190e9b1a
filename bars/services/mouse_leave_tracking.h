#pragma once

#include "platform/core/window_handle.h"

namespace bars {

using platform::WindowHandle;

// Bar windows learn that the mouse left them through WM_MOUSELEAVE. With the platform's leave
// notification a request is made per window; without it one window at a time is watched by a
// 50 ms poll of the window under the cursor.
void TrackMouseLeave(WindowHandle window);
// Ends tracking and sends the window WM_MOUSELEAVE.
void EndMouseLeaveTracking(WindowHandle window);
bool IsTrackingMouseLeave(WindowHandle window);

// Whether the platform's leave notification is used (it is, unless a test turns it off to
// exercise the poll).
bool HasLeaveNotification();
void SetLeaveNotificationAvailable(bool available);

inline constexpr unsigned kLeavePollMs = 50;

}  // namespace bars
