#pragma once

#include "platform/core/timer_service.h"

#include <QObject>

#include <map>
#include <memory>
#include <utility>

class QTimer;

namespace platform {

// Timers on QTimer, firing on the GUI thread's event loop.
class QtTimerService : public ITimerService {
public:
    QtTimerService();
    ~QtTimerService() override;
    QtTimerService(const QtTimerService&) = delete;
    QtTimerService& operator=(const QtTimerService&) = delete;

    void SetWindowTimer(WindowHandle window, unsigned id, unsigned intervalMs, TimerCallback callback) override;
    bool KillWindowTimer(WindowHandle window, unsigned id) override;
    void KillWindowTimers(WindowHandle window) override;
    bool HasWindowTimer(WindowHandle window, unsigned id) const override;

    unsigned SetTimer(unsigned intervalMs, TimerCallback callback) override;
    bool KillTimer(unsigned id) override;
    bool HasTimer(unsigned id) const override;

private:
    using Key = std::pair<WindowHandle, unsigned>;
    struct Entry;
    void Start(const Key& key, unsigned intervalMs, TimerCallback callback);
    bool Kill(const Key& key);

    std::map<Key, std::shared_ptr<Entry>> m_timers;
    unsigned m_nextId = 0;
};

// The timer service in use: the installed one, else a process-wide QtTimerService.
ITimerService& Timers();

}  // namespace platform
