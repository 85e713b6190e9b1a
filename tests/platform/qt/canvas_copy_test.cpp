#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "tests/platform/qt/guarded_image.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <map>
#include <utility>

namespace platform {
namespace {

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);

// Every pixel a different colour, so a copy shows where each pixel came from.
Colour Gradient(int x, int y) { return Rgb(x, y, (x + y) & 0xFF); }

Bitmap GradientBitmap(int width, int height) {
    Bitmap bitmap(width, height);
    Canvas canvas(bitmap);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) canvas.SetPixel(x, y, Gradient(x, y));
    return bitmap;
}

// A canvas of another kind: only the interface, pixels in a map.
class MapCanvas : public ICanvas {
public:
    MapCanvas(int width, int height) : m_width(width), m_height(height) {}
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void FillSolidRect(const Rect&, Colour) override {}
    Colour Pixel(int x, int y) const override {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height) return kInvalidColour;
        const auto it = m_pixels.find({x, y});
        return it == m_pixels.end() ? kBlack : it->second;
    }
    void SetPixel(int x, int y, Colour colour) override { m_pixels[{x, y}] = colour; }
    void BlockCopy(int, int, int, int, const ICanvas&, int, int, RasterOp) override {}

private:
    int m_width, m_height;
    std::map<std::pair<int, int>, Colour> m_pixels;
};

TEST(CanvasBlockCopy, CopiesARectangleAtAnOffset) {
    Bitmap source = GradientBitmap(20, 20);
    Bitmap target(30, 30);
    Canvas canvas(target);
    canvas.FillSolidRect({0, 0, 30, 30}, kWhite);
    canvas.BlockCopy(10, 12, 5, 4, source, 3, 2);
    EXPECT_EQ(canvas.Pixel(10, 12), Gradient(3, 2));
    EXPECT_EQ(canvas.Pixel(14, 15), Gradient(7, 5));
    EXPECT_EQ(canvas.Pixel(15, 15), kWhite);
    EXPECT_EQ(canvas.Pixel(14, 16), kWhite);
    EXPECT_EQ(canvas.Pixel(9, 12), kWhite);
}

TEST(CanvasBlockCopy, DstInvertTwiceRestoresTheImage) {
    Bitmap bitmap = GradientBitmap(40, 30);
    const QImage before = bitmap.Image().copy();
    Canvas canvas(bitmap);
    canvas.BlockCopy(5, 5, 20, 10, canvas, 5, 5, RasterOp::DstInvert);
    EXPECT_EQ(canvas.Pixel(5, 5), Gradient(5, 5) ^ 0xFFFFFF);
    EXPECT_EQ(canvas.Pixel(4, 5), Gradient(4, 5));
    canvas.BlockCopy(5, 5, 20, 10, canvas, 5, 5, RasterOp::DstInvert);
    EXPECT_EQ(bitmap.Image(), before);
    canvas.Invert({2, 3, 9, 11});  // the same inversion without a copy
    EXPECT_EQ(canvas.Pixel(8, 10), Gradient(8, 10) ^ 0xFFFFFF);
    EXPECT_EQ(canvas.Pixel(9, 10), Gradient(9, 10));
    canvas.Invert({2, 3, 9, 11});
    EXPECT_EQ(bitmap.Image(), before);
}

TEST(CanvasBlockCopy, RasterOperationsCombineSourceAndDestination) {
    Bitmap source(1, 1);
    Canvas(source).SetPixel(0, 0, Rgb(0xF0, 0x0F, 0x33));
    const Colour dest = Rgb(0xCC, 0xAA, 0x0F);
    struct Case {
        RasterOp op;
        Colour expected;
    };
    const Case cases[] = {
        {RasterOp::SrcCopy, Rgb(0xF0, 0x0F, 0x33)},
        {RasterOp::SrcAnd, Rgb(0xC0, 0x0A, 0x03)},
        {RasterOp::SrcPaint, Rgb(0xFC, 0xAF, 0x3F)},
        {RasterOp::SrcInvert, Rgb(0x3C, 0xA5, 0x3C)},
        {RasterOp::NotSrcCopy, Rgb(0x0F, 0xF0, 0xCC)},
        {RasterOp::DstInvert, Rgb(0x33, 0x55, 0xF0)},
    };
    for (const Case& c : cases) {
        Bitmap target(1, 1);
        Canvas canvas(target);
        canvas.SetPixel(0, 0, dest);
        canvas.BlockCopy(0, 0, 1, 1, source, 0, 0, c.op);
        EXPECT_EQ(canvas.Pixel(0, 0), c.expected) << std::hex << static_cast<unsigned>(c.op);
    }
}

