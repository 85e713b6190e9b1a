#include "engine/rules/drop_targets.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

using engine::DropRect;
using engine::OverlapArea;
using engine::RectsOverlap;

// A pile one card in size.
constexpr DropRect kPile{100, 100, 171, 196};

struct OverlapCase {
    const char* name;
    DropRect dragged;
    bool overlaps;
    int area;
};

TEST(DropTargetsTest, CornersDecideInOrder) {
    const OverlapCase cases[] = {
        {"top-left inside", {150, 150, 221, 246}, true, (171 - 150) * (196 - 150)},
        {"bottom-right inside", {50, 50, 121, 146}, true, (121 - 100) * (146 - 100)},
        {"top-right inside", {50, 150, 121, 246}, true, (121 - 100) * (196 - 150)},
        {"bottom-left inside", {150, 50, 221, 146}, true, (171 - 150) * (146 - 100)},
        {"same rectangle", kPile, true, (171 - 100) * (196 - 100)},
        // Edges are inclusive: touching at one point overlaps with an area of 0.
        {"corner touches", {171, 196, 240, 290}, true, 0},
        {"far away", {300, 300, 371, 396}, false, 0},
        {"beside, rows shared", {172, 100, 243, 196}, false, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RectsOverlap(c.dragged, kPile), c.overlaps) << c.name;
        EXPECT_EQ(OverlapArea(c.dragged, kPile), c.area) << c.name;
    }
}

TEST(DropTargetsTest, TallStackIsProbedEveryFiftyPixels) {
    // Left edge inside the pile's columns, no corner inside: top above, bottom below.
    const DropRect tall{120, 20, 191, 400};
    EXPECT_TRUE(RectsOverlap(tall, kPile));  // probes 20, 70, 120: 120 hits
    EXPECT_EQ(OverlapArea(tall, kPile), (171 - 120) * (400 - 20));

    // Only the right edge within the columns.
    const DropRect fromLeft{60, 20, 131, 400};
    EXPECT_EQ(OverlapArea(fromLeft, kPile), (131 - 100) * (400 - 20));
}

TEST(DropTargetsTest, ProbesCanStepOverAThinPile) {
    // A pile 10 pixels high between the probes at 30 and 80: not found, as the probing decides.
    const DropRect thin{100, 35, 171, 45};
    const DropRect dragged{110, -20, 181, 200};
    EXPECT_FALSE(RectsOverlap(dragged, thin));
    EXPECT_EQ(OverlapArea(dragged, thin), 0);
}

TEST(DropTargetsTest, UpsideDownRectangleDoesNotOverlapByProbes) {
    const DropRect upsideDown{120, 400, 191, 20};
    EXPECT_FALSE(RectsOverlap(upsideDown, kPile));
    EXPECT_EQ(OverlapArea(upsideDown, kPile), 0);
}

TEST(DropTargetsTest, SixteenBitExtremesDoNotOverflow) {
    const DropRect huge{-32768, -32768, 32767, 32767};
    const DropRect pile{-32768, -32768, 32767, 32767};
    EXPECT_TRUE(RectsOverlap(huge, pile));
    // 65535 * 65535 does not fit: the measure saturates instead of wrapping negative.
    EXPECT_EQ(OverlapArea(huge, pile), std::numeric_limits<int>::max());
    // Probes stop at the bottom even at the top of the range.
    const DropRect nearEnd{0, 32700, 10, 32767};
    EXPECT_FALSE(RectsOverlap(nearEnd, DropRect{0, -100, 10, -50}));
    EXPECT_TRUE(RectsOverlap(std::int16_t{150}, std::int16_t{150}, std::int16_t{221}, std::int16_t{246}, kPile.left, kPile.top,
                             kPile.right, kPile.bottom));
}

}  // namespace
