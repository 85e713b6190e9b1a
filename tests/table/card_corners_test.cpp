#include "table/draw/card_corners.h"

#include <gtest/gtest.h>

#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"

namespace {

using platform::Rgb;

constexpr platform::Colour kSource = Rgb(10, 20, 30);
constexpr platform::Colour kCard = Rgb(250, 250, 250);

// A source painted one colour, and a card-sized destination of another.
struct CornerCase {
    explicit CornerCase(int width, int height = 96)
        : source(200, 200), dest(width, height), sourceCanvas(source), destCanvas(dest) {
        sourceCanvas.FillSolidRect({0, 0, 200, 200}, kSource);
        destCanvas.FillSolidRect({0, 0, width, height}, kCard);
    }
    int Count(platform::Colour colour) const {
        int n = 0;
        for (int y = 0; y < dest.Height(); ++y)
            for (int x = 0; x < dest.Width(); ++x) n += destCanvas.Pixel(x, y) == colour;
        return n;
    }
    platform::Bitmap source, dest;
    platform::Canvas sourceCanvas, destCanvas;
};

TEST(CardCornersTest, ThreePixelsPerCornerOfABigCard) {
    CornerCase c(71);
    table::RestoreCardCorners(c.sourceCanvas, {50, 50, 121, 146}, c.destCanvas, table::kSmallCardWidth, {0, 0, 71, 96});
    EXPECT_EQ(c.Count(kSource), 12);
    // Top left, top right, bottom left, bottom right: the corner and its two edge neighbours.
    for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {70, 0}, {69, 0}, {70, 1},
                               {0, 95}, {1, 95}, {0, 94}, {70, 95}, {69, 95}, {70, 94}})
        EXPECT_EQ(c.destCanvas.Pixel(x, y), kSource) << x << "," << y;
    EXPECT_EQ(c.destCanvas.Pixel(1, 1), kCard);
}

TEST(CardCornersTest, OnePixelPerCornerOfTheSmallestCard) {
    CornerCase c(25, 32);
    table::RestoreCardCorners(c.sourceCanvas, {0, 0, 25, 32}, c.destCanvas, table::kSmallCardWidth, {0, 0, 25, 32});
    EXPECT_EQ(c.Count(kSource), 4);
    for (const auto& [x, y] : {std::pair{0, 0}, {24, 0}, {0, 31}, {24, 31}})
        EXPECT_EQ(c.destCanvas.Pixel(x, y), kSource);
}

TEST(CardCornersTest, PartialSetsTouchOnlyTheirCorners) {
    CornerCase top(71);
    table::RestoreTopCardCorners(top.sourceCanvas, {0, 0, 71, 96}, top.destCanvas, 25, {0, 0, 71, 96});
    EXPECT_EQ(top.Count(kSource), 6);
    EXPECT_EQ(top.destCanvas.Pixel(0, 95), kCard);

    CornerCase silver(71);
    table::RestoreBottomCornersSilver(silver.sourceCanvas, {0, 0, 71, 96}, silver.destCanvas, 25, {0, 0, 71, 96});
    EXPECT_EQ(silver.Count(kSource), 3);
    EXPECT_EQ(silver.Count(table::kSilverCorner), 3);
    EXPECT_EQ(silver.destCanvas.Pixel(0, 95), kSource);
    EXPECT_EQ(silver.destCanvas.Pixel(70, 95), table::kSilverCorner);

    CornerCase one(71);
    table::RestoreBottomRightCorner(one.sourceCanvas, {0, 0, 71, 96}, one.destCanvas, 25, {0, 0, 71, 96});
    EXPECT_EQ(one.Count(kSource), 3);
    EXPECT_EQ(one.destCanvas.Pixel(69, 95), kSource);
}

TEST(CardCornersTest, PixelsOutsideTheSourceLeaveTheCardAlone) {
    // A card sliding off the table's left edge: its left corners have nothing under them.
    CornerCase c(71);
    table::RestoreCardCorners(c.sourceCanvas, {-40, 10, 31, 106}, c.destCanvas, 25, {0, 0, 71, 96});
    EXPECT_EQ(c.destCanvas.Pixel(0, 0), kCard);
    EXPECT_EQ(c.destCanvas.Pixel(70, 0), kSource);
    // And writing outside the destination is ignored.
    table::RestoreCardCorners(c.sourceCanvas, {0, 0, 71, 96}, c.destCanvas, 25, {-70, -95, 1, 1});
    EXPECT_EQ(c.destCanvas.Pixel(0, 0), kSource);
}

TEST(CardCornersTest, PaintCardCornersUsesTheSmallWidthGiven) {
    CornerCase c(59, 80);
    table::PaintCardCorners(Rgb(1, 2, 3), c.destCanvas, {0, 0, 59, 80}, 59);
    EXPECT_EQ(c.Count(Rgb(1, 2, 3)), 4);
    table::PaintCardCorners(Rgb(4, 5, 6), c.destCanvas, {0, 0, 59, 80}, 25);
    EXPECT_EQ(c.Count(Rgb(4, 5, 6)), 12);
}

}  // namespace
