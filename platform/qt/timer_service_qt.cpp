#include "platform/qt/timer_service_qt.h"

#include <QTimer>

namespace platform {

struct QtTimerService::Entry {
    QTimer timer;
    TimerCallback callback;
};

QtTimerService::QtTimerService() = default;

QtTimerService::~QtTimerService() = default;

void QtTimerService::Start(const Key& key, unsigned intervalMs, TimerCallback callback) {
    auto entry = std::make_shared<Entry>();
    entry->callback = std::move(callback);
    const unsigned id = key.second;
    // The entry is found again by key when it fires: a callback may kill or replace it.
    std::weak_ptr<Entry> weak = entry;
    QObject::connect(&entry->timer, &QTimer::timeout, [weak, id] {
        const std::shared_ptr<Entry> alive = weak.lock();
        if (!alive) return;
        const TimerCallback callback = alive->callback;
        if (callback) callback(id);
    });
    entry->timer.start(static_cast<int>(std::max(1u, intervalMs)));
    m_timers[key] = std::move(entry);
}

bool QtTimerService::Kill(const Key& key) { return m_timers.erase(key) > 0; }

void QtTimerService::SetWindowTimer(WindowHandle window, unsigned id, unsigned intervalMs, TimerCallback callback) {
    Start({window, id}, intervalMs, std::move(callback));
}

bool QtTimerService::KillWindowTimer(WindowHandle window, unsigned id) { return Kill({window, id}); }

void QtTimerService::KillWindowTimers(WindowHandle window) {
    if (window == kNoWindow) return;
    std::erase_if(m_timers, [window](const auto& entry) { return entry.first.first == window; });
}

bool QtTimerService::HasWindowTimer(WindowHandle window, unsigned id) const {
    return window != kNoWindow && m_timers.contains({window, id});
}

unsigned QtTimerService::SetTimer(unsigned intervalMs, TimerCallback callback) {
    do {
        ++m_nextId;
    } while (m_nextId == 0 || m_timers.contains({kNoWindow, m_nextId}));
    Start({kNoWindow, m_nextId}, intervalMs, std::move(callback));
    return m_nextId;
}

bool QtTimerService::KillTimer(unsigned id) { return Kill({kNoWindow, id}); }

bool QtTimerService::HasTimer(unsigned id) const { return m_timers.contains({kNoWindow, id}); }

ITimerService& Timers() {
    if (ITimerService* installed = InstalledTimerService()) return *installed;
    static QtTimerService service;
    return service;
}

}  // namespace platform
