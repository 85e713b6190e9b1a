#pragma once

#include "bars/core/bar_types.h"

#include <memory>
#include <string>

namespace bars {

class TcbBarHintWindow;

// When the shared hint window shows and goes: a second after the mouse settles on a
// toolbar button, at once when a hint is visible or the mouse left a button less than 400 ms
// ago, for at most ten seconds. Runs on the framework's windowless timers.
class BarHints {
public:
    static constexpr unsigned kShowDelayMs = 1000;
    static constexpr unsigned kHideDelayMs = 10000;
    static constexpr unsigned kQuickReshowMs = 400;
    static constexpr int kBelowCursor = 20;

    static BarHints& Instance();

    // The selection of a bar window changed (show) or a window went inactive (no show).
    // A manager that customizes or has ShowHint off gets no hint.
    void Request(TcbBarManager& manager, bool show, const std::string& overrideText = {});
    void ShowNow(TcbBarManager& manager);
    void Hide();
    // The manager goes: its pending or shown hint goes with it, and the quick re-show ends.
    void ManagerGoing(const TcbBarManager& manager);
    // The last manager went.
    void FreeWindow();

    // The window, made on first use.
    TcbBarHintWindow& Window();
    bool IsShown() const;
    bool QuickReshow() const { return m_quickReshow; }
    // The text a hint for the manager's active control would show now (empty: none).
    static std::string HintText(const TcbBarManager& manager);

private:
    BarHints() = default;
    void StopTimer(unsigned& id);
    void StopTimers();

    std::unique_ptr<TcbBarHintWindow> m_window;
    TcbBarManager* m_manager = nullptr;
    std::string m_overrideText;
    unsigned m_showTimer = 0;
    unsigned m_hideTimer = 0;
    unsigned m_quickTimer = 0;
    bool m_quickReshow = false;
};

}  // namespace bars
