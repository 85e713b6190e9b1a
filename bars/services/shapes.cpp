#include "bars/services/shapes.h"

#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"

#include <optional>

namespace bars {

namespace {

using platform::SystemColour;

// Horizontal and vertical margins that leave only the arrow of a scroll-arrow control.
constexpr int kArrowMarginX = 4;
constexpr int kArrowMarginY = 3;

std::optional<platform::FillBrush>& DitherBrushSlot() {
    static std::optional<platform::FillBrush> brush;
    return brush;
}

}  // namespace

void DrawSubMenuArrow(Canvas& canvas, const Rect& rect, int size, bool enabled, bool selected) {
    if (size <= 0) return;
    const int height = 2 * size - 1;
    const int left = rect.left + (rect.Width() - size) / 2;
    const int top = rect.top + (rect.Height() - height) / 2;
    const int colour = !enabled ? platform::COLOR_BTNSHADOW
                       : selected ? platform::COLOR_HIGHLIGHTTEXT
                                  : platform::COLOR_BTNTEXT;
    // Column k of the triangle runs from row k to row height - 1 - k.
    for (int k = 0; k < size; ++k)
        canvas.FillSolidRect({left + k, top + k, left + k + 1, top + height - k}, SystemColour(colour));
    if (enabled) return;
    // Two highlight lines under the lower edge, as if lit from the top-left.
    const platform::Colour light = SystemColour(platform::COLOR_BTNHIGHLIGHT);
    for (int k = 0; k < size; ++k) {
        canvas.SetPixel(left + k + 1, top + height - 1 - k, light);
        canvas.SetPixel(left + k, top + height - k, light);
    }
}

void DrawScrollArrow(Canvas& canvas, const Rect& rect, ScrollDirection direction, bool enabled) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    static constexpr unsigned kDirections[] = {platform::DFCS_SCROLLLEFT, platform::DFCS_SCROLLRIGHT,
                                               platform::DFCS_SCROLLUP, platform::DFCS_SCROLLDOWN};
    // Drawn whole on a copy; only the part inside the margins goes back.
    QImage control = canvas.Image().copy(rect.left, rect.top, rect.Width(), rect.Height());
    Canvas scratch(control);
    unsigned state = kDirections[static_cast<int>(direction)] | platform::DFCS_FLAT;
    if (!enabled) state |= platform::DFCS_INACTIVE;
    platform::DrawFrameControl(scratch, {0, 0, rect.Width(), rect.Height()}, platform::DFC_SCROLL, state);
    const int width = rect.Width() - 2 * kArrowMarginX;
    const int height = rect.Height() - 2 * kArrowMarginY;
    if (width > 0 && height > 0)
        canvas.BlockCopy(rect.left + kArrowMarginX, rect.top + kArrowMarginY, width, height, control, kArrowMarginX,
                         kArrowMarginY);
}

void DrawThickFocusRect(Canvas& canvas, const Rect& rect, int thickness) {
    Rect r = rect;
    for (int i = 0; i < thickness; ++i) {
        platform::DrawFocusRect(canvas, r);
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
}

void DrawEtchedSeparators(Canvas& canvas, const SeparatorSegments& segments, platform::Colour colour) {
    const platform::CanvasPen pen = canvas.Pen();
    canvas.SetPen({platform::ResolveColour(colour), 1, platform::PenStyle::Solid});
    for (const auto& segment : segments) {
        canvas.MoveTo(segment[0].x, segment[0].y);
        canvas.LineTo(segment[1].x, segment[1].y);
    }
    canvas.SetPen(pen);
}

const platform::FillBrush& DitherBrush() {
    std::optional<platform::FillBrush>& brush = DitherBrushSlot();
    if (!brush) RebuildDitherBrush();
    return *brush;
}

void RebuildDitherBrush() { DitherBrushSlot() = platform::FillBrush{platform::clBtnFace, platform::DitherPattern()}; }

}  // namespace bars
