#include "tests/bars/windows_fixture.h"

#include "bars/customize/customizing_form.h"

#include "platform/core/input_hooks.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"

#include <QMouseEvent>
#include <QWindow>

namespace bars::testing {
namespace {

using platform::Point;

void SendMouse(QWidget& window, QEvent::Type type, platform::Point local, Qt::MouseButtons buttons) {
    const QPointF at(local.x, local.y);
    const QPoint global = window.mapToGlobal(QPoint(local.x, local.y));
    QMouseEvent event(type, at, QPointF(global), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);
}

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
    TcbBar& bar = ShowFloating("Tools", 1, 150, 150, 100);
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
    TcbBar& bar = ShowFloating("Tools", 6, 100, 150, 6 * 23);
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
    TcbBar& bar = ShowFloating("Tools", 6, 100, 100, 6 * 23);
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
    // Dragging the bottom border down by a line: three lines, two buttons a line.
    const int bottom = window.height() - 1;
    const int top = window.geometry().top();
    SendMouse(window, QEvent::MouseButtonPress, {20, bottom}, Qt::LeftButton);
    SendMouse(window, QEvent::MouseMove, {20, bottom + 22}, Qt::LeftButton);
    EXPECT_EQ(window.ClientRect().Width(), 2 * 23);
    EXPECT_EQ(window.ClientRect().Height(), 3 * 22);
    EXPECT_EQ(window.geometry().top(), top);
    SendMouse(window, QEvent::MouseButtonRelease, {20, bottom + 22}, Qt::NoButton);
}


TEST_F(BarMoveTest, TheApplicationsMouseEventsDriveTheMove) {
    manager->SetWaitForDockingTime(0);
    TcbBar& bar = ShowBar("Tools", dsTop, 3);
    TcbBarControl& window = WindowOf(bar);
    // As the platform delivers them: to the form's window, which hands them to its widgets.
    const auto send = [this](QEvent::Type type, platform::Point at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at.x, at.y), QPointF(form->mapToGlobal(QPoint(at.x, at.y))),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(form->windowHandle(), &event);
    };
    send(QEvent::MouseButtonPress, {3, 10}, Qt::LeftButton);  // on the grip
    ASSERT_TRUE(BarMove::Instance().IsMoving());
    send(QEvent::MouseMove, {200, 150}, Qt::LeftButton);
    EXPECT_EQ(bar.DockingStyle(), dsNone);
    send(QEvent::MouseButtonRelease, {200, 150}, Qt::NoButton);
    EXPECT_FALSE(BarMove::Instance().IsMoving());
    // The cursor keeps its grab on the bar: it is still inside, at the grab offset.
    const platform::Rect placed = platform::ScreenRect(&window);
    const platform::Point cursor = platform::ClientToScreen(form.get(), {200, 150});
    EXPECT_EQ(placed.left, cursor.x - BarMove::Instance().GrabOffset().x);
    EXPECT_EQ(placed.top, cursor.y - BarMove::Instance().GrabOffset().y);
}

TEST_F(BarMoveTest, AfterAGripClickTheBarsFollowTheMouseAgain) {
    TcbBar& bar = ShowBar("Tools", dsTop, 3);
    TcbBar& other = ShowBar("Other", dsTop, 3, 1);
    // As the platform delivers them: to the form's window, which hands them to its widgets.
    const auto send = [this](QEvent::Type type, platform::Point at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at.x, at.y), QPointF(form->mapToGlobal(QPoint(at.x, at.y))),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(form->windowHandle(), &event);
    };
    send(QEvent::MouseButtonPress, {3, 10}, Qt::LeftButton);
    ASSERT_TRUE(BarMove::Instance().IsMoving());
    send(QEvent::MouseButtonRelease, {3, 10}, Qt::NoButton);
    ASSERT_FALSE(BarMove::Instance().IsMoving());
    ASSERT_EQ(bar.DockingStyle(), dsTop);
    const platform::Point over = platform::ScreenToClient(form.get(), WindowOf(other).ClientToScreenPoint(CentreOf(other, 1)));
    send(QEvent::MouseMove, over, Qt::NoButton);
    EXPECT_EQ(WindowOf(other).SelectedControl(), other.ItemLinks().Items(1)->Control());
}

TEST_F(BarMoveTest, AFloatingBarDraggedOffTheWorkAreaStaysWithinReach) {
    TcbBar& bar = ShowFloating("Tools", 3, 100, 100, 3 * 23);
    TcbBarControl& window = WindowOf(bar);
    ASSERT_TRUE(BarMove::Instance().Begin(window, ScreenOf(window, {30, 5})));
    MoveMouse({-500, 100});
    EXPECT_EQ(platform::ScreenRect(&window).left, 0);
    MoveMouse({400, 5000});
    EXPECT_EQ(platform::ScreenRect(&window).bottom, 600);
    Release({400, 5000});
}

