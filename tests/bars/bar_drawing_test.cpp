#include "bars/controls/glyph_cell.h"
#include "bars/windows/toolbar_paint.h"
#include "platform/core/system_colours.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"

#include <gtest/gtest.h>

namespace bars {
namespace {

using platform::Colour;
using platform::SystemColour;

const Colour kFace = SystemColour(platform::COLOR_BTNFACE);
const Colour kLight = SystemColour(platform::COLOR_BTNHIGHLIGHT);
const Colour kShadow = SystemColour(platform::COLOR_BTNSHADOW);
const Colour kText = SystemColour(platform::COLOR_BTNTEXT);
constexpr Colour kPaper = 0x123456;

struct Surface {
    Surface(int width, int height) : bitmap(width, height), canvas(bitmap) {
        canvas.FillSolidRect({0, 0, width, height}, kPaper);
    }
    Colour At(int x, int y) const { return canvas.Pixel(x, y); }
    platform::Bitmap bitmap;
    platform::Canvas canvas;
};

TEST(BarDrawing, GroupSeparatorsAreEtchedBetweenFaceMargins) {
    Surface s(30, 30);
    DrawGroupSeparator(s.canvas, {10, 0, 16, 22}, false);
    EXPECT_EQ(s.At(10, 5), kFace);
    EXPECT_EQ(s.At(11, 5), kFace);
    EXPECT_EQ(s.At(12, 5), kShadow);
    EXPECT_EQ(s.At(13, 5), kLight);
    EXPECT_EQ(s.At(15, 21), kFace);
    EXPECT_EQ(s.At(16, 5), kPaper);
    DrawGroupSeparator(s.canvas, {0, 22, 30, 28}, true);
    EXPECT_EQ(s.At(20, 23), kFace);
    EXPECT_EQ(s.At(20, 24), kShadow);
    EXPECT_EQ(s.At(20, 25), kLight);
    EXPECT_EQ(s.At(20, 27), kFace);
}

TEST(BarDrawing, DockedFrameHasARaisedEdgeAndTheGrip) {
    Surface s(200, 23);
    DrawDockedFrame(s.canvas, {200, 23}, DockedInsets(false, 9), false, true);
    EXPECT_EQ(s.At(0, 0), kLight);
    EXPECT_EQ(s.At(199, 22), kShadow);
    EXPECT_EQ(s.At(1, 1), kFace);
    // Two grip bars, 4..6 and 7..9, each a raised edge around the face.
    EXPECT_EQ(s.At(4, 10), kLight);
    EXPECT_EQ(s.At(5, 10), kFace);
    EXPECT_EQ(s.At(6, 10), kShadow);
    EXPECT_EQ(s.At(7, 10), kLight);
    EXPECT_EQ(s.At(9, 10), kShadow);
    EXPECT_EQ(s.At(6, 2), kLight);  // the highlight at the far corner
    EXPECT_EQ(s.At(10, 10), kFace);
    EXPECT_EQ(s.At(11, 10), kPaper);  // the client area is left alone
}

TEST(BarDrawing, EnhancedGripIsOneShortenedBar) {
    Surface s(200, 23);
    DrawDockedFrame(s.canvas, {200, 23}, DockedInsets(false, 6), false, false);
    EXPECT_EQ(s.At(3, 2), kFace);
    EXPECT_EQ(s.At(3, 3), kLight);
    EXPECT_EQ(s.At(5, 19), kShadow);
    EXPECT_EQ(s.At(6, 10), kFace);
}

TEST(BarDrawing, CheckMarkStrokes) {
    Surface s(19, 19);
    const platform::Rect cell{0, 0, 19, 19};
    EXPECT_EQ(CheckMarkOrigin(cell, 1), (platform::Point{5, 6}));
    DrawCheckMark(s.canvas, cell, false, true);
    EXPECT_EQ(s.At(8, 10), 0xC0C0C0u);
    EXPECT_EQ(s.At(8, 11), 0x000000u);
    EXPECT_EQ(s.At(8, 12), 0x000000u);
    EXPECT_EQ(s.At(8, 13), 0xFFFFFFu);
    EXPECT_EQ(s.At(12, 6), 0xC0C0C0u);
    EXPECT_EQ(s.At(12, 7), 0x000000u);
    EXPECT_EQ(s.At(2, 2), kPaper);

    Surface d(19, 19);
    DrawCheckMark(d.canvas, cell, false, false);
    EXPECT_EQ(d.At(8, 10), kShadow);
    EXPECT_EQ(d.At(8, 11), kShadow);
    EXPECT_EQ(d.At(9, 10), kShadow);
    EXPECT_EQ(d.At(9, 11), kLight);  // the raised copy shows below the shadow
    EXPECT_EQ(d.At(8, 13), kPaper);
}

TEST(BarDrawing, GlyphCellBackgroundsAndFrames) {
    Surface s(23, 22);
    const platform::Rect cell{0, 0, 23, 22};
    FillGlyphCell(s.canvas, cell, CellBackground::Dither, kFace);
    // The dither: face where column and row have the same parity, highlight elsewhere.
    EXPECT_EQ(s.At(4, 6), kFace);
    EXPECT_EQ(s.At(5, 6), kLight);
    DrawCellFrame(s.canvas, cell, CellFrame::Sunken);
    EXPECT_EQ(s.At(0, 10), kShadow);
    EXPECT_EQ(s.At(22, 10), kLight);
    DrawCellFrame(s.canvas, cell, CellFrame::Raised);
    EXPECT_EQ(s.At(0, 10), kLight);
    EXPECT_EQ(s.At(22, 10), kShadow);
}

TEST(BarDrawing, EndMarkWithChevrons) {
    Surface s(200, 22);
    const platform::Rect mark{189, 0, 200, 22};
    DrawEndMark(s.canvas, mark, MarkState::Hot, true, true, false);
    EXPECT_EQ(s.At(189, 0), kLight);
    EXPECT_EQ(s.At(199, 21), kShadow);
    // The triangle under the chevrons, pointing down.
    EXPECT_EQ(s.At(192, 15), kText);
    EXPECT_EQ(s.At(196, 15), kText);
    EXPECT_EQ(s.At(194, 17), kText);
    EXPECT_EQ(s.At(193, 17), kFace);
    // The first ">" at x = 191.
    EXPECT_EQ(s.At(191, 4), kText);
    EXPECT_EQ(s.At(193, 6), kText);
    EXPECT_EQ(s.At(194, 6), kText);
    EXPECT_EQ(s.At(191, 8), kText);
    EXPECT_EQ(s.At(191, 6), kFace);

    Surface standard(200, 9);
    DrawEndMark(standard.canvas, {189, 0, 200, 9}, MarkState::None, false, false, false);
    EXPECT_EQ(standard.At(189, 0), kFace);
    EXPECT_EQ(standard.At(194, 5), kFace);
}

}  // namespace
}  // namespace bars
