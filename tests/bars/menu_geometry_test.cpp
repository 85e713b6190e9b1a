#include "bars/menus/menu_geometry.h"
#include "platform/core/random.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace bars {
namespace {

constexpr int kItemHeight = 19;

TEST(MenuLayoutTest, AnEmptyMenuIsOneHundredWideAndHoldsOneItemHeight) {
    MenuLayoutInput input;
    input.itemHeight = kItemHeight;
    const MenuLayout layout = LayoutMenu(input);
    EXPECT_EQ(layout.Count(), 0);
    EXPECT_EQ(layout.measured.width, 100);
    EXPECT_EQ(layout.measured.height, 2 + kItemHeight + 4);
}

TEST(MenuLayoutTest, AGroupStartAddsTenPixelsAboveItsEntry) {
    MenuLayoutInput input;
    input.itemHeight = kItemHeight;
    input.clientWidth = 120;
    input.rows = {{80, 19, false, false}, {90, 19, false, false}, {60, 19, true, false}};
    const MenuLayout layout = LayoutMenu(input);
    ASSERT_EQ(layout.Count(), 3);
    EXPECT_EQ(layout.rects[0].top, 2);
    EXPECT_EQ(layout.rects[1].top, 21);
    EXPECT_EQ(layout.rects[2].top, 50);
    EXPECT_EQ(layout.rects[2].right, 118);
    EXPECT_EQ(layout.measured.height, 73);
    EXPECT_EQ(layout.measured.width, 96);
    EXPECT_TRUE(layout.separatorAbove[2]);
}

TEST(MenuLayoutTest, RowsStopAtTheLimitAndTheRowUnderTheUpArrowNeedsNoGap) {
    MenuLayoutInput input;
    input.clientWidth = 100;
    input.limit = 60;
    input.upArrow = true;
    input.rows = {{50, 19, false, false}, {50, 19, true, false}, {50, 19, false, false}, {50, 19, false, false}};
    const MenuLayout layout = LayoutMenu(input);
    ASSERT_EQ(layout.Count(), 3);
    EXPECT_EQ(layout.rects[1].top, 21);
    EXPECT_FALSE(layout.separatorAbove[1]);
}

TEST(MenuLayoutTest, TheFirstRarelyUsedEntryOfABlockGetsItsMark) {
    MenuLayoutInput input;
    input.clientWidth = 100;
    input.rows = {{50, 19, false, false}, {50, 19, false, true}, {50, 19, false, true}};
    const MenuLayout layout = LayoutMenu(input);
    EXPECT_EQ(layout.rects[1].top, 22);
    EXPECT_TRUE(layout.beginsRarelyBlock[1]);
    EXPECT_FALSE(layout.beginsRarelyBlock[2]);
}

struct PlacementCase {
    const char* name;
    MenuPlacementInput input;
    Rect expected;
    bool flippedHorizontally;
    bool flippedVertically;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

class MenuPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(MenuPlacementTest, PlacesTheMenu) {
    const PlacementCase& c = GetParam();
    const MenuPlacement placement = PlaceMenu(c.input);
    EXPECT_EQ(placement.bounds.left, c.expected.left);
    EXPECT_EQ(placement.bounds.top, c.expected.top);
    EXPECT_EQ(placement.bounds.right, c.expected.right);
    EXPECT_EQ(placement.bounds.bottom, c.expected.bottom);
    EXPECT_EQ(placement.flippedHorizontally, c.flippedHorizontally);
    EXPECT_EQ(placement.flippedVertically, c.flippedVertically);
}

constexpr Rect kWork{0, 0, 800, 600};

INSTANTIATE_TEST_SUITE_P(
    Cases, MenuPlacementTest,
    ::testing::Values(
        PlacementCase{"FitsWhereAsked", {{120, 200}, {100, 50}, kWork, 0, 20}, {100, 50, 220, 250}, false, false},
        PlacementCase{"SubMenuNearTheRightEdgeOpensLeft",
                      {{150, 100}, {700, 100}, kWork, 140, 0}, {410, 100, 560, 200}, true, false},
        PlacementCase{"SubMenuWithLessRoomLeftStaysRight",
                      {{150, 100}, {700, 100}, kWork, 650, 0}, {700, 100, 850, 200}, false, false},
        PlacementCase{"AFlipIsClampedIntoTheWorkArea",
                      {{500, 100}, {600, 100}, kWork, 300, 0}, {0, 100, 500, 200}, true, false},
        PlacementCase{"PointMenuOffTheRightIsPulledIn", {{150, 100}, {700, 10}, kWork, 0, 0}, {650, 10, 800, 110},
                      false, false},
        PlacementCase{"MenuBarMenuTooLowOpensAbove", {{100, 300}, {10, 500}, kWork, 0, 20}, {10, 180, 110, 480},
                      false, true},
        PlacementCase{"MenuBarMenuWithMoreRoomBelowIsCut", {{100, 500}, {10, 200}, kWork, 0, 20}, {10, 200, 110, 600},
                      false, false},
        PlacementCase{"PopupAtAPointTooLowOpensAbove", {{100, 100}, {10, 550}, kWork, 0, 0}, {10, 450, 110, 550},
                      false, true},
        PlacementCase{"AMenuTallerThanTheWorkAreaIsCutToIt", {{100, 900}, {10, 0}, kWork, 40, 0}, {10, 0, 110, 600},
                      false, false},
        PlacementCase{"APopupTallerThanTheWorkAreaStaysInside", {{100, 900}, {10, 300}, kWork, 0, 0},
                      {10, 0, 110, 600}, false, false}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

// A generator whose next draw of Random(100) is the wanted value.
platform::RandomGenerator GeneratorDrawing(int wanted) {
    for (std::uint32_t seed = 0;; ++seed) {
        platform::RandomGenerator probe(seed);
        if (probe.Random(100) == wanted) return platform::RandomGenerator(seed);
    }
}

TEST(MenuAnimationTest, RandomDrawsFiftyAndAboveSlideAndBelowUnfold) {
    platform::RandomGenerator fifty = GeneratorDrawing(50);
    EXPECT_EQ(ResolveMenuAnimation(maRandom, fifty), maSlide);
    platform::RandomGenerator fortyNine = GeneratorDrawing(49);
    EXPECT_EQ(ResolveMenuAnimation(maRandom, fortyNine), maUnfold);
    EXPECT_EQ(ResolveMenuAnimation(maSlide, fortyNine), maSlide);
}

TEST(MenuAnimationTest, SlideGrowsSeventeenRowsAFrame) {
    const std::vector<Size> frames = AnimationFrames(maSlide, {120, 200});
    ASSERT_EQ(frames.size(), 11u);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i].width, 120);
        EXPECT_EQ(frames[i].height, 17 * static_cast<int>(i + 1));
    }
    EXPECT_EQ(frames.back().height, 187);
}

TEST(MenuAnimationTest, UnfoldOfAWideMenuRunsTheWidthAhead) {
    const std::vector<Size> frames = AnimationFrames(maUnfold, {150, 100});
    ASSERT_EQ(frames.size(), 12u);
    EXPECT_EQ(frames[0].width, 58);
    EXPECT_EQ(frames[0].height, 8);
    EXPECT_EQ(frames.back().width, 146);
    EXPECT_EQ(frames.back().height, 96);
    const std::vector<Size> tall = AnimationFrames(maUnfold, {100, 150});
    ASSERT_EQ(tall.size(), 12u);
    EXPECT_EQ(tall[0].height - tall[0].width, 50);
    EXPECT_TRUE(AnimationFrames(maNone, {150, 100}).empty());
}

TEST(MenuAnimationTest, AReversedFrameKeepsTheFarEdges) {
    const Rect full{100, 100, 252, 202};
    const Rect grow = FrameBounds(full, {58, 8}, {2, 2}, false, false);
    EXPECT_EQ(grow.left, 100);
    EXPECT_EQ(grow.top, 100);
    const Rect reversed = FrameBounds(full, {58, 8}, {2, 2}, true, true);
    EXPECT_EQ(reversed.right, 252);
    EXPECT_EQ(reversed.bottom, 202);
    EXPECT_EQ(reversed.left, 252 - 60);
}

}  // namespace
}  // namespace bars
