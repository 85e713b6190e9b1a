// Block, stretch and transparent copies of Canvas.

#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "platform/qt/canvas_pixels.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace platform {

using pixels::ConstRow;
using pixels::Row;

namespace {

constexpr int kTernaryShift = 16;
constexpr std::uint32_t kTernaryMask = 0xFF;

std::uint8_t TernaryCode(RasterOp op) {
    return static_cast<std::uint8_t>((static_cast<std::uint32_t>(op) >> kTernaryShift) & kTernaryMask);
}

// The truth table's bit index is pattern * 4 + source * 2 + destination; an operand
// matters when flipping it changes some entry.
bool UsesSource(std::uint8_t code) { return (((code >> 2) ^ code) & 0x33) != 0; }

// Applies the truth table bit by bit over the colour channels.
QRgb ApplyRop(std::uint8_t code, QRgb pattern, QRgb source, QRgb dest) {
    QRgb result = 0;
    for (int index = 0; index < 8; ++index) {
        if (!((code >> index) & 1)) continue;
        result |= ((index & 4) ? pattern : ~pattern) & ((index & 2) ? source : ~source) & ((index & 1) ? dest : ~dest);
    }
    return pixels::kOpaque | (result & pixels::kRgbMask);
}

constexpr std::uint8_t kSrcCopyCode = 0xCC;
constexpr std::uint8_t kDstInvertCode = 0x55;

// A source ready for reading: the image itself, or a private copy of the part that is
// needed when the source is the destination (so overlapping copies read the old pixels)
// or when it is another kind of canvas. Source coordinates are shifted by (dx, dy).
struct SourceImage {
    const QImage* image = nullptr;
    QImage copy;
    int dx = 0;
    int dy = 0;
};

void Resolve(SourceImage& out, const QImage& dest, const QImage& source, const Rect& area) {
    out.image = &source;
    if (&source != &dest && (source.isNull() || source.constBits() != dest.constBits())) return;
    const Rect part = pixels::Intersect(area, pixels::Bounds(source));
    if (pixels::IsEmpty(part)) {
        out.copy = QImage();
    } else {
        out.copy = source.copy(part.left, part.top, part.Width(), part.Height());
        out.dx = -part.left;
        out.dy = -part.top;
    }
    out.image = &out.copy;
}

void Resolve(SourceImage& out, const QImage& dest, const ICanvas& source, const Rect& area) {
    if (const auto* canvas = dynamic_cast<const Canvas*>(&source)) {
        Resolve(out, dest, canvas->Image(), area);
        return;
    }
    const Rect part = pixels::Intersect(area, {0, 0, source.Width(), source.Height()});
    out.image = &out.copy;
    if (pixels::IsEmpty(part)) return;
    out.copy = QImage(part.Width(), part.Height(), QImage::Format_RGB32);
    if (out.copy.isNull()) return;
    for (int y = part.top; y < part.bottom; ++y) {
        QRgb* row = Row(out.copy, y - part.top);
        for (int x = part.left; x < part.right; ++x) row[x - part.left] = pixels::ToQRgb(source.Pixel(x, y));
    }
    out.dx = -part.left;
    out.dy = -part.top;
}

bool Is32Bit(const QImage& image) {
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32 ||
           image.format() == QImage::Format_ARGB32_Premultiplied;
}

// Source pixels of images in other formats are read one by one, converted.
QRgb SourcePixel(const QImage& image, const QRgb* row, int x, int y) {
    return row != nullptr ? row[x] : image.pixel(x, y);
}

// A plain copy between 32-bit images goes row by row, not pixel by pixel: cards, strips
// and whole screens are copied this way all the time. The pixels are those of the
// general loop (each source pixel made opaque); between two RGB32 images, whose pixels
// are opaque by definition, that is the row's bytes as they stand.
void CopyRows(QImage& dest, const QImage& source, const Rect& area, int offsetX, int offsetY) {
    if (area.top >= area.bottom) return;  // no row to address
    const auto width = static_cast<std::size_t>(area.Width());
    const bool asBytes = dest.format() == QImage::Format_RGB32 && source.format() == QImage::Format_RGB32;
    // Row addresses from one base each: a scan line call per row costs a detach check,
    // which shows on whole-screen copies.
    const auto outStride = static_cast<std::ptrdiff_t>(dest.bytesPerLine());
    const auto inStride = static_cast<std::ptrdiff_t>(source.bytesPerLine());
    auto* outRow = reinterpret_cast<uchar*>(Row(dest, area.top));
    const auto* inRow = reinterpret_cast<const uchar*>(ConstRow(source, area.top + offsetY));
    for (int row = area.top; row < area.bottom; ++row, outRow += outStride, inRow += inStride) {
        QRgb* out = reinterpret_cast<QRgb*>(outRow) + area.left;
        const QRgb* in = reinterpret_cast<const QRgb*>(inRow) + (area.left + offsetX);
        if (asBytes)
            std::memcpy(out, in, width * sizeof(QRgb));
        else
            std::transform(in, in + width, out, [](QRgb p) { return pixels::kOpaque | p; });
    }
}

// The destination area of a copy of width x height from (sx, sy) to (x, y): inside the
// destination and, when the source is used, lying over pixels inside the source.
Rect CopyArea(const QImage& dest, int x, int y, int width, int height, const QImage* source, int sx, int sy) {
    Rect area = pixels::Intersect(pixels::RectOfSize(x, y, width, height), pixels::Bounds(dest));
    if (source == nullptr) return area;
    const std::int64_t shiftX = std::int64_t{x} - sx;
    const std::int64_t shiftY = std::int64_t{y} - sy;
    const Rect sourceInDest{pixels::ClampToInt(shiftX), pixels::ClampToInt(shiftY),
                            pixels::ClampToInt(shiftX + source->width()),
                            pixels::ClampToInt(shiftY + source->height())};
    return pixels::Intersect(area, sourceInDest);
}

}  // namespace

