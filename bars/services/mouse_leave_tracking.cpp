#include "bars/services/mouse_leave_tracking.h"

namespace bars {

namespace {

bool g_leaveNotification = true;

}  // namespace

void TrackMouseLeave(WindowHandle) {}
void EndMouseLeaveTracking(WindowHandle) {}
bool IsTrackingMouseLeave(WindowHandle) { return false; }
bool HasLeaveNotification() { return g_leaveNotification; }
void SetLeaveNotificationAvailable(bool available) { g_leaveNotification = available; }

}  // namespace bars
