#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "tests/platform/qt/guarded_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace platform {
namespace {

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);

// A white bitmap with a canvas on it.
struct Sheet {
    explicit Sheet(int width, int height) : bitmap(width, height), canvas(bitmap) {
        canvas.FillSolidRect({0, 0, width, height}, kWhite);
    }
    // The rows as text: '#' for the colour, '.' for white, '?' for anything else.
    std::vector<std::string> Rows(Colour colour) const {
        std::vector<std::string> rows;
        for (int y = 0; y < canvas.Height(); ++y) {
            std::string row;
            for (int x = 0; x < canvas.Width(); ++x) {
                const Colour c = canvas.Pixel(x, y);
                row += c == colour ? '#' : c == kWhite ? '.' : '?';
            }
            rows.push_back(row);
        }
        return rows;
    }
    int Count(Colour colour) const {
        int n = 0;
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x) n += canvas.Pixel(x, y) == colour;
        return n;
    }
    Bitmap bitmap;
    Canvas canvas;
};

TEST(CanvasPixels, GetAndSetInsideAndOutside) {
    Sheet sheet(4, 3);
    sheet.canvas.SetPixel(3, 2, Rgb(1, 2, 3));
    EXPECT_EQ(sheet.canvas.Pixel(3, 2), Rgb(1, 2, 3));
    EXPECT_EQ(sheet.bitmap.Image().pixel(3, 2), qRgb(1, 2, 3));  // 0x00BBGGRR outside, QRgb inside
    const std::initializer_list<std::pair<int, int>> outside{{-1, 0}, {0, -1}, {4, 0}, {0, 3}, {INT_MIN, INT_MAX}};
    for (auto [x, y] : outside) {
        EXPECT_EQ(sheet.canvas.Pixel(x, y), kInvalidColour);
        sheet.canvas.SetPixel(x, y, kRed);
    }
    EXPECT_EQ(sheet.Count(kRed), 0);
}

TEST(CanvasPixels, AnEmptyBitmapDrawsNothing) {
    Bitmap empty;
    Canvas canvas(empty);
    canvas.FillSolidRect({0, 0, 10, 10}, kRed);
    canvas.Rectangle({0, 0, 10, 10});
    canvas.MoveTo(0, 0);
    canvas.LineTo(10, 10);
    canvas.TextOut(0, 0, "Joker");
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(canvas.Pixel(0, 0), kInvalidColour);
}

TEST(CanvasPixels, FollowsTheBitmapWhenItIsResized) {
    Bitmap bitmap(2, 2);
    Canvas canvas(bitmap);
    bitmap.SetSize(5, 4);
    EXPECT_EQ(canvas.Width(), 5);
    canvas.SetPixel(4, 3, kRed);
    EXPECT_EQ(canvas.Pixel(4, 3), kRed);
}

TEST(CanvasPixels, ConvertsAnImageOfAnotherFormat) {
    QImage image(3, 3, QImage::Format_RGB888);
    image.fill(Qt::white);
    Canvas canvas(image);
    canvas.SetPixel(1, 1, kBlue);
    EXPECT_EQ(canvas.Pixel(1, 1), kBlue);
    EXPECT_EQ(canvas.Pixel(0, 0), kWhite);
}

TEST(CanvasLines, LeaveOutTheEndPoint) {
    Sheet sheet(6, 6);
    sheet.canvas.SetPenColour(kBlack);
    sheet.canvas.MoveTo(1, 1);
    sheet.canvas.LineTo(5, 1);
    sheet.canvas.LineTo(5, 4);
    EXPECT_EQ(sheet.Rows(kBlack), (std::vector<std::string>{
                                      "......",
                                      ".#####",
                                      ".....#",
                                      ".....#",
                                      "......",
                                      "......",
                                  }));
    EXPECT_EQ(sheet.canvas.PenPos(), (Point{5, 4}));
}

