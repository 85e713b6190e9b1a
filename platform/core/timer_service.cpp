#include "platform/core/timer_service.h"

#include <algorithm>
#include <limits>

namespace platform {

namespace {

ITimerService* g_installed = nullptr;

}  // namespace

ITimerService* InstalledTimerService() { return g_installed; }

ITimerService* InstallTimerService(ITimerService* service) { return std::exchange(g_installed, service); }

void VirtualTimerService::Start(const Key& key, unsigned intervalMs, TimerCallback callback) {
    Timer timer;
    timer.interval = std::max(1u, intervalMs);
    timer.due = m_now + timer.interval;
    timer.order = m_nextOrder++;
    timer.callback = std::move(callback);
    m_table.Timers()[key] = std::move(timer);
}

void VirtualTimerService::SetWindowTimer(WindowHandle window, unsigned id, unsigned intervalMs,
                                         TimerCallback callback) {
    if (window == kNoWindow) return;
    Start({window, id}, intervalMs, std::move(callback));
}

bool VirtualTimerService::KillWindowTimer(WindowHandle window, unsigned id) {
    return window != kNoWindow && m_table.Erase({window, id});
}

void VirtualTimerService::KillWindowTimers(WindowHandle window) { m_table.EraseWindow(window); }

bool VirtualTimerService::HasWindowTimer(WindowHandle window, unsigned id) const {
    return window != kNoWindow && m_table.Contains({window, id});
}

unsigned VirtualTimerService::SetTimer(unsigned intervalMs, TimerCallback callback) {
    const unsigned id = m_table.NewId();
    Start({kNoWindow, id}, intervalMs, std::move(callback));
    return id;
}

bool VirtualTimerService::KillTimer(unsigned id) { return m_table.Erase({kNoWindow, id}); }

bool VirtualTimerService::HasTimer(unsigned id) const { return m_table.Contains({kNoWindow, id}); }

void VirtualTimerService::Advance(std::uint64_t milliseconds) {
    const std::uint64_t end = m_now + milliseconds;
    for (;;) {
        // The earliest timer due by the end; callbacks may have changed the set since the last one.
        auto& timers = m_table.Timers();
        auto next = timers.end();
        for (auto it = timers.begin(); it != timers.end(); ++it) {
            if (it->second.due > end) continue;
            if (next == timers.end() || it->second.due < next->second.due ||
                (it->second.due == next->second.due && it->second.order < next->second.order))
                next = it;
        }
        if (next == timers.end()) break;
        const Key key = next->first;
        Timer& timer = next->second;
        m_now = timer.due;
        timer.due += timer.interval;
        timer.order = m_nextOrder++;
        // The callback may kill or replace its own timer: it runs from a copy.
        const TimerCallback callback = timer.callback;
        if (callback) callback(key.second);
    }
    m_now = end;
}

}  // namespace platform
