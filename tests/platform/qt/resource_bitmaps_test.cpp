#include "platform/qt/resource_bitmaps.h"

#include "platform/core/paths.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "tests/support/fake_services.h"
#include "tests/support/media_doubles.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace platform {
namespace {

constexpr Colour kBlank = Rgb(1, 2, 3);

// An image whose every pixel tells where in the image it lies.
QImage Numbered(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x, y, 200));
    return image;
}

std::string Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

// The tile pixel (x, y) of Numbered(), as the canvas reads it.
Colour TilePixel(int x, int y) { return Rgb(x, y, 200); }

class ResourceBitmapsTest : public ::testing::Test {
protected:
    ResourceBitmapsTest()
        : m_paths(m_folder.Path()), m_bitmaps(m_library, m_paths, [this](const std::filesystem::path& file) {
              m_required.push_back(file);
              return std::filesystem::exists(file);
          }) {
        m_library.AddBitmap("TILE", Encode(Numbered(100, 50), "PNG"));
        m_library.AddBitmap("B600", Encode(Numbered(30, 20), "BMP"));
    }

    Bitmap Blank(int width, int height) {
        Bitmap bitmap(width, height);
        Canvas(bitmap).FillSolidRect({0, 0, width, height}, kBlank);
        return bitmap;
    }

    test_support::TempFolder m_folder;
    test_support::FakeResourceLibrary m_library;
    PathResolver m_paths;
    std::vector<std::filesystem::path> m_required;
    ResourceBitmaps m_bitmaps;
};

TEST_F(ResourceBitmapsTest, LoadsALibraryBitmapByName) {
    Bitmap bitmap;
    EXPECT_TRUE(m_bitmaps.LoadResBitmap(bitmap, "tile"));
    EXPECT_EQ(bitmap.Width(), 100);
    EXPECT_EQ(bitmap.Height(), 50);
}

TEST_F(ResourceBitmapsTest, DataThatDoesNotDecodeIsReportedByNameNotDrawnAsNothing) {
    std::vector<std::string> reported;
    m_bitmaps.SetDamagedImageReport([&](std::string_view name) { reported.emplace_back(name); });
    std::string png = Encode(Numbered(100, 50), "PNG");
    png.resize(png.size() / 2);
    m_library.AddBitmap("CL001S", png);
    Bitmap bitmap(10, 10);
    EXPECT_FALSE(m_bitmaps.LoadResBitmap(bitmap, "CL001S"));
    EXPECT_TRUE(bitmap.IsEmpty());
    EXPECT_TRUE(m_bitmaps.LoadResBitmap(bitmap, "TILE"));
    EXPECT_FALSE(m_bitmaps.LoadResBitmap(bitmap, "GAME0999")) << "a missing name is no damage";
    EXPECT_EQ(reported, std::vector<std::string>{"CL001S"});
}

TEST_F(ResourceBitmapsTest, ANameTheLibraryLacksGivesAnEmptyBitmap) {
    Bitmap bitmap(10, 10);
    EXPECT_FALSE(m_bitmaps.LoadResBitmap(bitmap, "GAME0999"));
    EXPECT_TRUE(bitmap.IsEmpty());
    m_library.Close();
    EXPECT_FALSE(m_bitmaps.LoadResBitmap(bitmap, "TILE"));
    EXPECT_TRUE(bitmap.IsEmpty());
}

TEST_F(ResourceBitmapsTest, DrawResBitmapCopiesTheWholeImageToTheOrigin) {
    Bitmap target = Blank(40, 40);
    Canvas canvas(target);
    m_bitmaps.DrawResBitmap(canvas, "B600");
    EXPECT_EQ(canvas.Pixel(0, 0), TilePixel(0, 0));
    EXPECT_EQ(canvas.Pixel(29, 19), TilePixel(29, 19));
    EXPECT_EQ(canvas.Pixel(30, 19), kBlank);
    EXPECT_EQ(canvas.Pixel(29, 20), kBlank);
    m_bitmaps.DrawResBitmap(canvas, "MISSING");  // draws nothing, fails nothing
    EXPECT_EQ(canvas.Pixel(35, 35), kBlank);
}

