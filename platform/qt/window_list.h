#pragma once

#include "platform/core/canvas.h"
#include "platform/core/window_handle.h"

#include <QPointer>

#include <vector>

class QWidget;

namespace platform {

// Our own top-level windows in z-order, so that "the window under a point" means the same on
// every platform (offscreen included). Windows that stay on top form the upper band. The input
// filter adds a top-level widget when it is shown and raised, and removes it when hidden or
// destroyed; the framework may also add and raise its windows itself.
class WindowList {
public:
    static WindowList& Instance();

    // Puts the window on top of its band, adding it when new. Child widgets are ignored.
    void BringToTop(QWidget* window);
    void Remove(QWidget* window);
    bool Contains(const QWidget* window) const;
    // Top first; destroyed windows are left out.
    std::vector<QWidget*> Windows() const;

    // The deepest visible widget under the screen point, in the topmost visible window that
    // holds it; nullptr when none does.
    QWidget* WindowFromPoint(Point screen) const;
    WindowHandle HandleFromPoint(Point screen) const;

private:
    std::vector<QPointer<QWidget>> m_windows;  // top first
};

// The window's own rectangle (frame excluded, as our windows have none) in screen coordinates.
Rect ScreenRect(const QWidget* widget);
Point ScreenToClient(const QWidget* widget, Point screen);
Point ClientToScreen(const QWidget* widget, Point client);

}  // namespace platform
