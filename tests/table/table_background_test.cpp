#include "table/draw/table_background.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "engine/base/gradient.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"

namespace {

using platform::Rect;
using platform::Rgb;

constexpr platform::Colour kGreen = Rgb(0, 96, 0);
constexpr platform::Colour kRed = Rgb(200, 10, 10);
constexpr platform::Colour kBlue = Rgb(0, 0, 255);

// The background beside the plain image it stands for: every step is done to both.
class Twins {
public:
    Twins() : m_canvas(m_image) {}

    void SetSize(int width, int height) {
        background.SetSize(width, height);
        m_image.SetSize(width, height);
    }
    void Fill(const Rect& rect, platform::Colour colour) {
        background.FillSolidRect(rect, colour);
        m_canvas.FillSolidRect(rect, colour);
    }
    void Fade(platform::Colour from) {
        const Rect area{0, 0, background.Width() + 1, background.Height() + 1};
        engine::FillGradient(background, area, from, 0);
        engine::FillGradient(m_canvas, area, from, 0);
    }
    void SetPixel(int x, int y, platform::Colour colour) {
        background.SetPixel(x, y, colour);
        m_canvas.SetPixel(x, y, colour);
    }
    // Copies 4 x 3 of a small picture.
    void CopyPicture(int x, int y) {
        platform::Bitmap picture(5, 5);
        platform::Canvas source(picture);
        source.FillSolidRect({1, 1, 4, 4}, kBlue);
        background.BlockCopy(x, y, 4, 3, source, 0, 0);
        m_canvas.BlockCopy(x, y, 4, 3, source, 0, 0);
    }
    // Copies 4 x 3 of the image onto itself.
    void CopyWithin(int x, int y, int sourceX, int sourceY) {
        background.BlockCopy(x, y, 4, 3, background, sourceX, sourceY);
        m_canvas.BlockCopy(x, y, 4, 3, m_canvas, sourceX, sourceY);
    }

    // Every pixel the same, and copies out of both the same wherever they are made from.
    void ExpectSame() const {
        ASSERT_EQ(background.Width(), m_image.Width());
        ASSERT_EQ(background.Height(), m_image.Height());
        for (int y = -1; y <= m_image.Height(); ++y)
            for (int x = -1; x <= m_image.Width(); ++x)
                ASSERT_EQ(background.Pixel(x, y), m_canvas.Pixel(x, y)) << "at " << x << ", " << y;
        struct CopyAt {
            int x, y, sourceX, sourceY;
        };
        constexpr int kSize = 9;
        for (const CopyAt& copy : {CopyAt{0, 0, 0, 0}, CopyAt{-3, 2, 1, -2}, CopyAt{5, -4, -6, 7}, CopyAt{2, 3, 40, 1}}) {
            platform::Bitmap fromBackground(kSize, kSize);
            platform::Bitmap fromImage(kSize, kSize);
            platform::Canvas a(fromBackground);
            platform::Canvas b(fromImage);
            background.CopyTo(a, copy.x, copy.y, 7, 6, copy.sourceX, copy.sourceY);
            b.BlockCopy(copy.x, copy.y, 7, 6, m_image, copy.sourceX, copy.sourceY);
            ASSERT_EQ(fromBackground.Image(), fromImage.Image()) << "copy from " << copy.sourceX << ", " << copy.sourceY;
        }
    }

    table::TableBackground background;

private:
    platform::Bitmap m_image;
    platform::Canvas m_canvas;
};

struct Script {
    std::string name;
    std::function<void(Twins&)> steps;
    bool keptAsRows;
};

void PrintTo(const Script& script, std::ostream* out) { *out << script.name; }

class TableBackgroundTest : public ::testing::TestWithParam<Script> {};

TEST_P(TableBackgroundTest, ShowsWhatAPlainImageWouldAndKeepsRowsWhileItCan) {
    Twins twins;
    GetParam().steps(twins);
    twins.ExpectSame();
    EXPECT_EQ(twins.background.IsKeptAsRows(), GetParam().keptAsRows);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, TableBackgroundTest,
    ::testing::Values(
        Script{"NewIsWhite", [](Twins& t) { t.SetSize(12, 8); }, true},
        Script{"GrowingWhiteStaysWhite", [](Twins& t) { t.SetSize(6, 4), t.SetSize(12, 8); }, true},
        Script{"PlainColour", [](Twins& t) { t.SetSize(12, 8), t.Fill({0, 0, 13, 9}, kGreen); }, true},
        Script{"FadedColour", [](Twins& t) { t.SetSize(12, 40), t.Fill({0, 0, 13, 41}, kGreen), t.Fade(kGreen); },
               true},
        Script{"BandsOfWholeRows",
               [](Twins& t) { t.SetSize(12, 8), t.Fill({-5, 2, 30, 4}, kRed), t.Fill({0, 7, 12, 20}, kBlue); }, true},
        Script{"HeightChangesKeepRows",
               [](Twins& t) { t.SetSize(12, 8), t.Fill({0, 0, 12, 8}, kRed), t.SetSize(10, 11), t.SetSize(10, 3); },
               true},
        Script{"WideningColouredRowsAddsWhiteBesideThem",
               [](Twins& t) { t.SetSize(12, 8), t.Fill({0, 0, 12, 8}, kRed), t.SetSize(15, 9); }, false},
        Script{"PartOfARow", [](Twins& t) { t.SetSize(12, 8), t.Fill({0, 0, 12, 8}, kRed), t.Fill({3, 3, 5, 9}, kBlue); },
               false},
        Script{"APixelOfTheRowsOwnColourChangesNothing",
               [](Twins& t) { t.SetSize(12, 8), t.Fill({0, 0, 12, 8}, kRed), t.SetPixel(4, 4, kRed), t.SetPixel(-1, 2, kBlue); },
               true},
        Script{"APixelOfAnotherColour",
               [](Twins& t) { t.SetSize(12, 8), t.Fill({0, 0, 12, 8}, kRed), t.SetPixel(4, 4, kBlue); }, false},
        Script{"APicture", [](Twins& t) { t.SetSize(12, 8), t.Fill({0, 0, 12, 8}, kRed), t.CopyPicture(2, 1); },
               false},
        Script{"ACopyWithinItself",
               [](Twins& t) { t.SetSize(12, 8), t.Fade(kGreen), t.CopyWithin(6, 0, 0, 2); }, false},
        Script{"AFillOfItAllAfterAPictureGoesBackToRows",
               [](Twins& t) { t.SetSize(12, 8), t.CopyPicture(2, 1), t.Fill({0, 0, 12, 8}, kGreen); }, true},
        Script{"EmptiedByASizeOfNothing",
               [](Twins& t) { t.SetSize(12, 8), t.CopyPicture(2, 1), t.SetSize(0, 5), t.Fill({0, 0, 3, 3}, kRed); },
               true}),
    [](const ::testing::TestParamInfo<Script>& info) { return info.param.name; });

}  // namespace
