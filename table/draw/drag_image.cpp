#include "table/draw/drag_image.h"

#include <algorithm>

#include "engine/model/table_object.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "table/draw/card_corners.h"
#include "table/draw/card_drawing.h"
#include "table/draw/card_shadows.h"
#include "table/draw/draw_context.h"
#include "table/layout/table_layout.h"
#include "table/layout/table_window.h"

namespace table {

namespace {

// The uncovered strips reach this far past the old rectangle's right edge.
constexpr int kStripReach = 1;
constexpr int kMovedStripReach = 2;
// Strips are copied one pixel larger each way.
constexpr int kStripMargin = 1;
// A raised image lies the shadow offset less this up and left.
constexpr int kRaiseLessThanShadow = 2;

platform::Rect ToRect(const engine::TableRect& r) { return {r.left, r.top, r.right, r.bottom}; }

platform::Rect Inflated(const platform::Rect& r, int by) {
    return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

// From the off-screen table (at row S) to the same place on the window.
void CopyBackToWindow(DrawContext& context, const platform::Rect& rect) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    context.Window().BlockCopy(rect.left, rect.top, rect.Width(), rect.Height(), context.Buffer().Image(), rect.left,
                               rect.top + context.ScrollOffset());
}

void CopyStripsBack(DrawContext& context, const DragStrips& strips, int margin) {
    CopyBackToWindow(context, Inflated(strips.first, margin));
    CopyBackToWindow(context, Inflated(strips.second, margin));
}

// The drag image takes the corners of the off-screen table under the rectangle.
void TakeCornersFromBuffer(DrawContext& context, const platform::Rect& n) {
    platform::Canvas imageCanvas(context.DragBitmap());
    RestoreCardCorners(context.Buffer(), {n.left, n.top + context.ScrollOffset(), n.right,
                                          n.bottom + context.ScrollOffset()},
                       imageCanvas, kSmallCardWidth, {0, 0, n.Width(), n.Height()});
}

// The image lands at n: on the window and in the off-screen table.
void LandImage(DrawContext& context, const platform::Rect& n) {
    const platform::Bitmap& image = context.DragBitmap();
    context.Window().BlockCopy(n.left, n.top, n.Width(), n.Height(), image, 0, 0);
    context.Buffer().BlockCopy(n.left, n.top + context.ScrollOffset(), n.Width(), n.Height(), image, 0, 0);
}

}  // namespace

DragStrips UncoveredStrips(const platform::Rect& o, const platform::Rect& n) {
    const bool right = n.left >= o.left;
    const bool down = n.top >= o.top;
    const platform::Rect vertical = down ? platform::Rect{o.left, o.top, o.right + kStripReach, n.top}
                                         : platform::Rect{o.left, n.bottom, o.right + kStripReach, o.bottom};
    const platform::Rect horizontal = right ? platform::Rect{o.left, o.top, n.left, o.bottom}
                                            : platform::Rect{n.right, o.top, o.right + kMovedStripReach, o.bottom};
    return {vertical, horizontal};
}

DragStrips ShadowStrips(const platform::Rect& o, int shadowOffset) {
    return {{o.left + shadowOffset - 1, o.bottom, o.right + shadowOffset, o.bottom + shadowOffset},
            {o.right, o.top + shadowOffset - 2, o.right + shadowOffset, o.bottom + shadowOffset}};
}

bool MoveDragImage(DrawContext& context, int x, int y, bool toBuffer, bool restoreCorners) {
    engine::TMainGame& game = context.mainGame;
    const int height = context.geometry.DragHeight();
    const platform::Rect n{x, y, x + context.CardWidth(), y + height};
    if (x == game.DragImagePos.x && y == game.DragImagePos.y) {
        // A slide may end with the image already at its target (without shadows the
        // raised target is the target). The landing still owes the image the corners of
        // the table under it and, for a drop, its place in the off-screen table: without
        // them the card shows stale corners, or a later repaint from the buffer loses it.
        if (restoreCorners) TakeCornersFromBuffer(context, n);
        if (toBuffer) {
            LandImage(context, n);
            context.geometry.SetDragRects(n.left, n.top, n.right, n.bottom);
            context.window.InvalidateRect({n.left, n.top, n.right, n.bottom});
        } else if (restoreCorners) {
            context.Window().BlockCopy(n.left, n.top, n.Width(), n.Height(), context.DragBitmap(), 0, 0);
        }
        return false;
    }
    const platform::Rect o = ToRect(context.geometry.DragRect());
    const DragStrips strips = UncoveredStrips(o, n);
    CopyStripsBack(context, strips, kStripMargin);
    if (context.ShadowsOn()) CopyStripsBack(context, ShadowStrips(o, context.geometry.ShadowOffset()), 0);

    if (restoreCorners) TakeCornersFromBuffer(context, n);
    context.geometry.SetDragRects(n.left, n.top, n.right, n.bottom);
    if (toBuffer) {
        LandImage(context, n);
        for (const platform::Rect& r : {strips.first, strips.second, n})
            context.window.InvalidateRect({r.left, r.top, r.right, r.bottom});
    } else {
        context.Window().BlockCopy(n.left, n.top, n.Width(), n.Height(), context.DragBitmap(), 0, 0);
        if (context.ShadowsOn()) {
            if (n.Height() > context.CardHeight())
                DrawStackShadow(context.Window(), n);
            else
                DrawCardShadow(context, context.Window(), n);
        }
    }
    game.DragImagePos = {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
    return true;
}

platform::Rect DragImageArea(const DrawContext& context) {
    const platform::Rect drag = ToRect(context.geometry.DragRect());
    const int shadow = context.geometry.ShadowOffset();
    return {drag.left, drag.top, drag.right + shadow, drag.bottom + shadow};
}

void EraseDragImage(DrawContext& context) { CopyBackToWindow(context, Inflated(DragImageArea(context), kStripMargin)); }

void EraseDragShadow(DrawContext& context) {
    CopyStripsBack(context, ShadowStrips(ToRect(context.geometry.DragRect()), context.geometry.ShadowOffset()), 0);
}

void ShiftDragOrigin(DrawContext& context) {
    const int raise = context.geometry.ShadowOffset() - kRaiseLessThanShadow;
    const engine::TableRect drag = context.geometry.DragRect();
    MoveDragImage(context, drag.left - raise, drag.top - raise, false, true);
    context.dragGrab.x += raise;
    context.dragGrab.y += raise;
}

void SizeDragBitmap(DrawContext& context, int stackHeight) {
    const int height = std::max(context.window.ScreenHeight(), stackHeight);
    context.DragBitmap().SetSize(context.CardWidth(), height);
}

}  // namespace table