TEST(CanvasBlockCopy, PatternOperationsUseTheBrush) {
    // 0x00E20746 paints the brush where the source is white and keeps the destination elsewhere.
    Bitmap mask(2, 1);
    Canvas maskCanvas(mask);
    maskCanvas.SetPixel(0, 0, kWhite);
    maskCanvas.SetPixel(1, 0, kBlack);
    Bitmap target(2, 1);
    Canvas canvas(target);
    canvas.FillSolidRect({0, 0, 2, 1}, kBlue);
    canvas.SetBrushColour(kRed);
    canvas.BlockCopy(0, 0, 2, 1, mask, 0, 0, static_cast<RasterOp>(0x00E20746));
    EXPECT_EQ(canvas.Pixel(0, 0), kRed);
    EXPECT_EQ(canvas.Pixel(1, 0), kBlue);
    canvas.BlockCopy(0, 0, 2, 1, mask, 0, 0, RasterOp::PatCopy);
    EXPECT_EQ(canvas.Pixel(1, 0), kRed);
}

TEST(CanvasBlockCopy, ClipsAtEveryEdgeWithoutTouchingMemoryOutside) {
    Bitmap source = GradientBitmap(50, 50);
    testing::GuardedImage guarded(20, 10, 0xFFFFFFFF);
    ASSERT_TRUE(guarded.GuardIntact());
    Canvas canvas(guarded.Image());
    canvas.BlockCopy(-7, -3, 50, 50, source, 0, 0);
    EXPECT_EQ(canvas.Pixel(0, 0), Gradient(7, 3));
    EXPECT_EQ(canvas.Pixel(19, 9), Gradient(26, 12));
    canvas.BlockCopy(15, 8, 50, 50, source, 0, 0);
    EXPECT_EQ(canvas.Pixel(15, 8), Gradient(0, 0));
    canvas.BlockCopy(-1000, -1000, 5000, 5000, source, 0, 0, RasterOp::DstInvert);
    canvas.BlockCopy(INT_MAX - 2, INT_MAX - 2, INT_MAX, INT_MAX, source, 0, 0);
    canvas.BlockCopy(INT_MIN, INT_MIN, INT_MAX, INT_MAX, source, INT_MAX, INT_MIN);
    canvas.BlockCopy(0, 0, 10, 10, source, -5, 45);  // partly outside the source: only the overlap
    EXPECT_EQ(canvas.Pixel(5, 0), Gradient(0, 45));
    canvas.FillSolidRect({-5, -5, 1000, 2}, kRed);
    canvas.FillSolidRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kRed);
    canvas.Invert({-50, 8, 50, 50});
    canvas.StretchCopy({-30, -30, 70, 70}, source, {0, 0, 50, 50});
    canvas.TransparentCopy(-10, -10, 60, 60, source, 0, 0, kWhite);
    EXPECT_TRUE(guarded.GuardIntact());
}

TEST(CanvasBlockCopy, SourcePixelsOutsideTheSourceLeaveTheDestinationAlone) {
    Bitmap source = GradientBitmap(10, 10);
    Bitmap target(10, 10);
    Canvas canvas(target);
    canvas.FillSolidRect({0, 0, 10, 10}, kWhite);
    canvas.BlockCopy(0, 0, 10, 10, source, 5, -5);
    EXPECT_EQ(canvas.Pixel(0, 4), kWhite);
    EXPECT_EQ(canvas.Pixel(0, 5), Gradient(5, 0));
    EXPECT_EQ(canvas.Pixel(5, 5), kWhite);
}

