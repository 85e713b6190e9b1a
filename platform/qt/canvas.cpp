#include "platform/qt/canvas.h"

#include "platform/qt/bitmap.h"
#include "platform/qt/canvas_pixels.h"
#include "platform/qt/shape_raster.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace platform {

using pixels::ConstRow;
using pixels::Row;
using pixels::ToQRgb;

namespace {

constexpr int kHatchSize = 8;

// The hatch patterns, one byte per row, the high bit the leftmost pixel; set bits are the lines.
struct HatchPattern {
    BrushStyle style;
    std::array<std::uint8_t, kHatchSize> rows;
};

constexpr std::array<HatchPattern, 6> kHatchPatterns{{
    {BrushStyle::Horizontal, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00}},
    {BrushStyle::Vertical, {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}},
    {BrushStyle::FDiagonal, {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}},
    {BrushStyle::BDiagonal, {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}},
    {BrushStyle::Cross, {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08}},
    {BrushStyle::DiagCross, {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}},
}};

const HatchPattern* FindHatch(BrushStyle style) {
    for (const HatchPattern& pattern : kHatchPatterns)
        if (pattern.style == style) return &pattern;
    return nullptr;
}

bool Is32Bit(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

// The platform accepts a rectangle given corner to corner in either order.
Rect Normalised(const Rect& r) {
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}

}  // namespace

Canvas::Canvas(Bitmap& bitmap) : Canvas(bitmap.Image()) {}

Canvas::Canvas(QImage& image) : m_image(&image) { Prepare(); }

void Canvas::Prepare() {
    if (!m_image->isNull() && !Is32Bit(m_image->format()))
        *m_image = m_image->convertToFormat(QImage::Format_RGB32);
}

Colour Canvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return kInvalidColour;
    if (!Is32Bit(m_image->format())) return pixels::FromQRgb(m_image->pixel(x, y));
    return pixels::FromQRgb(ConstRow(*m_image, y)[x]);
}

void Canvas::KeepTrackOfFills() {
    m_tracksFills = true;
    ForgetFills();
}

void Canvas::ForgetFills() {
    m_filledRows.assign(static_cast<std::size_t>(std::max(Height(), 0)), FilledRow{0, 0, Width()});
    m_trackedKey = m_image->cacheKey();
}

Canvas::Drawing::Drawing(Canvas& canvas, const Rect& area, const Rect& changed)
    : m_canvas(canvas), m_area(area), m_changed(changed) {
    if (!canvas.KeepsTrack() || canvas.m_drawingDepth++ != 0) return;
    const qint64 key = canvas.m_image->cacheKey();
    if (canvas.m_tracksFills && key != canvas.m_trackedKey) canvas.ForgetFills();
    if (canvas.m_tracksDrawn && key != canvas.m_drawnKey) canvas.m_drawnWhole = true;
}

// Marked when the drawing is done, so that a fill within it cannot clear what it drew.
Canvas::Drawing::~Drawing() {
    if (!m_canvas.KeepsTrack()) return;
    if (m_canvas.m_tracksFills) {
        const Rect drawn = pixels::Intersect(m_area, pixels::Bounds(*m_canvas.m_image));
        for (int y = drawn.top; y < drawn.bottom; ++y) {
            FilledRow& row = m_canvas.m_filledRows[static_cast<std::size_t>(y)];
            if (row.left >= row.right) {
                row.left = drawn.left;
                row.right = drawn.right;
            } else {
                row.left = std::min(row.left, drawn.left);
                row.right = std::max(row.right, drawn.right);
            }
        }
    }
    if (m_canvas.m_tracksDrawn) m_canvas.NoteDrawn(m_changed);
    if (--m_canvas.m_drawingDepth == 0) {
        const qint64 key = m_canvas.m_image->cacheKey();
        m_canvas.m_trackedKey = key;
        m_canvas.m_drawnKey = key;
    }
}

void Canvas::KeepTrackOfDrawnAreas() {
    m_tracksDrawn = true;
    m_drawnWhole = true;
}

