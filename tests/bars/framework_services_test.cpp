#include "bars/services/bar_fonts.h"
#include "bars/services/bar_window_chain.h"
#include "bars/services/framework_cursors.h"
#include "bars/services/framework_services.h"
#include "bars/services/menu_sounds.h"
#include "bars/services/message_pumps.h"
#include "bars/services/mouse_leave_tracking.h"

#include "platform/core/message_queue.h"
#include "platform/core/system_sounds.h"
#include "platform/core/timer_service.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/cursors.h"
#include "platform/qt/logical_fonts.h"
#include "platform/qt/message_queue_qt.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"
#include "tests/support/media_doubles.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace bars {
namespace {

using platform::WindowMessage;

// Two bar windows side by side, each logging the messages it is sent.
class MouseLeaveFallbackTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetLeaveNotificationAvailable(false);
        for (int i = 0; i < 2; ++i) {
            auto bar = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint);
            bar->setGeometry(100 + 100 * i, 100, 80, 22);
            bar->show();
            platform::WindowList::Instance().BringToTop(bar.get());
            const WindowHandle handle = platform::HandleOf(bar.get());
            platform::MessageRouter::Instance().Register(handle, [this, i](const WindowMessage& m) {
                std::string entry = "bar" + std::to_string(i) + (m.message == platform::WM_MOUSELEAVE ? " leave" : " other");
                // What is tracked at the moment the leave arrives.
                for (std::size_t other = 0; other < m_handles.size(); ++other)
                    if (IsTrackingMouseLeave(m_handles[other])) entry += ", bar" + std::to_string(other) + " tracked";
                m_log.push_back(entry);
                return std::intptr_t{0};
            });
            m_handles.push_back(handle);
            m_bars.push_back(std::move(bar));
        }
    }
    void TearDown() override {
        for (WindowHandle handle : m_handles) platform::MessageRouter::Instance().Unregister(handle);
        SetLeaveNotificationAvailable(true);
        platform::OverrideCursorPos(std::nullopt);
    }
    void Track(int bar) {
        m_log.push_back("track bar" + std::to_string(bar));
        TrackMouseLeave(m_handles[static_cast<std::size_t>(bar)]);
    }

    platform::VirtualTimerService m_timers;
    platform::ScopedTimerService m_scoped{m_timers};
    std::vector<std::unique_ptr<QWidget>> m_bars;
    std::vector<WindowHandle> m_handles;
    std::vector<std::string> m_log;
};

TEST_F(MouseLeaveFallbackTest, MovingToTheNextWindowEndsTheFirstWithItsLeaveBeforeTheSecondIsTracked) {
    platform::OverrideCursorPos(platform::Point{110, 105});
    Track(0);
    EXPECT_TRUE(IsTrackingMouseLeave(m_handles[0]));
    platform::SetCursorPos({210, 105});
    Track(1);
    // The first hears of the leave while neither window is tracked.
    EXPECT_EQ(m_log, (std::vector<std::string>{"track bar0", "track bar1", "bar0 leave"}));
    EXPECT_FALSE(IsTrackingMouseLeave(m_handles[0]));
    EXPECT_TRUE(IsTrackingMouseLeave(m_handles[1]));
    EXPECT_EQ(m_timers.Count(), 1u);
}

TEST_F(MouseLeaveFallbackTest, ThePollEndsTrackingWhenThePointerIsElsewhere) {
    platform::OverrideCursorPos(platform::Point{110, 105});
    Track(0);
    m_timers.Advance(kLeavePollMs * 4);
    EXPECT_EQ(m_log, (std::vector<std::string>{"track bar0"}));
    platform::SetCursorPos({500, 500});
    m_timers.Advance(kLeavePollMs);
    EXPECT_EQ(m_log, (std::vector<std::string>{"track bar0", "bar0 leave"}));
    EXPECT_EQ(m_timers.Count(), 0u);
    // Ending another window leaves the watch alone but still tells that window.
    Track(1);
    EndMouseLeaveTracking(m_handles[0]);
    EXPECT_TRUE(IsTrackingMouseLeave(m_handles[1]));
    EXPECT_EQ(m_log.back(), "bar0 leave, bar1 tracked");
}

TEST(MouseLeaveNotification, EndingSendsTheLeaveAndCancelsTheRequest) {
    platform::VirtualTimerService timers;
    platform::ScopedTimerService scoped(timers);
    constexpr WindowHandle kBar = 0x5150;
    std::vector<unsigned> seen;
    platform::MessageRouter::Instance().Register(kBar, [&](const WindowMessage& m) {
        seen.push_back(m.message);
        return std::intptr_t{0};
    });
    ASSERT_TRUE(HasLeaveNotification());
    TrackMouseLeave(kBar);
    EXPECT_TRUE(IsTrackingMouseLeave(kBar));
    EndMouseLeaveTracking(kBar);
    EXPECT_FALSE(IsTrackingMouseLeave(kBar));
    EXPECT_EQ(seen, (std::vector<unsigned>{platform::WM_MOUSELEAVE}));
    platform::MessageRouter::Instance().Unregister(kBar);
}

