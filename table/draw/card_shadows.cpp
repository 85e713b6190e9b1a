#include "table/draw/card_shadows.h"

#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"

namespace table {

namespace {

constexpr int kStackShadowBand = 7;
// The right band's dots start this far below the top; the bottom band's this far right
// of the left edge. Each second line starts one further, the outermost line two more.
constexpr int kRightBandStart = 7;
constexpr int kBottomBandStart = 8;
constexpr int kOutermostExtra = 2;
// The bottom band's last two rows stop short, where the right band's dots thin out.
constexpr int kShortRows = 2;
constexpr int kShortRowCut = 2;
constexpr int kDotStep = 2;

// The two pixels that round off the inner corner of a shadow.
void DrawInnerCorner(platform::ICanvas& canvas, const platform::Rect& rect) {
    canvas.SetPixel(rect.right - 1, rect.bottom - 2, kShadowBlack);
    canvas.SetPixel(rect.right - 2, rect.bottom - 1, kShadowBlack);
}

}  // namespace

void DrawCardShadow(platform::Canvas& canvas, const platform::Rect& rect, const platform::Bitmap& shadowRight,
                    const platform::Bitmap& shadowBottom, int shadowOffset) {
    canvas.TransparentCopy(rect.right, rect.top + shadowOffset - 2, shadowRight.Width(), shadowRight.Height(),
                           shadowRight, 0, 0, kShadowTransparent);
    canvas.TransparentCopy(rect.left + shadowOffset - 1, rect.bottom, shadowBottom.Width(), shadowBottom.Height(),
                           shadowBottom, 0, 0, kShadowTransparent);
    DrawInnerCorner(canvas, rect);
}

void DrawStackShadow(platform::ICanvas& canvas, const platform::Rect& rect) {
    for (int column = 0; column < kStackShadowBand; ++column) {
        int y = rect.top + kRightBandStart + column % 2;
        if (column == kStackShadowBand - 1) y += kOutermostExtra;
        for (; y <= rect.bottom; y += kDotStep) canvas.SetPixel(rect.right + column, y, kShadowBlack);
    }
    for (int row = 0; row < kStackShadowBand; ++row) {
        int x = rect.left + kBottomBandStart + row % 2;
        if (row == kStackShadowBand - 1) x += kOutermostExtra;
        int last = rect.right + kStackShadowBand - 1;
        if (row >= kStackShadowBand - kShortRows) last -= kShortRowCut;
        for (; x <= last; x += kDotStep) canvas.SetPixel(x, rect.bottom + row, kShadowBlack);
    }
    DrawInnerCorner(canvas, rect);
}

}  // namespace table
