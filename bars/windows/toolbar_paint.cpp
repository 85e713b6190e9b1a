#include "bars/windows/toolbar_paint.h"

#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"
#include "platform/qt/classic_draw.h"
#include "platform/qt/logical_fonts.h"
#include "platform/qt/text_draw.h"

namespace bars {

namespace {

using platform::Canvas;
using platform::Colour;
using platform::Rect;

Colour System(int index) { return platform::SystemColour(index); }

void FillOutside(Canvas& canvas, platform::Size window, const FrameInsets& insets, Colour colour) {
    canvas.FillSolidRect({0, 0, window.width, insets.top}, colour);
    canvas.FillSolidRect({0, window.height - insets.bottom, window.width, window.height}, colour);
    canvas.FillSolidRect({0, insets.top, insets.left, window.height - insets.bottom}, colour);
    canvas.FillSolidRect({window.width - insets.right, insets.top, window.width, window.height - insets.bottom},
                         colour);
}

void Stroke(Canvas& canvas, std::initializer_list<platform::Point> points, Colour colour) {
    canvas.SetPenColour(colour);
    canvas.SetPenWidth(1);
    auto it = points.begin();
    canvas.MoveTo(it->x, it->y);
    for (++it; it != points.end(); ++it) canvas.LineTo(it->x, it->y);
}

// A ">" of two strokes; turned a quarter for vertical bars (pointing down).
void Chevron(Canvas& canvas, int left, int top, int at, bool vertical, Colour colour) {
    for (int k = 0; k < 2; ++k) {
        if (vertical)
            Stroke(canvas, {{left + 4, at + k}, {left + 6, at + k + 2}, {left + 9, at + k - 1}}, colour);
        else
            Stroke(canvas, {{at + k, top + 4}, {at + k + 2, top + 6}, {at + k - 1, top + 9}}, colour);
    }
}

// A small solid triangle: pointing down from a 5-pixel top row, or right from a 5-pixel column.
void Triangle(Canvas& canvas, int x, int y, bool pointingRight, Colour colour) {
    for (int k = 0; k < 3; ++k) {
        if (pointingRight)
            canvas.FillSolidRect({x + k, y + k, x + k + 1, y + 5 - k}, colour);
        else
            canvas.FillSolidRect({x + k, y + k, x + 5 - k, y + k + 1}, colour);
    }
}

}  // namespace

void DrawGroupSeparator(Canvas& canvas, const Rect& strip, bool lineAcross) {
    const Colour face = System(platform::COLOR_BTNFACE);
    canvas.FillSolidRect(strip, face);
    Rect line = strip;
    if (lineAcross) {
        line.top += 2;
        line.bottom = line.top + 2;
        platform::DrawEdge(canvas, line, platform::EDGE_ETCHED, platform::BF_TOP);
    } else {
        line.left += 2;
        line.right = line.left + 2;
        platform::DrawEdge(canvas, line, platform::EDGE_ETCHED, platform::BF_LEFT);
    }
}

void DrawDockedFrame(Canvas& canvas, platform::Size window, const FrameInsets& insets, bool vertical,
                     bool standardStyle) {
    const Colour face = System(platform::COLOR_BTNFACE);
    FillOutside(canvas, window, insets, face);
    Rect all{0, 0, window.width, window.height};
    platform::DrawEdge(canvas, all, platform::BDR_RAISEDINNER, platform::BF_RECT);
    for (Rect bar : GripBars(window, vertical, standardStyle)) {
        const Rect far = bar;
        platform::DrawEdge(canvas, bar, platform::BDR_RAISEDINNER, platform::BF_RECT | platform::BF_MIDDLE);
        // The standard grip catches the light at its far corner.
        if (standardStyle) canvas.SetPixel(far.right - 1, far.top, System(platform::COLOR_BTNHIGHLIGHT));
    }
}

void DrawEndMark(Canvas& canvas, const Rect& mark, MarkState state, bool linksHidden, bool enhanced, bool vertical) {
    const Colour face = System(platform::COLOR_BTNFACE);
    const Colour text = System(platform::COLOR_BTNTEXT);
    canvas.FillSolidRect(mark, face);
    if (enhanced) {
        Rect edge = mark;
        if (state == MarkState::Hot)
            platform::DrawEdge(canvas, edge, platform::BDR_RAISEDINNER, platform::BF_RECT);
        else if (state == MarkState::Pressed)
            platform::DrawEdge(canvas, edge, platform::BDR_SUNKENOUTER, platform::BF_RECT);
        if (vertical)
            Triangle(canvas, mark.left + 5, mark.top + 3, true, text);
        else
            Triangle(canvas, mark.left + 3, mark.bottom - 7, false, text);
    }
    if (!linksHidden) return;
    const int first = vertical ? mark.bottom - 9 : mark.left + 2;
    const int second = vertical ? mark.bottom - 5 : mark.left + 6;
    for (int at : {first, second}) {
        if (enhanced) {
            Chevron(canvas, mark.left, mark.top, at, vertical, text);
        } else {
            Chevron(canvas, mark.left + 1, mark.top + 1, at + 1, vertical, System(platform::COLOR_BTNHIGHLIGHT));
            Chevron(canvas, mark.left, mark.top, at, vertical, System(platform::COLOR_BTNSHADOW));
        }
    }
}

void DrawFloatingFrame(Canvas& canvas, platform::Size window, const FrameInsets& insets, const Rect& strip,
                       const FloatingCaption& caption) {
    FillOutside(canvas, window, insets, System(platform::COLOR_BTNFACE));
    Rect all{0, 0, window.width, window.height};
    platform::DrawEdge(canvas, all, platform::EDGE_RAISED, platform::BF_RECT);
    if (strip.Height() <= 0) return;
    const Colour captionText = System(platform::COLOR_CAPTIONTEXT);
    canvas.FillSolidRect(strip, System(platform::COLOR_ACTIVECAPTION));
    int textLeft = strip.left + 2;
    if (caption.endMark) {
        Triangle(canvas, strip.left + 4, strip.top + (strip.Height() - 3) / 2, false, captionText);
        textLeft = strip.left + 16;
    }
    Rect textRect{textLeft, strip.top, strip.right, strip.bottom};
    if (caption.closeButton) {
        const Rect close = CaptionCloseButton(strip, caption.buttonSize);
        textRect.right = close.left - 2;
        platform::DrawFrameControl(canvas, close, platform::DFC_CAPTION,
                                   platform::DFCS_CAPTIONCLOSE | (caption.closePressed ? platform::DFCS_PUSHED : 0));
    }
    // The small caption font has no face of its own here: it is the menu font.
    platform::CanvasFont font = platform::MenuFont();
    font.colour = captionText;
    canvas.SetFont(font);
    platform::DrawText(canvas, caption.text, textRect, platform::DT_SINGLELINE | platform::DT_VCENTER |
                                                           platform::DT_NOPREFIX | platform::DT_END_ELLIPSIS);
}

}  // namespace bars
