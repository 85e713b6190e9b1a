#include "table/draw/card_shadows.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"

namespace {

constexpr platform::Colour kWhite = platform::Rgb(255, 255, 255);

std::set<std::pair<int, int>> BlackPixels(const platform::Canvas& canvas) {
    std::set<std::pair<int, int>> black;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.Pixel(x, y) == table::kShadowBlack) black.insert({x, y});
    return black;
}

TEST(StackShadowTest, CheckerBandsRightAndBelow) {
    platform::Bitmap image(200, 300);
    platform::Canvas canvas(image);
    canvas.FillSolidRect({0, 0, 200, 300}, kWhite);
    const platform::Rect rect{20, 30, 91, 230};  // l, t, r, b
    table::DrawStackShadow(canvas, rect);
    const auto black = BlackPixels(canvas);

    std::set<std::pair<int, int>> expected;
    for (int column = 0; column < 7; ++column) {
        int y = rect.top + 7 + column % 2 + (column == 6 ? 2 : 0);
        for (; y <= rect.bottom; y += 2) expected.insert({rect.right + column, y});
    }
    for (int row = 0; row < 7; ++row) {
        int x = rect.left + 8 + row % 2 + (row == 6 ? 2 : 0);
        const int last = rect.right + (row >= 5 ? 4 : 6);
        for (; x <= last; x += 2) expected.insert({x, rect.bottom + row});
    }
    expected.insert({rect.right - 1, rect.bottom - 2});
    expected.insert({rect.right - 2, rect.bottom - 1});
    EXPECT_EQ(black, expected);

    // Spot checks of the pattern's edges.
    EXPECT_TRUE(black.contains({91, 37}));
    EXPECT_FALSE(black.contains({91, 38}));
    EXPECT_TRUE(black.contains({92, 38}));
    EXPECT_TRUE(black.contains({97, 39}));  // the outermost column starts two lower
    EXPECT_FALSE(black.contains({97, 37}));
    EXPECT_TRUE(black.contains({28, 230}));
    EXPECT_TRUE(black.contains({30, 236}));  // the outermost row starts two further right
    EXPECT_TRUE(black.contains({94, 236}));  // the last two rows stop two short
    EXPECT_FALSE(black.contains({96, 236}));
    EXPECT_TRUE(black.contains({96, 234}));
}

TEST(CardShadowTest, ImagesRightAndBelowWithWhiteLeftOut) {
    platform::Bitmap image(200, 200);
    platform::Canvas canvas(image);
    canvas.FillSolidRect({0, 0, 200, 200}, platform::Rgb(0, 100, 0));
    platform::Bitmap right(9, 96);
    platform::Bitmap bottom(71, 9);
    platform::Canvas(right).FillSolidRect({0, 0, 9, 96}, platform::Rgb(50, 50, 50));
    platform::Canvas(right).FillSolidRect({0, 0, 1, 96}, kWhite);
    platform::Canvas(bottom).FillSolidRect({0, 0, 71, 9}, platform::Rgb(70, 70, 70));
    table::DrawCardShadow(canvas, {10, 20, 81, 116}, right, bottom, 9);
    EXPECT_EQ(canvas.Pixel(81, 27), platform::Rgb(0, 100, 0));  // white left out
    EXPECT_EQ(canvas.Pixel(82, 27), platform::Rgb(50, 50, 50));
    EXPECT_EQ(canvas.Pixel(82, 26), platform::Rgb(0, 100, 0));
    EXPECT_EQ(canvas.Pixel(18, 116), platform::Rgb(70, 70, 70));
    EXPECT_EQ(canvas.Pixel(17, 116), platform::Rgb(0, 100, 0));
    EXPECT_EQ(canvas.Pixel(80, 114), table::kShadowBlack);
    EXPECT_EQ(canvas.Pixel(79, 115), table::kShadowBlack);
}

}  // namespace
