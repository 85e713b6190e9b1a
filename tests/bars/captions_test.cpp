#include "bars/services/captions.h"

#include "platform/core/system_colours.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "platform/qt/logical_fonts.h"
#include "tests/platform/qt/pixel_sheet.h"

#include <gtest/gtest.h>

#include <set>

namespace bars {
namespace {

using platform::Colour;
using platform::SystemColour;

// The button face, with the menu font.
struct Sheet : platform::testing::PixelSheet {
    Sheet(int width, int height) : PixelSheet(width, height, SystemColour(platform::COLOR_BTNFACE)) {
        canvas.SetFont(platform::MenuFont());
    }
};

struct CaptionCase {
    const char* name;
    const char* caption;
    const char* stripped;
    int accelerator;
};

void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }

class CaptionAcceleratorTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionAcceleratorTest, StrippedTextAndAcceleratorPosition) {
    EXPECT_EQ(StripAccelerators(GetParam().caption), GetParam().stripped);
    EXPECT_EQ(AcceleratorPosition(GetParam().caption), GetParam().accelerator);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, CaptionAcceleratorTest,
    ::testing::Values(CaptionCase{"DoubledThenSingle", "&&Save &As", "&Save As", 7},
                      CaptionCase{"First", "&File", "File", 1}, CaptionCase{"OnlyDoubled", "&&", "&", 0},
                      CaptionCase{"LastSingleWins", "&New &game", "New game", 5},
                      CaptionCase{"TrailingKept", "Fish&", "Fish&", 0}, CaptionCase{"None", "Options", "Options", 0},
                      CaptionCase{"Empty", "", "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FitText, TheLongestBeginningThatFits) {
    Sheet sheet(10, 10);
    const int widthO = sheet.canvas.TextWidth("O");
    EXPECT_EQ(FitText(sheet.canvas, "Options", widthO - 1), "");
    EXPECT_EQ(FitText(sheet.canvas, "Options", widthO), "O");
    EXPECT_EQ(FitText(sheet.canvas, "Options", sheet.canvas.TextWidth("Opti")), "Opti");
    EXPECT_EQ(FitText(sheet.canvas, "Options", 1000), "Options");
    EXPECT_EQ(FitText(sheet.canvas, "", 1000), "");
    EXPECT_EQ(FitText(sheet.canvas, "\xC3\xA9t\xC3\xA9", sheet.canvas.TextWidth("\xC3\xA9") + 1), "\xC3\xA9");
}

TEST(ClampWidth, KeepsUserWidthsBetween20And600) {
    for (const auto& [given, kept] : {std::pair{-5, 20}, {19, 20}, {20, 20}, {333, 333}, {600, 600}, {601, 600}})
        EXPECT_EQ(ClampWidth(given), kept) << given;
}

TEST(DrawCaption, StateColours) {
    const Colour face = SystemColour(platform::COLOR_BTNFACE);
    struct StateCase {
        bool enabled, selected;
        std::set<Colour> colours;
    };
    for (const StateCase& c : {StateCase{true, true, {face, SystemColour(platform::COLOR_HIGHLIGHTTEXT)}},
                               StateCase{true, false, {face, SystemColour(platform::COLOR_BTNTEXT)}},
                               StateCase{false, true, {face, SystemColour(platform::COLOR_GRAYTEXT)}},
                               StateCase{false, false,
                                         {face, SystemColour(platform::COLOR_BTNHIGHLIGHT), SystemColour(platform::COLOR_BTNSHADOW)}}}) {
        Sheet sheet(60, 19);
        DrawCaption(sheet.canvas, "&Game", {0, 0, 60, 19}, CaptionAlignment::Centre, c.enabled, c.selected, false);
        EXPECT_EQ(sheet.Colours(), c.colours) << c.enabled << c.selected;
    }
}

TEST(DrawCaption, EmbossedTextHasItsHighlightOnePixelDownRight) {
    Sheet sheet(60, 19);
    DrawCaption(sheet.canvas, "Game", {0, 0, 60, 19}, CaptionAlignment::Left, false, false, false);
    const Colour shadow = SystemColour(platform::COLOR_BTNSHADOW);
    const Colour highlight = SystemColour(platform::COLOR_BTNHIGHLIGHT);
    // The rightmost shadow column has highlight pixels right of it, one row lower.
    const Rect inked = sheet.Inked();
    bool found = false;
    for (int y = inked.top; y < inked.bottom; ++y)
        if (sheet.canvas.Pixel(inked.right - 2, y) == shadow && sheet.canvas.Pixel(inked.right - 1, y + 1) == highlight) found = true;
    EXPECT_TRUE(found);
}

TEST(DrawCaption, AlignmentPlacesTheText) {
    Sheet left(100, 19), right(100, 19);
    DrawCaption(left.canvas, "Help", {0, 0, 100, 19}, CaptionAlignment::Left, true, false, false);
    DrawCaption(right.canvas, "Help", {0, 0, 100, 19}, CaptionAlignment::Right, true, false, false);
    EXPECT_LT(left.Inked().right, 50);
    EXPECT_GT(right.Inked().left, 50);
    EXPECT_EQ(left.Inked().top, right.Inked().top);
}

TEST(DrawCaption, RotatedTextRunsDownTheBarWithItsUnderlineBeside) {
    Sheet sheet(23, 80);
    platform::CanvasFont font = platform::MenuFont();
    font.escapement = -900;
    sheet.canvas.SetFont(font);
    DrawCaption(sheet.canvas, "&File", {0, 0, 23, 80}, CaptionAlignment::Left, true, false, true);
    const Rect inked = sheet.Inked();
    EXPECT_GT(inked.Height(), inked.Width());
    EXPECT_GE(inked.top, 0);
    EXPECT_LT(inked.top, 3);
    // Centred across the bar.
    EXPECT_LE(std::abs((inked.left + inked.right) - 23), 4);
    // The underline: a vertical line as long as "F" on the far side of the baseline.
    const int fWidth = sheet.canvas.TextWidth("F");
    const int column = inked.left;
    int run = 0;
    for (int y = 0; y < 80; ++y)
        if (sheet.canvas.Pixel(column, y) == SystemColour(platform::COLOR_BTNTEXT)) ++run;
    EXPECT_EQ(run, fWidth);
}

}  // namespace
}  // namespace bars
