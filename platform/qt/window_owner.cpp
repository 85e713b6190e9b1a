#include "platform/qt/window_owner.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <map>

namespace platform {

namespace {

std::map<const QWidget*, QPointer<QWidget>>& Owners() {
    static std::map<const QWidget*, QPointer<QWidget>> owners;
    return owners;
}

void HangOnOwner(QWidget& window, QWidget* owner) {
    if (QWindow* handle = window.windowHandle())
        handle->setTransientParent(owner != nullptr && owner->window() != &window ? owner->window()->windowHandle() : nullptr);
}

// The owner goes on the native window once the window is shown. Making the native window
// sooner (winId) would mark the window native, and a native window with a parent widget
// makes every other child of that parent native too: the owner form's controls would get
// their input on windows of their own.
class OwnerOnShow : public QObject {
public:
    static OwnerOnShow& Instance() {
        static auto* filter = new OwnerOnShow;  // lives as long as the process
        return *filter;
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            if (QWidget* owner = OwnerWindow(*window); owner && window->isWindow()) HangOnOwner(*window, owner);
        }
        return false;
    }
};

}  // namespace

void SetOwnerWindow(QWidget& window, QWidget* owner) {
    auto& owners = Owners();
    if (owner == nullptr) {
        owners.erase(&window);
    } else {
        const bool known = owners.contains(&window);
        owners[&window] = owner;
        if (!known) {
            QObject::connect(&window, &QObject::destroyed, [key = &window] { Owners().erase(key); });
            window.installEventFilter(&OwnerOnShow::Instance());
        }
    }
    if (window.isWindow()) HangOnOwner(window, owner);
}

QWidget* OwnerWindow(const QWidget& window) {
    const auto it = Owners().find(&window);
    return it == Owners().end() ? nullptr : it->second.data();
}

}  // namespace platform
