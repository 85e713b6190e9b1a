#include "engine/base/gradient.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using platform::Colour;
using platform::Rect;
using platform::Rgb;

struct Fill {
    Rect rect;
    Colour colour;
};

class RecordingCanvas : public platform::ICanvas {
public:
    int Width() const override { return 640; }
    int Height() const override { return 480; }
    void FillSolidRect(const Rect& rect, Colour colour) override { fills.push_back({rect, colour}); }
    Colour Pixel(int, int) const override { return platform::kInvalidColour; }
    void SetPixel(int, int, Colour) override {}
    void BlockCopy(int, int, int, int, const ICanvas&, int, int, platform::RasterOp) override {}
    using ICanvas::BlockCopy;

    std::vector<Fill> fills;
};

TEST(MulDivTest, RoundsHalfAwayFromZero) {
    EXPECT_EQ(engine::MulDiv(1, 128, 256), 1);   // 0.5
    EXPECT_EQ(engine::MulDiv(1, 127, 256), 0);
    EXPECT_EQ(engine::MulDiv(-1, 128, 256), -1);  // -0.5
    EXPECT_EQ(engine::MulDiv(3, 100, -256), -1);  // -1.17
    EXPECT_EQ(engine::MulDiv(-3, -100, -256), -1);
    EXPECT_EQ(engine::MulDiv(100000, 100000, 100), 100000000);  // 64-bit product
    EXPECT_EQ(engine::MulDiv(5, 5, 0), -1);
    EXPECT_EQ(engine::MulDiv(1 << 30, 1 << 30, 1), -1);  // does not fit
}

TEST(FillGradientTest, BandsRunFromBottomToExactlyTheTop) {
    RecordingCanvas canvas;
    const Rect area{10, 20, 110, 120};  // 100 pixels high
    engine::FillGradient(canvas, area, Rgb(255, 128, 0), Rgb(0, 0, 0));
    ASSERT_EQ(canvas.fills.size(), 256u);

    // Band 0 sits on the bottom edge in colour B.
    EXPECT_EQ(canvas.fills[0].rect, (Rect{10, 120 - 0, 110, 120}));  // MulDiv(1, 100, 256) = 0
    EXPECT_EQ(canvas.fills[0].colour, Rgb(0, 0, 0));
    EXPECT_EQ(canvas.fills[1].rect, (Rect{10, 119, 110, 120}));  // MulDiv(2, 100, 256) = 1
    // Band 255 reaches the top edge.
    EXPECT_EQ(canvas.fills[255].rect, (Rect{10, 20, 110, 20 + 0}));  // MulDiv(255, 100, 256) = 100 - 0
    EXPECT_EQ(canvas.fills[255].rect.top, area.top);
    // B + MulDiv(255, A - B, 256) per component.
    EXPECT_EQ(canvas.fills[255].colour, Rgb(254, 128, 0));
    EXPECT_EQ(canvas.fills[128].colour, Rgb(128, 64, 0));

    // Bands tile the rectangle without gaps.
    for (std::size_t i = 1; i < canvas.fills.size(); ++i)
        EXPECT_EQ(canvas.fills[i].rect.bottom, canvas.fills[i - 1].rect.top) << i;
}

TEST(FillGradientTest, TallAreaAndDescendingComponents) {
    RecordingCanvas canvas;
    engine::FillGradient(canvas, Rect{0, 0, 5, 512}, Rgb(0, 0, 0), Rgb(200, 100, 50));
    ASSERT_EQ(canvas.fills.size(), 256u);
    EXPECT_EQ(canvas.fills[0].rect, (Rect{0, 510, 5, 512}));
    EXPECT_EQ(canvas.fills[255].rect, (Rect{0, 0, 5, 2}));
    EXPECT_EQ(canvas.fills[0].colour, Rgb(200, 100, 50));
    // 200 + MulDiv(255, -200, 256) = 200 - 199
    EXPECT_EQ(canvas.fills[255].colour, Rgb(1, 0, 0));
}

TEST(FillGradientTest, SystemColourIsResolvedFirst) {
    RecordingCanvas canvas;
    const Colour buttonFace = 0x8000000Fu;
    std::vector<Colour> asked;
    engine::FillGradient(canvas, Rect{0, 0, 4, 256}, buttonFace, 0, [&](Colour c) {
        asked.push_back(c);
        return Rgb(240, 240, 240);
    });
    ASSERT_EQ(asked, std::vector<Colour>{buttonFace});
    EXPECT_EQ(canvas.fills[255].colour, Rgb(239, 239, 239));

    // A plain colour is never passed to the resolver.
    asked.clear();
    engine::FillGradient(canvas, Rect{0, 0, 4, 256}, Rgb(1, 2, 3), 0, [&](Colour c) {
        asked.push_back(c);
        return c;
    });
    EXPECT_TRUE(asked.empty());
}

}  // namespace
