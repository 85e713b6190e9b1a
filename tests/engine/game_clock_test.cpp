#include "engine/state/game_clock.h"

#include <gtest/gtest.h>

#include "engine/model/registers.h"
#include "platform/core/clock.h"
#include "tests/support/recording_shell_port.h"

namespace {

using engine::ClockElapsedMilliseconds;
using engine::ClockText;
using engine::ShellLabel;

constexpr double kDay = 46000.0;  // some date

double At(int hours, int minutes, int seconds, double day = kDay) {
    return day + (hours * 3600 + minutes * 60 + seconds) / 86400.0;
}

TEST(ClockTextTest, FormatsHoursMinutesSeconds) {
    EXPECT_EQ(ClockText(0, ":"), "0:00:00");
    EXPECT_EQ(engine::ZeroClockText("."), "0.00.00");
    EXPECT_EQ(ClockText(59'999, ":"), "0:00:59");
    EXPECT_EQ(ClockText((3600 + 2 * 60 + 5) * 1000LL, ":"), "1:02:05");
    EXPECT_EQ(ClockText((23 * 3600 + 59 * 60 + 59) * 1000LL, "."), "23.59.59");
}

TEST(ClockTextTest, HoursWrapAfterADay) {
    EXPECT_EQ(ClockText(engine::kMillisecondsPerDay, ":"), "0:00:00");
    EXPECT_EQ(ClockText(engine::kMillisecondsPerDay + 3'723'000, ":"), "1:02:03");
}

TEST(ClockTextTest, NegativeTimeReadsAsZero) {
    EXPECT_EQ(ClockText(-5000, ":"), "0:00:00");
}

TEST(ClockElapsedTest, SameDay) {
    EXPECT_EQ(ClockElapsedMilliseconds(At(10, 0, 0), At(10, 0, 0)), 0);
    EXPECT_EQ(ClockElapsedMilliseconds(At(10, 0, 0), At(11, 30, 15)), (5400 + 15) * 1000LL);
}

TEST(ClockElapsedTest, OnlyTheTimeOfDayCounts) {
    // A start stored with yesterday's date still gives the time since its time of day.
    EXPECT_EQ(ClockElapsedMilliseconds(At(10, 0, 0, kDay - 1), At(10, 0, 20)), 20'000);
}

TEST(ClockElapsedTest, PastMidnightLosesASecond) {
    EXPECT_EQ(ClockText(ClockElapsedMilliseconds(At(23, 59, 50), At(0, 0, 0, kDay + 1)), ":"), "0:00:09");
    EXPECT_EQ(ClockText(ClockElapsedMilliseconds(At(22, 0, 0), At(1, 0, 0, kDay + 1)), ":"), "2:59:59");
}

TEST(ClockElapsedTest, LastSecondBeforeMidnightNeverGoesNegative) {
    const double start = kDay + (86'399.6) / 86400.0;
    EXPECT_EQ(ClockElapsedMilliseconds(start, kDay + 1), 0);
}

TEST(ClockTickTest, ShowsTheTimeSinceTheStartWhileTheClockRuns) {
    engine::Registers registers;
    platform::VirtualClock clock;
    test_support::RecordingShellPort shell;
    shell.ArrangeTimeSeparator(".");
    clock.SetNow(At(9, 0, 0));
    registers.SetTimeReg(engine::kClockStartTimeReg, clock.Now());
    clock.Advance(15 * 60'000);

    engine::ClockTick(registers, clock, shell);
    EXPECT_EQ(shell.LabelText(ShellLabel::kTempo), "0");  // flag 3 clear: the label keeps its text
    EXPECT_TRUE(shell.Events().empty());

    registers.SetFlag(engine::flag::kClockRunning, 1);
    clock.Advance(3'600'000);
    engine::ClockTick(registers, clock, shell);
    EXPECT_EQ(shell.LabelText(ShellLabel::kTempo), "1.15.00");
}

}  // namespace