TEST(CanvasLines, DiagonalsAndShallowSlopes) {
    Sheet sheet(9, 5);
    sheet.canvas.MoveTo(0, 0);
    sheet.canvas.LineTo(4, 4);  // 45 degrees: one pixel per row
    sheet.canvas.MoveTo(8, 0);
    sheet.canvas.LineTo(4, 4);
    EXPECT_EQ(sheet.Rows(kBlack), (std::vector<std::string>{
                                      "#.......#",
                                      ".#.....#.",
                                      "..#...#..",
                                      "...#.#...",
                                      ".........",
                                  }));
    Sheet shallow(8, 3);
    shallow.canvas.MoveTo(0, 0);
    shallow.canvas.LineTo(8, 2);
    EXPECT_EQ(shallow.Rows(kBlack), (std::vector<std::string>{
                                        "###.....",
                                        "...####.",
                                        ".......#",
                                    }));
}

TEST(CanvasLines, ClearPenOnlyMovesAndAPointLineDrawsNothing) {
    Sheet sheet(5, 5);
    sheet.canvas.SetPenStyle(PenStyle::Clear);
    sheet.canvas.MoveTo(0, 0);
    sheet.canvas.LineTo(4, 0);
    sheet.canvas.SetPenStyle(PenStyle::Solid);
    sheet.canvas.LineTo(4, 0);
    EXPECT_EQ(sheet.Count(kBlack), 0);
    EXPECT_EQ(sheet.canvas.PenPos(), (Point{4, 0}));
}

TEST(CanvasLines, WidePenAndFarAwayLinesClip) {
    testing::GuardedImage guarded(10, 10, 0xFFFFFFFF);
    Canvas canvas(guarded.Image());
    canvas.SetPenWidth(3);
    canvas.MoveTo(-20, 5);
    canvas.LineTo(30, 5);
    EXPECT_EQ(canvas.Pixel(0, 4), kBlack);
    EXPECT_EQ(canvas.Pixel(9, 6), kBlack);
    EXPECT_EQ(canvas.Pixel(9, 7), kWhite);
    canvas.MoveTo(-1000000, -1000000);
    canvas.LineTo(1000000, 1000000);
    canvas.MoveTo(INT_MIN, INT_MIN);
    canvas.LineTo(INT_MIN + 5, INT_MAX);
    EXPECT_TRUE(guarded.GuardIntact());
}

TEST(CanvasRectangles, OutlineWithThePenAndInsideWithTheBrush) {
    Sheet sheet(6, 5);
    sheet.canvas.SetBrushColour(kRed);
    sheet.canvas.Rectangle({1, 1, 5, 5});
    EXPECT_EQ(sheet.Rows(kBlack), (std::vector<std::string>{
                                      "......",
                                      ".####.",
                                      ".#??#.",
                                      ".#??#.",
                                      ".####.",
                                  }));
    EXPECT_EQ(sheet.canvas.Pixel(2, 2), kRed);
}

TEST(CanvasRectangles, ClearPenFillsOnePixelLessAndMakesTheCaptionBox) {
    // The joker caption's box: a white rectangle without border, then a line along its
    // bottom and up its right side; the box and its shadow line meet without overlap.
    Sheet sheet(8, 6);
    sheet.canvas.FillSolidRect({0, 0, 8, 6}, kBlue);
    sheet.canvas.SetPenStyle(PenStyle::Clear);
    sheet.canvas.SetBrushColour(kWhite);
    sheet.canvas.Rectangle({0, 0, 6, 5});
    sheet.canvas.SetPenStyle(PenStyle::Solid);
    sheet.canvas.MoveTo(1, 4);
    sheet.canvas.LineTo(5, 4);
    sheet.canvas.LineTo(5, 0);
    EXPECT_EQ(sheet.Rows(kBlack), (std::vector<std::string>{
                                      ".....???",
                                      ".....#??",
                                      ".....#??",
                                      ".....#??",
                                      "?#####??",
                                      "????????",
                                  }));
}

