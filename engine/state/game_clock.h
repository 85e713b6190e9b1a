#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {
class IClock;
}

namespace engine {

class IShellPort;
class Registers;

inline constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

// "h:nn:ss" with the locale's separator: hours without a leading zero, wrapping after 24;
// minutes and seconds two digits each. A negative time reads as 0.
std::string ClockText(std::int64_t elapsedMilliseconds, std::string_view separator);
// The clock of a game not yet started: "0:00:00".
std::string ZeroClockText(std::string_view separator);

// The time the clock shows between two date-times (days, the fraction the time of day).
// Only the times of day count; when now lies before start, midnight has passed and the
// clock counts from start to 23:59:59 and on from 00:00:00, so it shows one second less.
std::int64_t ClockElapsedMilliseconds(double start, double now);

// The main window's clock tick: while the clock runs (flag 3), lblTempo shows the time
// since the clock's start (time register 0); otherwise the label keeps its text.
void ClockTick(const Registers& registers, platform::IClock& clock, IShellPort& shell);

}  // namespace engine
