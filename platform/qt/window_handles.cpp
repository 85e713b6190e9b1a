#include "platform/qt/window_handles.h"

#include <QPointer>
#include <QWidget>

#include <map>

namespace platform {

namespace {

// Handles made so far, with a guard that goes null when the widget dies. An address reused by
// a new widget gets a fresh guard when its handle is made.
std::map<WindowHandle, QPointer<QWidget>>& Known() {
    static std::map<WindowHandle, QPointer<QWidget>> known;
    return known;
}

}  // namespace

WindowHandle HandleOf(const QWidget* widget) {
    if (widget == nullptr) return kNoWindow;
    const auto handle = reinterpret_cast<WindowHandle>(widget);
    auto& known = Known();
    if (auto found = known.find(handle); found == known.end() || found->second.isNull())
        known[handle] = const_cast<QWidget*>(widget);
    return handle;
}

QWidget* WidgetOf(WindowHandle handle) {
    auto& known = Known();
    const auto found = known.find(handle);
    if (found == known.end()) return nullptr;
    if (found->second.isNull()) {
        known.erase(found);
        return nullptr;
    }
    return found->second.data();
}

}  // namespace platform
