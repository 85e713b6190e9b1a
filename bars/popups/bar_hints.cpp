#include "bars/popups/bar_hints.h"

#include "bars/controls/item_control.h"
#include "bars/edits/edit_controls.h"
#include "bars/items/bar_item.h"
#include "bars/manager/bar_manager.h"
#include "bars/popups/framework_timers.h"
#include "bars/popups/hint_window.h"
#include "bars/windows/bar_window_base.h"
#include "platform/core/action.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/application.h"
#include "platform/qt/cursor_position.h"

namespace bars {

namespace {

// Nor over a field's open drop-down list, calendar or tree.
bool TakesHints(const TcbBarManager& manager) {
    return manager.ShowHint() && !manager.IsCustomizing() && !manager.IsDesigning() &&
           !TCustomcbBarComboControl::AnyDroppedDown();
}

TcbBarItemControl* HintedControl(const TcbBarManager& manager) {
    TcbBarItemControl* control = manager.SelectedItemControl();
    return control && control->HasHint() ? control : nullptr;
}

// The active control is still the one under the mouse.
bool UnderCursor(const TcbBarItemControl& control) {
    auto* window = dynamic_cast<TCustomcbBarControl*>(control.BarWindow());
    if (!window || !TCustomcbBarControl::IsLive(window) || !window->isVisible()) return false;
    const platform::Point screen = platform::CursorPos();
    const platform::Point origin = window->ClientToScreenPoint({0, 0});
    return window->ItemAtPos({screen.x - origin.x, screen.y - origin.y}) == &control;
}

}  // namespace

BarHints& BarHints::Instance() {
    static BarHints hints;
    return hints;
}

TcbBarHintWindow& BarHints::Window() {
    if (!m_window) m_window = std::make_unique<TcbBarHintWindow>();
    return *m_window;
}

bool BarHints::IsShown() const { return m_window && m_window->isVisible(); }

void BarHints::StopTimer(unsigned& id) {
    if (id != 0) FrameworkTimers().KillTimer(id);
    id = 0;
}

void BarHints::StopTimers() {
    StopTimer(m_showTimer);
    StopTimer(m_hideTimer);
}

void BarHints::Request(TcbBarManager& manager, bool show, const std::string& overrideText) {
    if (!TakesHints(manager)) return;
    m_overrideText = overrideText;
    if (show && (HintedControl(manager) || !overrideText.empty())) {
        StopTimer(m_hideTimer);
        if (!IsShown() && !m_quickReshow) {
            m_manager = &manager;
            StopTimer(m_showTimer);
            m_showTimer = FrameworkTimers().SetTimer(kShowDelayMs, [this](unsigned) {
                StopTimer(m_showTimer);
                if (m_manager) ShowNow(*m_manager);
            });
        } else {
            ShowNow(manager);
        }
        return;
    }
    const bool wasShown = IsShown();
    StopTimers();
    if (wasShown) m_window->hide();
    // The mouse left a control: the next one shows its hint at once for a moment.
    if (show) {
        m_quickReshow = true;
        StopTimer(m_quickTimer);
        m_quickTimer = FrameworkTimers().SetTimer(kQuickReshowMs, [this](unsigned) {
            StopTimer(m_quickTimer);
            m_quickReshow = false;
        });
    }
}

std::string BarHints::HintText(const TcbBarManager& manager) {
    TcbBarItemControl* control = HintedControl(manager);
    if (!control) return {};
    if (!control->GetEnabled() && !manager.ShowHintForDisabledItems()) return {};
    const std::string hint = control->GetHint();
    std::string text = hint.substr(0, hint.find('|'));
    if (const TcbBarItem* item = control->Item(); item && item->Action() && !item->Action()->DoHint(text)) return {};
    const platform::Application* application = platform::Application::Instance();
    const bool shortCuts = manager.ShowShortCutInHint() || (application && application->HintShortCuts());
    if (shortCuts && control->GetShortCut() != 0)
        text += " (" + platform::ShortCutToText(static_cast<platform::ShortCutValue>(control->GetShortCut())) + ")";
    return text;
}

void BarHints::ShowNow(TcbBarManager& manager) {
    m_manager = &manager;
    // Hints may have been switched off while this one waited.
    if (!TakesHints(manager)) {
        Hide();
        return;
    }
    std::string text = m_overrideText;
    if (text.empty()) {
        TcbBarItemControl* control = HintedControl(manager);
        if (!control || !UnderCursor(*control)) return;
        text = HintText(manager);
    }
    if (text.empty()) {
        Hide();
        return;
    }
    const platform::Point cursor = platform::CursorPos();
    Window().ActivateHint({cursor.x, cursor.y + kBelowCursor}, text, manager);
    StopTimer(m_hideTimer);
    m_hideTimer = FrameworkTimers().SetTimer(kHideDelayMs, [this](unsigned) { Hide(); });
}

void BarHints::Hide() {
    StopTimer(m_hideTimer);
    if (IsShown()) m_window->hide();
}

void BarHints::ManagerGoing(const TcbBarManager& manager) {
    if (m_manager != &manager) return;
    StopTimers();
    if (IsShown()) m_window->hide();
    StopTimer(m_quickTimer);
    m_quickReshow = false;
    m_manager = nullptr;
}

void BarHints::FreeWindow() {
    StopTimers();
    StopTimer(m_quickTimer);
    m_quickReshow = false;
    m_manager = nullptr;
    m_window.reset();
}

}  // namespace bars
