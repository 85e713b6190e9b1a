#include "platform/qt/input_event_filter.h"

#include "platform/core/virtual_keys.h"
#include "platform/qt/key_map.h"
#include "platform/qt/key_target.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/mouse_leave.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScreen>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <iterator>
#include <vector>

namespace platform {

namespace {

// The top-level widget that a native window shows.
QWidget* WidgetOfWindow(QObject* object) {
    if (object == nullptr || !object->isWindowType()) return nullptr;
    auto* window = static_cast<QWindow*>(object);
    // A widget's native window carries the widget's id: every pointer move asks, and a
    // lookup by id costs less than a walk over the application's widgets.
    if (window->handle() != nullptr) {
        QWidget* widget = QWidget::find(window->winId());
        if (widget != nullptr && widget->windowHandle() == window) return widget;
    }
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowHandle() == window) return widget;
    return nullptr;
}

int VirtualKeyOfButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return VK_LBUTTON;
        case Qt::RightButton: return VK_RBUTTON;
        case Qt::MiddleButton: return VK_MBUTTON;
        default: return 0;
    }
}

// The messages of the left button; the right and middle ones follow at +3 and +6.
constexpr unsigned kRightOffset = WM_RBUTTONDOWN - WM_LBUTTONDOWN;
constexpr unsigned kMiddleOffset = WM_MBUTTONDOWN - WM_LBUTTONDOWN;

std::optional<unsigned> ButtonMessage(QEvent::Type type, Qt::MouseButton button) {
    unsigned base = 0;
    switch (type) {
        case QEvent::MouseButtonPress: base = WM_LBUTTONDOWN; break;
        case QEvent::MouseButtonRelease: base = WM_LBUTTONUP; break;
        case QEvent::MouseButtonDblClick: base = WM_LBUTTONDBLCLK; break;
        default: return std::nullopt;
    }
    switch (button) {
        case Qt::LeftButton: return base;
        case Qt::RightButton: return base + kRightOffset;
        case Qt::MiddleButton: return base + kMiddleOffset;
        default: return std::nullopt;
    }
}

Point ScreenPoint(const QPointF& global) { return {qRound(global.x()), qRound(global.y())}; }

constexpr int kKeyCount = 256;

bool IsMouseButton(int key) { return key == VK_LBUTTON || key == VK_RBUTTON || key == VK_MBUTTON; }

bool IsModifier(int key) {
    return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || (key >= VK_LSHIFT && key <= VK_RMENU);
}

// Shift, Ctrl and Alt, each with its left and right key.
struct ModifierKeys {
    Qt::KeyboardModifier flag;
    int keys[3];
};
constexpr ModifierKeys kModifierKeys[] = {{Qt::ShiftModifier, {VK_SHIFT, VK_LSHIFT, VK_RSHIFT}},
                                          {Qt::ControlModifier, {VK_CONTROL, VK_LCONTROL, VK_RCONTROL}},
                                          {Qt::AltModifier, {VK_MENU, VK_LMENU, VK_RMENU}}};

// A modifier the keyboard no longer holds is up, whatever became of its release: the window
// manager keeps the releases of its own keys (Alt+F4) and a window that closes under a held
// key never gets its release. `except` is the key being reported, whose own state comes next.
void ForgetReleasedModifiers(Qt::KeyboardModifiers held, int except = 0) {
    KeyStates& states = KeyStates::Instance();
    for (const ModifierKeys& modifier : kModifierKeys) {
        if (held.testFlag(modifier.flag)) continue;
        if (std::find(std::begin(modifier.keys), std::end(modifier.keys), except) != std::end(modifier.keys)) continue;
        for (const int key : modifier.keys) states.SetDown(key, false);
    }
}

// The size message of a window in these states: minimized, maximized or restored, and its size.
CallWindowMessage SizeMessageOf(const QWidget& window, Qt::WindowStates states) {
    const int state = (states & Qt::WindowMinimized)   ? SIZE_MINIMIZED
                      : (states & Qt::WindowMaximized) ? SIZE_MAXIMIZED
                                                       : SIZE_RESTORED;
    return {HandleOf(&window), WM_SIZE, state, MakeParam(window.width(), window.height())};
}

}  // namespace

InputEventFilter& InputEventFilter::Instance() {
    static InputEventFilter* filter = new InputEventFilter;  // lives as long as the process
    return *filter;
}

void InputEventFilter::Connect() {
    InputEventFilter& filter = Instance();
    InputHooks::Instance().SetPresenceListener([&filter](bool present) {
        filter.m_hooksPresent = present;
        filter.Update();
    });
    filter.m_hooksPresent = InputHooks::Instance().Count() > 0;
    filter.Update();
}

