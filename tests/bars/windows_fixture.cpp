#include "tests/bars/windows_fixture.h"

#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"

namespace bars::testing {

TcbBar& WindowsTest::MakeBar(const std::string& caption, TcbBarDockingStyle side, int count, int row) {
    TcbBar& bar = NewBar(caption);
    bar.SetDockingStyle(side);
    bar.SetRow(row);
    bar.SetOneOnRow(true);
    for (int i = 0; i < count; ++i) {
        auto& button = NewItem(caption + std::to_string(i));
        button.SetCaption("&" + caption + std::to_string(i));
        platform::Bitmap glyph(16, 16);
        platform::Canvas canvas(glyph);
        canvas.FillSolidRect({0, 0, 16, 16}, platform::Rgb(255, 0, 255));
        canvas.FillSolidRect({4, 4, 12, 12}, platform::Rgb(0, 0, 255));
        button.SetGlyph(glyph);
        Link(bar.ItemLinks(), button);
    }
    return bar;
}

}  // namespace bars::testing
