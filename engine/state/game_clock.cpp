#include "engine/state/game_clock.h"

#include <cmath>

#include "engine/model/registers.h"
#include "engine/ports/shell_port.h"
#include "engine/base/text_utils.h"
#include "platform/core/clock.h"

namespace engine {

namespace {

constexpr std::int64_t kMillisecondsPerSecond = 1000;
constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kMinutesPerHour = 60;
constexpr std::int64_t kMillisecondsPerHour = kMinutesPerHour * kSecondsPerMinute * kMillisecondsPerSecond;
constexpr std::int64_t kMillisecondsPerMinute = kSecondsPerMinute * kMillisecondsPerSecond;
constexpr int kTwoDigits = 2;
// 23:59:59, the end of the day as the midnight rule counts it.
constexpr double kLastSecondOfDay = (kMillisecondsPerDay - kMillisecondsPerSecond) / double(kMillisecondsPerDay);

double TimeOfDay(double dateTime) {
    return dateTime - std::floor(dateTime);
}

}  // namespace

std::string ClockText(std::int64_t elapsedMilliseconds, std::string_view separator) {
    const std::int64_t ms = elapsedMilliseconds < 0 ? 0 : elapsedMilliseconds % kMillisecondsPerDay;
    const std::int64_t hours = ms / kMillisecondsPerHour;
    const std::int64_t minutes = ms % kMillisecondsPerHour / kMillisecondsPerMinute;
    const std::int64_t seconds = ms % kMillisecondsPerMinute / kMillisecondsPerSecond;
    std::string text = std::to_string(hours);
    text += separator;
    text += IntToZeroPad(minutes, kTwoDigits);
    text += separator;
    text += IntToZeroPad(seconds, kTwoDigits);
    return text;
}

std::string ZeroClockText(std::string_view separator) {
    return ClockText(0, separator);
}

std::int64_t ClockElapsedMilliseconds(double start, double now) {
    const double startTime = TimeOfDay(start);
    const double nowTime = TimeOfDay(now);
    const double elapsed = nowTime >= startTime ? nowTime - startTime : (kLastSecondOfDay - startTime) + nowTime;
    const std::int64_t ms = std::llround(elapsed * static_cast<double>(kMillisecondsPerDay));
    return ms < 0 ? 0 : ms;
}

void ClockTick(const Registers& registers, platform::IClock& clock, IShellPort& shell) {
    if (registers.GetFlag(flag::kClockRunning) == 0) return;
    const std::int64_t elapsed = ClockElapsedMilliseconds(registers.GetTimeReg(kClockStartTimeReg), clock.Now());
    shell.SetLabelText(ShellLabel::kTempo, ClockText(elapsed, shell.TimeSeparator()));
}

}  // namespace engine
