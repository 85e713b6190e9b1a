#include "tests/bars/windows_fixture.h"

#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"

namespace bars::testing {

platform::Bitmap SquareGlyph(const platform::Rect& square, platform::Colour colour) {
    platform::Bitmap glyph(16, 16);
    platform::Canvas canvas(glyph);
    canvas.FillSolidRect({0, 0, 16, 16}, platform::Rgb(255, 0, 255));
    canvas.FillSolidRect(square, colour);
    return glyph;
}

TcbBar& WindowsTest::MakeBar(const std::string& caption, TcbBarDockingStyle side, int count, int row) {
    TcbBar& bar = NewBar(caption);
    bar.SetDockingStyle(side);
    bar.SetRow(row);
    bar.SetOneOnRow(true);
    for (int i = 0; i < count; ++i) {
        auto& button = NewItem(caption + std::to_string(i));
        button.SetCaption("&" + caption + std::to_string(i));
        button.SetGlyph(SquareGlyph({4, 4, 12, 12}, platform::Rgb(0, 0, 255)));
        Link(bar.ItemLinks(), button);
    }
    return bar;
}

}  // namespace bars::testing
