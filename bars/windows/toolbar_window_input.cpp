// Mouse input of a toolbar window: hit testing, the grip and caption, the close buttons,
// sizing a floating bar, docking by double click.
#include "bars/windows/toolbar_window.h"

#include "bars/controls/item_control.h"
#include "bars/items/bar_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/services/framework_services.h"
#include "bars/toolbars/bar.h"
#include "bars/windows/bar_move.h"
#include "bars/windows/bar_sizes.h"
#include "bars/windows/dock_control.h"
#include "platform/core/timer_service.h"
#include "platform/core/window_messages.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/window_list.h"

#include <QMouseEvent>

namespace bars {

namespace {
constexpr int kSizingTopLimit = -15;
}  // namespace

// ---- mouse ----------------------------------------------------------------------------

int TcbBarControl::HitTest(platform::Point p) const {
    const platform::Rect area = ClientArea();
    const bool inClient = area.Contains(p);
    const platform::Point client = WindowToClient(p);
    if (m_dockingStyle != dsNone) {
        if (inClient) {
            if (OverEndMark(p) || CaptionButtonAt(p, false) >= 0) return platform::HTCLIENT;
            TcbBarItemControl* control = ItemAtPos(client);
            if (control && (IsCustomizing() || (control->Item() && control->Item()->CanSelectByKeyboard())))
                return platform::HTCLIENT;
        }
        return platform::HTCAPTION;
    }
    if (inClient || OverEndMark(p)) return platform::HTCLIENT;
    if (!m_captionPresent) return platform::HTBORDER;
    const platform::Rect strip = CaptionStrip({width(), height()}, FrameWidth(), FrameHeight(), SmallCaptionHeight());
    if (strip.Contains(p)) {
        const platform::Rect close = CloseButtonRect();
        if (m_bar.CanClose() && close.Contains(p))
            return platform::HTCLOSE;
        return platform::HTCAPTION;
    }
    switch (FloatingSizingEdge({width(), height()}, p, FrameWidth(), FrameHeight())) {
    case SizingEdge::Left: return platform::HTLEFT;
    case SizingEdge::Right: return platform::HTRIGHT;
    case SizingEdge::Top: return platform::HTTOP;
    case SizingEdge::Bottom: return platform::HTBOTTOM;
    case SizingEdge::None: break;
    }
    return platform::HTNOWHERE;
}

platform::Rect TcbBarControl::FloatingMarkRect() const {
    const platform::Rect strip = CaptionStrip({width(), height()}, FrameWidth(), FrameHeight(), SmallCaptionHeight());
    return {strip.left, strip.top, strip.left + kFloatingMarkWidth, strip.bottom};
}

bool TcbBarControl::OverEndMark(platform::Point window) const {
    if (m_dockingStyle == dsNone) {
        const platform::Rect r = FloatingMarkRect();
        return ShowsEndMark() && r.Contains(window);
    }
    // The end mark's place takes the caption buttons: asked at every pointer move, only when
    // there is a mark.
    return HasEndMark() && EndMarkRect().Contains(WindowToClient(window));
}

void TcbBarControl::PollMark() {
    const platform::Point window = platform::ScreenToClient(this, platform::CursorPos());
    if (!isVisible() || !OverEndMark(window)) SetMarkState(0);
}

void TcbBarControl::StopMarkPoll() {
    // Never installs a service: this also runs while the window is destroyed.
    if (platform::ITimerService* timers = platform::InstalledTimerService())
        timers->KillWindowTimer(Handle(), kMarkPollTimer);
}

void TcbBarControl::WindowPress(platform::Point window, bool doubleClick) {
    if (!IsCustomizing()) {
        const std::vector<CaptionButton> buttons = CaptionButtons();
        if (const int index = CaptionButtonAt(window, true, buttons); index >= 0) {
            HoldCaptionButton(index, buttons[static_cast<std::size_t>(index)].kind);
            return;
        }
    }
    const int hit = HitTest(window);
    const platform::Point screen = platform::ClientToScreen(this, window);
    if (hit == platform::HTCAPTION) {
        if (doubleClick) {
            if (!Manager().IsDesigning()) ToggleDocking();
            return;
        }
        BarMove::Instance().Begin(*this, screen);
        return;
    }
    if (hit == platform::HTCLOSE) {
        CloseAll();
        m_closeTracking = m_closePressed = true;
        platform::SetCapture(Handle());
        Repaint();
        return;
    }
    if (hit >= platform::HTLEFT && hit <= platform::HTBOTTOM) {
        m_sizing = hit == platform::HTLEFT    ? SizingEdge::Left
                   : hit == platform::HTRIGHT ? SizingEdge::Right
                   : hit == platform::HTTOP   ? SizingEdge::Top
                                              : SizingEdge::Bottom;
        m_sizingStart = {x(), y(), x() + width(), y() + height()};
        m_sizingPress = screen;
        platform::SetCapture(Handle());
        return;
    }
    if (Manager().Style() == bmsEnhanced && OverEndMark(window)) {
        SetMarkState(m_markState == 2 ? 1 : 2);
        return;
    }
    TCustomcbBarControl::WindowPress(window, doubleClick);
}

void TcbBarControl::WindowRelease(platform::Point window) {
    if (m_captionButtonTracking) {
        ReleaseCaptionButton(window);
        return;
    }
    if (m_closeTracking) {
        m_closeTracking = false;
        platform::ReleaseCapture();
        const bool over = HitTest(window) == platform::HTCLOSE;
        m_closePressed = false;
        Repaint();
        if (over) {
            TcbBarManager& manager = Manager();
            TcbBar& bar = m_bar;
            bar.SetVisible(false);
            if (manager.OnBarClose) manager.OnBarClose(manager, bar);
        }
        return;
    }
    if (m_sizing != SizingEdge::None) {
        m_sizing = SizingEdge::None;
        platform::ReleaseCapture();
        SavePlace();
        return;
    }
    TCustomcbBarControl::WindowRelease(window);
}

void TcbBarControl::WindowMove(platform::Point window) {
    if (m_captionButtonTracking) {
        const bool over = CaptionButtonAt(window, false) == m_heldCaptionButton;
        if (over != m_captionButtonPressed) {
            m_captionButtonPressed = over;
            Repaint();
        }
        return;
    }
    if (m_closeTracking) {
        const bool over = HitTest(window) == platform::HTCLOSE;
        if (over != m_closePressed) {
            m_closePressed = over;
            Repaint();
        }
        return;
    }
    if (m_sizing != SizingEdge::None) {
        Resize(m_sizing, platform::ClientToScreen(this, window));
        return;
    }
    // The enhanced end mark lights up under the mouse.
    if (Manager().Style() == bmsEnhanced && m_markState != 2) {
        const bool over = OverEndMark(window);
        if (over != (m_markState == 1)) SetMarkState(over ? 1 : 0);
    }
    TCustomcbBarControl::WindowMove(window);
}

void TcbBarControl::Resize(SizingEdge edge, platform::Point screen) {
    const platform::Size extra = Manager().BarExtraSize(dsNone);
    platform::Rect r = m_sizingStart;
    const bool sideways = edge == SizingEdge::Left || edge == SizingEdge::Right;
    const bool fromStart = edge == SizingEdge::Left || edge == SizingEdge::Top;
    const int moved = sideways ? screen.x - m_sizingPress.x : screen.y - m_sizingPress.y;
    const int dragged = (sideways ? r.Width() : r.Height()) + (fromStart ? -moved : moved);
    const platform::Size client = sideways ? FloatingSizeForWidth(Metrics(false), dragged - extra.width)
                                           : FloatingSizeForHeight(Metrics(false), dragged - extra.height);
    // The dragged edge moves; the opposite one, and the top-left for the other direction, stay.
    const int width = client.width + extra.width, height = client.height + extra.height;
    if (edge == SizingEdge::Left)
        r.left = r.right - width;
    else
        r.right = r.left + width;
    if (edge == SizingEdge::Top)
        r.top = r.bottom - height;
    else
        r.bottom = r.top + height;
    if (r.top < kSizingTopLimit) r = {r.left, kSizingTopLimit, r.right, kSizingTopLimit + r.Height()};
    setGeometry(r.left, r.top, r.Width(), r.Height());
    CalcLayout();
    Repaint();
}

void TcbBarControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && !IsCustomizing()) {
        if (ToolbarsPopupHandler()) {
            const QPoint p = event->globalPosition().toPoint();
            ToolbarsPopupHandler()(Manager(), {p.x(), p.y()});
        }
        return;
    }
    TCustomcbBarControl::mousePressEvent(event);
}

void TcbBarControl::ToggleDocking() {
    const TcbBarDockingStyle target =
        m_dockingStyle != dsNone ? dsNone : (m_bar.DockedDockingStyle() == dsNone ? dsTop : m_bar.DockedDockingStyle());
    if (!Manager().CanDocking(m_bar, target)) return;
    TcbBar& bar = m_bar;
    TcbBarManager& manager = Manager();
    const bool floating = m_dockingStyle == dsNone;
    bar.SetVisible(false);  // this window goes
    if (floating) {
        if (bar.DockedDockingStyle() != dsNone) {
            bar.SetDockingStyle(bar.DockedDockingStyle());
        } else {
            bar.SetDockingStyle(dsTop);
            bar.SetOneOnRow(true);
            bar.SetRow(DockAreasOf(manager).Area(dsTop)->Rows().RowCount());
        }
    } else {
        bar.SetDockingStyle(dsNone);
    }
    bar.SetVisible(true);
}

}  // namespace bars