void InputEventFilter::Acquire() {
    InputEventFilter& filter = Instance();
    if (filter.m_acquired++ == 0) Connect();
    filter.Update();
}

void InputEventFilter::Release() {
    InputEventFilter& filter = Instance();
    if (filter.m_acquired > 0) --filter.m_acquired;
    filter.Update();
}

void InputEventFilter::Update() {
    const bool wanted = (m_hooksPresent || m_acquired > 0) && QCoreApplication::instance() != nullptr;
    if (wanted == m_installed) return;
    if (wanted) {
        QCoreApplication::instance()->installEventFilter(this);
        WatchScreens();
    }
    else
        QCoreApplication::instance()->removeEventFilter(this);
    m_installed = wanted;
}

bool InputEventFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (QWidget* window = WidgetOfWindow(watched)) return HandleKey(window, event);
            break;
        case QEvent::MouseButtonRelease:
            if (QWidget* window = WidgetOfWindow(watched)) {
                m_releaseSwallowed = HandleMouse(window, event);
                return false;
            }
            if (m_releaseSwallowed && watched->isWidgetType()) {
                m_releaseSwallowed = false;
                return true;
            }
            break;
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            if (QWidget* window = WidgetOfWindow(watched)) {
                m_releaseSwallowed = false;
                return HandleMouse(window, event);
            }
            break;
        case QEvent::Leave:
            if (watched->isWindowType()) MouseLeaveTracker::Instance().Check();
            break;
        case QEvent::ContextMenu:
            if (m_contextMenuFilter && watched->isWidgetType()) return m_contextMenuFilter(*static_cast<QWidget*>(watched));
            break;
        case QEvent::ApplicationStateChange:
            if (watched == QCoreApplication::instance()) HandleApplicationState(event);
            break;
        default:
            if (!watched->isWidgetType()) break;
            if (static_cast<QWidget*>(watched)->isWindow())
                HandleTopLevel(static_cast<QWidget*>(watched), event);
            else if (auto* child = qobject_cast<QMdiSubWindow*>(watched))
                WatchMdiChild(*child);
            break;
    }
    return false;
}

bool InputEventFilter::HandleKey(QWidget* window, QEvent* event) {
    std::optional<KeyHookMessage> message = KeyMessageOf(*static_cast<QKeyEvent*>(event));
    if (!message) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!message->IsUp()) ForgetReleasedModifiers(key->modifiers(), message->key);
    KeyStates::Instance().SetDown(message->key, !message->IsUp());
    if (key->isAutoRepeat()) message->keyData |= kKeyDataWasDown;
    QWidget* focus = QApplication::focusWidget();
    message->window = HandleOf(focus != nullptr && focus->window() == window ? focus : window);
    if (InputHooks::Instance().DispatchKey(*message)) return true;
    // F1 that no hook took asks the window for help, as the desktop's help key does.
    if (message->key == VK_F1 && !message->IsUp() && !key->isAutoRepeat() &&
        KeyStates::Instance().Modifiers() == kShiftNone)
        InputHooks::Instance().DispatchCallWindow({HandleOf(window), WM_HELP, 0, 0});
    return DeliverToKeyTarget(*window, *key);
}

bool InputEventFilter::HandleMouse(QWidget* window, QEvent* event) {
    if (event->type() != QEvent::Wheel) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (const int vk = VirtualKeyOfButton(mouse->button()); vk != 0)
            KeyStates::Instance().SetDown(vk, event->type() != QEvent::MouseButtonRelease);
    }
    const auto* input = static_cast<QSinglePointEvent*>(event);
    const QPoint local = input->position().toPoint();
    QWidget* under = window->childAt(local);
    if (under == nullptr) under = window;
    // Leaving is judged by the window under the pointer, whoever holds the capture.
    MouseLeaveTracker::Instance().Check(HandleOf(under));
    std::optional<MouseHookMessage> message = MouseMessageOf(under, *event);
    if (!message) return false;
    if (const WindowHandle capture = GetCapture(); capture != kNoWindow) message->window = capture;
    ApplyHitTest(*message);
    return InputHooks::Instance().DispatchMouse(*message);
}

void InputEventFilter::HandleTopLevel(QWidget* window, QEvent* event) {
    if (event->type() == QEvent::WindowBlocked) {
        ReleaseWithheldKeys();
        // A modal window cancels whatever the mouse was holding down.
        if (const WindowHandle capture = GetCapture(); capture != kNoWindow)
            MessageRouter::Instance().Send(capture, WM_CANCELMODE);
    }
    if (event->type() == QEvent::WindowActivate) ForgetReleasedModifiers(QGuiApplication::queryKeyboardModifiers());
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) {
        Watch(window);
        WindowList::Instance().BringToTop(window);
    } else if (event->type() == QEvent::Hide) {
        WindowList::Instance().Remove(window);
    }
    if (std::optional<CallWindowMessage> message = CallWindowMessageOf(window, *event))
        InputHooks::Instance().DispatchCallWindow(*message);
}

