#include "platform/core/clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace platform {

namespace {

constexpr std::int64_t kMillisecondsPerSecond = 1000;
constexpr std::int64_t kMillisecondsPerDay = 86'400'000;
// Days from 1899-12-30 (day 0 of the date-time values) to 1970-01-01.
constexpr double kUnixEpochInDays = 25569.0;

std::int64_t UnixMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

std::uint32_t SystemClock::TickCount() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    // Truncation is the point: the counter wraps like the 32-bit one the waits are written for.
    return static_cast<std::uint32_t>(ms);
}

void SystemClock::Delay(std::uint32_t milliseconds) {
    const std::uint32_t start = TickCount();
    // Unsigned difference, so a wrap of the counter mid-wait does not end or stall it.
    while (TickCount() - start < milliseconds) {
        std::this_thread::yield();
    }
}

void SystemClock::DelayProcessing(std::uint32_t milliseconds) {
    const std::uint32_t start = TickCount();
    // Pending events get one turn even for a zero wait.
    do {
        if (m_pump) {
            m_pump();
        } else {
            std::this_thread::yield();
        }
    } while (TickCount() - start < milliseconds);
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
