#include "platform/qt/text_draw.h"

#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "platform/qt/logical_fonts.h"
#include "tests/platform/qt/pixel_sheet.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <set>

namespace platform {
namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);

// White, with the menu font in black.
struct Sheet : testing::PixelSheet {
    Sheet(int width, int height) : PixelSheet(width, height, kWhite) {
        CanvasFont font = MenuFont();
        font.colour = kBlack;
        canvas.SetFont(font);
    }
};

TEST(LogicalFonts, InterfaceFacesMeasureTheSameEverywhere) {
    EXPECT_EQ(MappedFace("Tahoma"), "DejaVu Sans");
    EXPECT_EQ(MappedFace("ms sans serif"), "DejaVu Sans");
    EXPECT_EQ(MappedFace("Courier New"), "Courier New");
    EXPECT_EQ(HeightFromPoints(8), -11);
    EXPECT_EQ(PointsFromHeight(-11), 8);
    Sheet sheet(10, 10);
    // The framework's rows: a menu row is "0"'s height + 6, a docked bar 4 more.
    EXPECT_EQ(sheet.canvas.TextHeight("0") + 6, 19);
    EXPECT_EQ(sheet.canvas.TextWidth("0"), 7);
    CanvasFont cell = MenuFont();
    cell.height = 16;  // a positive height is the whole cell
    sheet.canvas.SetFont(cell);
    EXPECT_LE(sheet.canvas.TextHeight("0"), 16);
    EXPECT_GE(sheet.canvas.TextHeight("0"), 14);
}

TEST(DrawText, TextIsPixelExactInTheFontColourOnly) {
    Sheet sheet(60, 20);
    Rect r{0, 0, 60, 20};
    DrawText(sheet.canvas, "Options", r, DT_SINGLELINE | DT_VCENTER);
    EXPECT_EQ(sheet.Colours(), (std::set<Colour>{kWhite, kBlack}));
}

TEST(DrawText, AlignmentAndTheAcceleratorUnderline) {
    Sheet left(80, 19);
    Rect r{0, 0, 80, 19};
    DrawText(left.canvas, "&File", r, DT_SINGLELINE | DT_VCENTER);
    const Rect inked = left.Inked();
    const int cellTop = (19 - 13) / 2;
    // The underline runs below "F" one pixel under the baseline.
    const int underline = cellTop + left.canvas.FontAscent() + 1;
    EXPECT_EQ(inked.bottom, underline + 1);
    const int fWidth = left.canvas.TextWidth("F");
    EXPECT_EQ(left.canvas.Pixel(0, underline), kBlack);
    EXPECT_EQ(left.canvas.Pixel(fWidth - 1, underline), kBlack);
    EXPECT_EQ(left.canvas.Pixel(fWidth + 1, underline), kWhite);

    Sheet right(80, 19);
    Rect rr{0, 0, 80, 19};
    DrawText(right.canvas, "&File", rr, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_HIDEPREFIX);
    EXPECT_GE(right.Inked().right, 78);  // the last glyph ends at the right edge, less its bearing
    EXPECT_LT(right.Inked().bottom, underline + 1);  // no underline
    EXPECT_GE(right.Inked().left, 80 - right.canvas.TextWidth("File"));
}

TEST(DrawText, ClippedUnlessToldOtherwiseAndMeasuredWithCalcRect) {
    Sheet sheet(40, 19);
    Rect clipped{0, 0, 10, 19};
    DrawText(sheet.canvas, "Statistics", clipped, DT_SINGLELINE);
    EXPECT_LE(sheet.Inked().right, 10);
    Rect unclipped{0, 0, 10, 19};
    DrawText(sheet.canvas, "Statistics", unclipped, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(sheet.Inked().right, 10);
    Rect measure{5, 5, 5, 5};
    EXPECT_EQ(DrawText(sheet.canvas, "a&&b", measure, DT_CALCRECT), 13);
    EXPECT_EQ(measure, (Rect{5, 5, 5 + sheet.canvas.TextWidth("a&b"), 18}));
}

TEST(DrawText, EndEllipsisKeepsTheTextWithinTheWidth) {
    Sheet sheet(100, 19);
    const int width = sheet.canvas.TextWidth("Statis...");
    Rect r{0, 0, width, 19};
    DrawText(sheet.canvas, "Statistics", r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
    EXPECT_LE(r.Width(), width);
    EXPECT_EQ(r.Width(), width);
}

TEST(ResolvePrefix, AmpersandsAndTheUnderlinedCharacter) {
    EXPECT_EQ(ResolvePrefix("&File").text, "File");
    EXPECT_EQ(ResolvePrefix("&File").underline, 0);
    EXPECT_EQ(ResolvePrefix("&&Save &As").text, "&Save As");
    EXPECT_EQ(ResolvePrefix("&&Save &As").underline, 6);
    EXPECT_EQ(ResolvePrefix("Tail&").text, "Tail&");
    EXPECT_EQ(ResolvePrefix("Tail&").underline, -1);
}

TEST(CanvasText, EscapementTurnsTheTextUpwards) {
    Sheet sheet(30, 80);
    CanvasFont font = MenuFont();
    font.escapement = 900;
    sheet.canvas.SetFont(font);
    sheet.canvas.SetBrushStyle(BrushStyle::Clear);
    sheet.canvas.TextOut(2, 70, "Options");
    const Rect inked = sheet.Inked();
    EXPECT_GT(inked.Height(), inked.Width());
    EXPECT_LE(inked.bottom, 71);
    EXPECT_GE(inked.left, 2);
}

}  // namespace
}  // namespace platform