// Qt drops the key events of a window that a modal window blocks, so the release of a key
// that opened the modal window (a menu letter, a shortcut) would never come and the key
// would stay down, or stay swallowed, for good. Each key still down is released to the
// hooks now, addressed to the modal window, where its release would have gone.
void InputEventFilter::ReleaseWithheldKeys() {
    QWidget* modal = WidgetOfWindow(QGuiApplication::modalWindow());
    KeyStates& states = KeyStates::Instance();
    // The other keys go up before Shift, Ctrl and Alt, as they went down after them.
    std::vector<int> keys;
    for (const bool modifiers : {false, true})
        for (int key = 0; key < kKeyCount; ++key)
            if (states.IsDown(key) && !IsMouseButton(key) && IsModifier(key) == modifiers) keys.push_back(key);
    for (int key : keys) {
        KeyHookMessage message;
        message.key = key;
        message.keyData = 1 | kKeyDataUp;
        const bool alt = states.IsDown(VK_MENU);
        if (alt) message.keyData |= kKeyDataAlt;
        message.message = alt ? WM_SYSKEYUP : WM_KEYUP;
        message.window = HandleOf(modal);
        states.SetDown(key, false);
        InputHooks::Instance().DispatchKey(message);
    }
}

void InputEventFilter::HandleApplicationState(QEvent* event) {
    const bool active = static_cast<QApplicationStateChangeEvent*>(event)->applicationState() == Qt::ApplicationActive;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            InputHooks::Instance().DispatchCallWindow({HandleOf(window), WM_ACTIVATEAPP, active ? 1 : 0, 0});
}

void InputEventFilter::WatchScreens() {
    auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (m_watchingScreens || application == nullptr) return;
    m_watchingScreens = true;
    for (QScreen* screen : QGuiApplication::screens()) WatchScreen(screen);
    connect(application, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        WatchScreen(screen);
        TellTopLevels(WM_DISPLAYCHANGE, 0);
    });
    // Told once the screen has left the list, so the windows see the desktop that remains.
    connect(application, &QGuiApplication::screenRemoved, this, [] { TellTopLevels(WM_DISPLAYCHANGE, 0); },
            Qt::QueuedConnection);
}

void InputEventFilter::WatchScreen(QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, this, [] { TellTopLevels(WM_DISPLAYCHANGE, 0); });
    connect(screen, &QScreen::availableGeometryChanged, this, [] { TellTopLevels(WM_SETTINGCHANGE, SPI_SETWORKAREA); });
}

void InputEventFilter::TellTopLevels(unsigned message, std::intptr_t wParam) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) InputHooks::Instance().DispatchCallWindow({HandleOf(window), message, wParam, 0});
}

void InputEventFilter::Watch(QWidget* window) {
    constexpr const char* kWatched = "corvanetWatched";
    if (window->property(kWatched).toBool()) return;
    window->setProperty(kWatched, true);
    const WindowHandle handle = HandleOf(window);
    connect(window, &QObject::destroyed, this,
            [handle] { InputHooks::Instance().DispatchCallWindow({handle, WM_DESTROY, 0, 0}); });
}

void InputEventFilter::WatchMdiChild(QMdiSubWindow& child) {
    constexpr const char* kWatched = "corvanetMdiWatched";
    if (child.property(kWatched).toBool()) return;
    child.setProperty(kWatched, true);
    connect(&child, &QMdiSubWindow::windowStateChanged, this, [this, &child](Qt::WindowStates before, Qt::WindowStates now) {
        QWidget* form = child.widget();
        if (form == nullptr) return;
        Watch(form);
        for (const CallWindowMessage& message : MdiMessagesOf(*form, before, now))
            InputHooks::Instance().DispatchCallWindow(message);
    });
}

bool IsMdiChild(const QWidget& widget) { return qobject_cast<const QMdiSubWindow*>(widget.parentWidget()) != nullptr; }

