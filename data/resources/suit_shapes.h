#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// The four suit signs: vector outlines for pips and indices, and hand-set pixel forms
// for the sizes where a vector shape would blur.
namespace art {

// In the order of the card codes and of the suit letters "HDCS".
enum class Suit { Hearts, Diamonds, Clubs, Spades };
inline constexpr int kSuitCount = 4;

Suit SuitOfIndex(int index);
bool IsRed(Suit suit);

// The sign's outline, centred in the box and as tall as it; its width follows the sign.
QPainterPath SuitPath(Suit suit, const QRectF& box);
// Fills the sign with antialiasing; upside down for the lower half of a card.
void DrawSuit(QPainter& painter, Suit suit, const QRectF& box, const QColor& colour, bool upsideDown = false);

// The sizes that have a pixel form.
inline constexpr int kSmallPixelSuit = 7;
inline constexpr int kLargePixelSuit = 9;
// Sets the pixel form's pixels with the top-left at (x, y); false for a size without one.
bool DrawPixelSuit(QImage& image, Suit suit, int x, int y, int size, QRgb colour, bool upsideDown = false);

}  // namespace art
