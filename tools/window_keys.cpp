#include "tools/window_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

namespace tools {

namespace {

void Send(QWindow* window, QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent event(type, key, modifiers);
    QCoreApplication::sendEvent(window, &event);
}

}  // namespace

void PressKey(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    const Qt::Key held = modifiers.testFlag(Qt::ControlModifier) ? Qt::Key_Control
                         : modifiers.testFlag(Qt::AltModifier)   ? Qt::Key_Alt
                                                                 : Qt::Key_unknown;
    if (held != Qt::Key_unknown) Send(window, QEvent::KeyPress, held, modifiers);
    Send(window, QEvent::KeyPress, key, modifiers);
    Send(window, QEvent::KeyRelease, key, modifiers);
    if (held != Qt::Key_unknown) Send(window, QEvent::KeyRelease, held, Qt::NoModifier);
}

}  // namespace tools
