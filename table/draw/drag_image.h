#pragma once

#include "platform/core/canvas.h"

namespace table {

struct DrawContext;

// The two strips of the old drag rectangle that the image no longer covers once it moves
// to (x, y) (the new rectangle's top-left), by the direction of the move.
struct DragStrips {
    platform::Rect first;
    platform::Rect second;
};
DragStrips UncoveredStrips(const platform::Rect& oldRect, const platform::Rect& newRect);

// The strips of the shadow that a lifted image at the rectangle throws.
DragStrips ShadowStrips(const platform::Rect& rect, int shadowOffset);

// Moves the drag image to (x, y) on the window: only the strips it uncovers come back
// from the off-screen table. restoreCorners gives the image the corners of the table
// under it; toBuffer leaves it in the off-screen table as well (the drop), otherwise it
// throws its shadow on the window. False when it already lies there: then nothing is
// drawn unless asked for, restoreCorners still giving the image its corners and
// toBuffer still landing it in the off-screen table.
bool MoveDragImage(DrawContext& context, int x, int y, bool toBuffer, bool restoreCorners);

// The drag rectangle with the shadow the image throws.
platform::Rect DragImageArea(const DrawContext& context);

// Copies the off-screen table back over the drag rectangle and its shadow on the window.
void EraseDragImage(DrawContext& context);

// Copies the shadow strips around the drag rectangle back from the off-screen table.
void EraseDragShadow(DrawContext& context);

// Raises the lifted image: it moves up and left by the shadow offset less 2, and the
// grab offsets grow by as much.
void ShiftDragOrigin(DrawContext& context);

// Makes the drag image tall enough for a lifted stack of that height: the larger of the
// screen's height and the stack's, so the image never lacks rows the stack needs.
void SizeDragBitmap(DrawContext& context, int stackHeight);

}  // namespace table
