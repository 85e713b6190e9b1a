#include "bars/controls/glyph_cell.h"

#include "bars/controls/item_control.h"
#include "bars/manager/bar_manager.h"
#include "bars/services/glyphs.h"
#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"
#include "platform/qt/classic_draw.h"
#include "platform/qt/image_list.h"

namespace bars {

namespace {

constexpr platform::Colour kSilver = 0xC0C0C0;

// One pass of the mark's polyline, `offset` pixels below its place.
void MarkStroke(platform::Canvas& canvas, platform::Point o, int s, int offset, platform::Colour colour) {
    canvas.SetPenColour(colour);
    canvas.SetPenWidth(1);
    canvas.MoveTo(o.x + s, o.y + 2 * s + offset);
    canvas.LineTo(o.x + 3 * s, o.y + 4 * s + offset);
    canvas.LineTo(o.x + 8 * s, o.y - s + offset);
}

}  // namespace

void FillGlyphCell(platform::Canvas& canvas, const platform::Rect& cell, CellBackground background,
                   platform::Colour barBackground) {
    switch (background) {
    case CellBackground::Bar: canvas.FillSolidRect(cell, platform::ResolveColour(barBackground)); break;
    case CellBackground::Highlight:
        canvas.FillSolidRect(cell, platform::SystemColour(platform::COLOR_HIGHLIGHT));
        break;
    case CellBackground::Dither: platform::FillPattern(canvas, cell, platform::DitherPattern()); break;
    }
}

void DrawControlGlyph(platform::Canvas& canvas, const TcbBarItemControl& control, const platform::Rect& cell,
                      bool inMenu, int shift, CellBackground background) {
    const TcbBarManager* manager = control.Manager();
    const platform::Bitmap& glyph = control.GetGlyph();
    platform::ImageList* images = manager ? manager->Images() : nullptr;
    int w = glyph.IsEmpty() ? (images ? images->Width() : 16) : glyph.Width();
    int h = glyph.IsEmpty() ? (images ? images->Height() : 16) : glyph.Height();
    if (!inMenu && manager && manager->LargeIcons()) {
        w *= 2;
        h *= 2;
    }
    const int left = cell.left + (cell.Width() - w) / 2 + shift;
    const int top = cell.top + (cell.Height() - h) / 2 + shift;
    const platform::Colour face = platform::SystemColour(platform::COLOR_BTNFACE);
    const platform::FillBrush brush{face, background == CellBackground::Dither ? platform::DitherPattern() : QImage()};
    DrawGlyph(canvas, brush, {left, top, left + w, top + h}, face, false, control.GetEnabled(), control.GetImageIndex(),
              images, glyph.IsEmpty() ? nullptr : &glyph.Image());
}

void DrawCellFrame(platform::Canvas& canvas, const platform::Rect& cell, CellFrame frame) {
    platform::Rect edge = cell;
    if (frame == CellFrame::Sunken) platform::DrawEdge(canvas, edge, platform::BDR_SUNKENOUTER, platform::BF_RECT);
    if (frame == CellFrame::Raised) platform::DrawEdge(canvas, edge, platform::BDR_RAISEDINNER, platform::BF_RECT);
}

platform::Point CheckMarkOrigin(const platform::Rect& cell, int s) {
    // With its strokes the mark covers x + s .. x + 8s across and y - s .. y + 8s down.
    return {cell.left + (cell.Width() - 7 * s) / 2 - s, cell.top + (cell.Height() - 9 * s) / 2 + s};
}

void DrawCheckMark(platform::Canvas& canvas, const platform::Rect& cell, bool large, bool enabled) {
    const int s = large ? 2 : 1;
    const platform::Point o = CheckMarkOrigin(cell, s);
    if (!enabled) {
        const platform::Point raised{o.x + 1, o.y + 1};
        for (int k = 0; k < 2 * s; ++k)
            MarkStroke(canvas, raised, s, k, platform::SystemColour(platform::COLOR_BTNHIGHLIGHT));
        for (int k = 0; k < 2 * s; ++k) MarkStroke(canvas, o, s, k, platform::SystemColour(platform::COLOR_BTNSHADOW));
        return;
    }
    const bool blackFace = platform::SystemColour(platform::COLOR_BTNFACE) == 0;
    const platform::Colour ink = blackFace ? 0xFFFFFF : 0x000000;
    int offset = 0;
    for (int k = 0; k < s; ++k) MarkStroke(canvas, o, s, offset++, kSilver);
    for (int k = 0; k < 2 * s; ++k) MarkStroke(canvas, o, s, offset++, ink);
    for (int k = 0; k < s; ++k) MarkStroke(canvas, o, s, offset++, ink ^ 0xFFFFFF);
    // The two end strokes close the tips of the dark band.
    canvas.MoveTo(o.x + s - 1, o.y + 3 * s);
    canvas.SetPenColour(ink);
    canvas.LineTo(o.x + s - 1, o.y + 3 * s + s);
    canvas.MoveTo(o.x + 8 * s, o.y);
    canvas.LineTo(o.x + 8 * s, o.y + s);
}

}  // namespace bars