TEST(CanvasRectangles, FillRectWithHatchedBrushes) {
    struct Case {
        BrushStyle style;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {BrushStyle::Horizontal, {"........", "........", "........", "########", "........", "........", "........", "........"}},
        {BrushStyle::Vertical, {"....#...", "....#...", "....#...", "....#...", "....#...", "....#...", "....#...", "....#..."}},
        {BrushStyle::FDiagonal, {"#.......", ".#......", "..#.....", "...#....", "....#...", ".....#..", "......#.", ".......#"}},
        {BrushStyle::BDiagonal, {".......#", "......#.", ".....#..", "....#...", "...#....", "..#.....", ".#......", "#......."}},
        {BrushStyle::Cross, {"....#...", "....#...", "....#...", "########", "....#...", "....#...", "....#...", "....#..."}},
        {BrushStyle::DiagCross, {"#......#", ".#....#.", "..#..#..", "...##...", "...##...", "..#..#..", ".#....#.", "#......#"}},
    };
    for (const Case& c : cases) {
        Sheet sheet(8, 8);
        sheet.canvas.SetBrush({kRed, c.style});
        sheet.canvas.FillRect({0, 0, 8, 8});
        EXPECT_EQ(sheet.Rows(kRed), c.rows) << static_cast<int>(c.style);
    }
}

TEST(CanvasRectangles, HatchIsAlignedToTheImageNotTheRectangle) {
    Sheet sheet(12, 12);
    sheet.canvas.SetBrush({kRed, BrushStyle::Horizontal});
    sheet.canvas.FillRect({5, 0, 12, 12});
    EXPECT_EQ(sheet.canvas.Pixel(5, 3), kRed);
    EXPECT_EQ(sheet.canvas.Pixel(11, 11), kRed);
    EXPECT_EQ(sheet.canvas.Pixel(11, 10), kWhite);
    EXPECT_EQ(sheet.canvas.Pixel(4, 3), kWhite);
}

TEST(CanvasRectangles, FoundationMarkRectangleSitsOnePixelInsideTheCard) {
    // A mark without outline at (x + 1, y + 1) to (x + w, y + h) over a card at x, y, w, h.
    Sheet sheet(7, 7);
    sheet.canvas.SetPenStyle(PenStyle::Clear);
    sheet.canvas.SetBrush({kRed, BrushStyle::Solid});
    sheet.canvas.Rectangle({1, 1, 6, 6});
    EXPECT_EQ(sheet.Rows(kRed), (std::vector<std::string>{
                                    ".......",
                                    ".####..",
                                    ".####..",
                                    ".####..",
                                    ".####..",
                                    ".......",
                                    ".......",
                                }));
    sheet.canvas.SetBrushStyle(BrushStyle::Clear);
    sheet.canvas.FillRect({0, 0, 7, 7});  // a clear brush paints nothing
    EXPECT_EQ(sheet.Count(kRed), 16);
}

TEST(CanvasEllipses, SmallCircleIsSymmetricAndClosed) {
    Sheet sheet(7, 7);
    sheet.canvas.SetBrushColour(kRed);
    sheet.canvas.Ellipse({0, 0, 7, 7});
    const auto rows = sheet.Rows(kBlack);
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "..###..",
                        ".#???#.",
                        "#?????#",
                        "#?????#",
                        "#?????#",
                        ".#???#.",
                        "..###..",
                    }));
    EXPECT_EQ(sheet.canvas.Pixel(3, 3), kRed);
}

TEST(CanvasEllipses, TheCircleOfTheWinningAnimationIsSymmetricWithAPointInEveryRow) {
    // The winning animation scans each row of a circle drawn from (0, 0) to (299, 299)
    // from x = 150 rightwards for the first black pixel.
    Bitmap bitmap(300, 300);
    Canvas canvas(bitmap);
    canvas.FillSolidRect({0, 0, 300, 300}, kWhite);
    canvas.Ellipse({0, 0, 299, 299});
    for (int y = 0; y < 299; ++y) {
        int right = -1;
        for (int x = 150; x < 300 && right < 0; ++x)
            if (canvas.Pixel(x, y) == kBlack) right = x;
        ASSERT_GE(right, 0) << y;
        for (int x = 0; x < 299; ++x) {
            ASSERT_EQ(canvas.Pixel(x, y), canvas.Pixel(298 - x, y)) << x << "," << y;
            ASSERT_EQ(canvas.Pixel(x, y), canvas.Pixel(x, 298 - y)) << x << "," << y;
        }
    }
    EXPECT_EQ(canvas.Pixel(149, 0), kBlack);
    EXPECT_EQ(canvas.Pixel(0, 149), kBlack);
    EXPECT_EQ(canvas.Pixel(298, 149), kBlack);
    EXPECT_EQ(canvas.Pixel(149, 298), kBlack);
    for (int x = 0; x < 300; ++x) EXPECT_EQ(canvas.Pixel(x, 299), kWhite);
    EXPECT_EQ(canvas.Pixel(149, 149), kWhite);  // the default brush is white
}

