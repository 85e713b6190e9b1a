#include "bars/controls/button_control.h"
#include "bars/controls/win_control.h"
#include "bars/menus/sub_item_control.h"
#include "platform/core/system_colours.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "tests/bars/windows_fixture.h"

namespace bars::testing {
namespace {

using platform::SystemColour;

// A menu entry drawn off-screen, without a menu window.
class MenuEntryTest : public WindowsTest {
public:
    platform::Colour At(int x, int y) const { return canvas.Pixel(x, y); }
    void DrawEntry(TcbBarButton& button) {
        TcbBar& bar = NewBar("Holder");
        TcbBarItemLink& link = Link(bar.ItemLinks(), button);
        TcbBarButtonControl control(link);
        control.Draw(canvas, {0, 0, 100, 19}, 1);
    }
    platform::Bitmap bitmap{100, 19};
    platform::Canvas canvas{bitmap};
};

TEST_F(MenuEntryTest, ADownCheckEntryWithoutGlyphShowsTheCheckMark) {
    TcbBarButton& button = NewItem("mnuAuto");
    button.SetButtonStyle(bsChecked);
    button.SetDown(true);
    DrawEntry(button);
    // The mark in the 19-pixel column: silver over two black strokes over white.
    EXPECT_EQ(At(8, 10), 0xC0C0C0u);
    EXPECT_EQ(At(8, 11), 0u);
    EXPECT_EQ(At(8, 13), 0xFFFFFFu);
    EXPECT_EQ(At(1, 1), SystemColour(platform::COLOR_BTNFACE));
}

TEST_F(MenuEntryTest, ADownCheckEntryWithGlyphShowsItOnTheDitherInASunkenFrame) {
    TcbBarButton& button = NewItem("mnuPause");
    button.SetButtonStyle(bsChecked);
    button.SetGlyph(SquareGlyph({6, 6, 10, 10}, platform::Rgb(255, 0, 0)));
    button.SetDown(true);
    DrawEntry(button);
    EXPECT_EQ(At(0, 5), SystemColour(platform::COLOR_BTNSHADOW));   // sunken frame
    EXPECT_EQ(At(18, 5), SystemColour(platform::COLOR_BTNHIGHLIGHT));
    // The dither shows through the glyph's transparent pixels (face and highlight in turn).
    EXPECT_NE(At(3, 4), At(4, 4));
    EXPECT_EQ(At(9, 9), platform::Rgb(255, 0, 0));  // the glyph, moved 1,1 while down
}

TEST_F(MenuEntryTest, ADisabledGlyphIsEmbossed) {
    TcbBarButton& button = NewItem("mnuUndo");
    button.SetGlyph(SquareGlyph({4, 4, 12, 12}, platform::Rgb(0, 0, 255)));
    button.SetEnabled(false);
    DrawEntry(button);
    // The glyph's square drawn in the shadow colour, its highlight copy one pixel lower right.
    EXPECT_EQ(At(7, 7), SystemColour(platform::COLOR_BTNSHADOW));
    EXPECT_EQ(At(13, 13), SystemColour(platform::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(14, 14), SystemColour(platform::COLOR_BTNFACE));
}

TEST_F(MenuEntryTest, ASubItemShowsItsGlyphInMenusAndOnBars) {
    auto& sub = NewItem<TcbBarSubItem>("mnuRecent");
    sub.SetCaption("&Recent");
    sub.SetGlyph(SquareGlyph({4, 4, 12, 12}, platform::Rgb(255, 0, 0)));
    TcbBarSubItemControl control(Link(NewBar("Holder").ItemLinks(), sub));
    control.Draw(canvas, {0, 0, 100, 19}, 1);
    EXPECT_EQ(At(9, 9), platform::Rgb(255, 0, 0)) << "centred in the menu's glyph column";
    canvas.FillSolidRect({0, 0, 100, 19}, 0);
    control.Draw(canvas, {0, 0, 60, 19}, 0);
    EXPECT_EQ(At(10, 8), platform::Rgb(255, 0, 0)) << "centred in a cell a button wide";
}

TEST_F(WindowsTest, AButtonHeldDuringItsClickLooksSelectedWhereverTheSelectionIs) {
    TcbBar& bar = ShowBar("Tools", dsTop, 2);
    auto& control = dynamic_cast<TcbBarButtonControl&>(*bar.ItemLinks().Items(0)->Control());
    bool selectedDuringClick = false;
    ButtonOf(bar, 0).OnClick = [&](platform::Component*) { selectedDuringClick = control.IsSelected(); };
    WindowOf(bar).SelectControl(bar.ItemLinks().Items(1)->Control());
    control.Click(false);
    EXPECT_TRUE(selectedDuringClick);
    EXPECT_FALSE(control.IsSelected());
}

TEST_F(WindowsTest, ButtonSizesByPaintStyle) {
    TcbBar& bar = ShowBar("Tools", dsTop, 3);
    ButtonOf(bar, 1).SetPaintStyle(psCaption);
    ButtonOf(bar, 2).SetButtonStyle(bsDropDown);
    const auto* standard = bar.ItemLinks().Items(0)->Control();
    const auto* caption = bar.ItemLinks().Items(1)->Control();
    const auto* dropDown = bar.ItemLinks().Items(2)->Control();
    EXPECT_EQ(standard->GetWidth(), 23);
    EXPECT_EQ(standard->GetHeight(), 22);
    EXPECT_EQ(dropDown->GetWidth(), 23 + 9);
    EXPECT_GT(caption->GetWidth(), 8);
    EXPECT_EQ(caption->GetHeight(), 22);
    EXPECT_TRUE(caption->HasHint() == !ButtonOf(bar, 1).Hint().empty());
}


TEST_F(WindowsTest, AWindowControlKeepsTextsLongerThan255Characters) {
    TcbBar& bar = ShowBar("Tools", dsTop, 1);
    TcbBarWinControl control(*bar.ItemLinks().Items(0));
    ASSERT_NE(control.EditWindow(), nullptr);
    const std::string text(300, 'x');
    control.SetText(text);
    EXPECT_EQ(control.GetText(), text);
    EXPECT_FALSE(control.ClosesMenusOnClick());
    EXPECT_FALSE(control.RunsItemClick());  // only a turned vertical bar clicks it as a button
    control.BeforeClick(true);
    EXPECT_TRUE(control.Focused());
    control.Deactivate(true);
    EXPECT_FALSE(control.Focused());
}

}  // namespace
}  // namespace bars::testing
