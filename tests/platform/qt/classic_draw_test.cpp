#include "platform/qt/classic_draw.h"

#include "platform/core/system_colours.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "platform/qt/image_list.h"
#include "tests/platform/qt/pixel_sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform {
namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);
const Colour kFace = SystemColour(COLOR_BTNFACE);
const Colour kShadow = SystemColour(COLOR_BTNSHADOW);
const Colour kHighlight = SystemColour(COLOR_BTNHIGHLIGHT);
const Colour kLight = SystemColour(COLOR_3DLIGHT);
const Colour kDark = SystemColour(COLOR_3DDKSHADOW);

// A sheet filled with white unless told otherwise.
struct Sheet : testing::PixelSheet {
    Sheet(int width, int height, Colour fill = kWhite) : PixelSheet(width, height, fill) {}
};

TEST(DrawEdge, RaisedAndSunkenRingsOwnTheirCorners) {
    Sheet sheet(10, 8);
    Rect r{0, 0, 10, 8};
    DrawEdge(sheet.canvas, r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    EXPECT_EQ(r, (Rect{2, 2, 8, 6}));
    EXPECT_EQ(sheet.canvas.Pixel(0, 0), kLight);
    EXPECT_EQ(sheet.canvas.Pixel(9, 0), kDark);   // top-right corner: the bottom-right colour
    EXPECT_EQ(sheet.canvas.Pixel(0, 7), kDark);   // bottom-left likewise
    EXPECT_EQ(sheet.canvas.Pixel(1, 1), kHighlight);
    EXPECT_EQ(sheet.canvas.Pixel(8, 6), kShadow);
    EXPECT_EQ(sheet.canvas.Pixel(5, 4), kFace);

    Sheet sunken(6, 6);
    Rect s{0, 0, 6, 6};
    DrawEdge(sunken.canvas, s, EDGE_SUNKEN, BF_TOPLEFT);
    EXPECT_EQ(s, (Rect{0, 0, 6, 6}));  // without BF_ADJUST the rectangle stays
    EXPECT_EQ(sunken.canvas.Pixel(0, 0), kShadow);
    EXPECT_EQ(sunken.canvas.Pixel(1, 1), kDark);
    EXPECT_EQ(sunken.canvas.Pixel(5, 5), kWhite);  // right and bottom were not asked for
    Sheet etched(4, 4);
    Rect e{0, 0, 4, 4};
    DrawEdge(etched.canvas, e, EDGE_ETCHED, BF_TOP);
    EXPECT_EQ(etched.canvas.Pixel(1, 0), kShadow);
    EXPECT_EQ(etched.canvas.Pixel(1, 1), kHighlight);
}

TEST(DrawFrameControl, MenuCheckIsBlackOnWhite) {
    Sheet sheet(13, 13, kFace);
    DrawFrameControl(sheet.canvas, {0, 0, 13, 13}, DFC_MENU, DFCS_MENUCHECK);
    EXPECT_EQ(sheet.Rows(kBlack, {3, 3, 10, 10}), (std::vector<std::string>{"......#", ".....##", "#...###", "##.###.",
                                                                             "#####..", ".###...", "..#...."}));
    EXPECT_EQ(sheet.canvas.Pixel(0, 0), kWhite);
}

TEST(DrawFrameControl, ScrollArrowsPointTheirWayAndGreyWhenInactive) {
    Sheet up(16, 16);
    DrawFrameControl(up.canvas, {0, 0, 16, 16}, DFC_SCROLL, DFCS_SCROLLUP);
    // 12 pixels inside the frame: a triangle 3 high and 5 wide.
    EXPECT_EQ(up.Rows(kBlack, {5, 6, 10, 9}), (std::vector<std::string>{"..#..", ".###.", "#####"}));
    Sheet right(16, 16);
    DrawFrameControl(right.canvas, {0, 0, 16, 16}, DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_INACTIVE | DFCS_FLAT);
    EXPECT_EQ(right.canvas.Pixel(0, 0), kShadow);  // the flat frame
    EXPECT_EQ(right.Rows(kBlack, {0, 0, 16, 16}), std::vector<std::string>(16, std::string(16, '.')));
    EXPECT_EQ(right.canvas.Pixel(7, 7), kShadow);
    EXPECT_EQ(right.canvas.Pixel(8, 8), kHighlight);  // the emboss, one pixel down-right
}

TEST(DrawFrameControl, CaptionCloseIsACross) {
    Sheet sheet(16, 14);
    DrawFrameControl(sheet.canvas, {0, 0, 16, 14}, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    EXPECT_EQ(sheet.canvas.Pixel(0, 0), kLight);
    EXPECT_EQ(sheet.Rows(kBlack, {4, 3, 12, 4})[0], "##....##");
}

TEST(DrawFocusRect, DottedAndGoneWhenDrawnTwice) {
    Sheet sheet(6, 5);
    DrawFocusRect(sheet.canvas, {0, 0, 6, 5});
    EXPECT_EQ(sheet.Rows(kBlack, {0, 0, 6, 5}),
              (std::vector<std::string>{"#.#.#.", ".....#", "#.....", ".....#", "#.#.#."}));
    DrawFocusRect(sheet.canvas, {0, 0, 6, 5});
    EXPECT_EQ(sheet.Rows(kWhite, {0, 0, 6, 5}), std::vector<std::string>(5, "######"));
}

TEST(Dither, FaceWhereColumnAndRowShareTheirParityAlignedToTheCanvas) {
    const QImage pattern = DitherPattern();
    ASSERT_EQ(pattern.size(), QSize(8, 8));
    Sheet sheet(12, 4);
    FillWithBrush(sheet.canvas, {3, 1, 12, 4}, FillBrush{0, pattern});
    EXPECT_EQ(sheet.canvas.Pixel(3, 1), kFace);
    EXPECT_EQ(sheet.canvas.Pixel(4, 1), kHighlight);
    EXPECT_EQ(sheet.canvas.Pixel(11, 3), kFace);
    EXPECT_EQ(sheet.canvas.Pixel(2, 1), kWhite);
    FillWithBrush(sheet.canvas, {0, 0, 1, 1}, FillBrush{clHighlight, {}});
    EXPECT_EQ(sheet.canvas.Pixel(0, 0), SystemColour(COLOR_HIGHLIGHT));
}

TEST(ImageList, StripsAreCutIntoMaskedImagesAndDrawnEmbossedWhenDisabled) {
    // Two 3 x 2 images on a magenta mask, with a partial third left out.
    QImage strip(8, 2, QImage::Format_RGB32);
    strip.fill(QColor(255, 0, 255));
    strip.setPixel(0, 0, qRgb(0, 0, 0));
    strip.setPixel(1, 0, qRgb(255, 255, 255));  // white: drawn, but not part of the disabled shape
    strip.setPixel(4, 1, qRgb(0, 128, 0));
    ImageList images(3, 2);
    EXPECT_EQ(images.AddStrip(strip, Rgb(255, 0, 255)), 0);
    ASSERT_EQ(images.Count(), 2);
    EXPECT_TRUE(images.IsTransparent(0, 2, 0));
    Sheet sheet(6, 4, kFace);
    images.Draw(sheet.canvas, 1, 1, 1);
    EXPECT_EQ(sheet.canvas.Pixel(2, 2), Rgb(0, 128, 0));
    EXPECT_EQ(sheet.canvas.Pixel(1, 1), kFace);
    Sheet disabled(6, 4, kFace);
    images.Draw(disabled.canvas, 0, 0, 0, false);
    EXPECT_EQ(disabled.canvas.Pixel(0, 0), kShadow);
    EXPECT_EQ(disabled.canvas.Pixel(1, 1), kHighlight);
    EXPECT_EQ(disabled.canvas.Pixel(1, 0), kFace);
    images.Draw(disabled.canvas, 0, 0, 7);  // a bad index draws nothing
}

}  // namespace
}  // namespace platform
