#include "tests/shell/modal_player.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWindow>
#include <QtTest/qtestkeyboard.h>

namespace shell_test {

namespace {

constexpr int kPollMs = 2;
constexpr int kGiveUpPolls = 1000;

void Deliver(QWindow* window, QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    qt_handleKeyEvent(window, type, key, modifiers);
}

Qt::Key HeldModifier(Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::ControlModifier)) return Qt::Key_Control;
    if (modifiers.testFlag(Qt::AltModifier)) return Qt::Key_Alt;
    return Qt::Key_unknown;
}

}  // namespace

void KeyDown(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (const Qt::Key held = HeldModifier(modifiers); held != Qt::Key_unknown)
        Deliver(window, QEvent::KeyPress, held, Qt::NoModifier);
    Deliver(window, QEvent::KeyPress, key, modifiers);
}

void KeyUp(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    Deliver(window, QEvent::KeyRelease, key, modifiers);
    if (const Qt::Key held = HeldModifier(modifiers); held != Qt::Key_unknown)
        Deliver(window, QEvent::KeyRelease, held, modifiers);
}

void Stroke(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    KeyDown(window, key, modifiers);
    KeyUp(window, key, modifiers);
}

WhenModal::WhenModal(std::function<void(QWidget&)> action) : m_action(std::move(action)) {
    m_timer.setInterval(kPollMs);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
    m_timer.start();
}

void WhenModal::Poll() {
    // The player acts once the window is up and has the keyboard.
    QWidget* modal = QApplication::activeModalWidget();
    if (!m_acted && modal != nullptr && QApplication::activeWindow() == modal) {
        m_acted = true;
        m_modal = modal;
        m_action(*modal);
        return;
    }
    if (++m_polls < kGiveUpPolls && (!m_acted || (m_modal && m_modal->isVisible()))) return;
    m_timer.stop();
    if (m_modal && m_modal->isVisible()) {
        ADD_FAILURE() << "the window stayed open: " << m_modal->windowTitle().toStdString();
        m_modal->close();
    }
}

}  // namespace shell_test
