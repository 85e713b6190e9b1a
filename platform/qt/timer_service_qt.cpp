#include "platform/qt/timer_service_qt.h"

#include <QTimer>

namespace platform {

// A timer may be killed from its own callback, inside QTimer's signal: it is stopped at once
// and deleted once the event loop is back.
struct QtTimerService::Entry {
    QTimer* timer = new QTimer;
    TimerCallback callback;

    Entry() = default;
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;
    ~Entry() {
        timer->stop();
        QObject::disconnect(timer, nullptr, nullptr, nullptr);
        timer->deleteLater();
    }
};

QtTimerService::QtTimerService() = default;

QtTimerService::~QtTimerService() = default;

void QtTimerService::Start(const Key& key, unsigned intervalMs, TimerCallback callback) {
    auto entry = std::make_shared<Entry>();
    entry->callback = std::move(callback);
    const unsigned id = key.second;
    // The entry is found again by key when it fires: a callback may kill or replace it.
    std::weak_ptr<Entry> weak = entry;
    QObject::connect(entry->timer, &QTimer::timeout, [weak, id] {
        const std::shared_ptr<Entry> alive = weak.lock();
        if (!alive) return;
        const TimerCallback callback = alive->callback;
        if (callback) callback(id);
    });
    entry->timer->start(static_cast<int>(std::max(1u, intervalMs)));
    m_table.Timers()[key] = std::move(entry);
}

void QtTimerService::SetWindowTimer(WindowHandle window, unsigned id, unsigned intervalMs, TimerCallback callback) {
    if (window == kNoWindow) return;
    Start({window, id}, intervalMs, std::move(callback));
}

bool QtTimerService::KillWindowTimer(WindowHandle window, unsigned id) {
    return window != kNoWindow && m_table.Erase({window, id});
}

void QtTimerService::KillWindowTimers(WindowHandle window) { m_table.EraseWindow(window); }

bool QtTimerService::HasWindowTimer(WindowHandle window, unsigned id) const {
    return window != kNoWindow && m_table.Contains({window, id});
}

unsigned QtTimerService::SetTimer(unsigned intervalMs, TimerCallback callback) {
    const unsigned id = m_table.NewId();
    Start({kNoWindow, id}, intervalMs, std::move(callback));
    return id;
}

bool QtTimerService::KillTimer(unsigned id) { return m_table.Erase({kNoWindow, id}); }

bool QtTimerService::HasTimer(unsigned id) const { return m_table.Contains({kNoWindow, id}); }

ITimerService& Timers() {
    if (ITimerService* installed = InstalledTimerService()) return *installed;
    static QtTimerService service;
    return service;
}

}  // namespace platform
