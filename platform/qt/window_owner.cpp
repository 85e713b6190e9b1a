#include "platform/qt/window_owner.h"

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

}  // namespace

void SetOwnerWindow(QWidget& window, QWidget* owner) {
    auto& owners = Owners();
    if (owner == nullptr) {
        owners.erase(&window);
    } else {
        const bool known = owners.contains(&window);
        owners[&window] = owner;
        if (!known) QObject::connect(&window, &QObject::destroyed, [key = &window] { Owners().erase(key); });
    }
    if (!window.isWindow()) return;
    window.winId();  // the native window, to hang the owner on
    if (QWindow* handle = window.windowHandle())
        handle->setTransientParent(owner != nullptr && owner->window() != &window ? owner->window()->windowHandle() : nullptr);
}

QWidget* OwnerWindow(const QWidget& window) {
    const auto it = Owners().find(&window);
    return it == Owners().end() ? nullptr : it->second.data();
}

}  // namespace platform
