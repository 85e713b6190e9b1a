#include "pixel_font.h"

#include <array>
#include <cstdint>

namespace placeholders {

namespace {

struct Glyph {
    char character;
    std::array<std::uint8_t, kGlyphHeight> rows;  // bit 2 is the left column
};

constexpr std::array<Glyph, 37> kGlyphs{{
    {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}}, {'2', {7, 1, 7, 4, 7}}, {'3', {7, 1, 3, 1, 7}},
    {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 7, 1, 7}}, {'6', {7, 4, 7, 5, 7}}, {'7', {7, 1, 2, 2, 2}},
    {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 7}}, {'A', {2, 5, 7, 5, 5}}, {'B', {6, 5, 6, 5, 6}},
    {'C', {3, 4, 4, 4, 3}}, {'D', {6, 5, 5, 5, 6}}, {'E', {7, 4, 6, 4, 7}}, {'F', {7, 4, 6, 4, 4}},
    {'G', {3, 4, 5, 5, 3}}, {'H', {5, 5, 7, 5, 5}}, {'I', {7, 2, 2, 2, 7}}, {'J', {1, 1, 1, 5, 2}},
    {'K', {5, 5, 6, 5, 5}}, {'L', {4, 4, 4, 4, 7}}, {'M', {5, 7, 7, 5, 5}}, {'N', {6, 5, 5, 5, 5}},
    {'O', {2, 5, 5, 5, 2}}, {'P', {6, 5, 6, 4, 4}}, {'Q', {2, 5, 5, 6, 3}}, {'R', {6, 5, 6, 5, 5}},
    {'S', {3, 4, 2, 1, 6}}, {'T', {7, 2, 2, 2, 2}}, {'U', {5, 5, 5, 5, 7}}, {'V', {5, 5, 5, 5, 2}},
    {'W', {5, 5, 7, 7, 5}}, {'X', {5, 5, 2, 5, 5}}, {'Y', {5, 5, 2, 2, 2}}, {'Z', {7, 1, 2, 4, 7}},
    {'_', {0, 0, 0, 0, 7}},
}};

const Glyph* FindGlyph(char character) {
    for (const Glyph& glyph : kGlyphs)
        if (glyph.character == character) return &glyph;
    return nullptr;
}

void FillBlock(QImage& image, int x, int y, int size, QRgb colour) {
    for (int dy = 0; dy < size; ++dy)
        for (int dx = 0; dx < size; ++dx)
            if (image.valid(x + dx, y + dy)) image.setPixel(x + dx, y + dy, colour);
}

}  // namespace

int PixelTextWidth(std::string_view text, int scale) {
    if (text.empty()) return 0;
    return static_cast<int>(text.size()) * (kGlyphWidth + kGlyphGap) * scale - kGlyphGap * scale;
}

void DrawPixelText(QImage& image, int x, int y, std::string_view text, int scale, QColor colour) {
    const QRgb rgb = colour.rgba();
    for (char character : text) {
        if (const Glyph* glyph = FindGlyph(character)) {
            for (int row = 0; row < kGlyphHeight; ++row)
                for (int column = 0; column < kGlyphWidth; ++column)
                    if (glyph->rows[row] & (1 << (kGlyphWidth - 1 - column)))
                        FillBlock(image, x + column * scale, y + row * scale, scale, rgb);
        }
        x += (kGlyphWidth + kGlyphGap) * scale;
    }
}

}  // namespace placeholders
