#pragma once

#include "platform/core/canvas.h"

#include <QImage>

namespace platform {

class Canvas;

// The classic grey 3-D look, drawn with the fixed system colours: edges, frame controls
// (check mark, menu arrows, scroll arrows, caption buttons), focus rectangles and the dither
// pattern behind pressed buttons. All pixel-exact.
// NOLINTBEGIN(readability-identifier-naming): the flags keep their customary names.
inline constexpr unsigned BDR_RAISEDOUTER = 0x0001;
inline constexpr unsigned BDR_SUNKENOUTER = 0x0002;
inline constexpr unsigned BDR_RAISEDINNER = 0x0004;
inline constexpr unsigned BDR_SUNKENINNER = 0x0008;
inline constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

inline constexpr unsigned BF_LEFT = 0x0001;
inline constexpr unsigned BF_TOP = 0x0002;
inline constexpr unsigned BF_RIGHT = 0x0004;
inline constexpr unsigned BF_BOTTOM = 0x0008;
inline constexpr unsigned BF_TOPLEFT = BF_TOP | BF_LEFT;
inline constexpr unsigned BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
inline constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
inline constexpr unsigned BF_MIDDLE = 0x0800;
inline constexpr unsigned BF_SOFT = 0x1000;
inline constexpr unsigned BF_ADJUST = 0x2000;
inline constexpr unsigned BF_FLAT = 0x4000;
inline constexpr unsigned BF_MONO = 0x8000;

inline constexpr unsigned DFC_CAPTION = 1;
inline constexpr unsigned DFC_MENU = 2;
inline constexpr unsigned DFC_SCROLL = 3;
inline constexpr unsigned DFC_BUTTON = 4;

inline constexpr unsigned DFCS_CAPTIONCLOSE = 0x0000;
inline constexpr unsigned DFCS_CAPTIONMIN = 0x0001;
inline constexpr unsigned DFCS_CAPTIONMAX = 0x0002;
inline constexpr unsigned DFCS_CAPTIONRESTORE = 0x0003;
inline constexpr unsigned DFCS_CAPTIONHELP = 0x0004;
inline constexpr unsigned DFCS_MENUARROW = 0x0000;
inline constexpr unsigned DFCS_MENUCHECK = 0x0001;
inline constexpr unsigned DFCS_MENUBULLET = 0x0002;
inline constexpr unsigned DFCS_MENUARROWRIGHT = 0x0004;
inline constexpr unsigned DFCS_SCROLLUP = 0x0000;
inline constexpr unsigned DFCS_SCROLLDOWN = 0x0001;
inline constexpr unsigned DFCS_SCROLLLEFT = 0x0002;
inline constexpr unsigned DFCS_SCROLLRIGHT = 0x0003;
inline constexpr unsigned DFCS_SCROLLCOMBOBOX = 0x0005;
inline constexpr unsigned DFCS_BUTTONCHECK = 0x0000;
inline constexpr unsigned DFCS_BUTTONPUSH = 0x0010;
inline constexpr unsigned DFCS_INACTIVE = 0x0100;
inline constexpr unsigned DFCS_PUSHED = 0x0200;
inline constexpr unsigned DFCS_CHECKED = 0x0400;
inline constexpr unsigned DFCS_FLAT = 0x4000;
inline constexpr unsigned DFCS_MONO = 0x8000;
// NOLINTEND(readability-identifier-naming)

// Draws the edges on the sides the flags name; with BF_ADJUST the rectangle shrinks to what
// lies inside them, with BF_MIDDLE the inside is filled with the button face.
void DrawEdge(Canvas& canvas, Rect& rect, unsigned edge, unsigned flags);
// A frame control of the kind (DFC_*) in the state (DFCS_*). Menu marks are drawn in black
// on a white background that callers use as a mask; the others on the button face.
void DrawFrameControl(Canvas& canvas, const Rect& rect, unsigned kind, unsigned state);
// The dotted focus frame, drawn by inverting (drawing it twice takes it away).
void DrawFocusRect(Canvas& canvas, const Rect& rect);

// The 8 x 8 pattern behind pressed and checked buttons: the button face where column and row
// have the same parity, the button highlight elsewhere.
QImage DitherPattern();
// Tiles the pattern over the rectangle, aligned to the canvas's origin.
void FillPattern(Canvas& canvas, const Rect& rect, const QImage& pattern);

// A brush: a solid colour (system colours allowed) or, when a pattern is set, that pattern.
struct FillBrush {
    Colour colour = 0;
    QImage pattern;
    bool IsPattern() const { return !pattern.isNull(); }
};
void FillWithBrush(Canvas& canvas, const Rect& rect, const FillBrush& brush);

}  // namespace platform
