#include "table/block_copy.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/qt/canvas.h"

namespace table {

namespace {

constexpr int kBytesPerPixel = 4;

bool IsOpaque32Bit(const QImage& image) { return image.format() == QImage::Format_RGB32; }

bool Is32Bit(const QImage& image) {
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

}  // namespace

void CopyBlock(platform::Canvas& dest, int x, int y, int width, int height, const QImage& source, int sourceX,
               int sourceY) {
    QImage& target = dest.Image();
    if (width <= 0 || height <= 0) return;
    if (!Is32Bit(target) || !IsOpaque32Bit(source) || target.constBits() == source.constBits()) {
        dest.BlockCopy(x, y, width, height, source, sourceX, sourceY);
        return;
    }
    // Clip in 64 bits: the rectangle may lie far off either image.
    std::int64_t left = x, top = y, right = std::int64_t{x} + width, bottom = std::int64_t{y} + height;
    const std::int64_t dx = std::int64_t{sourceX} - x;
    const std::int64_t dy = std::int64_t{sourceY} - y;
    left = std::max({left, std::int64_t{0}, -dx});
    top = std::max({top, std::int64_t{0}, -dy});
    right = std::min({right, std::int64_t{target.width()}, source.width() - dx});
    bottom = std::min({bottom, std::int64_t{target.height()}, source.height() - dy});
    if (left >= right || top >= bottom) return;
    const auto bytes = static_cast<std::size_t>(right - left) * kBytesPerPixel;
    for (std::int64_t row = top; row < bottom; ++row) {
        uchar* out = target.scanLine(static_cast<int>(row)) + left * kBytesPerPixel;
        const uchar* in = source.constScanLine(static_cast<int>(row + dy)) + (left + dx) * kBytesPerPixel;
        std::memcpy(out, in, bytes);
    }
}

}  // namespace table