TEST(CanvasBlockCopy, OverlappingSelfCopyReadsTheOldPixels) {
    Bitmap bitmap = GradientBitmap(30, 30);
    Canvas canvas(bitmap);
    canvas.BlockCopy(2, 3, 20, 20, canvas, 0, 0);
    EXPECT_EQ(canvas.Pixel(2, 3), Gradient(0, 0));
    EXPECT_EQ(canvas.Pixel(21, 22), Gradient(19, 19));
    canvas.BlockCopy(0, 0, 20, 20, bitmap, 5, 5);  // the other way, through the bitmap itself
    EXPECT_EQ(canvas.Pixel(0, 0), Gradient(3, 2));
}

// Plain copies between 32-bit images go row by row; a source of another format goes
// pixel by pixel. Both must give the same pixels with the same clipping.
TEST(CanvasBlockCopy, RowCopyGivesThePixelsOfThePixelByPixelCopyWhereverTheBlockLies) {
    const Bitmap source = GradientBitmap(60, 50);
    const QImage slowSource = source.Image().convertToFormat(QImage::Format_RGB888);
    const struct {
        int x, y, w, h, sx, sy;
    } cases[] = {{5, 5, 20, 20, 0, 0},         {-10, -5, 30, 30, 3, 2},         {30, 20, 50, 50, 10, 10},
                 {0, 0, 40, 40, -15, -20},     {10, 10, 20, 20, 55, 45},        {-1000000, 0, 10, 10, 0, 0},
                 {0, 0, 2000000000, 40, 0, 0}, {2147483600, 5, 100, 5, 0, 0},   {5, 5, 0, 10, 0, 0},
                 {-3, 7, 50, 1, 0, 49},        {0, 0, 40, 30, INT_MIN, INT_MAX}};
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32}) {
        for (const auto& c : cases) {
            QImage expected = GradientBitmap(40, 30).Image().convertToFormat(format);
            QImage actual = expected.copy();
            Canvas(expected).BlockCopy(c.x, c.y, c.w, c.h, slowSource, c.sx, c.sy);
            Canvas(actual).BlockCopy(c.x, c.y, c.w, c.h, source, c.sx, c.sy);
            EXPECT_EQ(actual, expected) << format << ": " << c.x << "," << c.y << " " << c.w << "x" << c.h;
        }
    }
}

TEST(CanvasBlockCopy, RowCopyWithinOneImageReadsTheOldPixels) {
    for (const auto& [x, y, sx, sy] : {std::array{5, 5, 0, 0}, {0, 0, 5, 5}, {3, 0, 0, 0}, {0, 2, 0, 0}}) {
        Bitmap bitmap = GradientBitmap(40, 30);
        const Bitmap original = GradientBitmap(40, 30);
        Bitmap expected = GradientBitmap(40, 30);
        Canvas(expected).BlockCopy(x, y, 30, 20, original.Image().convertToFormat(QImage::Format_RGB888), sx, sy);
        Canvas canvas(bitmap);
        canvas.BlockCopy(x, y, 30, 20, bitmap, sx, sy);
        EXPECT_EQ(bitmap.Image(), expected.Image()) << x << "," << y << " from " << sx << "," << sy;
    }
}

