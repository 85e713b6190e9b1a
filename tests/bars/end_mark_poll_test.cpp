#include "tests/bars/windows_fixture.h"

#include "bars/windows/bar_layout.h"

#include <QMouseEvent>

namespace bars::testing {
namespace {

class EndMarkPollTest : public WindowsTest {
public:
    // The mouse moves to a window point of the floating bar, the cursor with it.
    void MoveTo(TcbBarControl& window, platform::Point at) {
        const QPoint global = window.mapToGlobal(QPoint(at.x, at.y));
        platform::OverrideCursorPos(platform::Point{global.x(), global.y()});
        QMouseEvent event(QEvent::MouseMove, QPointF(at.x, at.y), QPointF(global), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    }
    static platform::Point MarkCentre(const TcbBarControl& window) {
        const platform::Rect r = window.FloatingMarkRect();
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
};

TEST_F(EndMarkPollTest, AHotFloatingMarkGoesColdOnceTheCursorHasLeftIt) {
    TcbBar& bar = ShowFloating("Floating", 3, 100, 120, 70);
    TcbBarControl& window = WindowOf(bar);
    MoveTo(window, MarkCentre(window));
    ASSERT_EQ(window.MarkState(), 1);
    // Leaving through the frame brings no move to the window: only the poll notices.
    platform::OverrideCursorPos(platform::Point{0, 0});
    timers.Advance(kMarkPollMs - 1);
    EXPECT_EQ(window.MarkState(), 1);
    timers.Advance(1);
    EXPECT_EQ(window.MarkState(), 0);
    EXPECT_FALSE(timers.HasWindowTimer(window.Handle(), kMarkPollTimer));
}

TEST_F(EndMarkPollTest, AHiddenFloatingBarDropsItsHotMarkAndItsPoll) {
    TcbBar& bar = ShowFloating("Floating", 3, 100, 120, 70);
    TcbBarControl& window = WindowOf(bar);
    MoveTo(window, MarkCentre(window));
    ASSERT_EQ(window.MarkState(), 1);
    window.hide();
    timers.Advance(kMarkPollMs);
    EXPECT_EQ(window.MarkState(), 0);
    const platform::WindowHandle handle = window.Handle();
    window.show();
    MoveTo(window, MarkCentre(window));
    bar.SetVisible(false);
    EXPECT_FALSE(timers.HasWindowTimer(handle, kMarkPollTimer));
}

}  // namespace
}  // namespace bars::testing