TEST_F(BarMoveTest, WhileCustomizingTheCustomizingDialogHoldsTheMouse) {
    manager->SetWaitForDockingTime(0);
    TcbBar& bar = ShowBar("Tools", dsTop, 3);
    TcbBarControl& window = WindowOf(bar);
    TcbBarCustomizingForm* dialog = ShowCustomizingForm(*manager);
    ASSERT_TRUE(BarMove::Instance().Begin(window, ScreenOf(window, {4, 10})));
    EXPECT_EQ(platform::GetCapture(), platform::HandleOf(dialog));
    MoveMouse({200, 150});
    EXPECT_EQ(bar.DockingStyle(), dsNone);
    Release({200, 150});
    EXPECT_EQ(platform::GetCapture(), platform::kNoWindow);
    CloseCustomizingForm();
    FlushDeletes();
}

TEST_F(BarMoveTest, TheEnhancedEndMarkLightsUpUnderTheMouse) {
    TcbBar& bar = ShowBar("Tools", dsTop, 2);
    TcbBarControl& window = WindowOf(bar);
    ASSERT_TRUE(window.HasEndMark());
    const platform::Rect mark = window.EndMarkRect();
    const FrameInsets frame = window.Insets();
    SendMouse(window, QEvent::MouseMove, {mark.left + 5 + frame.left, mark.top + 5 + frame.top}, Qt::NoButton);
    EXPECT_EQ(window.MarkState(), 1);
    SendMouse(window, QEvent::MouseMove, {3, 3}, Qt::NoButton);
    EXPECT_EQ(window.MarkState(), 0);
}

TEST_F(BarMoveTest, TheMenuBarsCloseButtonFiresOnlyWhenReleasedOverIt) {
    manager->SetShowCloseButton(true);
    TcbBar& bar = MakeBar("Main Menu", dsTop, 2);
    bar.SetIsMainMenu(true);
    bar.SetVisible(true);
    int closes = 0;
    manager->OnCloseButtonClick = [&](TcbBarManager&) { ++closes; };
    TcbBarControl& window = WindowOf(bar);
    const platform::Point button{window.width() - 2 - 5, window.height() / 2};  // inside the frame's 2 pixels
    SendMouse(window, QEvent::MouseButtonPress, button, Qt::LeftButton);
    SendMouse(window, QEvent::MouseButtonRelease, {button.x - 100, button.y}, Qt::NoButton);
    EXPECT_EQ(closes, 0);
    SendMouse(window, QEvent::MouseButtonPress, button, Qt::LeftButton);
    SendMouse(window, QEvent::MouseButtonRelease, button, Qt::NoButton);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(BarMove::Instance().IsMoving());
}

constexpr const char* kSideNames[] = {"floating", "left", "top", "right", "bottom"};

// Two bars on one side, each alone on its row, as the user grabs their grips.
class DockedGripTest : public BarMoveTest, public ::testing::WithParamInterface<TcbBarDockingStyle> {
public:
    DockedGripTest() { bars = {&ShowBar("One", GetParam(), 3, 0), &ShowBar("Two", GetParam(), 3, 1)}; }
    bool Vertical() const { return GetParam() == dsLeft || GetParam() == dsRight; }
    TcbDockControl& Area() const { return *DockAreasOf(*manager).Area(GetParam()); }
    // Each bar's row and place, and the area's size; `across` leaves out the place along.
    std::vector<int> Layout(bool across) const {
        std::vector<int> layout{Area().AreaSize()};
        for (TcbBar* bar : bars) {
            const platform::Rect r = WindowOf(*bar).Bounds();
            layout.insert(layout.end(), {Area().Rows().RowIndex(WindowOf(*bar)), Vertical() ? r.left : r.top});
            if (!across) layout.insert(layout.end(), {r.left, r.top});
        }
        return layout;
    }
    Point Shift(Point p, int across, int along) const {
        return Vertical() ? Point{p.x + across, p.y + along} : Point{p.x + along, p.y + across};
    }

    std::vector<TcbBar*> bars;
};

TEST_P(DockedGripTest, AClickOrASmallDragOnAGripChangesNoRow) {
    const std::vector<int> rows = Layout(true);
    for (TcbBar* bar : bars) {
        TcbBarControl& window = WindowOf(*bar);
        const int thickness = Vertical() ? window.width() : window.height();
        // Near the top, the middle and the end of the grip, across the bar.
        for (int at : {3, thickness / 2, thickness - 3}) {
            const Point grip = Vertical() ? Point{at, 3} : Point{3, at};
            const Point screen = ScreenOf(window, grip);
            const std::vector<int> placed = Layout(false);
            SendMouse(window, QEvent::MouseButtonPress, grip, Qt::LeftButton);
            ASSERT_TRUE(BarMove::Instance().IsMoving());
            Release(screen);
            EXPECT_EQ(Layout(false), placed) << "a click at " << at;
            // A drag of a pixel or two only slides the bar along its row.
            SendMouse(window, QEvent::MouseButtonPress, grip, Qt::LeftButton);
            for (int by : {1, -1, 2, 0}) MoveMouse(Shift(screen, by, 1));
            Release(screen);
            EXPECT_EQ(bar->DockingStyle(), GetParam());
            EXPECT_EQ(Layout(true), rows) << "a drag at " << at;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllFourSides, DockedGripTest, ::testing::Values(dsTop, dsLeft, dsRight, dsBottom),
                         [](const auto& info) { return std::string(kSideNames[info.param]); });

}  // namespace
}  // namespace bars::testing
