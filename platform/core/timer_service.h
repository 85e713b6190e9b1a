#pragma once

#include "platform/core/window_handle.h"

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

namespace platform {

// A timer's callback gets the timer's id. Timers repeat until they are killed.
using TimerCallback = std::function<void(unsigned id)>;

// Window timers are keyed by (window, id): setting one again replaces it and restarts its
// interval. Windowless timers get a fresh non-zero id. Killing an unknown timer is harmless;
// a callback may set and kill timers, its own included.
class ITimerService {
public:
    virtual ~ITimerService() = default;
    virtual void SetWindowTimer(WindowHandle window, unsigned id, unsigned intervalMs, TimerCallback callback) = 0;
    // False when there was no such timer.
    virtual bool KillWindowTimer(WindowHandle window, unsigned id) = 0;
    // Every timer of the window, as when it is destroyed.
    virtual void KillWindowTimers(WindowHandle window) = 0;
    virtual bool HasWindowTimer(WindowHandle window, unsigned id) const = 0;

    // Returns the new timer's id, never 0.
    virtual unsigned SetTimer(unsigned intervalMs, TimerCallback callback) = 0;
    virtual bool KillTimer(unsigned id) = 0;
    virtual bool HasTimer(unsigned id) const = 0;
};

// Timers on a clock that only moves when a test says so. Intervals below 1 ms count as 1 ms,
// as the real service would never fire faster than its tick.
class VirtualTimerService : public ITimerService {
public:
    void SetWindowTimer(WindowHandle window, unsigned id, unsigned intervalMs, TimerCallback callback) override;
    bool KillWindowTimer(WindowHandle window, unsigned id) override;
    void KillWindowTimers(WindowHandle window) override;
    bool HasWindowTimer(WindowHandle window, unsigned id) const override;

    unsigned SetTimer(unsigned intervalMs, TimerCallback callback) override;
    bool KillTimer(unsigned id) override;
    bool HasTimer(unsigned id) const override;

    // Moves the clock on; every timer that falls due fires, in time order (ties in the order
    // they were set), as many times as its interval fits.
    void Advance(std::uint64_t milliseconds);
    std::uint64_t Now() const { return m_now; }
    std::size_t Count() const { return m_timers.size(); }

private:
    // Window timers use their window; windowless ones kNoWindow and their own id.
    using Key = std::pair<WindowHandle, unsigned>;
    struct Timer {
        unsigned interval = 1;
        std::uint64_t due = 0;
        std::uint64_t order = 0;  // when set, breaks ties between timers due together
        TimerCallback callback;
    };
    void Start(const Key& key, unsigned intervalMs, TimerCallback callback);

    std::map<Key, Timer> m_timers;
    std::uint64_t m_now = 0;
    std::uint64_t m_nextOrder = 0;
    unsigned m_nextId = 0;
};

// The process-wide timer service: none until one is installed (the Qt side installs its own
// on first use; tests install a virtual one with ScopedTimerService).
ITimerService* InstalledTimerService();
// Returns the service installed before.
ITimerService* InstallTimerService(ITimerService* service);

class ScopedTimerService {
public:
    explicit ScopedTimerService(ITimerService& service) : m_previous(InstallTimerService(&service)) {}
    ~ScopedTimerService() { InstallTimerService(m_previous); }
    ScopedTimerService(const ScopedTimerService&) = delete;
    ScopedTimerService& operator=(const ScopedTimerService&) = delete;

private:
    ITimerService* m_previous;
};

}  // namespace platform
