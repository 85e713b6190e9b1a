#include "art.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr int kHalfCovered = 128;

}  // namespace

QImage OpaqueImage(int width, int height, QRgb fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage ClearImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void PasteCard(QImage& target, const QImage& card, QPoint at) {
    constexpr int kSmallCardWidth = 25;
    const int w = card.width(), h = card.height();
    const int cut = w == kSmallCardWidth ? 1 : 2;  // pixels from the corner along each edge
    const auto isCorner = [&](int x, int y) {
        const int dx = std::min(x, w - 1 - x), dy = std::min(y, h - 1 - y);
        return dx + dy < cut;
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!isCorner(x, y) && target.valid(at.x() + x, at.y() + y))
                target.setPixel(at.x() + x, at.y() + y, card.pixel(x, y));
}

QImage BackImage(char size, int back) {
    const res::CardSizeSpec* spec = res::FindCardSize(size);
    if (spec == nullptr) return {};
    return DrawCardBack({res::CardBackName(size, back), res::ResourceKind::Bitmap, res::ResourceFamily::CardBack,
                         spec->width, spec->height});
}

QImage OnKeyColour(const QImage& drawing, QRgb key, QRgb matte) {
    const QImage source = drawing.convertToFormat(QImage::Format_ARGB32);
    QImage keyed = OpaqueImage(source.width(), source.height(), key);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            const int alpha = qAlpha(pixel);
            if (alpha < kHalfCovered) continue;
            const auto over = [alpha](int front, int back) {
                return static_cast<int>(std::lround((front * alpha + back * (255 - alpha)) / 255.0));
            };
            keyed.setPixel(x, y,
                           qRgb(over(qRed(pixel), qRed(matte)), over(qGreen(pixel), qGreen(matte)),
                                over(qBlue(pixel), qBlue(matte))));
        }
    return keyed;
}

}  // namespace art
