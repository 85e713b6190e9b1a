#include "platform/qt/mouse_capture.h"

#include "platform/core/window_messages.h"
#include "platform/qt/window_handles.h"

#include <QWidget>

#include <utility>

namespace platform {

namespace {

WindowHandle g_capture = kNoWindow;

void Grab(WindowHandle window, bool grab) {
    QWidget* widget = WidgetOf(window);
    if (widget == nullptr || !widget->isVisible()) return;
    if (grab)
        widget->grabMouse();
    else
        widget->releaseMouse();
}

// The previous holder hears of the change after the new one holds the capture, as it may
// look at the capture in its handler.
void Change(WindowHandle window) {
    const WindowHandle previous = std::exchange(g_capture, window);
    if (previous == window) return;
    Grab(previous, false);
    Grab(window, true);
    if (previous != kNoWindow)
        MessageRouter::Instance().Send(previous, WM_CAPTURECHANGED, 0, static_cast<std::intptr_t>(window));
}

}  // namespace

WindowHandle SetCapture(WindowHandle window) {
    const WindowHandle previous = g_capture;
    Change(window);
    return previous;
}

bool ReleaseCapture() {
    if (g_capture == kNoWindow) return false;
    Change(kNoWindow);
    return true;
}

WindowHandle GetCapture() {
    // A destroyed holder no longer holds anything.
    if (g_capture != kNoWindow && WidgetOf(g_capture) == nullptr && !MessageRouter::Instance().IsRegistered(g_capture))
        g_capture = kNoWindow;
    return g_capture;
}

}  // namespace platform
