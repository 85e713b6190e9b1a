#include "tests/bars/windows_fixture.h"

#include "platform/core/input_hooks.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"

namespace bars::testing {
namespace {

using platform::Point;

class BarMoveTest : public WindowsTest {
public:
    static void MoveMouse(Point screen) {
        platform::OverrideCursorPos(screen);
        platform::InputHooks::Instance().DispatchMouse({platform::WM_MOUSEMOVE, screen});
    }
    static void Release(Point screen) {
        platform::InputHooks::Instance().DispatchMouse({platform::WM_LBUTTONUP, screen});
    }
    static void Key(int key) {
        platform::InputHooks::Instance().DispatchKey({platform::WM_KEYDOWN, key});
    }
    static Point ScreenOf(const QWidget& window, Point local) { return platform::ClientToScreen(&window, local); }
};

TEST_F(BarMoveTest, WithEverySideForbiddenTheMoveRunsButTheBarStays) {
    manager->SetNotDocking(TcbBarDockingStyles::All());
    TcbBar& bar = ShowBar("Main Menu", dsTop, 3);
    TcbBarControl& window = WindowOf(bar);
    const platform::Rect before = window.Bounds();
    ASSERT_TRUE(BarMove::Instance().Begin(window, ScreenOf(window, {4, 10})));
    EXPECT_EQ(platform::GetCapture(), platform::HandleOf(form.get()));
    MoveMouse({200, 200});
    timers.Advance(100);
    MoveMouse({20, 290});
    Release({20, 290});
    EXPECT_FALSE(BarMove::Instance().IsMoving());
    EXPECT_EQ(bar.DockingStyle(), dsTop);
    EXPECT_EQ(&WindowOf(bar), &window);
    EXPECT_EQ(window.Bounds(), before);
    EXPECT_EQ(platform::GetCapture(), platform::kNoWindow);
}

TEST_F(BarMoveTest, ABarThatMayTakeNoSideDoesNotMoveAtAll) {
    TcbBar& bar = ShowBar("Tools", dsTop, 2);
    bar.SetNotDocking(TcbBarDockingStyles::All());
    EXPECT_FALSE(BarMove::Instance().Begin(WindowOf(bar), ScreenOf(WindowOf(bar), {4, 10})));
}

TEST_F(BarMoveTest, DraggingOutFloatsAndEscLeavesTheBarWhereItWasLastPlaced) {
    manager->SetWaitForDockingTime(0);
    TcbBar& bar = ShowBar("Tools", dsTop, 4);
    TcbBarControl& window = WindowOf(bar);
    ASSERT_TRUE(BarMove::Instance().Begin(window, ScreenOf(window, {4, 10})));
    MoveMouse({200, 150});
    EXPECT_EQ(bar.DockingStyle(), dsNone);
    EXPECT_TRUE(window.isWindow());
    MoveMouse({220, 160});
    const QPoint placed = window.pos();
    Key(platform::VK_ESCAPE);
    EXPECT_FALSE(BarMove::Instance().IsMoving());
    MoveMouse({300, 250});  // after the move, nothing follows the mouse
    EXPECT_EQ(window.pos(), placed);
    EXPECT_EQ(bar.DockingStyle(), dsNone);
    EXPECT_EQ(bar.FloatLeft(), placed.x());
}

TEST_F(BarMoveTest, DockingWaitsForTheDelayWhileFloating) {
    TcbBar& bar = MakeBar("Tools", dsNone, 1);
    bar.SetFloatLeft(150);
    bar.SetFloatTop(150);
    bar.SetFloatClientWidth(100);
    bar.SetVisible(true);
    TcbBarControl& window = WindowOf(bar);
    ASSERT_TRUE(BarMove::Instance().Begin(window, ScreenOf(window, {10, 5})));
    MoveMouse({60, 5});  // over the empty top area
    EXPECT_EQ(bar.DockingStyle(), dsNone);
    timers.Advance(manager->WaitForDockingTime());
    EXPECT_EQ(bar.DockingStyle(), dsTop);
    Release({60, 5});
}

TEST_F(BarMoveTest, ADockedBarKeepsTheCursorAtTheSameFractionOfItsWidth) {
    manager->SetWaitForDockingTime(0);
    TcbBar& bar = MakeBar("Tools", dsNone, 6);
    bar.SetFloatLeft(100);
    bar.SetFloatTop(150);
    bar.SetFloatClientWidth(6 * 23);
    bar.SetVisible(true);
    TcbBarControl& window = WindowOf(bar);
    const int floatingWidth = window.width();
    const Point grab = ScreenOf(window, {30, 5});
    ASSERT_TRUE(BarMove::Instance().Begin(window, grab));
    const Point over{150, 3};
    MoveMouse(over);
    ASSERT_EQ(bar.DockingStyle(), dsTop);
    const int dockedWidth = window.width();
    const int expected = (dockedWidth * 30 + floatingWidth / 2) / floatingWidth;
    EXPECT_EQ(BarMove::Instance().GrabOffset().x, expected);
    EXPECT_EQ(platform::ScreenRect(&window).left, over.x - expected);
    Release(over);
}

}  // namespace
}  // namespace bars::testing

