#include "platform/qt/window_list.h"

#include "platform/qt/window_handles.h"

#include <QWidget>

#include <algorithm>

namespace platform {

namespace {

bool StaysOnTop(const QWidget* window) { return (window->windowFlags() & Qt::WindowStaysOnTopHint) != 0; }

}  // namespace

WindowList& WindowList::Instance() {
    static WindowList list;
    return list;
}

void WindowList::BringToTop(QWidget* window) {
    if (window == nullptr || !window->isWindow()) return;
    Remove(window);
    // Stay-on-top windows come first; a normal window goes below the last of them.
    auto place = m_windows.begin();
    if (!StaysOnTop(window))
        place = std::find_if(m_windows.begin(), m_windows.end(),
                             [](const QPointer<QWidget>& w) { return !w.isNull() && !StaysOnTop(w); });
    m_windows.insert(place, window);
}

void WindowList::Remove(QWidget* window) {
    std::erase_if(m_windows, [window](const QPointer<QWidget>& w) { return w.isNull() || w == window; });
}

bool WindowList::Contains(const QWidget* window) const {
    return window != nullptr &&
           std::any_of(m_windows.begin(), m_windows.end(), [window](const QPointer<QWidget>& w) { return w == window; });
}

std::vector<QWidget*> WindowList::Windows() const {
    std::vector<QWidget*> windows;
    for (const QPointer<QWidget>& window : m_windows)
        if (!window.isNull()) windows.push_back(window.data());
    return windows;
}

QWidget* WindowList::WindowFromPoint(Point screen) const {
    for (QWidget* window : Windows()) {
        // As on the platform the framework comes from, a hidden or disabled window (one the
        // mouse passes through, as a hint) is never the window under a point.
        if (!window->isVisible() || window->testAttribute(Qt::WA_TransparentForMouseEvents)) continue;
        const Rect r = ScreenRect(window);
        if (!r.Contains(screen)) continue;
        const Point local = ScreenToClient(window, screen);
        QWidget* child = window->childAt(local.x, local.y);
        return child != nullptr ? child : window;
    }
    return nullptr;
}

WindowHandle WindowList::HandleFromPoint(Point screen) const { return HandleOf(WindowFromPoint(screen)); }

Rect ScreenRect(const QWidget* widget) {
    if (widget == nullptr) return {};
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y(), origin.x() + widget->width(), origin.y() + widget->height()};
}

Point ScreenToClient(const QWidget* widget, Point screen) {
    if (widget == nullptr) return screen;
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    return {screen.x - origin.x(), screen.y - origin.y()};
}

Point ClientToScreen(const QWidget* widget, Point client) {
    if (widget == nullptr) return client;
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    return {client.x + origin.x(), client.y + origin.y()};
}

}  // namespace platform