// A 100 x 50 tile over 250 x 120: the row at x = 0, 100, 200, copied down to y = 50 and 100.
TEST_F(ResourceBitmapsTest, TilesARowAndCopiesItDown) {
    Bitmap target = Blank(320, 200);
    Canvas canvas(target);
    m_bitmaps.TileBitmap(canvas, 250, 120, Bitmap(), true, "TILE");
    EXPECT_EQ(canvas.Pixel(0, 0), TilePixel(0, 0));
    EXPECT_EQ(canvas.Pixel(150, 10), TilePixel(50, 10));
    EXPECT_EQ(canvas.Pixel(299, 49), TilePixel(99, 49));  // the third tile of the row is whole
    EXPECT_EQ(canvas.Pixel(300, 0), kBlank);
    EXPECT_EQ(canvas.Pixel(10, 60), TilePixel(10, 10));
    EXPECT_EQ(canvas.Pixel(249, 149), TilePixel(49, 49));  // the band at y = 100 reaches 149
    EXPECT_EQ(canvas.Pixel(250, 60), kBlank);              // bands are the area's width
    EXPECT_EQ(canvas.Pixel(10, 150), kBlank);              // no band at y = 150
}

TEST_F(ResourceBitmapsTest, TilesTheSourceBitmapWhenNoNameIsGiven) {
    Bitmap tile(Numbered(10, 10));
    Bitmap target = Blank(30, 30);
    Canvas canvas(target);
    m_bitmaps.TileBitmap(canvas, 30, 30, tile, true, "");
    EXPECT_EQ(canvas.Pixel(25, 27), TilePixel(5, 7));
}

TEST_F(ResourceBitmapsTest, AnEmptyTileDrawsNothing) {
    Bitmap target = Blank(30, 30);
    Canvas canvas(target);
    m_bitmaps.TileBitmap(canvas, 30, 30, Bitmap(), true, "");
    m_bitmaps.TileBitmap(canvas, 30, 30, Bitmap(), true, "MISSING");
    EXPECT_EQ(canvas.Pixel(0, 0), kBlank);
    EXPECT_EQ(canvas.Pixel(29, 29), kBlank);
}

TEST_F(ResourceBitmapsTest, ABmpNameWithoutAFolderLiesInTheProgramFolder) {
    m_folder.WriteFile("Felt.bmp", Encode(Numbered(8, 6), "BMP"));
    Bitmap bitmap;
    EXPECT_TRUE(m_bitmaps.LoadBmpFile(bitmap, "felt"));
    EXPECT_EQ(bitmap.Width(), 8);
    EXPECT_EQ(bitmap.Height(), 6);
    ASSERT_EQ(m_required.size(), 1u);
    EXPECT_EQ(m_required[0], m_folder.Path() / "Felt.bmp");
}

TEST_F(ResourceBitmapsTest, ABmpNameWithAFolderIsTakenAsItStands) {
    m_folder.WriteFile("IMAGES/Mine.bmp", Encode(Numbered(4, 4), "BMP"));
    Bitmap bitmap;
    EXPECT_TRUE(m_bitmaps.LoadBmpFile(bitmap, "IMAGES\\Mine.bmp"));
    EXPECT_EQ(bitmap.Width(), 4);
    const std::filesystem::path absolute = m_folder.WriteFile("elsewhere/pic.bmp", Encode(Numbered(5, 3), "BMP"));
    EXPECT_TRUE(m_bitmaps.LoadBmpFile(bitmap, absolute.string()));
    EXPECT_EQ(bitmap.Width(), 5);
}

TEST_F(ResourceBitmapsTest, AMissingBmpFileFailsTheImageCheckAndLeavesTheBitmapEmpty) {
    Bitmap bitmap(5, 5);
    EXPECT_FALSE(m_bitmaps.LoadBmpFile(bitmap, "Nothing"));
    EXPECT_TRUE(bitmap.IsEmpty());
    ASSERT_EQ(m_required.size(), 1u);
    EXPECT_EQ(m_required[0], m_folder.Path() / "Nothing.bmp");
}

TEST_F(ResourceBitmapsTest, ADamagedBmpFileLeavesTheBitmapEmpty) {
    m_folder.WriteFile("Broken.bmp", "BM this is not a picture");
    Bitmap bitmap(5, 5);
    EXPECT_FALSE(m_bitmaps.LoadBmpFile(bitmap, "Broken"));
    EXPECT_TRUE(bitmap.IsEmpty());
}

TEST_F(ResourceBitmapsTest, TilesABmpFile) {
    m_folder.WriteFile("Tile.bmp", Encode(Numbered(10, 10), "BMP"));
    Bitmap target = Blank(20, 20);
    Canvas canvas(target);
    m_bitmaps.TileBitmap(canvas, 20, 20, Bitmap(), false, "Tile");
    EXPECT_EQ(canvas.Pixel(13, 14), TilePixel(3, 4));
}

}  // namespace
}  // namespace platform
