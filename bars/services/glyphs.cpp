#include "bars/services/glyphs.h"

#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"
#include "platform/qt/image_list.h"

namespace bars {

namespace {

using platform::Rgb;
using platform::SystemColour;

bool HasPixels(const QImage* bitmap) { return bitmap != nullptr && !bitmap->isNull() && bitmap->width() > 0; }

// The glyph as a plain image: the bitmap itself, or the image-list glyph over the background colour.
QImage SourceGlyph(Colour backgroundColour, int imageIndex, const ImageList* images, const QImage* bitmap) {
    if (HasPixels(bitmap)) return bitmap->convertToFormat(QImage::Format_RGB32);
    if (images == nullptr || images->Image(imageIndex).isNull()) return {};
    QImage glyph(images->Width(), images->Height(), QImage::Format_RGB32);
    Canvas canvas(glyph);
    canvas.FillSolidRect({0, 0, glyph.width(), glyph.height()}, platform::ResolveColour(backgroundColour));
    images->Draw(canvas, 0, 0, imageIndex);
    return glyph;
}

// The glyph's shape: set where a pixel is not the transparent colour. Disabled image-list glyphs
// are judged as drawn on white, so their white parts stay out of the shape too.
std::vector<bool> Shape(const Canvas& glyph, Colour transparent, bool whiteIsOut) {
    std::vector<bool> shape(static_cast<std::size_t>(glyph.Width() * glyph.Height()));
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < glyph.Width(); ++x) {
            const Colour c = glyph.Pixel(x, y);
            shape[static_cast<std::size_t>(y * glyph.Width() + x)] = c != transparent && !(whiteIsOut && c == Rgb(255, 255, 255));
        }
    return shape;
}

// Source pixel of a destination pixel when the glyph is stretched over the rectangle.
int SourceOf(int destination, int destinationSize, int sourceSize) {
    return static_cast<int>(static_cast<long long>(destination) * sourceSize / destinationSize);
}

}  // namespace

void GreyBitmap(QImage& bitmap, int width, int height, Colour transparent) {
    if (bitmap.isNull()) return;
    Canvas canvas(bitmap);
    for (int y = 0; y < std::min(height, canvas.Height()); ++y)
        for (int x = 0; x < std::min(width, canvas.Width()); ++x) {
            const Colour c = canvas.Pixel(x, y);
            if (c == transparent) continue;
            const int mean = (platform::RedOf(c) + platform::GreenOf(c) + platform::BlueOf(c)) / 3;
            canvas.SetPixel(x, y, Rgb(mean, mean, mean));
        }
}

void DrawGlyph(Canvas& canvas, const FillBrush& background, const Rect& rect, Colour backgroundColour, bool greyed,
               bool enabled, int imageIndex, const ImageList* images, const QImage* bitmap) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    QImage offscreen(rect.Width(), rect.Height(), QImage::Format_RGB32);
    Canvas target(offscreen);
    platform::FillWithBrush(target, {0, 0, rect.Width(), rect.Height()}, background);

    QImage glyph = SourceGlyph(backgroundColour, imageIndex, images, bitmap);
    if (!glyph.isNull()) {
        Canvas source(glyph);
        const Colour transparent = source.Pixel(0, source.Height() - 1);
        const int w = source.Width();
        const int h = source.Height();
        if (enabled) {
            if (greyed) GreyBitmap(glyph, w, h, transparent);
            const std::vector<bool> shape = Shape(source, transparent, false);
            const bool inverted = !greyed && SystemColour(platform::COLOR_BTNFACE) == Rgb(0, 0, 0);
            for (int y = 0; y < rect.Height(); ++y)
                for (int x = 0; x < rect.Width(); ++x) {
                    const int sx = SourceOf(x, rect.Width(), w);
                    const int sy = SourceOf(y, rect.Height(), h);
                    if (!shape[static_cast<std::size_t>(sy * w + sx)]) continue;
                    const Colour c = source.Pixel(sx, sy);
                    target.SetPixel(x, y, inverted ? (c ^ 0x00FFFFFFu) : c);
                }
        } else {
            const std::vector<bool> shape = Shape(source, transparent, !HasPixels(bitmap));
            // Embossed: the highlight one pixel down-right, then the shadow in place.
            for (const auto& [offset, index] : {std::pair{1, platform::COLOR_BTNHIGHLIGHT}, std::pair{0, platform::COLOR_BTNSHADOW}})
                for (int y = 0; y < rect.Height(); ++y)
                    for (int x = 0; x < rect.Width(); ++x)
                        if (shape[static_cast<std::size_t>(SourceOf(y, rect.Height(), h) * w + SourceOf(x, rect.Width(), w))])
                            target.SetPixel(x + offset, y + offset, SystemColour(index));
        }
    }
    canvas.BlockCopy(rect.left, rect.top, rect.Width(), rect.Height(), offscreen, 0, 0);
}

}  // namespace bars
