#include "table/draw/drag_image.h"

#include <gtest/gtest.h>

#include "engine/model/preference_fields.h"
#include "platform/qt/canvas.h"
#include "table/draw/card_drawing.h"
#include "tests/table/drawing_fixture.h"

namespace {

using drawing_test::FaceColour;
using drawing_test::kCh;
using drawing_test::kCw;

TEST(UncoveredStripsTest, ByTheDirectionOfTheMove) {
    const platform::Rect o{100, 100, 171, 196};
    auto strips = [&](int x, int y) { return table::UncoveredStrips(o, {x, y, x + 71, y + 96}); };
    auto rightDown = strips(110, 105);
    EXPECT_EQ(rightDown.first, (platform::Rect{100, 100, 172, 105}));
    EXPECT_EQ(rightDown.second, (platform::Rect{100, 100, 110, 196}));
    auto leftDown = strips(90, 105);
    EXPECT_EQ(leftDown.first, (platform::Rect{100, 100, 172, 105}));
    EXPECT_EQ(leftDown.second, (platform::Rect{161, 100, 173, 196}));
    auto leftUp = strips(90, 95);
    EXPECT_EQ(leftUp.first, (platform::Rect{100, 191, 172, 196}));
    EXPECT_EQ(leftUp.second, (platform::Rect{161, 100, 173, 196}));
    auto rightUp = strips(110, 95);
    EXPECT_EQ(rightUp.first, (platform::Rect{100, 191, 172, 196}));
    EXPECT_EQ(rightUp.second, (platform::Rect{100, 100, 110, 196}));
}

class DragImageTest : public drawing_test::DrawingTest {
protected:
    DragImageTest() {
        // The table in the buffer, the window showing it, a card lifted at (200, 150).
        table::CopyBufferToScreen(context);
        images.DragBitmap() = images.CardFace(4);
        layout.SetDragHeight(kCh);
        layout.SetDragRects(200, 150, 200 + kCw, 150 + kCh);
        mainGame.DragImagePos = {200, 150};
        surface.Canvas().BlockCopy(200, 150, kCw, kCh, images.DragBitmap(), 0, 0);
    }

    // Every window pixel outside the rectangle equals the buffer's.
    void ExpectWindowIsBufferOutside(const platform::Rect& r) {
        for (int y = 100; y < 320; ++y)
            for (int x = 150; x < 350; ++x) {
                if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) continue;
                ASSERT_EQ(WindowPixel(x, y), BufferPixel(x, y)) << x << "," << y;
            }
    }
};

TEST_F(DragImageTest, SamePointReturnsFalseAndDrawsNothing) {
    surface.Canvas().SetPixel(150, 120, 0x123456);
    EXPECT_FALSE(table::MoveDragImage(context, 200, 150, false, false));
    EXPECT_EQ(WindowPixel(150, 120), 0x123456u);
}

TEST_F(DragImageTest, StripsComeBackFromTheBufferInEveryDirection) {
    int x = 200, y = 150;
    for (const auto& [dx, dy] : {std::pair{7, 5}, {-9, 6}, {-4, -11}, {13, -3}, {0, 8}, {-30, 0}}) {
        x += dx;
        y += dy;
        ASSERT_TRUE(table::MoveDragImage(context, x, y, false, false));
        ExpectWindowIsBufferOutside({x, y, x + kCw, y + kCh});
        EXPECT_EQ(WindowPixel(x + 30, y + 40), FaceColour(4));
    }
    EXPECT_EQ(mainGame.DragImagePos.x, x);
    EXPECT_EQ(layout.DragRect(), (engine::TableRect{x, y, x + kCw, y + kCh}));
}

TEST_F(DragImageTest, ShadowStripsComeBackToo) {
    SetField(engine::fields::kCardsShadowed, "Y");
    layout.SetShadowOffset(9);
    ASSERT_TRUE(table::MoveDragImage(context, 210, 160, false, false));
    // The new shadow lies right of and below the image.
    EXPECT_EQ(WindowPixel(210 + kCw + 3, 200), drawing_test::kShadowColour);
    ASSERT_TRUE(table::MoveDragImage(context, 190, 140, false, false));
    const platform::Rect n{190, 140, 190 + kCw, 140 + kCh};
    // Outside the image and its new shadow, the window is the buffer again.
    for (int y = 100; y < 320; ++y)
        for (int x = 150; x < 350; ++x) {
            const bool inImage = x >= n.left && x < n.right + 9 && y >= n.top && y < n.bottom + 9;
            if (!inImage) {
                ASSERT_EQ(WindowPixel(x, y), BufferPixel(x, y)) << x << "," << y;
            }
        }
    table::EraseDragShadow(context);
    ExpectWindowIsBufferOutside(n);
}

