#include "platform/qt/key_target.h"

#include "platform/core/input_hooks.h"
#include "platform/qt/window_handles.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace platform {

namespace {

struct KeyTargetState {
    QPointer<QWidget> field;
    InputHooks::HookId pressWatch = 0;
};

KeyTargetState& State() {
    static KeyTargetState state;
    return state;
}

bool IsButtonDown(unsigned message) {
    for (unsigned down : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN,
                          WM_NCMBUTTONDOWN})
        if (message == down || message == down + 2) return true;
    return false;
}

void Tell(QWidget* field, QEvent::Type type) {
    QFocusEvent event(type, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(field, &event);
}

void StopWatching() {
    KeyTargetState& state = State();
    if (state.pressWatch) InputHooks::Instance().Remove(state.pressWatch);
    state.pressWatch = 0;
}

// A press outside the field's window moves the focus away from the field.
void WatchPresses() {
    KeyTargetState& state = State();
    if (state.pressWatch) return;
    state.pressWatch = InputHooks::Instance().AddMouseHook([](const MouseHookMessage& message) {
        QWidget* field = State().field;
        if (!field || !IsButtonDown(message.message)) return false;
        const QWidget* pressed = WidgetOf(message.window);
        if (!pressed || pressed->window() != field->window()) SetKeyTarget(nullptr);
        return false;
    });
}

}  // namespace

void SetKeyTarget(QWidget* field) {
    KeyTargetState& state = State();
    if (state.field == field) return;
    const QPointer<QWidget> previous = state.field;
    state.field = field;
    if (field)
        WatchPresses();
    else
        StopWatching();
    if (previous) Tell(previous, QEvent::FocusOut);
    if (field && state.field == field) Tell(field, QEvent::FocusIn);
}

QWidget* KeyTarget() { return State().field; }

bool DeliverToKeyTarget(const QWidget& window, const QKeyEvent& event) {
    QWidget* field = State().field;
    if (!field || !field->isVisible() || field->window() == &window) return false;
    const std::unique_ptr<QKeyEvent> copy(event.clone());
    QCoreApplication::sendEvent(field, copy.get());
    return true;
}

}  // namespace platform
