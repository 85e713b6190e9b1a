#include "platform/core/random.h"

#include "platform/core/clock.h"

namespace platform {

namespace {

constexpr std::uint32_t kMultiplier = 134775813;
constexpr std::uint32_t kIncrement = 1;
constexpr int kHighWordShift = 32;

}  // namespace

void RandomGenerator::SeedFromClock(IClock& clock) {
    m_state = clock.MillisecondsSinceMidnightUtc();
}

std::int32_t RandomGenerator::Random(std::int32_t n) {
    // Unsigned arithmetic wraps modulo 2^32, which is exactly the generator's step.
    m_state = m_state * kMultiplier + kIncrement;
    // Every draw advances the state, even an empty range, so the sequence of later draws
    // never depends on whether some caller asked for a range of size zero.
    if (n <= 0) {
        return 0;
    }
    const std::uint64_t product = static_cast<std::uint64_t>(m_state) * static_cast<std::uint32_t>(n);
    return static_cast<std::int32_t>(product >> kHighWordShift);
}

}  // namespace platform