TEST(CanvasEllipses, ClipsAndIgnoresHugeBoxes) {
    testing::GuardedImage guarded(10, 10, 0xFFFFFFFF);
    Canvas canvas(guarded.Image());
    canvas.SetBrushColour(kRed);
    canvas.Ellipse({-5, -5, 15, 15});
    EXPECT_EQ(canvas.Pixel(5, 5), kRed);
    canvas.Ellipse({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    canvas.Rectangle({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    EXPECT_TRUE(guarded.GuardIntact());
}

TEST(CanvasText, OpaqueOnASolidBrushTransparentOtherwise) {
    Sheet sheet(120, 30);
    sheet.canvas.FillSolidRect({0, 0, 120, 30}, kBlue);
    sheet.canvas.SetBrush({kWhite, BrushStyle::Solid});
    sheet.canvas.SetFont({"MS Sans Serif", 8, kBlack, kFontRegular});
    const Size extent = sheet.canvas.TextExtent("Joker = 10");
    ASSERT_GT(extent.width, 20);
    ASSERT_GE(extent.height, 11);  // 8 points at 96 dots per inch: 11 pixels and the leading
    sheet.canvas.TextOut(2, 3, "Joker = 10");
    const int cellRight = 2 + extent.width - 1;
    const int cellBottom = 3 + extent.height - 1;
    EXPECT_EQ(sheet.canvas.Pixel(cellRight, cellBottom), kWhite);  // below the baseline: background
    EXPECT_EQ(sheet.canvas.Pixel(1, 3), kBlue);
    EXPECT_EQ(sheet.canvas.Pixel(2 + extent.width, 3), kBlue);
    EXPECT_EQ(sheet.canvas.Pixel(2, 3 + extent.height), kBlue);
    int ink = 0;
    for (int y = 3; y < 3 + extent.height; ++y)
        for (int x = 2; x < 2 + extent.width; ++x) ink += sheet.canvas.Pixel(x, y) != kWhite;
    EXPECT_GT(ink, 20);

    Sheet clear(120, 30);
    clear.canvas.FillSolidRect({0, 0, 120, 30}, kBlue);
    clear.canvas.SetBrushStyle(BrushStyle::Clear);
    clear.canvas.SetFontColour(kRed);
    clear.canvas.TextOut(2, 3, "Joker = 10");
    EXPECT_EQ(clear.canvas.Pixel(cellRight, cellBottom), kBlue);
    EXPECT_EQ(clear.Count(kWhite), 0);
}

TEST(CanvasText, ExtentFollowsSizeAndStyle) {
    Sheet sheet(10, 10);
    const Size regular = sheet.canvas.TextExtent("Corvanet");
    sheet.canvas.SetFontStyle(kFontBold);
    EXPECT_GE(sheet.canvas.TextWidth("Corvanet"), regular.width);
    sheet.canvas.SetFontStyle(kFontRegular);
    sheet.canvas.SetFontSize(16);
    EXPECT_GT(sheet.canvas.TextHeight("Corvanet"), regular.height);
    EXPECT_EQ(sheet.canvas.TextExtent("").width, 0);
}

TEST(CanvasText, ClipsAtTheEdges) {
    testing::GuardedImage guarded(20, 8, 0xFFFFFFFF);
    Canvas canvas(guarded.Image());
    canvas.SetFontStyle(kFontBold | kFontItalic | kFontUnderline);
    canvas.TextOut(-10, -5, "Corvanet Solitaire");
    canvas.TextOut(15, 4, "Corvanet Solitaire");
    canvas.TextOut(INT_MAX, INT_MAX, "x");
    canvas.TextOut(INT_MIN, INT_MIN, "x");
    EXPECT_TRUE(guarded.GuardIntact());
}

// A canvas that keeps track of its fills leaves out only rows it knows hold the colour, so
// after every step it must hold the same pixels as one that fills all: through drawing of
// every kind, fills of whole rows and of parts, and drawing on its image behind its back.
// The same canvas notes the areas it drew on, as a window's does: a copy that takes only
// those areas after every step must hold the same pixels too.
TEST(CanvasFills, KeepingTrackDrawsAsAFullFillDoes) {
    constexpr int kWidth = 48;
    constexpr int kHeight = 40;
    Bitmap tracked(kWidth, kHeight);
    Bitmap plain(kWidth, kHeight);
    Canvas trackedCanvas(tracked);
    Canvas plainCanvas(plain);
    trackedCanvas.KeepTrackOfFills();
    trackedCanvas.KeepTrackOfDrawnAreas();
    QImage shown(kWidth, kHeight, QImage::Format_RGB32);
    Bitmap card(9, 7);
    Canvas(card).FillSolidRect({0, 0, 9, 7}, kBlue);
    Canvas(card).FillSolidRect({2, 2, 5, 4}, kBlack);
    const Colour colours[] = {kWhite, kRed, kWhite, kBlack};
    unsigned seed = 7;
    const auto next = [&seed](int below) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<unsigned>(below));
    };
    for (int step = 0; step < 2000; ++step) {
        const int x = next(kWidth + 10) - 5;
        const int y = next(kHeight + 10) - 5;
        const int kind = next(15);
        const Colour colour = colours[next(4)];
        const int rows = next(30);
        for (Canvas* canvas : {&trackedCanvas, &plainCanvas}) {
            Bitmap& bitmap = canvas == &trackedCanvas ? tracked : plain;
            switch (kind) {
            case 0: case 1: case 2: canvas->FillSolidRect({-3, y, kWidth + 3, y + rows}, colour); break;
            case 3: canvas->FillSolidRect({x, y, x + 6, y + 5}, colour); break;
            case 4: canvas->Draw(x, y, card); break;
            case 5: canvas->TransparentCopy(x, y, 9, 7, card, 0, 0, kBlack); break;
            case 6: canvas->StretchCopy({x, y, x + 20, y + 3}, card, {0, 0, 9, 7}); break;
            case 7: canvas->BlockCopy(x, y, 8, 8, *canvas, y, x); break;
            case 8: canvas->SetPixel(x, y, colour); break;
            case 9: canvas->MoveTo(x, y); canvas->SetPenWidth(1 + step % 3); canvas->LineTo(y, x); break;
            case 10: canvas->Ellipse({x, y, x + 9, y + 6}); canvas->Invert({y, x, y + 3, x + 3}); break;
            case 11:
                canvas->SetBrushStyle(rows % 2 == 0 ? BrushStyle::Clear : BrushStyle::Solid);
                canvas->SetFontColour(colour);
                canvas->TextOut(x, y, "Ace");
                break;
            case 12:  // another canvas on the same image, and then the image itself
                Canvas(bitmap).FillSolidRect({x, y, x + 4, y + 4}, colour);
                canvas->Image().setPixel(std::clamp(y, 0, kWidth - 1), std::clamp(x, 0, kHeight - 1), 0xFF123456u);
                break;
            case 13: bitmap.SetSize(kWidth, kHeight - rows % 8); bitmap.SetSize(kWidth, kHeight); break;
            default: canvas->FillSolidRect({0, 0, kWidth, kHeight}, colour); break;
            }
        }
        ASSERT_EQ(tracked.Image(), plain.Image()) << "step " << step << ", kind " << kind;
        for (const Rect& r : trackedCanvas.TakeDrawnAreas())
            for (int row = r.top; row < r.bottom; ++row)
                for (int column = r.left; column < r.right; ++column)
                    shown.setPixel(column, row, tracked.Image().pixel(column, row));
        ASSERT_EQ(shown, tracked.Image().convertToFormat(QImage::Format_RGB32)) << "step " << step << ", kind " << kind;
    }
}

}  // namespace
}  // namespace platform
