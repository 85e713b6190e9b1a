#include "platform/core/system_colours.h"
#include "platform/core/timer_service.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/message_queue_qt.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/mouse_leave.h"
#include "platform/qt/non_client.h"
#include "platform/qt/system_sounds_qt.h"
#include "platform/qt/timer_service_qt.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"
#include "platform/qt/work_area.h"
#include "tests/support/media_doubles.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace platform {
namespace {

// Windows that log the messages they are sent.
class MessageLog {
public:
    explicit MessageLog(std::initializer_list<WindowHandle> windows) {
        for (WindowHandle window : windows) {
            m_windows.push_back(window);
            MessageRouter::Instance().Register(window, [this](const WindowMessage& m) {
                m_messages.push_back(m);
                return std::intptr_t{0};
            });
        }
    }
    ~MessageLog() {
        for (WindowHandle window : m_windows) MessageRouter::Instance().Unregister(window);
    }
    std::vector<WindowMessage> m_messages;

private:
    std::vector<WindowHandle> m_windows;
};

constexpr WindowHandle kBarA = 0xA0;
constexpr WindowHandle kBarB = 0xB0;

TEST(MouseCapture, TheLoserHearsOfEveryChangeAndTheNewHolder) {
    MessageLog log{kBarA, kBarB};
    EXPECT_EQ(SetCapture(kBarA), kNoWindow);
    EXPECT_EQ(SetCapture(kBarA), kBarA);  // taken again: no change, no message
    EXPECT_EQ(SetCapture(kBarB), kBarA);
    EXPECT_EQ(GetCapture(), kBarB);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_FALSE(ReleaseCapture());
    EXPECT_EQ(log.m_messages, (std::vector<WindowMessage>{{kBarA, WM_CAPTURECHANGED, 0, static_cast<std::intptr_t>(kBarB)},
                                                          {kBarB, WM_CAPTURECHANGED, 0, 0}}));
}

TEST(MouseLeaveTracker, ALeaveIsToldOnceWhenAnotherWindowIsUnderTheMouse) {
    VirtualTimerService timers;
    ScopedTimerService scoped(timers);
    MessageLog log{kBarA, kBarB};
    MouseLeaveTracker& tracker = MouseLeaveTracker::Instance();
    tracker.Track(kBarA);
    tracker.Check(kBarA);
    EXPECT_TRUE(log.m_messages.empty());
    tracker.Check(kBarB);
    tracker.Check(kBarB);
    EXPECT_EQ(log.m_messages, (std::vector<WindowMessage>{{kBarA, WM_MOUSELEAVE, 0, 0}}));
    EXPECT_FALSE(tracker.IsTracking(kBarA));
    EXPECT_EQ(timers.Count(), 0u);  // nothing tracked: no poll
}

TEST(MouseLeaveTracker, ThePollNoticesThePointerLeavingOurWindows) {
    VirtualTimerService timers;
    ScopedTimerService scoped(timers);
    QWidget bar(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    bar.setGeometry(300, 300, 60, 20);
    bar.show();
    WindowList::Instance().BringToTop(&bar);
    const WindowHandle handle = HandleOf(&bar);
    MessageLog log{handle};
    OverrideCursorPos(Point{310, 305});
    MouseLeaveTracker::Instance().Track(handle);
    timers.Advance(MouseLeaveTracker::kPollMs * 3);
    EXPECT_TRUE(log.m_messages.empty());
    SetCursorPos({10, 10});
    EXPECT_EQ(CursorPos(), (Point{10, 10}));
    timers.Advance(MouseLeaveTracker::kPollMs - 1);
    EXPECT_TRUE(log.m_messages.empty());
    timers.Advance(1);
    EXPECT_EQ(log.m_messages, (std::vector<WindowMessage>{{handle, WM_MOUSELEAVE, 0, 0}}));
    OverrideCursorPos(std::nullopt);
}

TEST(WindowHandles, AHandleFindsItsWidgetOnlyWhileItLives) {
    auto widget = std::make_unique<QWidget>();
    const WindowHandle handle = HandleOf(widget.get());
    EXPECT_EQ(WidgetOf(handle), widget.get());
    widget.reset();
    EXPECT_EQ(WidgetOf(handle), nullptr);
    EXPECT_EQ(HandleOf(nullptr), kNoWindow);
}

TEST(WorkArea, OffscreenIsTheWholeScreenAndATestMayChooseIts) {
    EXPECT_EQ(PrimaryWorkArea(), (Rect{0, 0, 800, 600}));
    EXPECT_EQ(WorkArea({5000, -300}), (Rect{0, 0, 800, 600}));
    OverrideWorkArea(Rect{0, 0, 1024, 740});
    EXPECT_EQ(WorkArea({1, 1}), (Rect{0, 0, 1024, 740}));
    OverrideWorkArea(std::nullopt);
}

TEST(FrameHitTest, SidesCornersAndClient) {
    const Rect window{10, 10, 110, 60};
    EXPECT_EQ(FrameHitTest(window, {50, 30}, 4, 12), HTCLIENT);
    EXPECT_EQ(FrameHitTest(window, {10, 30}, 4, 12), HTLEFT);
    EXPECT_EQ(FrameHitTest(window, {109, 30}, 4, 12), HTRIGHT);
    EXPECT_EQ(FrameHitTest(window, {50, 13}, 4, 12), HTTOP);
    EXPECT_EQ(FrameHitTest(window, {50, 59}, 4, 12), HTBOTTOM);
    EXPECT_EQ(FrameHitTest(window, {20, 11}, 4, 12), HTTOPLEFT);  // on the top side, near the left end
    EXPECT_EQ(FrameHitTest(window, {108, 58}, 4, 12), HTBOTTOMRIGHT);
    EXPECT_EQ(FrameHitTest(window, {11, 50}, 4, 12), HTBOTTOMLEFT);
    EXPECT_EQ(FrameHitTest(window, {110, 30}, 4, 12), HTNOWHERE);
    EXPECT_EQ(InsetRect(window, {2, 3, 4, 5}), (Rect{12, 13, 106, 55}));
}

TEST(QtMessageQueue, PostedMessagesReachTheirWindowFromTheEventLoopAndAQuitCanBeTaken) {
    QtMessageQueue queue;
    MessageLog log{kBarA};
    queue.Post({kBarA, WM_USER + 1, 2, 3});
    queue.Post({kBarA, WM_PAINT, 0, 0});
    const auto paint = queue.Take(WM_PAINT, WM_PAINT);
    ASSERT_TRUE(paint);
    EXPECT_EQ(paint->message, WM_PAINT);
    QApplication::processEvents();
    EXPECT_EQ(log.m_messages, (std::vector<WindowMessage>{{kBarA, WM_USER + 1, 2, 3}}));
    queue.PostQuit(5);
    const auto quit = queue.Take(WM_MOUSEFIRST, WM_MOUSELAST);
    ASSERT_TRUE(quit);
    EXPECT_EQ(quit->message, WM_QUIT);
    EXPECT_EQ(quit->wParam, 5);
    // Taken: its event no longer ends the application when it arrives.
    QApplication::processEvents();
    EXPECT_FALSE(queue.Take(WM_MOUSEFIRST, WM_MOUSELAST));
}

TEST(SystemSounds, NamedSoundsPlayWithoutCuttingOffAndAreSilentWhereMissing) {
    auto player = std::make_unique<test_support::RecordingSoundPlayer>();
    auto* events = player.get();
    bool playing = false;
    SystemSounds sounds(
        [](std::string_view name) -> std::optional<std::string> {
            if (name == "MenuPopup") return std::string("RIFF-popup");
            return std::nullopt;
        },
        std::move(player), [&playing] { return playing; });
    sounds.PlayAlias("MenuCommand");
    EXPECT_EQ(events->PlayCount(), 0u);
    sounds.PlayAlias("MenuPopup");
    playing = true;
    sounds.PlayAlias("MenuPopup");
    ASSERT_EQ(events->Events().size(), 1u);
    EXPECT_EQ(events->Events()[0].mode, SoundMode::Asynchronous);
}

TEST(SystemColours, SystemValuesResolveThroughTheFixedScheme) {
    EXPECT_EQ(ResolveColour(clBtnFace), Rgb(192, 192, 192));
    EXPECT_EQ(ResolveColour(clHighlight), Rgb(0, 0, 128));
    EXPECT_EQ(ResolveColour(Rgb(1, 2, 3)), Rgb(1, 2, 3));
    EXPECT_EQ(SystemColour(kSystemColourCount), Rgb(0, 0, 0));
    EXPECT_EQ(SystemMetric(SM_CXSCREEN), 800);
    EXPECT_EQ(SystemMetric(SM_CYSMCAPTION), 15);
    EXPECT_EQ(SystemMetric(SM_CYDRAG), SystemMetric(SM_CXDRAG));
    EXPECT_EQ(SystemMetric(-1), 0);
}

TEST(QtTimerService, ATimerMayKillItselfFromItsCallback) {
    QtTimerService timers;
    QEventLoop loop;
    int fired = 0;
    const unsigned id = timers.SetTimer(1, [&](unsigned self) {
        if (++fired < 2) return;
        EXPECT_TRUE(timers.KillTimer(self));
        loop.quit();
    });
    timers.SetWindowTimer(kBarA, 1, 1, [](unsigned) {});
    timers.SetWindowTimer(kBarA, 1, 60000, [&](unsigned) { ++fired; });  // replaces the first
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);  // a safety net
    loop.exec();
    EXPECT_EQ(fired, 2);
    EXPECT_FALSE(timers.HasTimer(id));
    EXPECT_TRUE(timers.HasWindowTimer(kBarA, 1));
    timers.KillWindowTimers(kBarA);
    EXPECT_FALSE(timers.HasWindowTimer(kBarA, 1));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(Timers, TheInstalledServiceIsTheOneInUse) {
    VirtualTimerService timers;
    {
        ScopedTimerService scoped(timers);
        EXPECT_EQ(&Timers(), &timers);
    }
    EXPECT_NE(dynamic_cast<QtTimerService*>(&Timers()), nullptr);
}

}  // namespace
}  // namespace platform
