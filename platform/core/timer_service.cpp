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
    m_timers[key] = std::move(timer);
}

void VirtualTimerService::SetWindowTimer(WindowHandle window, unsigned id, unsigned intervalMs,
                                         TimerCallback callback) {
    Start({window, id}, intervalMs, std::move(callback));
}

bool VirtualTimerService::KillWindowTimer(WindowHandle window, unsigned id) { return m_timers.erase({window, id}) > 0; }

void VirtualTimerService::KillWindowTimers(WindowHandle window) {
    if (window == kNoWindow) return;
    std::erase_if(m_timers, [window](const auto& entry) { return entry.first.first == window; });
}

bool VirtualTimerService::HasWindowTimer(WindowHandle window, unsigned id) const {
    return window != kNoWindow && m_timers.contains({window, id});
}

unsigned VirtualTimerService::SetTimer(unsigned intervalMs, TimerCallback callback) {
    // Ids are handed out in turn, skipping 0 and ids still in use after a wrap.
    do {
        ++m_nextId;
    } while (m_nextId == 0 || m_timers.contains({kNoWindow, m_nextId}));
    Start({kNoWindow, m_nextId}, intervalMs, std::move(callback));
    return m_nextId;
}

bool VirtualTimerService::KillTimer(unsigned id) { return m_timers.erase({kNoWindow, id}) > 0; }

bool VirtualTimerService::HasTimer(unsigned id) const { return m_timers.contains({kNoWindow, id}); }

void VirtualTimerService::Advance(std::uint64_t milliseconds) {
    const std::uint64_t end = m_now + milliseconds;
    for (;;) {
        // The earliest timer due by the end; callbacks may have changed the set since the last one.
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
            if (it->second.due > end) continue;
            if (next == m_timers.end() || it->second.due < next->second.due ||
                (it->second.due == next->second.due && it->second.order < next->second.order))
                next = it;
        }
        if (next == m_timers.end()) break;
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