namespace {

// Beyond this many areas each new one joins the area it grows least.
constexpr std::size_t kMostDrawnAreas = 48;
// Two areas become one when their bounding rectangle takes no more than this beyond their
// own pixels: neighbouring pixels and strips join, distant places stay apart.
constexpr std::int64_t kJoinSlack = 64;

std::int64_t Area(const Rect& r) { return std::int64_t{r.Width()} * r.Height(); }

Rect Bounding(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

}  // namespace

void Canvas::NoteDrawn(const Rect& area) {
    const Rect drawn = pixels::Intersect(Normalised(area), pixels::Bounds(*m_image));
    if (m_drawnWhole || pixels::IsEmpty(drawn)) return;
    if (!m_drawn.empty()) {
        Rect& last = m_drawn.back();
        const Rect both = Bounding(last, drawn);
        if (Area(both) <= Area(last) + Area(drawn) + kJoinSlack) {
            last = both;
            return;
        }
    }
    if (m_drawn.size() < kMostDrawnAreas) {
        m_drawn.push_back(drawn);
        return;
    }
    Rect* best = &m_drawn.front();
    std::int64_t bestGrowth = Area(Bounding(*best, drawn)) - Area(*best);
    for (Rect& r : m_drawn) {
        const std::int64_t growth = Area(Bounding(r, drawn)) - Area(r);
        if (growth < bestGrowth) {
            best = &r;
            bestGrowth = growth;
        }
    }
    *best = Bounding(*best, drawn);
}

std::vector<Rect> Canvas::TakeDrawnAreas() {
    if (m_drawingDepth == 0 && m_image->cacheKey() != m_drawnKey) m_drawnWhole = true;
    std::vector<Rect> drawn;
    if (m_drawnWhole) {
        const Rect whole = pixels::Bounds(*m_image);
        if (!pixels::IsEmpty(whole)) drawn.push_back(whole);
    } else {
        drawn.swap(m_drawn);
    }
    m_drawn.clear();
    m_drawnWhole = false;
    m_drawnKey = m_image->cacheKey();
    return drawn;
}

void Canvas::SetPixel(int x, int y, Colour colour) {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return;
    Prepare();
    const Drawing drawing(*this, {x, y, x + 1, y + 1});
    Row(*m_image, y)[x] = ToQRgb(colour);
}

// Fills left..right-1 of row y; the caller has checked the row, this clips the columns.
void Canvas::FillSpan(int y, int left, int right, QRgb colour) {
    left = std::max(left, 0);
    right = std::min(right, Width());
    if (left >= right) return;
    std::fill(Row(*m_image, y) + left, Row(*m_image, y) + right, colour);
}

void Canvas::FillBrushSpan(int y, int left, int right) {
    if (m_brush.style == BrushStyle::Clear) return;
    const QRgb colour = ToQRgb(m_brush.colour);
    const HatchPattern* hatch = FindHatch(m_brush.style);
    if (hatch == nullptr) {
        FillSpan(y, left, right, colour);
        return;
    }
    left = std::max(left, 0);
    right = std::min(right, Width());
    if (left >= right) return;
    QRgb* row = Row(*m_image, y);
    const std::uint8_t bits = hatch->rows[static_cast<std::size_t>(y % kHatchSize)];
    for (int x = left; x < right; ++x)
        if (bits & (0x80 >> (x % kHatchSize))) row[x] = colour;
}

void Canvas::FillSolidRect(const Rect& rect, Colour colour) {
    Prepare();
    const Rect area = pixels::Intersect(rect, pixels::Bounds(*m_image));
    if (pixels::IsEmpty(area)) return;
    const QRgb value = ToQRgb(colour);
    if (m_tracksFills && area.left == 0 && area.right == Width()) {
        FillTrackedRows(area.top, area.bottom, value);
        return;
    }
    const Drawing drawing(*this, area);
    FillSpan(area.top, area.left, area.right, value);
    // The other rows are copies of the first: a block copy outruns a fill loop, the more so
    // in a build without the compiler's loop vectorising, and backgrounds fill whole screens.
    // Row addresses step from the first: a scan line call per row costs a detach check.
    QRgb* first = Row(*m_image, area.top) + area.left;
    const auto bytes = static_cast<std::size_t>(area.Width()) * sizeof(QRgb);
    const auto stride = static_cast<std::ptrdiff_t>(m_image->bytesPerLine());
    auto* row = reinterpret_cast<uchar*>(first);
    for (int y = area.top + 1; y < area.bottom; ++y) {
        row += stride;
        std::memcpy(row, first, bytes);
    }
}

// Whole rows: each row is rewritten only where it may not hold the colour yet. A row that
// already holds it all is the source the others copy from, as in FillSolidRect.
void Canvas::FillTrackedRows(int top, int bottom, QRgb colour) {
    const Drawing drawing(*this, {}, {0, top, Width(), bottom});
    const auto stride = static_cast<std::ptrdiff_t>(m_image->bytesPerLine());
    uchar* const bits = m_image->bits();
    const QRgb* plain = nullptr;
    for (int y = top; y < bottom; ++y) {
        FilledRow& state = m_filledRows[static_cast<std::size_t>(y)];
        const int left = state.colour == colour ? state.left : 0;
        const int right = state.colour == colour ? state.right : Width();
        auto* row = reinterpret_cast<QRgb*>(bits + stride * y);
        if (left < right) {
            if (plain != nullptr)
                std::memcpy(row + left, plain + left, static_cast<std::size_t>(right - left) * sizeof(QRgb));
            else
                std::fill(row + left, row + right, colour);
        }
        state = {colour, 0, 0};
        if (plain == nullptr) plain = row;
    }
}

void Canvas::FillRect(const Rect& rect) {
    Prepare();
    const Rect area = pixels::Intersect(rect, pixels::Bounds(*m_image));
    const Drawing drawing(*this, area);
    for (int y = area.top; y < area.bottom; ++y) FillBrushSpan(y, area.left, area.right);
}

void Canvas::Invert(const Rect& rect) {
    Prepare();
    const Rect area = pixels::Intersect(rect, pixels::Bounds(*m_image));
    const Drawing drawing(*this, area);
    for (int y = area.top; y < area.bottom; ++y) {
        QRgb* row = Row(*m_image, y);
        for (int x = area.left; x < area.right; ++x) row[x] ^= pixels::kRgbMask;
    }
}

void Canvas::Rectangle(const Rect& rect) {
    Prepare();
    const Rect box = Normalised(rect);
    const Drawing drawing(*this, box);
    const Rect bounds = pixels::Bounds(*m_image);
    if (m_pen.style == PenStyle::Clear) {
        FillRect({box.left, box.top, box.right - 1, box.bottom - 1});
        return;
    }
    const int penWidth = std::max(m_pen.width, 1);
    const Rect inner{pixels::ClampToInt(std::int64_t{box.left} + penWidth),
                     pixels::ClampToInt(std::int64_t{box.top} + penWidth),
                     pixels::ClampToInt(std::int64_t{box.right} - penWidth),
                     pixels::ClampToInt(std::int64_t{box.bottom} - penWidth)};
    const QRgb penColour = ToQRgb(m_pen.colour);
    const Rect rows = pixels::Intersect(box, bounds);
    for (int y = rows.top; y < rows.bottom; ++y) {
        if (pixels::IsEmpty(inner) || y < inner.top || y >= inner.bottom) {
            FillSpan(y, box.left, box.right, penColour);
            continue;
        }
        FillSpan(y, box.left, inner.left, penColour);
        FillBrushSpan(y, inner.left, inner.right);
        FillSpan(y, inner.right, box.right, penColour);
    }
}

void Canvas::Ellipse(const Rect& rect) {
    Prepare();
    Rect box = Normalised(rect);
    const Drawing drawing(*this, box);
    const bool outlined = m_pen.style != PenStyle::Clear;
    if (!outlined) box = {box.left, box.top, box.right - 1, box.bottom - 1};
    if (!shapes::FitsEllipse(box)) return;
    const int penWidth = outlined ? std::max(m_pen.width, 1) : 0;
    // The brush fills the pixels of the core ellipse whose four neighbours are in it too;
    // the pen takes the rest of the outer ellipse.
    const int inset = std::max(penWidth - 1, 0);
    const Rect core{box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
    const QRgb penColour = ToQRgb(m_pen.colour);
    const Rect rows = pixels::Intersect(box, pixels::Bounds(*m_image));
    for (int y = rows.top; y < rows.bottom; ++y) {
        const shapes::Span outer = shapes::EllipseSpan(box, y);
        if (outer.IsEmpty()) continue;
        if (!outlined) {
            FillBrushSpan(y, outer.left, outer.right + 1);
            continue;
        }
        const shapes::Span inside = shapes::InteriorSpan(core, y);
        if (inside.IsEmpty()) {
            FillSpan(y, outer.left, outer.right + 1, penColour);
            continue;
        }
        FillSpan(y, outer.left, inside.left, penColour);
        FillBrushSpan(y, inside.left, inside.right + 1);
        FillSpan(y, inside.right + 1, outer.right + 1, penColour);
    }
}

void Canvas::StampPen(int x, int y) {
    const int width = std::max(m_pen.width, 1);
    const QRgb colour = ToQRgb(m_pen.colour);
    if (width == 1) {
        if (x >= 0 && y >= 0 && x < Width() && y < Height()) Row(*m_image, y)[x] = colour;
        return;
    }
    const std::int64_t left = std::int64_t{x} - width / 2;
    const std::int64_t top = std::int64_t{y} - width / 2;
    const Rect square = pixels::Intersect(
        {pixels::ClampToInt(left), pixels::ClampToInt(top), pixels::ClampToInt(left + width),
         pixels::ClampToInt(top + width)},
        pixels::Bounds(*m_image));
    for (int row = square.top; row < square.bottom; ++row) FillSpan(row, square.left, square.right, colour);
}

void Canvas::LineTo(int x, int y) {
    const Point from = m_penPos;
    m_penPos = {x, y};
    if (m_pen.style == PenStyle::Clear) return;
    Prepare();
    const int reach = std::max(m_pen.width, 1);
    const Drawing drawing(*this, {pixels::ClampToInt(std::int64_t{std::min(from.x, x)} - reach),
                                  pixels::ClampToInt(std::int64_t{std::min(from.y, y)} - reach),
                                  pixels::ClampToInt(std::int64_t{std::max(from.x, x)} + reach),
                                  pixels::ClampToInt(std::int64_t{std::max(from.y, y)} + reach)});
    const Rect reachable{-reach, -reach, pixels::ClampToInt(std::int64_t{Width()} + reach),
                         pixels::ClampToInt(std::int64_t{Height()} + reach)};
    shapes::TraceLine(from, {x, y}, reachable, [this](int px, int py) { StampPen(px, py); });
}

}  // namespace platform
