#include "platform/qt/classic_draw.h"

#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace platform {

namespace {

// The two colours of one ring of an edge: top-left and bottom-right.
struct RingColours {
    Colour topLeft;
    Colour bottomRight;
};

RingColours OuterColours(unsigned edge, unsigned flags) {
    if (flags & BF_MONO) return {SystemColour(COLOR_WINDOWFRAME), SystemColour(COLOR_WINDOWFRAME)};
    if (flags & BF_FLAT) return {SystemColour(COLOR_BTNSHADOW), SystemColour(COLOR_BTNSHADOW)};
    const bool soft = (flags & BF_SOFT) != 0;
    if (edge & BDR_RAISEDOUTER)
        return {SystemColour(soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT), SystemColour(COLOR_3DDKSHADOW)};
    return {SystemColour(soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW), SystemColour(COLOR_BTNHIGHLIGHT)};
}

RingColours InnerColours(unsigned edge, unsigned flags) {
    if (flags & BF_MONO) return {SystemColour(COLOR_WINDOW), SystemColour(COLOR_WINDOW)};
    if (flags & BF_FLAT) return {SystemColour(COLOR_BTNFACE), SystemColour(COLOR_BTNFACE)};
    const bool soft = (flags & BF_SOFT) != 0;
    if (edge & BDR_RAISEDINNER)
        return {SystemColour(soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT), SystemColour(COLOR_BTNSHADOW)};
    return {SystemColour(soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW), SystemColour(COLOR_3DLIGHT)};
}

// One ring: left and top in the first colour, right and bottom (with the corners they share
// with the others) in the second. The sides drawn move inwards by one.
void DrawRing(Canvas& canvas, Rect& r, const RingColours& colours, unsigned sides) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    if (sides & BF_LEFT) canvas.FillSolidRect({r.left, r.top, r.left + 1, r.bottom - 1}, colours.topLeft);
    if (sides & BF_TOP) canvas.FillSolidRect({r.left, r.top, r.right - 1, r.top + 1}, colours.topLeft);
    if (sides & BF_RIGHT) canvas.FillSolidRect({r.right - 1, r.top, r.right, r.bottom}, colours.bottomRight);
    if (sides & BF_BOTTOM) canvas.FillSolidRect({r.left, r.bottom - 1, r.right, r.bottom}, colours.bottomRight);
    if (sides & BF_LEFT) ++r.left;
    if (sides & BF_TOP) ++r.top;
    if (sides & BF_RIGHT) --r.right;
    if (sides & BF_BOTTOM) --r.bottom;
}

// Small monochrome shapes, one string per row, '#' set.
using Shape = std::span<const std::string_view>;

constexpr std::array<std::string_view, 7> kCheckMark{"......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#...."};
constexpr std::array<std::string_view, 6> kBullet{".####.", "######", "######", "######", "######", ".####."};
constexpr std::array<std::string_view, 7> kCloseGlyph{"##....##", ".##..##.", "..####..", "...##...", "..####..", ".##..##.", "##....##"};
constexpr std::array<std::string_view, 2> kMinimiseGlyph{"######", "######"};
constexpr std::array<std::string_view, 9> kMaximiseGlyph{"#########", "#########", "#.......#", "#.......#", "#.......#",
                               "#.......#", "#.......#", "#.......#", "#########"};
constexpr std::array<std::string_view, 9> kRestoreGlyph{"..######", "..######", "..#....#", "######.#", "######.#",
                              "#....###", "#....#..", "#....#..", "######.."};
constexpr std::array<std::string_view, 9> kHelpGlyph{"..###..", ".##.##.", ".##.##.", "....##.", "...##..", "...##..", ".......", "...##..",
                           "...##.."};

int ShapeWidth(Shape shape) {
    std::size_t width = 0;
    for (std::string_view row : shape) width = std::max(width, row.size());
    return static_cast<int>(width);
}

void DrawShape(Canvas& canvas, Shape shape, int x, int y, Colour colour) {
    int row = 0;
    for (std::string_view line : shape) {
        for (std::size_t column = 0; column < line.size(); ++column)
            if (line[column] == '#') canvas.SetPixel(x + static_cast<int>(column), y + row, colour);
        ++row;
    }
}

void DrawShapeCentred(Canvas& canvas, Shape shape, const Rect& rect, Colour colour, int offset = 0) {
    const int x = rect.left + (rect.Width() - ShapeWidth(shape)) / 2 + offset;
    const int y = rect.top + (rect.Height() - static_cast<int>(shape.size())) / 2 + offset;
    DrawShape(canvas, shape, x, y, colour);
}

