#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>

class QEventLoop;
class QWindow;

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "platform/core/window_messages.h"
#include "platform/qt/form.h"

namespace platform {

// One input message on its way to a window.
struct AppMessage {
    unsigned message = WM_NULL;  // platform/core/window_messages.h
    QObject* window = nullptr;
};

// The application's message handler: true when it handled the message, which then goes
// no further.
using AppMessageHandler = std::function<bool(const AppMessage&)>;
// Answers a modal show in place of the player: returns the modal result.
using ModalShowHook = std::function<int(Form&)>;

// The application object: the one message handler that animations swap for a filter,
// processing of pending messages, the application's activation, the main form (the first
// form made through CreateForm) and the message loop. One exists at a time.
class Application : public QObject {
    Q_OBJECT
public:
    Application();
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application* Instance();

    const AppMessageHandler& OnMessage() const { return m_onMessage; }
    void SetOnMessage(AppMessageHandler handler) { m_onMessage = std::move(handler); }
    // Runs the handler on a message as the event filter would; true when it was taken.
    bool Dispatch(const AppMessage& message);

    // Runs when the application becomes the active one.
    void SetOnActivate(std::function<void()> handler) { m_onActivate = std::move(handler); }
    void Activate();

    // Handles every pending message, then returns.
    void ProcessMessages();
    // Sleeps until a message arrives, handles what has come, and returns; returns anyway
    // once the milliseconds are up.
    static void WaitForMessages(std::uint32_t milliseconds);

    std::string Title() const { return m_title; }
    void SetTitle(std::string title) { m_title = std::move(title); }

    // The application's own wish that hints name the shortcut of what they describe.
    bool HintShortCuts() const { return m_hintShortCuts; }
    void SetHintShortCuts(bool value) { m_hintShortCuts = value; }

    // The application's help: a context number opens its page. False when there is no help.
    void SetHelpHandler(std::function<void(int context)> handler) { m_help = std::move(handler); }
    bool ShowHelpContext(int context);

    // Tests answer modal forms through the hook; none: forms are shown to the player.
    const ModalShowHook& ShowHook() const { return m_showHook; }
    void SetShowHook(ModalShowHook hook) { m_showHook = std::move(hook); }

    // The splash of the start-up stays on top of every other window while it shows; a box
    // or dialog opened meanwhile belongs to it, so that it opens in front of it.
    void SetSplash(QWidget* splash) { m_splash = splash; }
    // The window a box or dialog opened now belongs to: the splash while it shows, else
    // the owner given.
    QWidget* OwnerInFront(QWidget* owner) const;

    Form* MainForm() const { return m_mainForm; }
    // Makes a form; the first made this way becomes the main form.
    template <typename F, typename... Args>
    F* CreateForm(Args&&... args) {
        auto* form = new F(std::forward<Args>(args)...);
        if (m_mainForm == nullptr) m_mainForm = form;
        return form;
    }

    // Shows the main form and handles messages until it has closed. Returns the exit code.
    int Run();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppMessageHandler m_onMessage;
    bool m_hintShortCuts = false;
    std::function<void()> m_onActivate;
    ModalShowHook m_showHook;
    std::function<void(int)> m_help;
    QPointer<Form> m_mainForm;
    QPointer<QWidget> m_splash;
    std::string m_title;
    QPointer<QWindow> m_focusWindow;
};

}  // namespace platform