void Canvas::BlockCopy(int x, int y, int width, int height, const ICanvas& source, int sourceX, int sourceY,
                       RasterOp op) {
    if (width <= 0 || height <= 0) return;
    Prepare();
    SourceImage resolved;
    if (UsesSource(TernaryCode(op)))
        Resolve(resolved, *m_image, source, pixels::RectOfSize(sourceX, sourceY, width, height));
    else
        resolved.image = m_image;  // never read
    BlockCopy(x, y, width, height, *resolved.image, sourceX + resolved.dx, sourceY + resolved.dy, op);
}

void Canvas::BlockCopy(int x, int y, int width, int height, const Bitmap& source, int sourceX, int sourceY,
                       RasterOp op) {
    BlockCopy(x, y, width, height, source.Image(), sourceX, sourceY, op);
}

void Canvas::BlockCopy(int x, int y, int width, int height, const QImage& source, int sourceX, int sourceY,
                       RasterOp op) {
    if (width <= 0 || height <= 0) return;
    Prepare();
    const Drawing drawing(*this, pixels::RectOfSize(x, y, width, height));
    const std::uint8_t code = TernaryCode(op);
    const bool usesSource = UsesSource(code);
    SourceImage resolved;
    if (usesSource) Resolve(resolved, *m_image, source, pixels::RectOfSize(sourceX, sourceY, width, height));
    const QImage* src = usesSource ? resolved.image : nullptr;
    sourceX += resolved.dx;
    sourceY += resolved.dy;
    const Rect area = CopyArea(*m_image, x, y, width, height, src, sourceX, sourceY);
    if (pixels::IsEmpty(area)) return;
    const int offsetX = static_cast<int>(std::int64_t{sourceX} - x);
    const int offsetY = static_cast<int>(std::int64_t{sourceY} - y);
    if (code == kSrcCopyCode && src != nullptr && Is32Bit(*src)) {
        CopyRows(*m_image, *src, area, offsetX, offsetY);
        return;
    }
    const QRgb pattern = m_brush.style == BrushStyle::Clear ? pixels::ToQRgb(0) : pixels::ToQRgb(m_brush.colour);
    for (int row = area.top; row < area.bottom; ++row) {
        QRgb* out = Row(*m_image, row);
        const QRgb* in = nullptr;
        if (src != nullptr && Is32Bit(*src)) in = ConstRow(*src, row + offsetY);
        for (int col = area.left; col < area.right; ++col) {
            const QRgb s = src != nullptr ? SourcePixel(*src, in, col + offsetX, row + offsetY) : 0;
            if (code == kSrcCopyCode) out[col] = pixels::kOpaque | s;
            else if (code == kDstInvertCode) out[col] ^= pixels::kRgbMask;
            else out[col] = ApplyRop(code, pattern, s, out[col]);
        }
    }
}

void Canvas::Draw(int x, int y, const Bitmap& bitmap) {
    BlockCopy(x, y, bitmap.Width(), bitmap.Height(), bitmap.Image(), 0, 0, RasterOp::SrcCopy);
}

void Canvas::StretchCopy(const Rect& dest, const ICanvas& source, const Rect& sourceRect, RasterOp op) {
    if (pixels::IsEmpty(dest) || pixels::IsEmpty(sourceRect)) return;
    Prepare();
    SourceImage resolved;
    if (UsesSource(TernaryCode(op)))
        Resolve(resolved, *m_image, source, sourceRect);
    else
        resolved.image = m_image;
    const Rect shifted{sourceRect.left + resolved.dx, sourceRect.top + resolved.dy, sourceRect.right + resolved.dx,
                       sourceRect.bottom + resolved.dy};
    StretchCopy(dest, *resolved.image, shifted, op);
}

