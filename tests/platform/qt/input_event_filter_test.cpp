#include "platform/qt/input_event_filter.h"

#include "platform/core/virtual_keys.h"
#include "platform/qt/key_map.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace platform {
namespace {

// A widget that counts the input that reaches it.
class CountingWidget : public QWidget {
public:
    using QWidget::QWidget;
    int keys = 0;
    int presses = 0;
    int releases = 0;
    int moves = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        ++keys;
        event->accept();
    }
    void mousePressEvent(QMouseEvent* event) override {
        ++presses;
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        ++releases;
        event->accept();
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        ++moves;
        event->accept();
    }
};

class InputEventFilterTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_keyboard = InputHooks::Instance().AddKeyboardHook([this](const KeyHookMessage& m) {
            m_keys.push_back(m);
            return m_swallow;
        });
        m_mouse = InputHooks::Instance().AddMouseHook([this](const MouseHookMessage& m) {
            m_mice.push_back(m);
            return m_swallow;
        });
        m_window = InputHooks::Instance().AddCallWindowHook([this](const CallWindowMessage& m) { m_calls.push_back(m); });
        InputEventFilter::Connect();
        m_form = std::make_unique<QWidget>();
        m_form->setGeometry(100, 50, 200, 120);
        m_child = new CountingWidget(m_form.get());
        m_child->setGeometry(20, 10, 50, 40);
        m_child->setFocusPolicy(Qt::StrongFocus);
        m_form->show();
        m_child->setFocus();
        QApplication::processEvents();
    }
    void TearDown() override {
        m_form.reset();
        InputHooks::Instance().Remove(m_keyboard);
        InputHooks::Instance().Remove(m_mouse);
        InputHooks::Instance().Remove(m_window);
        KeyStates::Instance().Clear();
    }
    // Input as the platform delivers it: to the native window first.
    void SendToWindow(QEvent& event) { QApplication::sendEvent(m_form->windowHandle(), &event); }
    std::vector<unsigned> CallMessages() const {
        std::vector<unsigned> messages;
        for (const CallWindowMessage& m : m_calls)
            if (m.window == HandleOf(m_form.get())) messages.push_back(m.message);
        return messages;
    }

    std::unique_ptr<QWidget> m_form;
    CountingWidget* m_child = nullptr;
    InputHooks::HookId m_keyboard = 0, m_mouse = 0, m_window = 0;
    bool m_swallow = false;
    std::vector<KeyHookMessage> m_keys;
    std::vector<MouseHookMessage> m_mice;
    std::vector<CallWindowMessage> m_calls;
};

TEST_F(InputEventFilterTest, AKeyIsSeenOnceAtWindowLevelAndASwallowKeepsItFromTheWidget) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    SendToWindow(press);
    ASSERT_EQ(m_keys.size(), 1u);
    EXPECT_EQ(m_keys[0].message, WM_KEYDOWN);
    EXPECT_EQ(m_keys[0].key, VK_F2);
    EXPECT_EQ(m_keys[0].window, HandleOf(m_child));
    EXPECT_TRUE(KeyStates::Instance().IsDown(VK_F2));
    EXPECT_EQ(m_child->keys, 1);

    m_swallow = true;
    QKeyEvent again(QEvent::KeyPress, Qt::Key_F3, Qt::NoModifier);
    SendToWindow(again);
    EXPECT_EQ(m_keys.size(), 2u);
    EXPECT_EQ(m_child->keys, 1);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F2, Qt::NoModifier);
    SendToWindow(release);
    EXPECT_TRUE(m_keys.back().IsUp());
    EXPECT_FALSE(KeyStates::Instance().IsDown(VK_F2));
}

TEST_F(InputEventFilterTest, MouseMessagesNameTheWindowUnderThePointInScreenCoordinates) {
    const QPointF local(30, 20);  // inside the child
    const QPointF global = m_form->mapToGlobal(local.toPoint());
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    SendToWindow(press);
    ASSERT_EQ(m_mice.size(), 1u);
    EXPECT_EQ(m_mice[0].message, WM_RBUTTONDOWN);
    EXPECT_EQ(m_mice[0].window, HandleOf(m_child));
    EXPECT_EQ(m_mice[0].point, (Point{qRound(global.x()), qRound(global.y())}));
    EXPECT_EQ(m_mice[0].hitTest, HTCLIENT);
    EXPECT_EQ(m_child->presses, 1);
    EXPECT_TRUE(KeyStates::Instance().IsDown(VK_RBUTTON));
}

// A menu opened by a press takes the following moves even when the hooks swallow the release
// of that press: Qt must still see the press end.
TEST_F(InputEventFilterTest, ASwallowedReleaseKeepsItsWidgetFromHoldingTheMouse) {
    const QPointF local(30, 20);
    const QPointF global = m_form->mapToGlobal(local.toPoint());
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    SendToWindow(press);
    ASSERT_EQ(m_child->presses, 1);
    CountingWidget menu;
    menu.setMouseTracking(true);
    menu.setGeometry(400, 300, 80, 60);
    menu.show();
    m_swallow = true;
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    SendToWindow(release);
    EXPECT_EQ(m_mice.back().message, WM_RBUTTONUP);
    EXPECT_EQ(m_child->releases, 0) << "swallowed";
    m_swallow = false;
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), QPointF(410, 310), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(menu.windowHandle(), &move);
    EXPECT_EQ(menu.moves, 1);
    EXPECT_EQ(m_child->moves, 0);
}

