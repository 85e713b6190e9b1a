#include "bars/windows/toolbar_frame.h"

#include <gtest/gtest.h>

namespace bars {
namespace {

using platform::Point;
using platform::Rect;
using platform::Size;

TEST(ToolbarFrame, DockedInsetsMatchTheManagersExtraSizes) {
    // One-row top area with the default font: a 19-pixel menu row plus 4.
    const FrameInsets top = DockedInsets(false, 9);
    EXPECT_EQ(top, (FrameInsets{11, 2, 2, 2}));
    EXPECT_EQ(top.top + top.bottom + 19, 23);
    EXPECT_EQ(top.left + top.right, 9 + 4);
    EXPECT_EQ(DockedInsets(true, 6), (FrameInsets{2, 8, 2, 2}));
    EXPECT_EQ(ClientRect({100, 23}, top), (Rect{11, 2, 98, 21}));
    // Floating: left and right add up to 2 x (frame + 4), top and bottom to 2 x frame + caption + 3.
    const FrameInsets floating = FloatingInsets(4, 4, 15);
    EXPECT_EQ(floating.left + floating.right, 2 * (4 + 4));
    EXPECT_EQ(floating.top + floating.bottom, 2 * 4 + 15 + 3);
}

TEST(ToolbarFrame, GripBarsByStyle) {
    EXPECT_EQ(GripBars({200, 23}, false, true),
              (std::vector<Rect>{{4, 2, 7, 21}, {7, 2, 10, 21}}));
    EXPECT_EQ(GripBars({200, 23}, false, false), (std::vector<Rect>{{3, 3, 6, 20}}));
    EXPECT_EQ(GripBars({27, 200}, true, false), (std::vector<Rect>{{3, 3, 24, 6}}));
}

TEST(ToolbarFrame, FloatingFrameSizesInFourDirections) {
    const Size window{120, 60};
    EXPECT_EQ(FloatingSizingEdge(window, {1, 1}, 4, 4), SizingEdge::Top);
    EXPECT_EQ(FloatingSizingEdge(window, {1, 5}, 4, 4), SizingEdge::Left);
    EXPECT_EQ(FloatingSizingEdge(window, {118, 58}, 4, 4), SizingEdge::Bottom);
    EXPECT_EQ(FloatingSizingEdge(window, {118, 30}, 4, 4), SizingEdge::Right);
    EXPECT_EQ(FloatingSizingEdge(window, {60, 30}, 4, 4), SizingEdge::None);
    const Rect caption = CaptionStrip(window, 4, 4, 15);
    EXPECT_EQ(caption, (Rect{4, 4, 116, 19}));
    EXPECT_EQ(CaptionCloseButton(caption, {13, 11}), (Rect{101, 6, 114, 17}));
}

TEST(ToolbarFrame, GrabOffsetKeepsItsFraction) {
    // 30 pixels into a 150-pixel floating bar is 20 % of it: 60 pixels into a docked 300.
    EXPECT_EQ(ScaleGrabOffset({30, 10}, {150, 40}, {300, 23}), (Point{60, 6}));
    EXPECT_EQ(ScaleGrabOffset({30, 10}, {0, 0}, {300, 23}), (Point{0, 0}));
}

TEST(ToolbarFrame, FloatingBarStaysReachable) {
    const Rect work{0, 0, 800, 570};
    EXPECT_EQ(KeepReachable({-200, 50, -100, 90}, work), (Rect{0, 50, 100, 90}));
    EXPECT_EQ(KeepReachable({900, 600, 1000, 640}, work), (Rect{700, 530, 800, 570}));
    EXPECT_EQ(KeepReachable({-50, 50, 50, 90}, work), (Rect{-50, 50, 50, 90}));
}

}  // namespace
}  // namespace bars
