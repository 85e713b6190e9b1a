#pragma once

#include "bars/windows/bar_move.h"
#include "bars/windows/dock_control.h"
#include "bars/windows/toolbar_window.h"
#include "bars/windows/toolbar_windows.h"
#include "platform/core/timer_service.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/cursor_position.h"
#include "tests/bars/bar_fixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

namespace bars::testing {

// A 16 x 16 glyph: the square in the colour on magenta, which its bottom-left pixel makes
// transparent.
platform::Bitmap SquareGlyph(const platform::Rect& square, platform::Colour colour);

// A shown form whose bars get real toolbar windows, on a virtual clock.
class WindowsTest : public BarFixture {
public:
    WindowsTest() {
        InstallToolbarWindows();
        form->setGeometry(0, 0, 400, 300);
        form->show();
        // The user works in the form: its docked bars follow the mouse.
        QApplication::setActiveWindow(form.get());
    }
    ~WindowsTest() override {
        BarMove::Instance().End();
        platform::OverrideCursorPos(std::nullopt);
        form.reset();
        FlushDeletes();
        RemoveToolbarWindows();
    }
    static void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // A bar of `count` buttons with glyphs on the side, not yet shown; and shown.
    TcbBar& MakeBar(const std::string& caption, TcbBarDockingStyle side, int count, int row = 0);
    TcbBar& ShowBar(const std::string& caption, TcbBarDockingStyle side, int count, int row = 0) {
        TcbBar& bar = MakeBar(caption, side, count, row);
        bar.SetVisible(true);
        return bar;
    }
    // A floating bar at (left, top) whose client is `clientWidth` wide.
    TcbBar& ShowFloating(const std::string& caption, int count, int left, int top, int clientWidth) {
        TcbBar& bar = MakeBar(caption, dsNone, count);
        bar.SetFloatLeft(left);
        bar.SetFloatTop(top);
        bar.SetFloatClientWidth(clientWidth);
        bar.SetVisible(true);
        return bar;
    }
    TcbBarButton& ButtonOf(TcbBar& bar, int index) const {
        return dynamic_cast<TcbBarButton&>(*bar.ItemLinks().Items(index)->Item());
    }
    static TcbBarControl& WindowOf(const TcbBar& bar) {
        return *dynamic_cast<TcbBarControl*>(bar.ItemLinks().Window());
    }
    // The centre of a link's rectangle in its window's client area.
    static platform::Point CentreOf(const TcbBar& bar, int index) {
        const platform::Rect r = bar.ItemLinks().Items(index)->ItemRect();
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void Click(TcbBar& bar, int index) {
        TcbBarControl& window = WindowOf(bar);
        window.MouseMove(CentreOf(bar, index));
        window.LButtonDown(CentreOf(bar, index));
        window.LButtonUp(CentreOf(bar, index));
    }

    platform::VirtualTimerService timers;
    platform::ScopedTimerService timerScope{timers};
};

}  // namespace bars::testing
