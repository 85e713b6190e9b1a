#pragma once

#include <QImage>

#include <string_view>

// A 7-pixel-high face for the ranks of the smallest cards, where outlines would blur:
// the digits, "A", "J", "Q", "K" and the letters of "JOKER".
namespace art {

inline constexpr int kPixelFontHeight = 7;

// Width in pixels of the text, one clear column between characters; bold letters have
// their strokes doubled sideways and are one pixel wider.
int PixelTextWidth(std::string_view text, bool bold = false);
// Sets the text's pixels with its top-left at (x, y), turned half round when asked
// (then (x, y) is still the top-left of the turned text). Unknown characters are blank.
void DrawPixelText(QImage& image, int x, int y, std::string_view text, QRgb colour, bool bold = false,
                   bool upsideDown = false);

}  // namespace art
