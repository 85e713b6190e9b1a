#pragma once

#include "platform/core/input_hooks.h"

#include <QObject>

#include <functional>
#include <optional>
#include <vector>

class QEvent;
class QMdiSubWindow;
class QScreen;
class QWidget;

namespace platform {

// The one application-wide event filter: it turns Qt's key, mouse and top-level window events
// into the framework's messages once per event, at window level, and hands them to the input
// hooks (a hook that swallows a key or mouse message stops the event). It also keeps the key
// states, the z-ordered window list and the mouse-leave tracking up to date. Installed while
// any hook is installed (InputHooks' presence listener) or while Acquire calls outnumber
// Release calls.
// Keys and mouse are taken where Qt hands them to a native window (QWindow), before any widget
// sees them: that is the one place each input event passes exactly once. A window with a
// message handler answers WM_NCHITTEST for its points, which turns mouse messages outside its
// client area into their non-client forms. WM_DESTROY is told when the widget is gone. The
// form inside an MDI child window hears WM_MDIACTIVATE when its window is activated or
// deactivated, WM_CHILDACTIVATE when it is maximized, minimized or restored, and WM_DESTROY.
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
    // Asked for every context-menu event of a widget (Qt sends it on the right-button press or
    // the menu key): true swallows it, so that the widget does not show its own menu.
    using ContextMenuFilter = std::function<bool(QWidget& widget)>;
    void SetContextMenuFilter(ContextMenuFilter filter) { m_contextMenuFilter = std::move(filter); }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InputEventFilter() = default;
    void Update();
    bool HandleKey(QWidget* window, QEvent* event);
    bool HandleMouse(QWidget* window, QEvent* event);
    void HandleTopLevel(QWidget* window, QEvent* event);
    void HandleApplicationState(QEvent* event);
    void ReleaseWithheldKeys();
    void Watch(QWidget* window);
    void WatchMdiChild(QMdiSubWindow& child);
    // Screens coming, going or changing size tell every shown top-level window, as the
    // desktop's display-change and work-area messages do.
    void WatchScreens();
    void WatchScreen(QScreen* screen);
    static void TellTopLevels(unsigned message, std::intptr_t wParam);

    bool m_installed = false;
    // A swallowed button release still passes the native window, so that Qt ends the press
    // (else the pressed widget keeps every later mouse event); its widget does not see it.
    bool m_releaseSwallowed = false;
    bool m_watchingScreens = false;
    bool m_hooksPresent = false;
    int m_acquired = 0;
    ContextMenuFilter m_contextMenuFilter;
};

// The mouse message of a Qt mouse event on a widget (client messages; WM_MOUSEWHEEL for wheel
// events), with the point in screen coordinates; nothing for other events.
std::optional<MouseHookMessage> MouseMessageOf(QWidget* widget, const QEvent& event);
// Sends a mouse message (client or non-client form) to a widget as the Qt mouse event it
// stands for, at the screen point, with the buttons, Shift and Ctrl as the key states hold
// them now. It goes to the widget itself, past the application's filter and past a modal
// window that blocks the widget's window. False for a message that is no mouse message.
bool SendMouseMessage(QWidget& widget, unsigned message, Point screen);
// Asks a window with a message handler where the screen point lies (WM_NCHITTEST); HTCLIENT
// for other windows. Outside the client area the message becomes its non-client form.
void ApplyHitTest(MouseHookMessage& message);
// The message a top-level window's event means to the call-window hook; nothing for others.
std::optional<CallWindowMessage> CallWindowMessageOf(QWidget* window, const QEvent& event);
// Whether the widget is the form shown in an MDI child window.
bool IsMdiChild(const QWidget& widget);
// The messages an MDI child's form hears when its window's state changes: WM_MDIACTIVATE
// (lParam 1 when activated, 0 when deactivated), then WM_CHILDACTIVATE for a new size state.
std::vector<CallWindowMessage> MdiMessagesOf(const QWidget& form, Qt::WindowStates before, Qt::WindowStates now);

}  // namespace platform
