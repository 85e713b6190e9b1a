#include "platform/qt/application.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <limits>

namespace platform {

namespace {

Application* g_instance = nullptr;

unsigned MouseMessage(QEvent::Type type, Qt::MouseButton button) {
    const bool down = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    switch (button) {
    case Qt::LeftButton:
        if (type == QEvent::MouseButtonDblClick) return WM_LBUTTONDBLCLK;
        return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case Qt::RightButton:
        return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case Qt::MiddleButton:
        return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    default:
        return 0;
    }
}

// The message an input event is at window level; 0 for the events the handler never sees.
unsigned MessageOf(const QEvent& event) {
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return MouseMessage(event.type(), static_cast<const QMouseEvent&>(event).button());
    case QEvent::MouseMove:
        return WM_MOUSEMOVE;
    case QEvent::NonClientAreaMouseButtonPress:
        return static_cast<const QMouseEvent&>(event).button() == Qt::LeftButton ? WM_NCLBUTTONDOWN : 0;
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(event);
        return key.modifiers().testFlag(Qt::AltModifier) || key.key() == Qt::Key_F10 ? WM_SYSKEYDOWN
                                                                                    : WM_KEYDOWN;
    }
    case QEvent::KeyRelease:
        return WM_KEYUP;
    default:
        return 0;
    }
}

}  // namespace

Application::Application() {
    g_instance = this;
    if (QCoreApplication* core = QCoreApplication::instance()) {
        core->installEventFilter(this);
        // The application becomes active when one of its windows takes the focus while
        // none had it: at the start, after its active window went, or back from another program.
        if (auto* gui = qobject_cast<QGuiApplication*>(core))
            connect(gui, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
                // A window that went away took the activation with it, as a freed splash does.
                const bool wasActive = m_focusWindow != nullptr && m_focusWindow->isVisible();
                m_focusWindow = window;
                if (window != nullptr && !wasActive) Activate();
            });
    }
}

Application::~Application() {
    if (g_instance == this) g_instance = nullptr;
}

Application* Application::Instance() { return g_instance; }

bool Application::Dispatch(const AppMessage& message) { return m_onMessage && m_onMessage(message); }

void Application::Activate() {
    if (m_onActivate) m_onActivate();
}

bool Application::ShowHelpContext(int context) {
    if (!m_help || context == 0) return false;
    m_help(context);
    return true;
}

QWidget* Application::OwnerInFront(QWidget* owner) const {
    return m_splash != nullptr && m_splash->isVisible() ? m_splash.data() : owner;
}

void Application::ProcessMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void Application::WaitForMessages(std::uint32_t milliseconds) {
    // The timer's own event is enough to end the wait; nothing needs its signal.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(static_cast<int>(std::min<std::uint32_t>(milliseconds, std::numeric_limits<int>::max())));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

// Input reaches a top-level window before the widget under it: acting there sees each
// message once, whichever child it goes on to.
bool Application::eventFilter(QObject* watched, QEvent* event) {
    if (!m_onMessage || qobject_cast<QWindow*>(watched) == nullptr) return false;
    const unsigned number = MessageOf(*event);
    if (number == 0) return false;
    return Dispatch(AppMessage{number, watched});
}

int Application::Run() {
    Form* main = m_mainForm;
    if (main == nullptr) return 0;
    QEventLoop loop;
    connect(main, &Form::Closed, &loop, &QEventLoop::quit);
    connect(main, &QObject::destroyed, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    main->Show();
    if (!m_mainForm || !m_mainForm->isVisible()) return 0;
    // Without a window manager nobody gives the new window the focus; ask again once it is on screen.
    QTimer::singleShot(0, main, [main] { main->activateWindow(); });
    loop.exec();
    return 0;
}

}  // namespace platform