TEST_F(DragImageTest, ToBufferLeavesTheImageAndInvalidates) {
    ASSERT_TRUE(table::MoveDragImage(context, 220, 170, true, true));
    EXPECT_EQ(BufferPixel(250, 200), FaceColour(4));
    // The image took the buffer's corners before it went there.
    EXPECT_EQ(BufferPixel(220, 170), drawing_test::BackgroundColourAt(220, 170));
    EXPECT_EQ(window.invalidated.size(), 3u);
    EXPECT_EQ(window.invalidated.back(), (engine::TableRect{220, 170, 220 + kCw, 170 + kCh}));
}

// A slide that ends where the image already lies still drops the card.
TEST_F(DragImageTest, AtTheSamePointToBufferStillLandsTheImageWithTheTablesCorners) {
    EXPECT_FALSE(table::MoveDragImage(context, 200, 150, true, true));
    EXPECT_EQ(BufferPixel(230, 190), FaceColour(4));
    EXPECT_EQ(BufferPixel(200, 150), drawing_test::BackgroundColourAt(200, 150));
    EXPECT_EQ(WindowPixel(200, 150), drawing_test::BackgroundColourAt(200, 150));
    EXPECT_EQ(window.invalidated.back(), (engine::TableRect{200, 150, 200 + kCw, 150 + kCh}));
}

TEST_F(DragImageTest, AtTheSamePointRestoringCornersFixesThemOnTheWindowOnly) {
    EXPECT_FALSE(table::MoveDragImage(context, 200, 150, false, true));
    EXPECT_EQ(WindowPixel(200, 150), drawing_test::BackgroundColourAt(200, 150));
    EXPECT_EQ(BufferPixel(230, 190), drawing_test::BackgroundColourAt(230, 190));
}

TEST_F(DragImageTest, ErasingTheImageBringsTheTableBackUnderItAndItsShadow) {
    layout.SetShadowOffset(9);
    table::EraseDragImage(context);
    ExpectWindowIsBufferOutside({});
}

TEST_F(DragImageTest, AStackTallerThanTheImageDrawsWhatTheImageHas) {
    // The image holds one card, the stack claims more than the screen's height.
    layout.SetDragHeight(2000);
    ASSERT_TRUE(table::MoveDragImage(context, 230, 150, false, false));
    EXPECT_EQ(WindowPixel(240, 200), FaceColour(4));
    table::SizeDragBitmap(context, 2000);
    EXPECT_EQ(images.DragBitmap().Height(), 2000);
    EXPECT_EQ(images.DragBitmap().Width(), kCw);
    table::SizeDragBitmap(context, kCh);
    EXPECT_EQ(images.DragBitmap().Height(), drawing_test::kScreenHeight);
}

TEST_F(DragImageTest, ShiftDragOriginRaisesTheImage) {
    SetField(engine::fields::kCardsShadowed, "Y");
    layout.SetShadowOffset(9);
    context.dragGrab = {10, 12};
    table::ShiftDragOrigin(context);
    EXPECT_EQ(mainGame.DragImagePos.x, 193);
    EXPECT_EQ(mainGame.DragImagePos.y, 143);
    EXPECT_EQ(context.dragGrab.x, 17);
    EXPECT_EQ(context.dragGrab.y, 19);
}

TEST_F(DragImageTest, StackShadowForATallImage) {
    SetField(engine::fields::kCardsShadowed, "Y");
    layout.SetShadowOffset(9);
    layout.SetDragHeight(kCh + 36);
    images.DragBitmap().SetSize(kCw, kCh + 36);
    ASSERT_TRUE(table::MoveDragImage(context, 200, 140, false, false));
    const int right = 200 + kCw;
    const int top = 140;
    EXPECT_EQ(WindowPixel(right, top + 7), 0u);
    EXPECT_EQ(WindowPixel(right, top + 8), BufferPixel(right, top + 8));
}

}  // namespace
