#include "platform/core/clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <vector>

namespace {

using platform::SystemClock;
using platform::VirtualClock;

TEST(VirtualClockTest, DelaysAdvanceAtOnceAndAreCounted) {
    VirtualClock clock;
    const std::uint32_t start = clock.TickCount();
    clock.Delay(800);
    EXPECT_EQ(clock.TickCount() - start, 800u);
    clock.DelayProcessing(200);
    EXPECT_EQ(clock.TickCount() - start, 1000u);
    clock.Advance(5);
    EXPECT_EQ(clock.TickCount() - start, 1005u);
    // Only waits count as delayed, not the test moving time on.
    EXPECT_EQ(clock.TotalDelayed(), 1000u);
}

TEST(VirtualClockTest, OnlyDelayProcessingPumpsEvents) {
    VirtualClock clock;
    int pumped = 0;
    std::uint32_t ticksSeen = 0;
    clock.SetEventPump([&] {
        ++pumped;
        ticksSeen = clock.TickCount();
    });
    clock.Delay(100);
    EXPECT_EQ(pumped, 0);
    clock.DelayProcessing(200);
    EXPECT_EQ(pumped, 1);
    EXPECT_EQ(ticksSeen, clock.TickCount());
    clock.DelayProcessing(0);
    EXPECT_EQ(pumped, 2);
}

TEST(VirtualClockTest, NowMovesWithTheTicks) {
    VirtualClock clock;
    clock.SetNow(45000.25);
    const double before = clock.Now();
    clock.Advance(43'200'000);  // half a day
    EXPECT_NEAR(clock.Now() - before, 0.5, 1e-9);
}

TEST(SystemClockTest, DelayWaitsAtLeastTheTimeWithoutPumping) {
    SystemClock clock;
    int pumped = 0;
    clock.SetEventPump([&] { ++pumped; });
    const auto start = std::chrono::steady_clock::now();
    clock.Delay(20);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(19));
    EXPECT_EQ(pumped, 0);
}

TEST(SystemClockTest, DelayProcessingPumpsWhileWaiting) {
    SystemClock clock;
    int pumped = 0;
    clock.SetEventPump([&] { ++pumped; });
    const std::uint32_t start = clock.TickCount();
    clock.DelayProcessing(10);
    EXPECT_GE(clock.TickCount() - start, 10u);
    EXPECT_GT(pumped, 0);
    pumped = 0;
    clock.DelayProcessing(0);
    EXPECT_EQ(pumped, 1);
}

TEST(SystemClockTest, DelayProcessingWithoutPumpStillWaits) {
    SystemClock clock;
    const std::uint32_t start = clock.TickCount();
    clock.DelayProcessing(5);
    EXPECT_GE(clock.TickCount() - start, 5u);
}

// CPU time of this thread, which the machine's other load does not stretch.
std::chrono::nanoseconds ThreadCpu() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

// A wait sleeps through its time rather than spinning on the counter, with an event
// wait installed and without, and still never ends before its deadline.
TEST(SystemClockTest, WaitsSleepUntilTheirDeadline) {
    SystemClock clock;
    auto cpu = ThreadCpu();
    std::uint32_t start = clock.TickCount();
    clock.Delay(80);
    EXPECT_GE(clock.TickCount() - start, 80u);
    EXPECT_LT(ThreadCpu() - cpu, std::chrono::milliseconds(20));

    // A pump without an event wait looks at the events now and then, not all the time.
    int pumped = 0;
    clock.SetEventPump([&] { ++pumped; });
    cpu = ThreadCpu();
    start = clock.TickCount();
    clock.DelayProcessing(80);
    EXPECT_GE(clock.TickCount() - start, 80u);
    EXPECT_LT(ThreadCpu() - cpu, std::chrono::milliseconds(20));
    EXPECT_GT(pumped, 0);
    EXPECT_LE(pumped, 82);

    // An event wait gets the time left; one that returns early (an event came) is asked
    // again, and the wait still lasts its whole time.
    std::vector<std::uint32_t> asked;
    clock.SetEventWait([&](std::uint32_t ms) {
        asked.push_back(ms);
        if (asked.size() > 1) SystemClock().Delay(ms);
    });
    pumped = 0;
    start = clock.TickCount();
    clock.DelayProcessing(40);
    EXPECT_GE(clock.TickCount() - start, 40u);
    ASSERT_GE(asked.size(), 2u);
    EXPECT_LE(asked.front(), 40u);
    EXPECT_GT(asked.back(), 0u);
    EXPECT_LE(asked.back(), asked.front());
    EXPECT_EQ(pumped, static_cast<int>(asked.size()) + 1);
    // A plain Delay touches neither hook.
    asked.clear();
    pumped = 0;
    clock.Delay(5);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(pumped, 0);
}

TEST(SystemClockTest, TimeOfDayValuesAgreeWithTheSystem) {
    SystemClock clock;
    constexpr std::int64_t kDay = 86'400'000;
    const std::time_t now = std::time(nullptr);
    const std::int64_t ms = clock.MillisecondsSinceMidnightUtc();
    EXPECT_LT(ms, kDay);
    // Compared around the clock face, so a test run at midnight does not fail.
    const std::int64_t apart = ((ms - (now % 86400) * 1000) % kDay + kDay) % kDay;
    EXPECT_LT(std::min(apart, kDay - apart), 2000);

    std::tm local{};
    ASSERT_NE(localtime_r(&now, &local), nullptr);
    const double expected = 25569.0 + static_cast<double>(now + local.tm_gmtoff) / 86400.0;
    // Within two seconds of the system's own local time.
    EXPECT_NEAR(clock.Now(), expected, 2.0 / 86400.0);
}

}  // namespace