std::vector<CallWindowMessage> MdiMessagesOf(const QWidget& form, Qt::WindowStates before, Qt::WindowStates now) {
    std::vector<CallWindowMessage> messages;
    const WindowHandle handle = HandleOf(&form);
    const Qt::WindowStates changed = before ^ now;
    if (changed & Qt::WindowActive) messages.push_back({handle, WM_MDIACTIVATE, 0, (now & Qt::WindowActive) ? 1 : 0});
    if (changed & (Qt::WindowMinimized | Qt::WindowMaximized)) {
        // The child form is minimized, maximized or restored with its frame.
        messages.push_back(SizeMessageOf(form, now));
        messages.push_back({handle, WM_CHILDACTIVATE, 0, 0});
    }
    return messages;
}

std::optional<MouseHookMessage> MouseMessageOf(QWidget* widget, const QEvent& event) {
    MouseHookMessage message;
    message.window = HandleOf(widget);
    message.hitTest = HTCLIENT;
    switch (event.type()) {
        case QEvent::MouseMove: {
            const auto& mouse = static_cast<const QMouseEvent&>(event);
            message.message = WM_MOUSEMOVE;
            message.point = ScreenPoint(mouse.globalPosition());
            return message;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            const auto& mouse = static_cast<const QMouseEvent&>(event);
            const std::optional<unsigned> number = ButtonMessage(event.type(), mouse.button());
            if (!number) return std::nullopt;
            message.message = *number;
            message.point = ScreenPoint(mouse.globalPosition());
            return message;
        }
        case QEvent::Wheel: {
            const auto& wheel = static_cast<const QWheelEvent&>(event);
            message.message = WM_MOUSEWHEEL;
            message.point = ScreenPoint(wheel.globalPosition());
            message.wheelDelta = wheel.angleDelta().y();
            return message;
        }
        default: return std::nullopt;
    }
}

bool SendMouseMessage(QWidget& widget, unsigned message, Point screen) {
    if (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK) message += kNonClientToClientOffset;
    if (message < WM_MOUSEMOVE || message > WM_MBUTTONDBLCLK) return false;
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton button = Qt::NoButton;
    if (message != WM_MOUSEMOVE) {
        const unsigned offset = message - WM_LBUTTONDOWN;
        button = offset >= kMiddleOffset ? Qt::MiddleButton : offset >= kRightOffset ? Qt::RightButton : Qt::LeftButton;
        constexpr QEvent::Type kTypes[] = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick};
        type = kTypes[offset % kRightOffset];
    }
    const KeyStates& keys = KeyStates::Instance();
    Qt::MouseButtons buttons;
    for (const Qt::MouseButton held : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (keys.IsDown(VirtualKeyOfButton(held))) buttons |= held;
    Qt::KeyboardModifiers modifiers;
    if (keys.IsDown(VK_SHIFT)) modifiers |= Qt::ShiftModifier;
    if (keys.IsDown(VK_CONTROL)) modifiers |= Qt::ControlModifier;
    const QPointF global(screen.x, screen.y);
    QMouseEvent event(type, widget.mapFromGlobal(global), global, button, buttons, modifiers);
    QCoreApplication::sendEvent(&widget, &event);
    return true;
}

void ApplyHitTest(MouseHookMessage& message) {
    MessageRouter& router = MessageRouter::Instance();
    if (!router.IsRegistered(message.window)) return;
    message.hitTest = static_cast<int>(router.Send(message.window, WM_NCHITTEST, 0, PointParam(message.point)));
    if (message.hitTest != HTCLIENT && message.message != WM_MOUSEWHEEL)
        message.message -= kNonClientToClientOffset;
}

std::optional<CallWindowMessage> CallWindowMessageOf(QWidget* window, const QEvent& event) {
    if (window == nullptr || !window->isWindow()) return std::nullopt;
    CallWindowMessage message{HandleOf(window), WM_NULL, 0, 0};
    switch (event.type()) {
        case QEvent::Show: message = {message.window, WM_SHOWWINDOW, 1, 0}; break;
        case QEvent::Hide: message = {message.window, WM_SHOWWINDOW, 0, 0}; break;
        case QEvent::WindowActivate: message = {message.window, WM_ACTIVATE, WA_ACTIVE, 0}; break;
        case QEvent::WindowDeactivate: message = {message.window, WM_ACTIVATE, WA_INACTIVE, 0}; break;
        case QEvent::Close: message = {message.window, WM_CLOSE, 0, 0}; break;
        case QEvent::FontChange: message = {message.window, CM_FONTCHANGED, 0, 0}; break;
        case QEvent::ApplicationFontChange:
        case QEvent::ApplicationPaletteChange:
        case QEvent::StyleChange:
        case QEvent::ThemeChange: message = {message.window, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0}; break;
        case QEvent::WindowStateChange: message = SizeMessageOf(*window, window->windowState()); break;
        default: return std::nullopt;
    }
    return message;
}

}  // namespace platform
