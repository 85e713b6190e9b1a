#include "table/draw/background.h"

#include <gtest/gtest.h>

#include <QImage>

#include "engine/model/preference_fields.h"
#include "engine/files/preference_file.h"
#include "tests/table/drawing_fixture.h"

namespace {

namespace fields = engine::fields;
using test_support::MessageEvent;

constexpr platform::Colour kTileA = platform::Rgb(11, 22, 33);
constexpr platform::Colour kTileB = platform::Rgb(44, 55, 66);

// A 2 x 2 checker of the two tile colours, each square size x size.
QImage Checker(int size) {
    QImage image(2 * size, 2 * size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const platform::Colour c = ((x / size) + (y / size)) % 2 == 0 ? kTileA : kTileB;
            image.setPixel(x, y, qRgb(platform::RedOf(c), platform::GreenOf(c), platform::BlueOf(c)));
        }
    return image;
}

class BackgroundTest : public drawing_test::DrawingTest {
protected:
    BackgroundTest() {
        SetField(fields::kBackgroundDef, "N");
        SetField(fields::kCustomizedBackground, "N");
        SetField(fields::kBackgroundBmp, "0");
        SetField(fields::kBackgroundCol, "0");
        SetField(fields::kBackgroundFixedCol, "0");
        SetField(fields::kFadeBackground, "N");
        fake.Folder().WriteFile("DATA/CFG.DAT", "[Preference]\n");
    }
    void PaintConfigured() { table::PaintConfiguredBackground(context, buffers.BufferCanvas()); }
    platform::Colour BackgroundPixel(int x, int y) { return buffers.Background().Pixel(x, y); }
    std::string Preference(std::string_view key) {
        return engine::PreferenceFile(fake.Paths()).ReadString("Preference", key, "?");
    }
    std::string Get(const fields::Field& f) { return settings.GetField(f.position, f.width); }
};

TEST_F(BackgroundTest, DefaultGreenByTheDisplaysColours) {
    SetField(fields::kBackgroundDef, "Y");
    PaintConfigured();
    EXPECT_EQ(BufferPixel(0, 0), 0x006000u);
    EXPECT_EQ(BufferPixel(buffers.Width() - 1, buffers.Height() - 1), 0x006000u);
    EXPECT_EQ(BackgroundPixel(500, 500), 0x006000u);
    context.displayColours = 256;
    PaintConfigured();
    EXPECT_EQ(BufferPixel(10, 10), 0x008000u);
}

TEST_F(BackgroundTest, ColourAndFixedColour) {
    SetField(fields::kBackgroundCol, "16711680");  // blue
    PaintConfigured();
    EXPECT_EQ(BufferPixel(300, 300), 0xFF0000u);
    EXPECT_EQ(BackgroundPixel(300, 300), 0xFF0000u);
    SetField(fields::kBackgroundFixedCol, "32896");  // olive wins over the colour
    PaintConfigured();
    EXPECT_EQ(BufferPixel(300, 300), 0x008080u);
}

TEST_F(BackgroundTest, FadeToBlackOnlyOnDeepDisplays) {
    SetField(fields::kBackgroundCol, "255");
    SetField(fields::kFadeBackground, "Y");
    PaintConfigured();
    const int bottom = buffers.Height() - 1;
    EXPECT_GT(platform::RedOf(BufferPixel(10, 0)), 250);
    EXPECT_LT(platform::RedOf(BufferPixel(10, bottom)), 5);
    EXPECT_GT(platform::RedOf(BackgroundPixel(10, 100)), platform::RedOf(BackgroundPixel(10, 600)));
    context.displayColours = 256;
    PaintConfigured();
    EXPECT_EQ(BufferPixel(10, bottom), 0x0000FFu);
}

TEST_F(BackgroundTest, FadeRunsOnBelowTheTableWhileTheScrollBarShows) {
    SetField(fields::kBackgroundCol, "255");
    SetField(fields::kFadeBackground, "Y");
    PaintConfigured();
    const platform::Colour withoutBar = BufferPixel(10, buffers.Height() - 1);
    surface.SetScrollBarVisible(true);
    PaintConfigured();
    EXPECT_GT(platform::RedOf(BufferPixel(10, buffers.Height() - 1)), platform::RedOf(withoutBar));
}

TEST_F(BackgroundTest, CanvasOnlyLeavesTheBackgroundImage) {
    const platform::Colour before = BackgroundPixel(40, 40);
    table::PaintBackground(context, buffers.BufferCanvas(), table::background_mode::kColour, 0x00AA00, 0, true);
    EXPECT_EQ(BufferPixel(40, 40), 0x00AA00u);
    EXPECT_EQ(BackgroundPixel(40, 40), before);
}

TEST_F(BackgroundTest, SmallLibraryPicturesAreTiled) {
    library.AddBitmap("B007", drawing_test::PngData(Checker(10)));
    SetField(fields::kBackgroundBmp, "7");
    PaintConfigured();
    EXPECT_EQ(BufferPixel(0, 0), kTileA);
    EXPECT_EQ(BufferPixel(10, 0), kTileB);
    EXPECT_EQ(BufferPixel(40, 40), kTileA);
    EXPECT_EQ(BufferPixel(1033, 797), kTileA);
    EXPECT_EQ(BackgroundPixel(1033, 787), kTileB);
}

TEST_F(BackgroundTest, LargeLibraryPicturesAreDrawnOnce) {
    library.AddBitmap("B600", drawing_test::PngData(Checker(50)));
    SetField(fields::kBackgroundBmp, "600");
    const platform::Colour outside = BufferPixel(150, 150);
    PaintConfigured();
    EXPECT_EQ(BufferPixel(0, 0), kTileA);
    EXPECT_EQ(BufferPixel(99, 99), kTileA);
    EXPECT_EQ(BufferPixel(150, 150), outside);
}

TEST_F(BackgroundTest, APictureNumberTheLibraryLacksCountsAsNoneAndPaintsEverything) {
    SetField(fields::kBackgroundCol, "16711680");  // blue
    for (const char* number : {"9999", "600", "7"}) {
        // What the buffer showed before, piles of the old layout included.
        buffers.BufferCanvas().FillSolidRect({0, 0, buffers.Width(), buffers.Height()}, 0xFFFFFF);
        SetField(fields::kBackgroundBmp, number);
        PaintConfigured();
        EXPECT_EQ(BufferPixel(0, 0), 0xFF0000u) << number;
        EXPECT_EQ(BufferPixel(buffers.Width() - 1, buffers.Height() - 1), 0xFF0000u) << number;
        EXPECT_EQ(BackgroundPixel(500, 500), 0xFF0000u) << number;
        EXPECT_EQ(Get(fields::kBackgroundBmp), "0") << number;
    }
    EXPECT_TRUE(fake.Messages().Events().empty());
}

TEST_F(BackgroundTest, PictureNumbersOneAndTwoAreLibraryPictures) {
    library.AddBitmap("B001", drawing_test::PngData(Checker(4)));
    library.AddBitmap("B002", drawing_test::PngData(Checker(6)));
    SetField(fields::kBackgroundBmp, "1");
    PaintConfigured();
    EXPECT_EQ(BufferPixel(4, 0), kTileB);
    SetField(fields::kBackgroundBmp, "2");
    PaintConfigured();
    EXPECT_EQ(BufferPixel(4, 0), kTileA);
    EXPECT_EQ(BufferPixel(6, 0), kTileB);
    EXPECT_TRUE(fake.Messages().Events().empty());
}

TEST_F(BackgroundTest, ThePlayersPictureIsTiled) {
    fake.Folder().WriteFile("mine.bmp", drawing_test::PngData(Checker(8)));
    engine::PreferenceFile(fake.Paths()).WriteString("Preference", "Customized_Background", "mine");
    SetField(fields::kCustomizedBackground, "Y");
    PaintConfigured();
    EXPECT_EQ(BufferPixel(8, 0), kTileB);
    EXPECT_EQ(BufferPixel(16, 16), kTileA);
    EXPECT_TRUE(fake.Messages().Events().empty());
}

TEST_F(BackgroundTest, AFileNameArgumentWinsOverThePreference) {
    fake.Folder().WriteFile("pics/other.png", drawing_test::PngData(Checker(3)));
    table::PaintBackground(context, buffers.BufferCanvas(), table::background_mode::kPictureFile, 0, 0, false,
                           "pics/other.png");
    EXPECT_EQ(BufferPixel(3, 0), kTileB);
}

TEST_F(BackgroundTest, AMissingPictureFallsBackToTheDefaultForGood) {
    engine::PreferenceFile(fake.Paths()).WriteString("Preference", "Customized_Background", "gone");
    SetField(fields::kCustomizedBackground, "Y");
    PaintConfigured();
    ASSERT_EQ(fake.Messages().Texts(MessageEvent::Kind::Info),
              std::vector<std::string>{"Customized background image not found: gone"});
    EXPECT_EQ(Get(fields::kCustomizedBackground), "N");
    EXPECT_EQ(Get(fields::kBackgroundDef), "Y");
    EXPECT_EQ(Preference("Customized_Background"), "");
    EXPECT_EQ(Preference("Background_Def"), "Y");
    EXPECT_EQ(BufferPixel(100, 100), 0x006000u);
    EXPECT_EQ(BackgroundPixel(100, 100), 0x006000u);
}

TEST_F(BackgroundTest, AnUnreadablePictureCountsAsMissing) {
    fake.Folder().WriteFile("broken.bmp", "not an image at all");
    engine::PreferenceFile(fake.Paths()).WriteString("Preference", "Customized_Background", "broken");
    SetField(fields::kCustomizedBackground, "Y");
    PaintConfigured();
    EXPECT_EQ(fake.Messages().Count(MessageEvent::Kind::Info), 1u);
    EXPECT_EQ(Get(fields::kBackgroundDef), "Y");
    EXPECT_EQ(BufferPixel(100, 100), 0x006000u);
}

TEST_F(BackgroundTest, NamesOfLibraryPictures) {
    EXPECT_EQ(table::LibraryPictureName(7), "B007");
    EXPECT_EQ(table::LibraryPictureName(324), "B324");
}

}  // namespace