void Canvas::StretchCopy(const Rect& dest, const Bitmap& source, const Rect& sourceRect, RasterOp op) {
    StretchCopy(dest, source.Image(), sourceRect, op);
}

void Canvas::StretchCopy(const Rect& dest, const QImage& source, const Rect& sourceRect, RasterOp op) {
    if (pixels::IsEmpty(dest) || pixels::IsEmpty(sourceRect)) return;
    Prepare();
    const Drawing drawing(*this, dest);
    const std::uint8_t code = TernaryCode(op);
    const bool usesSource = UsesSource(code);
    SourceImage resolved;
    if (usesSource) Resolve(resolved, *m_image, source, sourceRect);
    const QImage* src = usesSource ? resolved.image : nullptr;
    const Rect from{sourceRect.left + resolved.dx, sourceRect.top + resolved.dy, sourceRect.right + resolved.dx,
                    sourceRect.bottom + resolved.dy};
    const Rect area = pixels::Intersect(dest, pixels::Bounds(*m_image));
    const std::int64_t destWidth = std::int64_t{dest.right} - dest.left;
    const std::int64_t destHeight = std::int64_t{dest.bottom} - dest.top;
    const std::int64_t fromWidth = std::int64_t{from.right} - from.left;
    const std::int64_t fromHeight = std::int64_t{from.bottom} - from.top;
    const QRgb pattern = m_brush.style == BrushStyle::Clear ? pixels::ToQRgb(0) : pixels::ToQRgb(m_brush.colour);
    for (int row = area.top; row < area.bottom; ++row) {
        // Each destination pixel takes the source pixel its left/top edge maps onto.
        const std::int64_t sy = from.top + (row - std::int64_t{dest.top}) * fromHeight / destHeight;
        const QRgb* in = nullptr;
        if (src != nullptr) {
            if (sy < 0 || sy >= src->height()) continue;
            if (Is32Bit(*src)) in = ConstRow(*src, static_cast<int>(sy));
        }
        QRgb* out = Row(*m_image, row);
        for (int col = area.left; col < area.right; ++col) {
            QRgb s = 0;
            if (src != nullptr) {
                const std::int64_t sx = from.left + (col - std::int64_t{dest.left}) * fromWidth / destWidth;
                if (sx < 0 || sx >= src->width()) continue;
                s = SourcePixel(*src, in, static_cast<int>(sx), static_cast<int>(sy));
            }
            if (code == kSrcCopyCode) out[col] = pixels::kOpaque | s;
            else if (code == kDstInvertCode) out[col] ^= pixels::kRgbMask;
            else out[col] = ApplyRop(code, pattern, s, out[col]);
        }
    }
}

void Canvas::TransparentCopy(int x, int y, int width, int height, const ICanvas& source, int sourceX, int sourceY,
                             Colour key) {
    if (width <= 0 || height <= 0) return;
    Prepare();
    SourceImage resolved;
    Resolve(resolved, *m_image, source, pixels::RectOfSize(sourceX, sourceY, width, height));
    TransparentCopy(x, y, width, height, *resolved.image, sourceX + resolved.dx, sourceY + resolved.dy, key);
}

void Canvas::TransparentCopy(int x, int y, int width, int height, const Bitmap& source, int sourceX, int sourceY,
                             Colour key) {
    TransparentCopy(x, y, width, height, source.Image(), sourceX, sourceY, key);
}

void Canvas::TransparentCopy(int x, int y, int width, int height, const QImage& source, int sourceX, int sourceY,
                             Colour key) {
    if (width <= 0 || height <= 0) return;
    Prepare();
    const Drawing drawing(*this, pixels::RectOfSize(x, y, width, height));
    SourceImage resolved;
    Resolve(resolved, *m_image, source, pixels::RectOfSize(sourceX, sourceY, width, height));
    const QImage& src = *resolved.image;
    sourceX += resolved.dx;
    sourceY += resolved.dy;
    const Rect area = CopyArea(*m_image, x, y, width, height, &src, sourceX, sourceY);
    if (pixels::IsEmpty(area)) return;
    const int offsetX = static_cast<int>(std::int64_t{sourceX} - x);
    const int offsetY = static_cast<int>(std::int64_t{sourceY} - y);
    const QRgb keyValue = pixels::ToQRgb(key) & pixels::kRgbMask;
    for (int row = area.top; row < area.bottom; ++row) {
        QRgb* out = Row(*m_image, row);
        const QRgb* in = Is32Bit(src) ? ConstRow(src, row + offsetY) : nullptr;
        for (int col = area.left; col < area.right; ++col) {
            const QRgb s = SourcePixel(src, in, col + offsetX, row + offsetY) & pixels::kRgbMask;
            if (s != keyValue) out[col] = pixels::kOpaque | s;
        }
    }
}

}  // namespace platform