TEST(MessagePumps, AQuitDuringAPumpEndsItAndIsPostedAgainForTheMainLoop) {
    platform::VirtualMessageQueue queue;
    platform::InstallMessageQueue(&queue);
    constexpr WindowHandle kMenu = 0x600;
    std::vector<unsigned> dispatched;
    platform::MessageRouter::Instance().Register(kMenu, [&](const WindowMessage& m) {
        dispatched.push_back(m.message);
        if (m.message == platform::WM_LBUTTONDOWN) queue.PostQuit(4);  // the click quits the program
        return std::intptr_t{0};
    });
    queue.Post({kMenu, platform::WM_MOUSEMOVE, 0, 0});
    queue.Post({kMenu, platform::WM_PAINT, 0, 0});
    queue.Post({kMenu, platform::WM_LBUTTONDOWN, 0, 0});
    queue.Post({kMenu, platform::WM_LBUTTONUP, 0, 0});
    EXPECT_FALSE(PumpMouseMessages());
    EXPECT_EQ(dispatched, (std::vector<unsigned>{platform::WM_MOUSEMOVE, platform::WM_LBUTTONDOWN}));
    // The main loop takes the quit first, with its exit code.
    const auto next = queue.Take(0, 0xFFFF);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->message, platform::WM_QUIT);
    EXPECT_EQ(next->wParam, 4);
    EXPECT_TRUE(PumpPaintMessages());
    EXPECT_EQ(dispatched.back(), platform::WM_PAINT);
    platform::MessageRouter::Instance().Unregister(kMenu);
    platform::InstallMessageQueue(nullptr);
}

TEST(MessagePumps, OnQtTheQuitStillEndsTheMainLoop) {
    // The application's own loop, which forgets the quit once it has ended (a quit left behind
    // would end every later loop of the process at once).
    bool pumpEnded = false;
    QTimer::singleShot(0, [&] {
        platform::MessageQueue().PostQuit(6);
        pumpEnded = !PumpMouseMessages();
    });
    QTimer safety;  // a safety net, never reached when it works
    safety.callOnTimeout([] { QCoreApplication::exit(-1); });
    safety.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 6);
    EXPECT_TRUE(pumpEnded);
}

TEST(BarFont, ScaledFontsTakeTheIconTitleFontAtLeast11PixelsHighWithTheirOwnFace) {
    platform::CanvasFont font;
    font.name = "Verdana";
    font.height = -8;
    font.style = platform::kFontBold;
    std::optional<platform::CanvasFont> target = platform::CanvasFont{};
    CreateBarFont(font, target, true);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->name, "Verdana");
    EXPECT_EQ(target->height, -11);
    EXPECT_EQ(target->style, platform::IconTitleFont().style);
    CreateBarFont(font, target, false);
    EXPECT_EQ(*target, font);
}

class RecordingSystemSounds : public platform::ISystemSounds {
public:
    void PlayAlias(std::string_view name) override { played.emplace_back(name); }
    std::vector<std::string> played;
};

TEST(PlayMenuSound, TheTwoNamedSoundsAndSilenceOtherwise) {
    PlayMenuSound(0);  // nothing installed: silent
    RecordingSystemSounds sounds;
    platform::InstallSystemSounds(&sounds);
    PlayMenuSound(kMenuSoundPopup);
    PlayMenuSound(kMenuSoundCommand);
    PlayMenuSound(2);
    PlayMenuSound(-1);
    platform::InstallSystemSounds(nullptr);
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"MenuPopup", "MenuCommand"}));
}

