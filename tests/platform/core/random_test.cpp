#include "platform/core/random.h"

#include "platform/core/clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

using platform::RandomGenerator;

// States after each step from seed 0, worked out from S := S * 134775813 + 1 (mod 2^32).
constexpr std::uint32_t kStatesFromZero[] = {1u, 134775814u, 3698175007u, 870078620u, 1172187917u, 2884733762u};
// floor(S * 100 / 2^32) for those states: 100 / 2^32 ~ 0, 13477581400 / 4294967296 ~ 3.14, ...
constexpr std::int32_t kDrawsBelow100[] = {0, 3, 86, 20, 27, 67};
constexpr std::int32_t kDrawsBelow52[] = {0, 1, 44, 10, 14, 34};

TEST(RandomGeneratorTest, FollowsTheExactSequenceFromSeedZero) {
    RandomGenerator generator(0);
    for (std::size_t i = 0; i < std::size(kStatesFromZero); ++i) {
        EXPECT_EQ(generator.Random(100), kDrawsBelow100[i]) << "draw " << i;
        EXPECT_EQ(generator.State(), kStatesFromZero[i]) << "draw " << i;
    }
}

TEST(RandomGeneratorTest, TheRangeOnlyScalesTheStateItDraws) {
    RandomGenerator generator(0);
    for (std::size_t i = 0; i < std::size(kDrawsBelow52); ++i) {
        EXPECT_EQ(generator.Random(52), kDrawsBelow52[i]) << "draw " << i;
    }
    EXPECT_EQ(generator.State(), kStatesFromZero[std::size(kStatesFromZero) - 1]);
}

TEST(RandomGeneratorTest, StepWrapsModulo2To32) {
    RandomGenerator generator(0xFFFFFFFFu);
    generator.Random(10);
    // 0xFFFFFFFF * 134775813 + 1 = -134775813 + 1 (mod 2^32).
    EXPECT_EQ(generator.State(), 0xF7F77BFCu);
}

TEST(RandomGeneratorTest, SeedRestartsTheSequence) {
    RandomGenerator generator(12345);
    EXPECT_EQ(generator.Random(1000), 385);  // state 1655067934
    EXPECT_EQ(generator.Random(1000), 289);  // state 1242767767
    generator.Seed(12345);
    EXPECT_EQ(generator.Random(1000), 385);
    EXPECT_EQ(generator.State(), 1655067934u);
}

TEST(RandomGeneratorTest, DrawsStayBelowTheRange) {
    RandomGenerator generator(987654321);
    for (const std::int32_t n : {1, 2, 7, 52, 104, 1000, std::numeric_limits<std::int32_t>::max()}) {
        for (int i = 0; i < 500; ++i) {
            const std::int32_t value = generator.Random(n);
            ASSERT_GE(value, 0);
            ASSERT_LT(value, n);
        }
    }
}

TEST(RandomGeneratorTest, EmptyOrNegativeRangeGivesZeroButStillAdvances) {
    RandomGenerator generator(0);
    EXPECT_EQ(generator.Random(0), 0);
    EXPECT_EQ(generator.State(), 1u);
    EXPECT_EQ(generator.Random(-5), 0);
    EXPECT_EQ(generator.State(), 134775814u);
    EXPECT_EQ(generator.Random(std::numeric_limits<std::int32_t>::min()), 0);
    EXPECT_EQ(generator.State(), 3698175007u);
}

TEST(RandomGeneratorTest, SeedFromClockTakesMillisecondsSinceMidnight) {
    platform::VirtualClock clock;
    clock.SetMillisecondsSinceMidnightUtc(43'200'123);
    RandomGenerator generator(7);
    generator.SeedFromClock(clock);
    EXPECT_EQ(generator.State(), 43'200'123u);
}

}  // namespace
