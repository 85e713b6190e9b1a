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
