#include "bars/services/shapes.h"

#include "platform/qt/canvas.h"

namespace bars {

void DrawSubMenuArrow(Canvas&, const Rect&, int, bool, bool) {}
void DrawScrollArrow(Canvas&, const Rect&, ScrollDirection, bool) {}
void DrawThickFocusRect(Canvas&, const Rect&, int) {}
void DrawEtchedSeparators(Canvas&, const SeparatorSegments&, platform::Colour) {}

const platform::FillBrush& DitherBrush() {
    static platform::FillBrush brush;
    return brush;
}
void RebuildDitherBrush() {}

}  // namespace bars