// A glyph in the text colour, or embossed (highlight one pixel down-right, then shadow) when inactive.
void DrawGlyphShape(Canvas& canvas, Shape shape, const Rect& rect, unsigned state) {
    const int offset = (state & DFCS_PUSHED) ? 1 : 0;
    if (state & DFCS_INACTIVE) {
        DrawShapeCentred(canvas, shape, rect, SystemColour(COLOR_BTNHIGHLIGHT), offset + 1);
        DrawShapeCentred(canvas, shape, rect, SystemColour(COLOR_BTNSHADOW), offset);
        return;
    }
    DrawShapeCentred(canvas, shape, rect, SystemColour(COLOR_BTNTEXT), offset);
}

// A filled triangle pointing in the direction, `size` pixels from base to tip and 2 size - 1
// across, centred in the rectangle.
enum class Pointing { Left, Right, Up, Down };

void FillTriangle(Canvas& canvas, const Rect& rect, Pointing pointing, int size, Colour colour, int offset) {
    const bool horizontal = pointing == Pointing::Left || pointing == Pointing::Right;
    const int along = size;
    const int across = 2 * size - 1;
    const int width = horizontal ? along : across;
    const int height = horizontal ? across : along;
    const int left = rect.left + (rect.Width() - width) / 2 + offset;
    const int top = rect.top + (rect.Height() - height) / 2 + offset;
    for (int i = 0; i < size; ++i) {
        // Line i from the base: 2 (size - i) - 1 long.
        const int length = 2 * (size - i) - 1;
        switch (pointing) {
            case Pointing::Right: canvas.FillSolidRect({left + i, top + i, left + i + 1, top + i + length}, colour); break;
            case Pointing::Left:
                canvas.FillSolidRect({left + size - 1 - i, top + i, left + size - i, top + i + length}, colour);
                break;
            case Pointing::Down: canvas.FillSolidRect({left + i, top + i, left + i + length, top + i + 1}, colour); break;
            case Pointing::Up:
                canvas.FillSolidRect({left + i, top + size - 1 - i, left + i + length, top + size - i}, colour);
                break;
        }
    }
}

void DrawArrow(Canvas& canvas, const Rect& rect, Pointing pointing, unsigned state) {
    const int extent = std::min(rect.Width(), rect.Height());
    const int size = std::max(1, (extent - 4) / 4 + 1);
    const int offset = (state & DFCS_PUSHED) ? 1 : 0;
    if (state & DFCS_INACTIVE) {
        FillTriangle(canvas, rect, pointing, size, SystemColour(COLOR_BTNHIGHLIGHT), offset + 1);
        FillTriangle(canvas, rect, pointing, size, SystemColour(COLOR_BTNSHADOW), offset);
        return;
    }
    FillTriangle(canvas, rect, pointing, size, SystemColour(COLOR_BTNTEXT), offset);
}

// The frame of a push-like control, leaving the rectangle inside it.
Rect DrawButtonFrame(Canvas& canvas, const Rect& rect, unsigned state) {
    Rect inside = rect;
    unsigned flags = BF_RECT | BF_MIDDLE | BF_ADJUST;
    if (state & DFCS_MONO) flags |= BF_MONO;
    if (state & DFCS_FLAT) {
        flags |= BF_FLAT;
        DrawEdge(canvas, inside, BDR_SUNKENOUTER, flags);
        return inside;
    }
    DrawEdge(canvas, inside, (state & (DFCS_PUSHED | DFCS_CHECKED)) ? EDGE_SUNKEN : EDGE_RAISED, flags);
    return inside;
}

void DrawMenuMark(Canvas& canvas, const Rect& rect, unsigned state) {
    // Black on white: callers use the white as transparent.
    canvas.FillSolidRect(rect, Rgb(255, 255, 255));
    const Colour black = Rgb(0, 0, 0);
    switch (state & 0xFF) {
        case DFCS_MENUCHECK: DrawShapeCentred(canvas, kCheckMark, rect, black); break;
        case DFCS_MENUBULLET: DrawShapeCentred(canvas, kBullet, rect, black); break;
        case DFCS_MENUARROWRIGHT: FillTriangle(canvas, rect, Pointing::Left, 4, black, 0); break;
        default: FillTriangle(canvas, rect, Pointing::Right, 4, black, 0); break;
    }
}

void DrawCheckBox(Canvas& canvas, const Rect& rect, unsigned state) {
    Rect box = rect;
    DrawEdge(canvas, box, EDGE_SUNKEN, BF_RECT | BF_ADJUST | ((state & DFCS_FLAT) ? BF_FLAT : 0u));
    canvas.FillSolidRect(box, SystemColour((state & (DFCS_INACTIVE | DFCS_PUSHED)) ? COLOR_BTNFACE : COLOR_WINDOW));
    if (state & DFCS_CHECKED)
        DrawShapeCentred(canvas, kCheckMark, box, SystemColour((state & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT));
}

}  // namespace

