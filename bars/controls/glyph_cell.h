#pragma once

#include "platform/core/canvas.h"

namespace platform {
class Canvas;
}

namespace bars {

class TcbBarItemControl;

// The look of the square cell that holds a button's glyph (or a menu entry's check mark).
enum class CellBackground { Bar, Dither, Highlight };
enum class CellFrame { None, Raised, Sunken };

// Fills the cell: the bar's background, the dither of down buttons, or the highlight of a
// selected menu entry without glyph.
void FillGlyphCell(platform::Canvas& canvas, const platform::Rect& cell, CellBackground background,
                   platform::Colour barBackground);
// A thin sunken edge for a down or pushed button, a thin raised one for a selected one.
void DrawCellFrame(platform::Canvas& canvas, const platform::Rect& cell, CellFrame frame);

// The control's glyph (its bitmap, else its image of the manager's list) centred in the
// cell over the cell's background, twice the size on bars with large icons, moved by `shift`
// pixels right and down, enabled or embossed as the control's item.
void DrawControlGlyph(platform::Canvas& canvas, const TcbBarItemControl& control, const platform::Rect& cell,
                      bool inMenu, int shift, CellBackground background);

// The check mark of a down menu entry without glyph, centred in the cell; twice the size
// when the menu font is taller than 15 pixels.
void DrawCheckMark(platform::Canvas& canvas, const platform::Rect& cell, bool large, bool enabled);
// Where the mark's polyline is anchored for a cell and scale s: its points are (x + s, y + 2s),
// (x + 3s, y + 4s) and (x + 8s, y - s).
platform::Point CheckMarkOrigin(const platform::Rect& cell, int scale);

}  // namespace bars
