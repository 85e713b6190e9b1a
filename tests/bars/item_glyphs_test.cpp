#include "bars/extended/bar_color_combo.h"
#include "bars/extended/bar_date_combo.h"
#include "bars/extended/bar_font_name_combo.h"
#include "bars/extended/bar_image_combo.h"
#include "bars/extended/item_glyphs.h"
#include "bars/extended/tree_view_combo.h"
#include "bars/manager/bar_manager.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace bars::testing {
namespace {

platform::Colour PixelOf(const platform::Bitmap& bitmap, int x, int y) {
    const QRgb c = bitmap.Image().pixel(x, y);
    return platform::Rgb(qRed(c), qGreen(c), qBlue(c));
}

TEST(ItemGlyphs, EachNameGivesItsOwnBitmapWithTheKeyInTheBottomLeftCorner) {
    struct Expected {
        const char* name;
        int size;
        int x, y;
        platform::Colour colour;
    };
    const Expected table[] = {
        {"CBBARCOLORCOMBO", 16, 3, 3, platform::Rgb(255, 0, 0)},
        {"CBBARFONTNAMECOMBO", 16, 5, 10, platform::Rgb(0, 0, 128)},
        {"CBBARIMAGECOMBO", 16, 11, 5, platform::Rgb(255, 255, 0)},
        {"CBBARDATECOMBO", 16, 7, 3, platform::Rgb(128, 0, 0)},
        {"CBBARTREEVIEWCOMBO", 16, 3, 8, platform::Rgb(128, 128, 128)},
        {"CBBARTRUETYPEFONT", 12, 4, 5, platform::Rgb(0, 0, 128)},
        {"CBBARNONTRUETYPEFONT", 12, 2, 5, platform::Rgb(128, 128, 128)},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(e.name);
        const platform::Bitmap& glyph = ItemGlyph(e.name);
        ASSERT_EQ(glyph.Width(), e.size);
        ASSERT_EQ(glyph.Height(), e.size);
        EXPECT_EQ(PixelOf(glyph, 0, e.size - 1), kItemGlyphKey);
        EXPECT_EQ(PixelOf(glyph, e.x, e.y), e.colour);
    }
    EXPECT_TRUE(ItemGlyph("CBBARNOSUCHGLYPH").IsEmpty());
    EXPECT_EQ(&FontMark(true), &ItemGlyph("CBBARTRUETYPEFONT"));
}

TEST(ItemGlyphs, NewItemsWearTheirGlyph) {
    QWidget form;
    TcbBarManager manager{&form};
    auto same = [](const platform::Bitmap& glyph, const char* name) { return glyph.Image() == ItemGlyph(name).Image(); };
    EXPECT_TRUE(same(manager.CreateItem<TcbBarColorCombo>().Glyph(), "CBBARCOLORCOMBO"));
    EXPECT_TRUE(same(manager.CreateItem<TcbBarFontNameCombo>().Glyph(), "CBBARFONTNAMECOMBO"));
    EXPECT_TRUE(same(manager.CreateItem<TcbBarImageCombo>().Glyph(), "CBBARIMAGECOMBO"));
    EXPECT_TRUE(same(manager.CreateItem<TcbBarDateCombo>().Glyph(), "CBBARDATECOMBO"));
    EXPECT_TRUE(same(manager.CreateItem<TcbBarTreeViewCombo>().Glyph(), "CBBARTREEVIEWCOMBO"));
}

}  // namespace
}  // namespace bars::testing
