#include "bars/extended/spin_edit_control.h"

#include "bars/extended/extended_support.h"
#include "bars/popups/framework_timers.h"
#include "bars/windows/bar_window_base.h"
#include "platform/core/system_colours.h"
#include "platform/core/timer_service.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/canvas.h"
#include "platform/qt/classic_draw.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

namespace bars {

namespace {

using platform::SystemColour;

// Follows the bar window's mouse while a button is held.
class HeldButtonFilter : public QObject {
public:
    explicit HeldButtonFilter(TcbBarSpinEditControl& control) : m_control(control) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            m_control.MouseMoveTo({p.x(), p.y()});
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_control.StopRepeat();
        }
        return false;
    }

private:
    TcbBarSpinEditControl& m_control;
};

}  // namespace

TcbBarSpinEditControl::TcbBarSpinEditControl(TcbBarItemLink& link) : TcbBarEditControl(link) {}

TcbBarSpinEditControl::~TcbBarSpinEditControl() { KillTimer(); }

TcbBarSpinEdit* TcbBarSpinEditControl::SpinEdit() const { return dynamic_cast<TcbBarSpinEdit*>(Item()); }

unsigned TcbBarSpinEditControl::FirstRepeatDelay() {
    const int time = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    return time > static_cast<int>(kFirstDelayLess) ? static_cast<unsigned>(time) - kFirstDelayLess : 1;
}

void TcbBarSpinEditControl::Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) {
    const SpinButtonsLayout layout = LayoutSpinButtons(rect);
    m_buttonsRect = layout.shown ? layout.buttons : platform::Rect{};
    TcbBarEditControl::Draw(canvas, layout.field, place);
    if (!layout.shown) return;
    const platform::Colour face = SystemColour(platform::COLOR_BTNFACE);
    canvas.FillSolidRect({layout.strip.left, layout.strip.top, layout.strip.left + 1, layout.strip.bottom}, face);
    canvas.FillSolidRect({layout.strip.right - 1, layout.strip.top, layout.strip.right, layout.strip.bottom}, face);
    DrawButton(canvas, layout.up, layout.a, layout.arrowWidth, true);
    DrawButton(canvas, layout.down, layout.a, layout.arrowWidth, false);
}

void TcbBarSpinEditControl::DrawButton(platform::Canvas& canvas, const platform::Rect& button, int a, int arrowWidth,
                                       bool up) {
    const platform::Colour face = SystemColour(platform::COLOR_BTNFACE);
    const bool pressed = m_pressed == (up ? sbUp : sbDown) && m_shownPressed;
    platform::Rect inner = button;
    if (IsSelected())
        platform::DrawEdge(canvas, inner, pressed ? platform::BDR_SUNKENOUTER : platform::BDR_RAISEDINNER,
                           platform::BF_RECT);
    else
        FrameRectIn(canvas, inner, face);
    const platform::Rect filled{button.left + 1, button.top + 1, button.right - 1, button.bottom - 1};
    canvas.FillSolidRect(filled, face);
    platform::Point origin = SpinArrowOrigin(filled, a, up);
    if (pressed) origin = {origin.x + 1, origin.y + 1};
    const auto arrow = [&](platform::Point at, platform::Colour colour) {
        for (int k = 0; k < a; ++k) {
            const int y = up ? at.y - k : at.y + k;
            canvas.FillSolidRect({at.x + k, y, at.x + arrowWidth - k, y + 1}, colour);
        }
    };
    if (GetEnabled()) {
        arrow(origin, SystemColour(platform::COLOR_BTNTEXT));
    } else {
        arrow({origin.x + 1, origin.y + 1}, SystemColour(platform::COLOR_BTNHIGHLIGHT));
        arrow(origin, SystemColour(platform::COLOR_BTNSHADOW));
    }
}

TcbBarSpinEditButton TcbBarSpinEditControl::ButtonAt(platform::Point p) const {
    const TcbBarSpinEdit* spin = SpinEdit();
    if (!spin || spin->ReadOnly() || !m_buttonsRect.Contains(p)) return sbNone;
    const int middle = (m_buttonsRect.top + m_buttonsRect.bottom) / 2;
    return p.y < middle ? sbUp : sbDown;
}

bool TcbBarSpinEditControl::PressAt(platform::Point p) {
    const TcbBarSpinEditButton button = ButtonAt(p);
    if (button == sbNone) return false;
    StopRepeat();
    m_pressed = button;
    m_shownPressed = true;
    if (auto* window = dynamic_cast<QWidget*>(BarWindow())) {
        m_mouseFilter = std::make_unique<HeldButtonFilter>(*this);
        window->installEventFilter(m_mouseFilter.get());
    }
    Repaint();
    const auto alive = AliveToken();
    if (TcbBarSpinEdit* spin = SpinEdit()) spin->Step(button);
    if (*alive && m_pressed != sbNone) StartTimer(FirstRepeatDelay());
    return true;
}

void TcbBarSpinEditControl::MouseMoveTo(platform::Point p) {
    if (m_pressed == sbNone) return;
    const bool over = ButtonAt(p) == m_pressed;
    if (over == m_shownPressed) return;
    m_shownPressed = over;
    Repaint();
}

void TcbBarSpinEditControl::StartTimer(unsigned interval) {
    KillTimer();
    m_timer = FrameworkTimers().SetTimer(interval, [this](unsigned) {
        if (!m_repeating) {
            m_repeating = true;
            StartTimer(kRepeatInterval);
            return;
        }
        if (m_shownPressed)
            if (TcbBarSpinEdit* spin = SpinEdit()) spin->Step(m_pressed);
    });
}

void TcbBarSpinEditControl::KillTimer() {
    if (m_timer == 0) return;
    if (platform::ITimerService* timers = platform::InstalledTimerService()) timers->KillTimer(m_timer);
    m_timer = 0;
}

void TcbBarSpinEditControl::StopRepeat() {
    KillTimer();
    m_repeating = false;
    if (m_mouseFilter) {
        if (auto* window = dynamic_cast<QWidget*>(BarWindow())) window->removeEventFilter(m_mouseFilter.get());
        m_mouseFilter.reset();
    }
    if (m_pressed == sbNone) return;
    m_pressed = sbNone;
    m_shownPressed = false;
    Repaint();
}

void TcbBarSpinEditControl::BeforeClick(bool byMouse) {
    TcbBarEditControl::BeforeClick(byMouse);
    if (byMouse && Window()) PressAt(Window()->LastPress());
}

void TcbBarSpinEditControl::Deactivate(bool immediate) {
    StopRepeat();
    TcbBarEditControl::Deactivate(immediate);
}

void TcbBarSpinEditControl::SetFocused(bool value) {
    if (!value) StopRepeat();
    TcbBarEditControl::SetFocused(value);
}

bool TcbBarSpinEditControl::ControlKeyDown(int key, unsigned shift) {
    TcbBarSpinEdit* spin = SpinEdit();
    if (spin && !spin->ReadOnly() && (key == platform::VK_UP || key == platform::VK_DOWN)) {
        spin->Step(key == platform::VK_UP ? sbUp : sbDown);
        return true;
    }
    return TcbBarEditControl::ControlKeyDown(key, shift);
}

bool TcbBarSpinEditControl::ControlKeyPress(char c) {
    const TcbBarSpinEdit* spin = SpinEdit();
    return !spin || spin->AcceptsChar(c);
}

}  // namespace bars