TEST(CanvasBlockCopy, RowCopyMakesAnAlphaSourceOpaque) {
    QImage source(2, 1, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgba(10, 20, 30, 0));
    source.setPixel(1, 0, qRgba(40, 50, 60, 128));
    Bitmap target(2, 1);
    Canvas canvas(target);
    canvas.BlockCopy(0, 0, 2, 1, source, 0, 0);
    EXPECT_EQ(target.Image().pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(target.Image().pixel(1, 0), qRgb(40, 50, 60));
}

TEST(CanvasBlockCopy, ReadsACanvasOfAnotherKind) {
    MapCanvas source(4, 4);
    source.SetPixel(1, 2, kRed);
    Bitmap target(4, 4);
    Canvas canvas(target);
    canvas.FillSolidRect({0, 0, 4, 4}, kWhite);
    canvas.BlockCopy(0, 0, 4, 4, static_cast<const ICanvas&>(source), 1, 1);
    EXPECT_EQ(canvas.Pixel(0, 1), kRed);
    EXPECT_EQ(canvas.Pixel(0, 0), kBlack);
    EXPECT_EQ(canvas.Pixel(3, 3), kWhite);  // beyond the source
}

TEST(CanvasTransparentCopy, LeavesOutTheKeyColour) {
    Bitmap shadow(4, 1);
    Canvas shadowCanvas(shadow);
    shadowCanvas.FillSolidRect({0, 0, 4, 1}, kWhite);
    shadowCanvas.SetPixel(1, 0, kBlack);
    shadowCanvas.SetPixel(3, 0, kBlue);
    Bitmap target(6, 2);
    Canvas canvas(target);
    canvas.FillSolidRect({0, 0, 6, 2}, kRed);
    canvas.TransparentCopy(1, 1, 4, 1, shadow, 0, 0, kWhite);
    EXPECT_EQ(canvas.Pixel(1, 1), kRed);
    EXPECT_EQ(canvas.Pixel(2, 1), kBlack);
    EXPECT_EQ(canvas.Pixel(3, 1), kRed);
    EXPECT_EQ(canvas.Pixel(4, 1), kBlue);
    canvas.TransparentCopy(0, 0, 4, 1, shadow, 0, 0, kBlue);  // the border images key out pure blue
    EXPECT_EQ(canvas.Pixel(0, 0), kWhite);
    EXPECT_EQ(canvas.Pixel(3, 0), kRed);
}

TEST(CanvasStretchCopy, DoublesEachPixel) {
    Bitmap source = GradientBitmap(3, 2);
    Bitmap target(6, 4);
    Canvas canvas(target);
    canvas.StretchCopy({0, 0, 6, 4}, source, {0, 0, 3, 2});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(canvas.Pixel(x, y), Gradient(x / 2, y / 2)) << x << "," << y;
}

TEST(CanvasStretchCopy, ShrinksALargeBackToTheMediumSize) {
    // The medium card back is the large one scaled from 71 x 96 to 59 x 80.
    Bitmap large = GradientBitmap(71, 96);
    Bitmap medium(59, 80);
    Canvas canvas(medium);
    canvas.StretchCopy({0, 0, 59, 80}, large, {0, 0, 71, 96});
    EXPECT_EQ(canvas.Pixel(0, 0), Gradient(0, 0));
    EXPECT_EQ(canvas.Pixel(58, 79), Gradient(58 * 71 / 59, 79 * 96 / 80));
    EXPECT_EQ(canvas.Pixel(30, 40), Gradient(30 * 71 / 59, 40 * 96 / 80));
}

TEST(CanvasStretchCopy, CopiesASubRectangleOfItself) {
    Bitmap bitmap = GradientBitmap(8, 8);
    Canvas canvas(bitmap);
    canvas.StretchCopy({0, 0, 8, 8}, canvas, {2, 2, 6, 6});
    EXPECT_EQ(canvas.Pixel(0, 0), Gradient(2, 2));
    EXPECT_EQ(canvas.Pixel(7, 7), Gradient(5, 5));
    EXPECT_EQ(canvas.Pixel(3, 4), Gradient(3, 4));
}

TEST(CanvasTile, TilesA100By50BitmapOver250By120) {
    Bitmap tile = GradientBitmap(100, 50);
    Bitmap area(260, 130);
    Canvas canvas(area);
    canvas.FillSolidRect({0, 0, 260, 130}, kWhite);
    const Canvas tileCanvas(tile);
    TileImage(canvas, 250, 120, tileCanvas);
    // The row at x = 0, 100, 200, then copied down to y = 50 and 100.
    for (int y : {0, 49, 50, 99, 100, 129})
        for (int x : {0, 99, 100, 199, 200, 249}) EXPECT_EQ(canvas.Pixel(x, y), Gradient(x % 100, y % 50)) << x << "," << y;
    // The first row's last tile reaches past the width; the band copied down stops at 250.
    EXPECT_EQ(canvas.Pixel(255, 10), Gradient(55, 10));
    EXPECT_EQ(canvas.Pixel(255, 60), kWhite);
}

TEST(CanvasTile, AnEmptyTileDrawsNothing) {
    Bitmap empty;
    Bitmap area(10, 10);
    Canvas canvas(area);
    canvas.FillSolidRect({0, 0, 10, 10}, kRed);
    TileImage(canvas, 10, 10, Canvas(empty));
    EXPECT_EQ(canvas.Pixel(5, 5), kRed);
}

}  // namespace
}  // namespace platform
