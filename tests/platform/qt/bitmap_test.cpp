#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"

#include <QBuffer>
#include <QByteArray>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace platform {
namespace {

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kWhite = Rgb(255, 255, 255);

std::string Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

QImage Sample() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(2, 1, qRgb(255, 0, 0));
    return image;
}

class BitmapFiles : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = std::filesystem::temp_directory_path() /
                   ("corvanet_bitmap_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }
    std::filesystem::path Write(const std::string& name, const std::string& content) {
        const auto path = m_folder / name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    std::filesystem::path m_folder;
};

TEST(Bitmap, IsEmptyUntilSized) {
    Bitmap bitmap;
    EXPECT_TRUE(bitmap.IsEmpty());
    EXPECT_EQ(bitmap.Width(), 0);
    bitmap.SetSize(4, 3);
    EXPECT_FALSE(bitmap.IsEmpty());
    EXPECT_EQ(bitmap.Width(), 4);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.Image().format(), QImage::Format_RGB32);
    bitmap.SetSize(0, 3);
    EXPECT_TRUE(bitmap.IsEmpty());
    bitmap.SetSize(-1, -1);
    EXPECT_TRUE(bitmap.IsEmpty());
}

TEST(Bitmap, ResizingKeepsThePixelsAndWhitensTheNewArea) {
    Bitmap bitmap(2, 2);
    Canvas(bitmap).FillSolidRect({0, 0, 2, 2}, kRed);
    bitmap.SetSize(3, 1);
    Canvas canvas(bitmap);
    EXPECT_EQ(canvas.Pixel(0, 0), kRed);
    EXPECT_EQ(canvas.Pixel(1, 0), kRed);
    EXPECT_EQ(canvas.Pixel(2, 0), kWhite);
    Bitmap fresh(2, 2);
    EXPECT_EQ(Canvas(fresh).Pixel(1, 1), kWhite);
}

TEST(Bitmap, LoadsBmpAndPngData) {
    for (const char* format : {"BMP", "PNG"}) {
        Bitmap bitmap;
        ASSERT_TRUE(bitmap.LoadFromData(Encode(Sample(), format))) << format;
        EXPECT_EQ(bitmap.Width(), 3);
        EXPECT_EQ(bitmap.Height(), 2);
        EXPECT_EQ(bitmap.Image().format(), QImage::Format_RGB32);
        Canvas canvas(bitmap);
        EXPECT_EQ(canvas.Pixel(2, 1), kRed);
        EXPECT_EQ(canvas.Pixel(0, 0), kWhite);
    }
}

TEST(Bitmap, DataOfAFormatItCannotTellIsStillReadByWhatKnowsIt) {
    for (const char* format : {"PPM", "XPM"}) {
        Bitmap bitmap;
        ASSERT_TRUE(bitmap.LoadFromData(Encode(Sample(), format))) << format;
        EXPECT_EQ(Canvas(bitmap).Pixel(2, 1), kRed) << format;
    }
}

TEST(Bitmap, DamagedDataLeavesItEmpty) {
    Bitmap bitmap(5, 5);
    EXPECT_FALSE(bitmap.LoadFromData(std::string("BM not really a bitmap")));
    EXPECT_TRUE(bitmap.IsEmpty());
    std::string truncated = Encode(Sample(), "PNG");
    truncated.resize(truncated.size() / 2);
    EXPECT_FALSE(bitmap.LoadFromData(truncated));
    EXPECT_TRUE(bitmap.IsEmpty());
    EXPECT_FALSE(bitmap.LoadFromData(nullptr, 0));
}

TEST(Bitmap, KeepsAnAlphaImageOpaque) {
    QImage translucent(1, 1, QImage::Format_ARGB32);
    translucent.fill(qRgba(0, 0, 255, 255));
    Bitmap bitmap(translucent);
    EXPECT_EQ(bitmap.Image().format(), QImage::Format_RGB32);
    EXPECT_EQ(Canvas(bitmap).Pixel(0, 0), Rgb(0, 0, 255));
}

TEST_F(BitmapFiles, LoadsAFile) {
    Bitmap bitmap;
    EXPECT_TRUE(bitmap.LoadFromFile(Write("B007.bmp", Encode(Sample(), "BMP"))));
    EXPECT_EQ(bitmap.Width(), 3);
}

TEST_F(BitmapFiles, MissingOrUnreadableFilesGiveAnEmptyBitmap) {
    Bitmap bitmap(2, 2);
    EXPECT_FALSE(bitmap.LoadFromFile(m_folder / "missing.bmp"));
    EXPECT_TRUE(bitmap.IsEmpty());
    bitmap.SetSize(2, 2);
    EXPECT_FALSE(bitmap.LoadFromFile(Write("junk.bmp", "junk")));
    EXPECT_TRUE(bitmap.IsEmpty());
    EXPECT_FALSE(bitmap.LoadFromFile(m_folder));  // a folder is no image
    EXPECT_TRUE(bitmap.IsEmpty());
}

}  // namespace
}  // namespace platform
