#include "bars/services/glyphs.h"
#include "bars/services/shapes.h"

#include "platform/core/system_colours.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "platform/qt/image_list.h"
#include "tests/platform/qt/pixel_sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bars {
namespace {

using platform::Rgb;
using platform::SystemColour;

constexpr Colour kMagenta = Rgb(255, 0, 255);
constexpr Colour kRed = Rgb(255, 0, 0);
const Colour kFace = SystemColour(platform::COLOR_BTNFACE);
const Colour kShadow = SystemColour(platform::COLOR_BTNSHADOW);
const Colour kHighlight = SystemColour(platform::COLOR_BTNHIGHLIGHT);

using Sheet = platform::testing::PixelSheet;

// A 4 x 4 glyph: a red 2 x 2 square at (1, 1) on magenta, the bottom-left pixel magenta.
QImage Glyph() {
    QImage glyph(4, 4, QImage::Format_RGB32);
    glyph.fill(QColor(255, 0, 255));
    for (int y = 1; y < 3; ++y)
        for (int x = 1; x < 3; ++x) glyph.setPixel(x, y, qRgb(255, 0, 0));
    return glyph;
}

class DrawGlyphTest : public ::testing::Test {
protected:
    void TearDown() override { platform::ResetSystemColours(); }
};

TEST_F(DrawGlyphTest, EnabledGreyedAndDisabledForms) {
    const QImage glyph = Glyph();
    Sheet enabled(6, 6, Rgb(1, 1, 1));
    DrawGlyph(enabled.canvas, {platform::clBtnFace, {}}, {1, 1, 5, 5}, platform::clBtnFace, false, true, -1, nullptr, &glyph);
    EXPECT_EQ(enabled.canvas.Pixel(2, 2), kRed);
    EXPECT_EQ(enabled.canvas.Pixel(1, 1), kFace);  // the transparent colour shows the brush
    EXPECT_EQ(enabled.canvas.Pixel(0, 0), Rgb(1, 1, 1));  // nothing outside the rectangle

    Sheet greyed(4, 4, kFace);
    DrawGlyph(greyed.canvas, {platform::clBtnFace, {}}, {0, 0, 4, 4}, platform::clBtnFace, true, true, -1, nullptr, &glyph);
    EXPECT_EQ(greyed.canvas.Pixel(1, 1), Rgb(85, 85, 85));

    Sheet disabled(4, 4, kFace);
    DrawGlyph(disabled.canvas, {platform::clBtnFace, {}}, {0, 0, 4, 4}, platform::clBtnFace, false, false, -1, nullptr, &glyph);
    EXPECT_EQ(disabled.Rows(kShadow, {0, 0, 4, 4}), (std::vector<std::string>{"....", ".##.", ".##.", "...."}));
    EXPECT_EQ(disabled.canvas.Pixel(3, 3), kHighlight);
    EXPECT_EQ(disabled.canvas.Pixel(3, 1), kFace);
}

TEST_F(DrawGlyphTest, OnABlackFaceEnabledGlyphsInvertAndDisabledOnesStayEmbossed) {
    platform::SetSystemColour(platform::COLOR_BTNFACE, Rgb(0, 0, 0));
    const QImage glyph = Glyph();
    Sheet enabled(4, 4, Rgb(0, 0, 0));
    DrawGlyph(enabled.canvas, {platform::clBtnFace, {}}, {0, 0, 4, 4}, platform::clBtnFace, false, true, -1, nullptr, &glyph);
    EXPECT_EQ(enabled.canvas.Pixel(1, 1), Rgb(0, 255, 255));
    EXPECT_EQ(enabled.canvas.Pixel(0, 0), Rgb(0, 0, 0));
    Sheet disabled(4, 4, Rgb(0, 0, 0));
    DrawGlyph(disabled.canvas, {platform::clBtnFace, {}}, {0, 0, 4, 4}, platform::clBtnFace, false, false, -1, nullptr, &glyph);
    EXPECT_EQ(disabled.canvas.Pixel(1, 1), kShadow);
    EXPECT_EQ(disabled.canvas.Pixel(3, 3), kHighlight);
}

TEST_F(DrawGlyphTest, ImageListGlyphsStretchAndLeaveWhiteOutOfTheDisabledShape) {
    QImage strip(2, 2, QImage::Format_RGB32);
    strip.fill(QColor(255, 0, 255));
    strip.setPixel(0, 0, qRgb(0, 0, 255));
    strip.setPixel(1, 0, qRgb(255, 255, 255));
    platform::ImageList images(2, 2);
    images.AddStrip(strip, kMagenta);
    Sheet stretched(4, 4, kFace);
    DrawGlyph(stretched.canvas, DitherBrush(), {0, 0, 4, 4}, platform::clBtnFace, false, true, 0, &images, nullptr);
    EXPECT_EQ(stretched.Rows(Rgb(0, 0, 255), {0, 0, 4, 4}), (std::vector<std::string>{"##..", "##..", "....", "...."}));
    EXPECT_EQ(stretched.canvas.Pixel(0, 2), kFace);  // the dither brush behind
    EXPECT_EQ(stretched.canvas.Pixel(1, 2), kHighlight);
    Sheet disabled(2, 2, kFace);
    DrawGlyph(disabled.canvas, {platform::clBtnFace, {}}, {0, 0, 2, 2}, platform::clBtnFace, false, false, 0, &images, nullptr);
    EXPECT_EQ(disabled.Rows(kShadow, {0, 0, 2, 2}), (std::vector<std::string>{"#.", ".."}));
}

TEST(DrawSubMenuArrow, TriangleOfHeight2nMinus1AndTheDisabledHighlight) {
    Sheet enabled(8, 9, kFace);
    DrawSubMenuArrow(enabled.canvas, {0, 0, 8, 9}, 4, true, false);
    EXPECT_EQ(enabled.Rows(SystemColour(platform::COLOR_BTNTEXT), {2, 1, 6, 8}),
              (std::vector<std::string>{"#...", "##..", "###.", "####", "###.", "##..", "#..."}));
    Sheet selected(8, 9, kFace);
    DrawSubMenuArrow(selected.canvas, {0, 0, 8, 9}, 4, true, true);
    EXPECT_EQ(selected.canvas.Pixel(2, 4), SystemColour(platform::COLOR_HIGHLIGHTTEXT));
    Sheet disabled(8, 10, kFace);
    DrawSubMenuArrow(disabled.canvas, {0, 0, 8, 9}, 4, false, false);
    EXPECT_EQ(disabled.canvas.Pixel(2, 4), kShadow);
    EXPECT_EQ(disabled.canvas.Pixel(2, 8), kHighlight);  // under the bottom of the base
    EXPECT_EQ(disabled.canvas.Pixel(3, 7), kHighlight);
    EXPECT_EQ(disabled.canvas.Pixel(6, 4), kHighlight);  // right of the tip
}

TEST(DrawScrollArrow, OnlyTheArrowIsDrawn) {
    Sheet sheet(16, 16, Rgb(9, 9, 9));
    DrawScrollArrow(sheet.canvas, {0, 0, 16, 16}, ScrollDirection::Down, true);
    EXPECT_EQ(sheet.canvas.Pixel(0, 0), Rgb(9, 9, 9));  // the frame stays out
    EXPECT_EQ(sheet.canvas.Pixel(3, 8), Rgb(9, 9, 9));
    EXPECT_EQ(sheet.canvas.Pixel(4, 3), kFace);
    EXPECT_EQ(sheet.Rows(Rgb(0, 0, 0), {5, 6, 10, 9}), (std::vector<std::string>{"#####", ".###.", "..#.."}));
}

TEST(DrawThickFocusRect, RingsOneInsideAnother) {
    Sheet sheet(8, 8, Rgb(255, 255, 255));
    DrawThickFocusRect(sheet.canvas, {0, 0, 8, 8}, 2);
    EXPECT_EQ(sheet.canvas.Pixel(0, 0), Rgb(0, 0, 0));
    EXPECT_EQ(sheet.canvas.Pixel(1, 1), Rgb(0, 0, 0));
    EXPECT_EQ(sheet.canvas.Pixel(2, 2), Rgb(255, 255, 255));
}

TEST(DitherBrush, FaceAndHighlightAndRebuiltOnAColourChange) {
    const platform::FillBrush& brush = DitherBrush();
    ASSERT_TRUE(brush.IsPattern());
    EXPECT_EQ(platform::Rgb(qRed(brush.pattern.pixel(2, 4)), qGreen(brush.pattern.pixel(2, 4)), qBlue(brush.pattern.pixel(2, 4))), kFace);
    platform::SetSystemColour(platform::COLOR_BTNHIGHLIGHT, Rgb(250, 0, 0));
    RebuildDitherBrush();
    EXPECT_EQ(DitherBrush().pattern.pixel(1, 0), qRgb(250, 0, 0));
    platform::ResetSystemColours();
    RebuildDitherBrush();
}

}  // namespace
}  // namespace bars
