#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

class QWindow;

namespace shell_test {

// Keys as the window system delivers them to a native window: through Qt's modal blocking
// (a window that a modal window blocks never sees them), and with nothing else handled
// between them. Ctrl or Alt in the modifiers goes down before the key and up after it.
void KeyDown(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void KeyUp(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Stroke(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Plays the player's part once a modal window is up and has the keyboard: the action runs
// on it, and a window the action left open is closed (and the test fails), so no test
// waits for ever.
class WhenModal {
public:
    explicit WhenModal(std::function<void(QWidget&)> action);
    bool Acted() const { return m_acted; }

private:
    void Poll();

    std::function<void(QWidget&)> m_action;
    QTimer m_timer;
    bool m_acted = false;
    int m_polls = 0;
    QPointer<QWidget> m_modal;
};

}  // namespace shell_test