void DrawEdge(Canvas& canvas, Rect& rect, unsigned edge, unsigned flags) {
    Rect r = rect;
    const unsigned sides = flags & BF_RECT;
    if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) DrawRing(canvas, r, OuterColours(edge, flags), sides);
    if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) DrawRing(canvas, r, InnerColours(edge, flags), sides);
    if (flags & BF_MIDDLE) canvas.FillSolidRect(r, SystemColour((flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE));
    if (flags & BF_ADJUST) rect = r;
}

void DrawFrameControl(Canvas& canvas, const Rect& rect, unsigned kind, unsigned state) {
    switch (kind) {
        case DFC_MENU: DrawMenuMark(canvas, rect, state); return;
        case DFC_BUTTON:
            if (state & DFCS_BUTTONPUSH)
                DrawButtonFrame(canvas, rect, state);
            else
                DrawCheckBox(canvas, rect, state);
            return;
        case DFC_SCROLL: {
            const Rect inside = DrawButtonFrame(canvas, rect, state);
            switch (state & 0xFF) {
                case DFCS_SCROLLUP: DrawArrow(canvas, inside, Pointing::Up, state); break;
                case DFCS_SCROLLLEFT: DrawArrow(canvas, inside, Pointing::Left, state); break;
                case DFCS_SCROLLRIGHT: DrawArrow(canvas, inside, Pointing::Right, state); break;
                default: DrawArrow(canvas, inside, Pointing::Down, state); break;
            }
            return;
        }
        case DFC_CAPTION: {
            const Rect inside = DrawButtonFrame(canvas, rect, state);
            switch (state & 0xFF) {
                case DFCS_CAPTIONMIN: {
                    // The bar sits low in the button.
                    const Rect low{inside.left, inside.top + inside.Height() / 2, inside.right, inside.bottom - 1};
                    DrawGlyphShape(canvas, kMinimiseGlyph, low, state);
                    break;
                }
                case DFCS_CAPTIONMAX: DrawGlyphShape(canvas, kMaximiseGlyph, inside, state); break;
                case DFCS_CAPTIONRESTORE: DrawGlyphShape(canvas, kRestoreGlyph, inside, state); break;
                case DFCS_CAPTIONHELP: DrawGlyphShape(canvas, kHelpGlyph, inside, state); break;
                default: DrawGlyphShape(canvas, kCloseGlyph, inside, state); break;
            }
            return;
        }
        default: return;
    }
}

void DrawFocusRect(Canvas& canvas, const Rect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    const auto invert = [&canvas](int x, int y) {
        // Every other pixel, on the canvas's grid, so adjacent frames line up.
        if (((x + y) & 1) != 0) return;
        const Colour c = canvas.Pixel(x, y);
        if (c != kInvalidColour) canvas.SetPixel(x, y, c ^ 0x00FFFFFFu);
    };
    for (int x = rect.left; x < rect.right; ++x) {
        invert(x, rect.top);
        if (rect.bottom - 1 > rect.top) invert(x, rect.bottom - 1);
    }
    for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
        invert(rect.left, y);
        if (rect.right - 1 > rect.left) invert(rect.right - 1, y);
    }
}

QImage DitherPattern() {
    constexpr int kSize = 8;
    QImage pattern(kSize, kSize, QImage::Format_RGB32);
    Canvas canvas(pattern);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            canvas.SetPixel(x, y, SystemColour(((x ^ y) & 1) == 0 ? COLOR_BTNFACE : COLOR_BTNHIGHLIGHT));
    return pattern;
}

void FillPattern(Canvas& canvas, const Rect& rect, const QImage& pattern) {
    if (pattern.isNull()) return;
    const Rect r{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, canvas.Width()),
                 std::min(rect.bottom, canvas.Height())};
    const int w = pattern.width();
    const int h = pattern.height();
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            canvas.SetPixel(x, y, Rgb(qRed(pattern.pixel(x % w, y % h)), qGreen(pattern.pixel(x % w, y % h)),
                                      qBlue(pattern.pixel(x % w, y % h))));
}

void FillWithBrush(Canvas& canvas, const Rect& rect, const FillBrush& brush) {
    if (brush.IsPattern())
        FillPattern(canvas, rect, brush.pattern);
    else
        canvas.FillSolidRect(rect, ResolveColour(brush.colour));
}

}  // namespace platform
