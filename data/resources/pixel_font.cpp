#include "pixel_font.h"

#include <array>

namespace art {

namespace {

struct Glyph {
    char character;
    std::array<std::string_view, kPixelFontHeight> rows;  // 'X' set; all rows as wide
};

constexpr std::array<Glyph, 19> kGlyphs{{
    {'A', {"..X..", ".X.X.", "X...X", "X...X", "XXXXX", "X...X", "X...X"}},
    {'2', {".XXX.", "X...X", "....X", "...X.", "..X..", ".X...", "XXXXX"}},
    {'3', {"XXXXX", "...X.", "..X..", "...X.", "....X", "X...X", ".XXX."}},
    {'4', {"...X.", "..XX.", ".X.X.", "X..X.", "XXXXX", "...X.", "...X."}},
    {'5', {"XXXXX", "X....", "XXXX.", "....X", "....X", "X...X", ".XXX."}},
    {'6', {"..XX.", ".X...", "X....", "XXXX.", "X...X", "X...X", ".XXX."}},
    {'7', {"XXXXX", "....X", "...X.", "..X..", ".X...", ".X...", ".X..."}},
    {'8', {".XXX.", "X...X", "X...X", ".XXX.", "X...X", "X...X", ".XXX."}},
    {'9', {".XXX.", "X...X", "X...X", ".XXXX", "....X", "...X.", ".XX.."}},
    {'1', {".X.", "XX.", ".X.", ".X.", ".X.", ".X.", "XXX"}},
    {'0', {".XX.", "X..X", "X..X", "X..X", "X..X", "X..X", ".XX."}},
    {'J', {"..XXX", "...X.", "...X.", "...X.", "...X.", "X..X.", ".XX.."}},
    {'Q', {".XXX.", "X...X", "X...X", "X...X", "X.X.X", "X..X.", ".XX.X"}},
    {'K', {"X...X", "X..X.", "X.X..", "XX...", "X.X..", "X..X.", "X...X"}},
    {'O', {".XXX.", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."}},
    {'E', {"XXXXX", "X....", "X....", "XXXX.", "X....", "X....", "XXXXX"}},
    {'R', {"XXXX.", "X...X", "X...X", "XXXX.", "X.X..", "X..X.", "X...X"}},
    {'C', {".XXX.", "X...X", "X....", "X....", "X....", "X...X", ".XXX."}},
    {'S', {".XXXX", "X....", "X....", ".XXX.", "....X", "....X", "XXXX."}},
}};

const Glyph* Find(char c) {
    for (const Glyph& glyph : kGlyphs)
        if (glyph.character == c) return &glyph;
    return nullptr;
}

int WidthOf(char c) {
    const Glyph* glyph = Find(c);
    return glyph != nullptr ? static_cast<int>(glyph->rows[0].size()) : kPixelFontHeight - 2;
}

}  // namespace

int PixelTextWidth(std::string_view text, bool bold) {
    int width = 0;
    for (char c : text) width += WidthOf(c) + (bold ? 2 : 1);
    return text.empty() ? 0 : width - 1;
}

void DrawPixelText(QImage& image, int x, int y, std::string_view text, QRgb colour, bool bold, bool upsideDown) {
    const int total = PixelTextWidth(text, bold);
    const int strokes = bold ? 2 : 1;
    int left = 0;
    for (char c : text) {
        const Glyph* glyph = Find(c);
        if (glyph != nullptr) {
            for (int row = 0; row < kPixelFontHeight; ++row)
                for (int column = 0; column < WidthOf(c); ++column) {
                    if (glyph->rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] != 'X') continue;
                    for (int stroke = 0; stroke < strokes; ++stroke) {
                        const int gx = left + column + stroke;
                        const int px = x + (upsideDown ? total - 1 - gx : gx);
                        const int py = y + (upsideDown ? kPixelFontHeight - 1 - row : row);
                        if (image.valid(px, py)) image.setPixel(px, py, colour);
                    }
                }
        }
        left += WidthOf(c) + (bold ? 2 : 1);
    }
}

}  // namespace art
