#pragma once

#include <QColor>
#include <QImage>

#include <string_view>

namespace placeholders {

// A 3 x 5 pixel font of digits, capital letters and "_", drawn at a whole-number scale,
// so that the images come out the same on every machine whatever fonts it has.
inline constexpr int kGlyphWidth = 3;
inline constexpr int kGlyphHeight = 5;
inline constexpr int kGlyphGap = 1;

// Width in pixels of the text at the scale.
int PixelTextWidth(std::string_view text, int scale);
// Draws the text with its top-left at (x, y); characters the font lacks are left blank.
void DrawPixelText(QImage& image, int x, int y, std::string_view text, int scale, QColor colour);

}  // namespace placeholders
