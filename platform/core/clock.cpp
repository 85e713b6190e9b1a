#include "platform/core/clock.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>

namespace platform {

namespace {

constexpr std::int64_t kMillisecondsPerSecond = 1000;
constexpr std::int64_t kMillisecondsPerDay = 86'400'000;
// Days from 1899-12-30 (day 0 of the date-time values) to 1970-01-01.
constexpr double kUnixEpochInDays = 25569.0;

constexpr std::int64_t kNanosecondsPerMillisecond = 1'000'000;
// How often a pumping wait without an event wait looks at the events.
constexpr std::int64_t kPumpIntervalMs = 1;

std::int64_t UnixMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

// Whole milliseconds of the monotonic clock: the tick counter and the waits' deadlines.
std::int64_t MonotonicMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * kMillisecondsPerSecond + now.tv_nsec / kNanosecondsPerMillisecond;
}

// Sleeps until the monotonic clock reaches the millisecond; a signal that wakes the thread
// early puts it back to sleep, and a deadline already passed returns at once.
void SleepUntil(std::int64_t deadlineMs) {
    const timespec deadline{static_cast<std::time_t>(deadlineMs / kMillisecondsPerSecond),
                            static_cast<long>(deadlineMs % kMillisecondsPerSecond * kNanosecondsPerMillisecond)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

}  // namespace

std::uint32_t SystemClock::TickCount() {
    // Truncation is the point: the counter wraps like the 32-bit one the waits are written for.
    return static_cast<std::uint32_t>(MonotonicMilliseconds());
}

// The wait ends when the tick counter has moved on by the milliseconds, as a busy wait on
// it would, but the thread sleeps meanwhile; the deadline is kept in 64 bits, so a wrap of
// the counter mid-wait cannot end or stall it.
void SystemClock::Delay(std::uint32_t milliseconds) {
    if (milliseconds == 0) return;
    SleepUntil(MonotonicMilliseconds() + milliseconds);
}

void SystemClock::DelayProcessing(std::uint32_t milliseconds) {
    const std::int64_t deadline = MonotonicMilliseconds() + milliseconds;
    // Pending events get one turn even for a zero wait.
    while (true) {
        if (m_pump) m_pump();
        const std::int64_t now = MonotonicMilliseconds();
        if (now >= deadline) return;
        if (m_wait) {
            m_wait(static_cast<std::uint32_t>(deadline - now));
        } else {
            SleepUntil(m_pump ? std::min(deadline, now + kPumpIntervalMs) : deadline);
        }
    }
}

double SystemClock::Now() {
    const std::int64_t ms = UnixMilliseconds();
    const std::time_t seconds = static_cast<std::time_t>(ms / kMillisecondsPerSecond);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) {
        return kUnixEpochInDays + static_cast<double>(ms) / kMillisecondsPerDay;
    }
    const std::int64_t localMs = ms + static_cast<std::int64_t>(local.tm_gmtoff) * kMillisecondsPerSecond;
    return kUnixEpochInDays + static_cast<double>(localMs) / kMillisecondsPerDay;
}

std::uint32_t SystemClock::MillisecondsSinceMidnightUtc() {
    return static_cast<std::uint32_t>(UnixMilliseconds() % kMillisecondsPerDay);
}

void VirtualClock::Delay(std::uint32_t milliseconds) {
    m_ticks += milliseconds;
    m_delayed += milliseconds;
}

void VirtualClock::DelayProcessing(std::uint32_t milliseconds) {
    m_ticks += milliseconds;
    m_delayed += milliseconds;
    if (m_pump) {
        m_pump();
    }
}

}  // namespace platform
