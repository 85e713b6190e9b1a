#pragma once

#include "platform/core/canvas.h"

namespace platform {
class Bitmap;
class Canvas;
}  // namespace platform

namespace table {

struct DrawContext;

// Single cards and their corners. Coordinates are window coordinates; on the off-screen
// images the scroll offset is added to every y. A card copied onto a canvas first takes
// the colours under its corners into its own corner pixels, so the table shows through
// its rounded corners without a mask.

// The face of a card at (x, y); silver paints the bottom-right corner silver (a card on
// the stock's edge). A code without a face (0, a blank slot) draws nothing.
void DrawCardFace(DrawContext& context, int card, int x, int y, bool silver, platform::Canvas& canvas,
                  int pileIndex);
// The top rows of the face, height of them, as DrawCardFace draws it unsilvered.
void DrawCardFaceTop(DrawContext& context, int card, int x, int y, int height, platform::Canvas& canvas,
                     int pileIndex);
// True when drawing the card (a back when it lies face down) at (x, y) copies a whole
// card-sized image over its place, hiding whatever lay there.
bool CoversCardPlace(DrawContext& context, int card, int x, int y);
// The top rows of the back, height of them; nothing when x or y is below -9999.
void DrawCardBack(DrawContext& context, int x, int y, int height, bool silver, platform::Canvas& canvas);
// A plain copy of a card-sized image; nothing when x or y is below -9999.
void DrawCardBitmap(DrawContext& context, const platform::Bitmap& bitmap, int x, int y, platform::Canvas& canvas);

// The shadow of a single lifted card around the rectangle, from the shadow images.
void DrawCardShadow(DrawContext& context, platform::Canvas& canvas, const platform::Rect& rect);

// Inverts the card's rectangle (on the window, or in the off-screen table), then gives
// its corners back the background's colours there and in the off-screen table.
void HighlightCard(DrawContext& context, platform::Canvas& canvas, bool onWindow, const platform::Rect& rect);

// Copies the background over the rectangle of the canvas.
void EraseFromBackground(DrawContext& context, platform::Canvas& canvas, const platform::Rect& rect);

// The background, screen-sized, at (0, 0).
void CopyBackgroundToCanvas(DrawContext& context, platform::Canvas& canvas);
// The off-screen table from row S, screen-sized, onto the window at (0, 0).
void CopyBufferToScreen(DrawContext& context);

// The four corners of the rectangle from the background onto the canvas.
void RestoreCornersOnCanvas(DrawContext& context, platform::Canvas& canvas, const platform::Rect& rect);
// The same onto the window and the off-screen table.
void RestoreCornersInRect(DrawContext& context, const platform::Rect& rect);
// At the first card place of a tableau pile: all four corners when it holds one card,
// else the top two unless the tableau fans to the right; window and off-screen table.
void RestoreTableauPileCorners(DrawContext& context, int tableauIndex);

}  // namespace table