#include <QMouseEvent>

namespace bars::testing {
namespace {

void SendMouse(QWidget& window, QEvent::Type type, platform::Point local, Qt::MouseButtons buttons) {
    const QPointF at(local.x, local.y);
    const QPoint global = window.mapToGlobal(QPoint(local.x, local.y));
    QMouseEvent event(type, at, QPointF(global), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);
}

TEST_F(BarMoveTest, PressingAnEmptyPartOfADockedBarStartsTheMove) {
    manager->SetNotDocking(TcbBarDockingStyles::All());
    TcbBar& bar = ShowBar("Main Menu", dsTop, 2);
    bar.SetIsMainMenu(true);
    TcbBarControl& window = WindowOf(bar);
    // Right of the last link: empty client area counts as the caption.
    SendMouse(window, QEvent::MouseButtonPress, {window.width() - 40, 10}, Qt::LeftButton);
    EXPECT_TRUE(BarMove::Instance().IsMoving());
    Release({300, 100});
    EXPECT_FALSE(BarMove::Instance().IsMoving());
    EXPECT_EQ(bar.DockingStyle(), dsTop);
    // A press on a button does not move the bar.
    SendMouse(window, QEvent::MouseButtonPress, {window.ClientToScreenPoint(CentreOf(bar, 0)).x - window.x(), 10},
              Qt::LeftButton);
    EXPECT_FALSE(BarMove::Instance().IsMoving());
}

TEST_F(BarMoveTest, DraggingAFloatingBarsRightBorderRewrapsItsLinks) {
    TcbBar& bar = MakeBar("Tools", dsNone, 6);
    bar.SetFloatLeft(100);
    bar.SetFloatTop(100);
    bar.SetFloatClientWidth(6 * 23);
    bar.SetVisible(true);
    TcbBarControl& window = WindowOf(bar);
    ASSERT_EQ(window.ClientRect().Width(), 6 * 23);
    const int right = window.width() - 1;
    SendMouse(window, QEvent::MouseButtonPress, {right, 20}, Qt::LeftButton);
    SendMouse(window, QEvent::MouseMove, {right - 60, 20}, Qt::LeftButton);
    EXPECT_EQ(window.ClientRect().Width(), 3 * 23);  // 78 pixels left: three buttons a line
    EXPECT_EQ(window.ClientRect().Height(), 2 * 22);
    EXPECT_EQ(window.x(), 100);  // the left edge stays
    SendMouse(window, QEvent::MouseButtonRelease, {right - 60, 20}, Qt::NoButton);
    EXPECT_EQ(bar.FloatClientWidth(), 3 * 23);
}

}  // namespace
}  // namespace bars::testing
