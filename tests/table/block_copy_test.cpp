#include "table/block_copy.h"

#include <gtest/gtest.h>

#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"

namespace {

// Every pixel its own colour, so a copy from the wrong place shows.
platform::Bitmap Numbered(int width, int height, int salt) {
    platform::Bitmap bitmap(width, height);
    platform::Canvas canvas(bitmap);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) canvas.SetPixel(x, y, platform::Rgb(x + salt, y, salt));
    return bitmap;
}

TEST(BlockCopyTest, SameResultAsTheCanvasCopyWhereverTheBlockLies) {
    const platform::Bitmap source = Numbered(60, 50, 7);
    const struct {
        int x, y, w, h, sx, sy;
    } cases[] = {{5, 5, 20, 20, 0, 0},        {-10, -5, 30, 30, 3, 2},   {30, 20, 50, 50, 10, 10},
                 {0, 0, 40, 40, -15, -20},    {10, 10, 20, 20, 55, 45},  {-1000000, 0, 10, 10, 0, 0},
                 {0, 0, 2000000000, 40, 0, 0}, {2147483600, 5, 100, 5, 0, 0}, {5, 5, 0, 10, 0, 0}};
    for (const auto& c : cases) {
        platform::Bitmap expected = Numbered(40, 30, 100);
        platform::Bitmap actual = Numbered(40, 30, 100);
        platform::Canvas expectedCanvas(expected);
        platform::Canvas actualCanvas(actual);
        expectedCanvas.BlockCopy(c.x, c.y, c.w, c.h, source, c.sx, c.sy);
        table::CopyBlock(actualCanvas, c.x, c.y, c.w, c.h, source.Image(), c.sx, c.sy);
        EXPECT_EQ(actual.Image(), expected.Image()) << c.x << "," << c.y << " " << c.w << "x" << c.h;
    }
}

TEST(BlockCopyTest, ACopyWithinOneImageReadsTheOldPixels) {
    platform::Bitmap expected = Numbered(40, 30, 3);
    platform::Bitmap actual = Numbered(40, 30, 3);
    platform::Canvas expectedCanvas(expected);
    platform::Canvas actualCanvas(actual);
    expectedCanvas.BlockCopy(5, 5, 20, 20, expected, 0, 0);
    table::CopyBlock(actualCanvas, 5, 5, 20, 20, actual.Image(), 0, 0);
    EXPECT_EQ(actual.Image(), expected.Image());
}

}  // namespace
