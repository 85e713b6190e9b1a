#pragma once

#include <cstdint>

namespace platform {

class IClock;

// The one generator behind every random choice (game numbers, walk tables, animations).
// A linear congruential generator: S := S * 134775813 + 1 (mod 2^32) at each draw.
class RandomGenerator {
public:
    explicit RandomGenerator(std::uint32_t seed = 0) : m_state(seed) {}

    void Seed(std::uint32_t seed) { m_state = seed; }
    void SeedFromClock(IClock& clock);
    std::uint32_t State() const { return m_state; }

    // An integer in 0 .. n-1: the upper 32 bits of the 64-bit product S * n.
    // n <= 0 gives 0; the state advances on every call all the same.
    std::int32_t Random(std::int32_t n);

private:
    std::uint32_t m_state;
};

}  // namespace platform
