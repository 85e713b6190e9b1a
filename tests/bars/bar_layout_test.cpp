#include "bars/windows/bar_layout.h"
#include "bars/windows/bar_sizes.h"
#include "bars/windows/caption_buttons.h"

#include <gtest/gtest.h>

#include <vector>

namespace bars {
namespace {

using platform::Rect;
using platform::Size;

std::vector<LinkMetrics> Buttons(int count, int width = 23, int height = 22) {
    return std::vector<LinkMetrics>(count, LinkMetrics{width, height, false, false});
}

TEST(BarLayout, DockedBarStopsBeforeTheEndMarkAndAddsTheGroupGap) {
    auto links = Buttons(10);
    links[4].beginGroup = true;
    const BarLayout layout = CalcBarLayout({BarOrientation::Horizontal, {200, 22}, true, {}}, links);
    EXPECT_EQ(layout.places[4].rect.left, 4 * 23 + 6);
    ASSERT_EQ(layout.placedCount, 7);
    EXPECT_EQ(layout.places[6].rect.right, 167);
    EXPECT_TRUE(layout.places[6].lineEnd);
    for (int i = 0; i < 10; ++i) EXPECT_LE(layout.places[i].rect.right, 189) << i;
    EXPECT_EQ(layout.places[7].rect, Rect{});
}

TEST(BarLayout, MenuBarWithoutMarkRunsFromZeroWithoutGaps) {
    const std::vector<LinkMetrics> links = {{35, 19}, {40, 19}, {52, 19}};
    const BarLayout layout = CalcBarLayout({BarOrientation::Horizontal, {400, 19}, false, {}}, links);
    EXPECT_EQ(layout.placedCount, 3);
    EXPECT_EQ(layout.places[0].rect, (Rect{0, 0, 35, 19}));
    EXPECT_EQ(layout.places[1].rect, (Rect{35, 0, 75, 19}));
    EXPECT_EQ(layout.places[2].rect, (Rect{75, 0, 127, 19}));
}

TEST(BarLayout, CaptionButtonsShortenTheRoomAndAFirstLinkAlwaysFits) {
    const BarLayoutInput input{BarOrientation::Horizontal, {60, 22}, false, {50, 14}};
    EXPECT_EQ(AvailableLength(input), 10);
    const BarLayout layout = CalcBarLayout(input, Buttons(2));
    EXPECT_EQ(layout.placedCount, 1);
    EXPECT_EQ(layout.places[0].rect.right, 23);
}

TEST(BarLayout, VerticalBarRunsDownAndCentresAcross) {
    auto links = Buttons(3, 23, 22);
    links[0].width = 19;
    links[2].beginGroup = true;
    const BarLayout layout = CalcBarLayout({BarOrientation::Vertical, {25, 300}, false, {}}, links);
    EXPECT_EQ(layout.places[0].rect, (Rect{3, 0, 22, 22}));
    EXPECT_EQ(layout.places[1].rect, (Rect{1, 22, 24, 44}));
    EXPECT_EQ(layout.places[2].rect, (Rect{1, 50, 24, 72}));
}

TEST(BarLayout, FloatingBarWrapsAndAGroupStartAtTheWrapGoesIntoTheLineOffset) {
    auto links = Buttons(5);
    links[3].beginGroup = true;  // first link of the second line
    links[1].height = 26;
    const BarLayout layout = CalcBarLayout({BarOrientation::Floating, {70, 0}, false, {}}, links);
    EXPECT_EQ(layout.placedCount, 5);
    // The first line is 26 high; the 22-pixel links are centred on it.
    EXPECT_EQ(layout.places[0].rect, (Rect{0, 2, 23, 24}));
    EXPECT_EQ(layout.places[1].rect, (Rect{23, 0, 46, 26}));
    EXPECT_TRUE(layout.places[2].lineEnd);
    EXPECT_EQ(layout.places[3].rect, (Rect{0, 26 + 6, 23, 26 + 6 + 22}));
    EXPECT_EQ(layout.places[4].rect, (Rect{23, 32, 46, 54}));
    EXPECT_EQ(layout.places[0].lineBreadth, 26);
    EXPECT_EQ(layout.extent, (Size{69, 54}));
}

TEST(BarLayout, FloatingLinkAskingForItsOwnLineStandsAlone) {
    auto links = Buttons(3);
    links[1].ownLine = true;
    const BarLayout layout = CalcBarLayout({BarOrientation::Floating, {500, 0}, false, {}}, links);
    EXPECT_EQ(layout.places[1].rect.top, 22);
    EXPECT_EQ(layout.places[2].rect.top, 44);
    EXPECT_EQ(layout.extent, (Size{23, 66}));
}

TEST(BarSizes, LengthsCountGapsCaptionButtonsAndTheMark) {
    auto links = Buttons(4);
    links[0].beginGroup = true;  // a first link never opens a gap
    links[2].beginGroup = true;
    BarSizeInput input{BarOrientation::Horizontal, links, {36, 14}, true, {23, 22}, 0};
    EXPECT_EQ(PreferredLength(input), 4 * 23 + 6 + 36 + 11);
    EXPECT_EQ(MinimumLength(input), 23 + 36 + 11);
    EXPECT_EQ(PreferredThickness(input), 22);
    input.links = {};
    input.captionButtons = {};
    input.endMark = false;
    EXPECT_EQ(MinimumLength(input), 23);
    EXPECT_EQ(PreferredLength(input), 23);
    input.orientation = BarOrientation::Vertical;
    EXPECT_EQ(PreferredThickness(input), 23);
    // An empty bar down a side is one button high.
    EXPECT_EQ(MinimumLength(input), 22);
    EXPECT_EQ(PreferredLength(input), 22);
}

TEST(BarSizes, ASqueezedBarIsAsThickAsTheLinksItStillShows) {
    auto links = Buttons(3);
    links[2].height = 40;  // a tall last link
    BarSizeInput input{BarOrientation::Horizontal, links, {}, false, {23, 22}, 0};
    EXPECT_EQ(ThicknessForLength(input, 200), 40);
    // 60 pixels: the mark comes and two links fit beside it; the tall one is hidden.
    EXPECT_EQ(ThicknessForLength(input, 60), 22);
    // Even the shortest bar shows its first link; caption buttons keep their height.
    EXPECT_EQ(ThicknessForLength(input, 5), 22);
    input.captionButtons = {16, 30};
    EXPECT_EQ(ThicknessForLength(input, 60), 30);
}

TEST(BarSizes, FloatingSizeFollowsTheDraggedBorder) {
    const auto links = Buttons(6);
    EXPECT_EQ(FloatingSizeForWidth(links, 100), (Size{92, 44}));
    EXPECT_EQ(FloatingSizeForWidth(links, 1000), (Size{138, 22}));
    // The narrowest width that keeps everything within two lines.
    EXPECT_EQ(FloatingSizeForHeight(links, 50), (Size{69, 44}));
    EXPECT_EQ(FloatingSizeForHeight(links, 10), (Size{138, 22}));
}

TEST(CaptionButtons, ThreeEndTheBarWithTheCloseButtonApartAndOneStandsAlone) {
    const Size button{10, 10};
    const Rect along{0, 0, 200, 22};
    EXPECT_EQ(CaptionButtonsExtent(3, button, false), (Size{32, 10}));
    EXPECT_EQ(CaptionButtonPlace(along, button, 3, 0, false), (Rect{168, 6, 178, 16}));
    EXPECT_EQ(CaptionButtonPlace(along, button, 3, 1, false), (Rect{178, 6, 188, 16}));
    EXPECT_EQ(CaptionButtonPlace(along, button, 3, 2, false), (Rect{190, 6, 200, 16}));
    EXPECT_EQ(CaptionButtonsExtent(1, button, false), (Size{10, 10}));
    EXPECT_EQ(CaptionButtonPlace(along, button, 1, 0, false), (Rect{190, 6, 200, 16}));
    // Down a side bar they stack at its bottom, centred across it.
    const Rect down{0, 0, 24, 300};
    EXPECT_EQ(CaptionButtonsExtent(3, button, true), (Size{10, 32}));
    EXPECT_EQ(CaptionButtonPlace(down, button, 3, 0, true), (Rect{7, 268, 17, 278}));
    EXPECT_EQ(CaptionButtonPlace(down, button, 3, 2, true), (Rect{7, 290, 17, 300}));
    EXPECT_EQ(CaptionButtonsExtent(0, button, true), (Size{}));
}

}  // namespace
}  // namespace bars
