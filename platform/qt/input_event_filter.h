#pragma once

#include "platform/core/input_hooks.h"

#include <QObject>

#include <optional>

class QEvent;
class QWidget;

namespace platform {

// The one application-wide event filter: it turns Qt's key, mouse and top-level window events
// into the framework's messages once per event, at window level, and hands them to the input
// hooks (a hook that swallows a key or mouse message stops the event). It also keeps the key
// states, the z-ordered window list and the mouse-leave tracking up to date. Installed while
// any hook is installed (InputHooks' presence listener) or while Acquire calls outnumber
// Release calls.
class InputEventFilter : public QObject {
    Q_OBJECT
public:
    static InputEventFilter& Instance();

    // Connects to InputHooks so the filter follows the hooks; called once at start-up (the
    // first Acquire does it too).
    static void Connect();
    static void Acquire();
    static void Release();
    bool IsInstalled() const { return m_installed; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InputEventFilter() = default;
    void Update();
    bool HandleKey(QWidget* widget, QEvent* event);
    bool HandleMouse(QWidget* widget, QEvent* event);
    void HandleTopLevel(QWidget* widget, QEvent* event);

    bool m_installed = false;
    bool m_hooksPresent = false;
    int m_acquired = 0;
    // The event last seen: Qt offers one event to the filter again as it propagates to parents.
    const QEvent* m_lastEvent = nullptr;
};

// The mouse message of a Qt mouse event on a widget (client messages; WM_MOUSEWHEEL for wheel
// events), with the point in screen coordinates; nothing for other events.
std::optional<MouseHookMessage> MouseMessageOf(QWidget* widget, const QEvent& event);
// The message a top-level window's event means to the call-window hook; nothing for others.
std::optional<CallWindowMessage> CallWindowMessageOf(QWidget* window, const QEvent& event);

}  // namespace platform
