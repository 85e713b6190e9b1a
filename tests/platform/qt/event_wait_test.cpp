// The real clock with the hooks the program installs: a plain Delay handles nothing while
// it sleeps, a pumping wait handles what arrives as it arrives and sleeps between.
#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include "platform/core/clock.h"
#include "platform/qt/application.h"

namespace {

std::chrono::nanoseconds ThreadCpu() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

TEST(EventWaitTest, DelayHandlesNothingAndPumpingWaitsSleepBetweenEvents) {
    platform::SystemClock clock;
    clock.SetEventPump([] { QCoreApplication::processEvents(); });
    clock.SetEventWait([](std::uint32_t ms) { platform::Application::WaitForMessages(ms); });

    int fired = 0;
    QTimer::singleShot(0, [&] { ++fired; });
    clock.Delay(30);
    EXPECT_EQ(fired, 0);

    // The timer already due is handled at once, the later one when it comes, and the wait
    // still lasts its whole time, asleep.
    std::uint32_t firedAt = 0;
    QTimer::singleShot(40, [&] {
        ++fired;
        firedAt = clock.TickCount();
    });
    const std::uint32_t start = clock.TickCount();
    const auto cpu = ThreadCpu();
    clock.DelayProcessing(150);
    EXPECT_EQ(fired, 2);
    EXPECT_GE(clock.TickCount() - start, 150u);
    EXPECT_LT(firedAt - start, 150u);
    EXPECT_LT(ThreadCpu() - cpu, std::chrono::milliseconds(40));
}

}  // namespace
