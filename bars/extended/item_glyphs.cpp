#include "bars/extended/item_glyphs.h"

#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"

#include <array>
#include <functional>

namespace bars {

namespace {

using platform::Rgb;
constexpr platform::Colour kBlack = 0x000000;
constexpr platform::Colour kWhite = 0xFFFFFF;
constexpr platform::Colour kNavy = Rgb(0, 0, 128);
constexpr platform::Colour kGrey = Rgb(128, 128, 128);

platform::Bitmap Draw(int size, const std::function<void(platform::Canvas&)>& paint) {
    platform::Bitmap bitmap(size, size);
    platform::Canvas canvas(bitmap);
    canvas.FillSolidRect({0, 0, size, size}, kItemGlyphKey);
    paint(canvas);
    return bitmap;
}

// A box with a black outline and the given inside.
void Box(platform::Canvas& canvas, const platform::Rect& r, platform::Colour inside) {
    canvas.FillSolidRect(r, kBlack);
    canvas.FillSolidRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, inside);
}

void ColourCombo(platform::Canvas& c) {
    Box(c, {1, 1, 8, 8}, Rgb(255, 0, 0));
    Box(c, {8, 1, 15, 8}, Rgb(0, 128, 0));
    Box(c, {1, 8, 8, 15}, Rgb(0, 0, 255));
    Box(c, {8, 8, 15, 15}, Rgb(255, 255, 0));
}

void FontNameCombo(platform::Canvas& c) {
    // A large "T" beside a small one.
    c.FillSolidRect({1, 2, 10, 4}, kNavy);
    c.FillSolidRect({4, 4, 7, 14}, kNavy);
    c.FillSolidRect({9, 8, 15, 9}, kBlack);
    c.FillSolidRect({11, 9, 13, 14}, kBlack);
}

void ImageCombo(platform::Canvas& c) {
    Box(c, {1, 2, 15, 14}, Rgb(0, 255, 255));
    c.FillSolidRect({2, 9, 14, 13}, Rgb(0, 128, 0));
    c.FillSolidRect({10, 4, 13, 7}, Rgb(255, 255, 0));
}

void DateCombo(platform::Canvas& c) {
    Box(c, {1, 1, 15, 15}, kWhite);
    c.FillSolidRect({2, 2, 14, 5}, Rgb(128, 0, 0));
    for (int y = 6; y < 14; y += 2)
        for (int x = 3; x < 14; x += 3) c.FillSolidRect({x, y, x + 2, y + 1}, kGrey);
}

void TreeViewCombo(platform::Canvas& c) {
    c.FillSolidRect({3, 5, 4, 13}, kGrey);
    c.FillSolidRect({4, 8, 7, 9}, kGrey);
    c.FillSolidRect({4, 12, 7, 13}, kGrey);
    Box(c, {1, 1, 6, 5}, Rgb(255, 255, 0));
    Box(c, {7, 6, 12, 10}, kWhite);
    Box(c, {7, 10, 12, 14}, kWhite);
}

void TrueTypeFont(platform::Canvas& c) {
    c.FillSolidRect({1, 1, 8, 3}, kNavy);
    c.FillSolidRect({4, 3, 6, 10}, kNavy);
    c.FillSolidRect({5, 5, 11, 7}, kNavy);
    c.FillSolidRect({7, 7, 9, 11}, kNavy);
}

void NonTrueTypeFont(platform::Canvas& c) {
    for (int i = 2; i < 11; i += 3) {
        c.FillSolidRect({1, i, 11, i + 1}, kGrey);
        c.FillSolidRect({i, 1, i + 1, 11}, kGrey);
    }
}

struct NamedGlyph {
    std::string_view name;
    platform::Bitmap bitmap;
};

}  // namespace

const platform::Bitmap& ItemGlyph(std::string_view name) {
    static const std::array<NamedGlyph, 7> glyphs{{
        {"CBBARCOLORCOMBO", Draw(16, ColourCombo)},
        {"CBBARFONTNAMECOMBO", Draw(16, FontNameCombo)},
        {"CBBARIMAGECOMBO", Draw(16, ImageCombo)},
        {"CBBARDATECOMBO", Draw(16, DateCombo)},
        {"CBBARTREEVIEWCOMBO", Draw(16, TreeViewCombo)},
        {"CBBARTRUETYPEFONT", Draw(12, TrueTypeFont)},
        {"CBBARNONTRUETYPEFONT", Draw(12, NonTrueTypeFont)},
    }};
    static const platform::Bitmap none;
    for (const NamedGlyph& glyph : glyphs)
        if (glyph.name == name) return glyph.bitmap;
    return none;
}

}  // namespace bars