TEST_F(InputEventFilterTest, AWindowThatAnswersTheHitTestGetsNonClientMessages) {
    const WindowHandle form = HandleOf(m_form.get());
    MessageRouter::Instance().Register(form, [](const WindowMessage& m) -> std::intptr_t {
        return m.message == WM_NCHITTEST ? HTCAPTION : 0;
    });
    m_swallow = true;
    const QPointF local(150, 100);
    QMouseEvent press(QEvent::MouseButtonPress, local, m_form->mapToGlobal(local.toPoint()), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    SendToWindow(press);
    MessageRouter::Instance().Unregister(form);
    ASSERT_EQ(m_mice.size(), 1u);
    EXPECT_EQ(m_mice[0].message, WM_NCLBUTTONDOWN);
    EXPECT_EQ(m_mice[0].hitTest, HTCAPTION);
}

TEST_F(InputEventFilterTest, TopLevelWindowsTellTheirStateChangesAndTheirEnd) {
    m_calls.clear();
    m_form->close();
    m_form->show();
    m_form->showMinimized();
    const WindowHandle handle = HandleOf(m_form.get());
    m_form.reset();
    const std::vector<unsigned> expected{WM_CLOSE, WM_SHOWWINDOW, WM_SHOWWINDOW, WM_SIZE, WM_DESTROY};
    std::vector<unsigned> seen;
    for (const CallWindowMessage& m : m_calls)
        if (m.window == handle && m.message != WM_ACTIVATE && m.message != WM_SETTINGCHANGE) seen.push_back(m.message);
    // Closing hides (WM_SHOWWINDOW 0) before showing again; minimising may hide as well on some platforms.
    ASSERT_GE(seen.size(), 4u);
    EXPECT_EQ(seen.front(), WM_CLOSE);
    EXPECT_EQ(seen.back(), WM_DESTROY);
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_SIZE), seen.end());
    const auto size = std::find_if(m_calls.begin(), m_calls.end(), [](const auto& m) { return m.message == WM_SIZE; });
    EXPECT_EQ(size->wParam, SIZE_MINIMIZED);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_DESTROY), 1);
}

TEST_F(InputEventFilterTest, ShownWindowsJoinTheZOrderedListAndLeaveItWhenHidden) {
    auto tool = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    tool->setGeometry(120, 60, 40, 40);  // over the form's child
    tool->show();
    m_form->raise();
    m_form->activateWindow();
    QApplication::processEvents();
    WindowList& list = WindowList::Instance();
    // The form, raised later, stays below the window that stays on top.
    EXPECT_EQ(list.WindowFromPoint({130, 70}), tool.get());
    EXPECT_EQ(list.WindowFromPoint({165, 70}), m_child);  // beside the tool, on the child
    EXPECT_EQ(list.WindowFromPoint({290, 160}), m_form.get());
    EXPECT_EQ(list.WindowFromPoint({5, 5}), nullptr);
    // A window the mouse passes through (a hint) is never the one under a point.
    tool->setAttribute(Qt::WA_TransparentForMouseEvents);
    EXPECT_EQ(list.WindowFromPoint({130, 70}), m_child);
    tool->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    tool->hide();
    EXPECT_FALSE(list.Contains(tool.get()));
    EXPECT_EQ(list.WindowFromPoint({130, 70}), m_child);
}

struct QtKeyCase {
    const char* name;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    int vk;
};
void PrintTo(const QtKeyCase& c, std::ostream* out) { *out << c.name; }

class QtKeyMapTest : public ::testing::TestWithParam<QtKeyCase> {};

TEST_P(QtKeyMapTest, MapsToTheVirtualKey) {
    EXPECT_EQ(VirtualKeyOfQtKey(GetParam().qtKey, GetParam().modifiers), GetParam().vk);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, QtKeyMapTest,
    ::testing::Values(QtKeyCase{"Letter", Qt::Key_Q, Qt::NoModifier, 'Q'},
                      QtKeyCase{"ShiftedDigit", Qt::Key_Exclam, Qt::ShiftModifier, '1'},
                      QtKeyCase{"KeypadDigit", Qt::Key_7, Qt::KeypadModifier, VK_NUMPAD0 + 7},
                      QtKeyCase{"KeypadPlus", Qt::Key_Plus, Qt::KeypadModifier, VK_ADD},
                      QtKeyCase{"Plus", Qt::Key_Plus, Qt::ShiftModifier, VK_OEM_PLUS},
                      QtKeyCase{"F12", Qt::Key_F12, Qt::NoModifier, VK_F12},
                      QtKeyCase{"Enter", Qt::Key_Enter, Qt::KeypadModifier, VK_RETURN},
                      QtKeyCase{"Backtab", Qt::Key_Backtab, Qt::ShiftModifier, VK_TAB},
                      QtKeyCase{"Menu", Qt::Key_Menu, Qt::NoModifier, VK_APPS},
                      QtKeyCase{"Alt", Qt::Key_Alt, Qt::AltModifier, VK_MENU},
                      QtKeyCase{"Unknown", Qt::Key_MediaPlay, Qt::NoModifier, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyMessageOf, AltMakesSystemKeys) {
    const QKeyEvent altDown(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_EQ(KeyMessageOf(altDown)->message, WM_SYSKEYDOWN);
    const QKeyEvent altF(QEvent::KeyPress, Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(KeyMessageOf(altF)->message, WM_SYSKEYDOWN);
    const QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    EXPECT_EQ(KeyMessageOf(altUp)->message, WM_SYSKEYUP);
    EXPECT_TRUE(KeyMessageOf(altUp)->IsUp());
    const QKeyEvent plain(QEvent::KeyRelease, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(KeyMessageOf(plain)->message, WM_KEYUP);
    const QKeyEvent media(QEvent::KeyPress, Qt::Key_MediaPlay, Qt::NoModifier);
    EXPECT_FALSE(KeyMessageOf(media));
}

}  // namespace
}  // namespace platform
