#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// Time as the game sees it. Every wait of the game goes through the clock, so tests swap
// in VirtualClock and nothing ever really waits.
class IClock {
public:
    virtual ~IClock() = default;
    // Milliseconds since some fixed start; wraps like a 32-bit counter.
    virtual std::uint32_t TickCount() = 0;
    // Waits without letting the application handle its pending events.
    virtual void Delay(std::uint32_t milliseconds) = 0;
    // Waits while letting the application handle its pending events.
    virtual void DelayProcessing(std::uint32_t milliseconds) = 0;
    // Local date and time as days since 1899-12-30 (fraction = time of day).
    virtual double Now() = 0;
    // Milliseconds since midnight of the current UTC time of day.
    virtual std::uint32_t MillisecondsSinceMidnightUtc() = 0;
};

// The real clock, on the system's monotonic clock. Its waits sleep until their deadline
// rather than spin: Delay sleeps right through, so no event is handled and nothing
// repaints meanwhile; DelayProcessing handles the pending events and then sleeps until
// the next one arrives or the time is up. The Qt side installs both event hooks.
class SystemClock : public IClock {
public:
    std::uint32_t TickCount() override;
    void Delay(std::uint32_t milliseconds) override;
    void DelayProcessing(std::uint32_t milliseconds) override;
    double Now() override;
    std::uint32_t MillisecondsSinceMidnightUtc() override;

    // Handles the pending events and returns.
    void SetEventPump(std::function<void()> pump) { m_pump = std::move(pump); }
    // Returns once an event has arrived (and been handled) or the milliseconds are up.
    // Without it a pumping wait looks at the events every millisecond.
    void SetEventWait(std::function<void(std::uint32_t milliseconds)> wait) { m_wait = std::move(wait); }

private:
    std::function<void()> m_pump;
    std::function<void(std::uint32_t)> m_wait;
};

// A clock that only moves when told to: waits advance it at once.
class VirtualClock : public IClock {
public:
    std::uint32_t TickCount() override { return m_ticks; }
    void Delay(std::uint32_t milliseconds) override;
    void DelayProcessing(std::uint32_t milliseconds) override;
    double Now() override { return m_now + m_ticks / 86'400'000.0; }
    std::uint32_t MillisecondsSinceMidnightUtc() override { return m_msSinceMidnight; }

    void Advance(std::uint32_t milliseconds) { m_ticks += milliseconds; }
    void SetNow(double days) { m_now = days; }
    void SetMillisecondsSinceMidnightUtc(std::uint32_t ms) { m_msSinceMidnight = ms; }
    // Called on every DelayProcessing, as the event loop would be.
    void SetEventPump(std::function<void()> pump) { m_pump = std::move(pump); }
    std::uint32_t TotalDelayed() const { return m_delayed; }

private:
    std::uint32_t m_ticks = 1000;
    double m_now = 46000.5;
    std::uint32_t m_msSinceMidnight = 0;
    std::uint32_t m_delayed = 0;
    std::function<void()> m_pump;
};

}  // namespace platform