// The test program, like every program that links the framework, had it initialised with its
// application object.
TEST(FrameworkInitialisation, RunsWithTheApplicationCountedWithPartsUndoneInReverse) {
    ASSERT_TRUE(IsFrameworkInitialized());
    for (int id : {kDragCursor, kDragCopyCursor, kNoDropCursor, kEditSizingCursor}) {
        EXPECT_TRUE(FrameworkCursors().HasCursor(id)) << id;
        EXPECT_FALSE(FrameworkCursor(id).pixmap().isNull()) << id;
    }
    // The no-drop circle points with its centre.
    EXPECT_EQ(FrameworkCursor(kNoDropCursor).hotSpot(), QPoint(10, 10));

    // Parts added meanwhile come up at once; their steps outlive this test.
    const auto log = std::make_shared<std::vector<std::string>>();
    AddFrameworkPart([log] { log->push_back("registry up"); }, [log] { log->push_back("registry down"); });
    AddFrameworkPart([log] { log->push_back("managers up"); }, [log] { log->push_back("managers down"); });
    test_support::RecordingCursorTable cursors;
    test_support::FakeResourceLibrary library;
    for (const char* name : {"CBBARDRAGCURSOR", "CBBARDRAGCOPYCURSOR", "CBBARDRAGNODROPCURSOR", "CBBAREDITSIZINGCURSOR"})
        library.AddCursor(name, "cursor");
    InitializeFramework(&cursors, &library);
    EXPECT_TRUE(cursors.Loaded().empty()) << "a second initialisation only counts";
    FinalizeFramework();
    EXPECT_TRUE(IsFrameworkInitialized());

    LiveBarWindows::Instance().Add(log.get());
    FinalizeFramework();
    EXPECT_FALSE(IsFrameworkInitialized());
    FinalizeFramework();  // one too many: nothing
    EXPECT_EQ(*log, (std::vector<std::string>{"registry up", "managers up", "managers down", "registry down"}));
    EXPECT_FALSE(IsLiveBarWindow(log.get()));
    EXPECT_FALSE(FrameworkCursors().HasCursor(kDragCursor));

    // Brought up again, it installs the cursors of the table and library given, or its own.
    InitializeFramework(&cursors, &library);
    EXPECT_EQ(cursors.Loaded(), (std::map<int, std::string>{{1041, "CBBARDRAGCURSOR"},
                                                             {1042, "CBBARDRAGCOPYCURSOR"},
                                                             {1043, "CBBARDRAGNODROPCURSOR"},
                                                             {1044, "CBBAREDITSIZINGCURSOR"}}));
    FinalizeFramework();
    InitializeFramework();
    EXPECT_TRUE(FrameworkCursors().HasCursor(kEditSizingCursor));
}

TEST(PopupEntries, PurgedFromLastToFirstWhenTheirLinkIsGone) {
    std::vector<int> freed;
    std::vector<bool> linked{true, false, true, false};
    PopupEntries& entries = PopupEntries::Instance();
    for (int i = 0; i < 4; ++i)
        entries.Add({nullptr, [&linked, i] { return linked[static_cast<std::size_t>(i)]; }, [&freed, i] { freed.push_back(i); }});
    entries.Purge();
    EXPECT_EQ(freed, (std::vector<int>{3, 1}));
    EXPECT_EQ(entries.Count(), 2u);
    entries.Clear();
    EXPECT_EQ(freed, (std::vector<int>{3, 1, 2, 0}));
}

// Bar windows as the chain helpers see them.
struct FakeBarWindow {
    explicit FakeBarWindow(FakeBarWindow* parent = nullptr) : parent(parent) { LiveBarWindows::Instance().Add(this); }
    virtual ~FakeBarWindow() { LiveBarWindows::Instance().Remove(this); }
    FakeBarWindow* ParentBarWindow() const { return parent; }
    bool IsDestroying() const { return destroying; }
    FakeBarWindow* parent;
    bool destroying = false;
};
struct FakeToolbar : FakeBarWindow {
    using FakeBarWindow::FakeBarWindow;
};

TEST(BarWindowChain, TheRootStopsAtADestroyedOrDyingOpener) {
    FakeToolbar bar;
    FakeBarWindow menu(&bar);
    FakeBarWindow subMenu(&menu);
    EXPECT_EQ(ChainRoot(&subMenu), &bar);
    EXPECT_EQ((ChainRootToolbar<FakeToolbar>(&subMenu)), &bar);
    bar.destroying = true;
    EXPECT_EQ(ChainRoot(&subMenu), &menu);
    EXPECT_EQ((ChainRootToolbar<FakeToolbar>(&subMenu)), nullptr);  // a menu at the root
    auto popup = std::make_unique<FakeBarWindow>();
    FakeBarWindow orphan(popup.get());
    popup.reset();
    EXPECT_EQ(ChainRoot(&orphan), &orphan);
    EXPECT_EQ(ChainRoot<FakeBarWindow>(nullptr), nullptr);
    EXPECT_FALSE(IsLiveBarWindow(nullptr));
}

TEST(FrameworkMetrics, FromTheFixedTables) {
    EXPECT_EQ(FrameWidth(), 4);
    EXPECT_EQ(FrameHeight(), 4);
    EXPECT_EQ(BorderWidth(), 1);
    EXPECT_EQ(SmallCaptionHeight(), 15);
    EXPECT_EQ(GetWorkArea({10, 10}), (Rect{0, 0, 800, 600}));
}

}  // namespace
}  // namespace bars
