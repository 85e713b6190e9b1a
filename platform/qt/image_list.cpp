#include "platform/qt/image_list.h"

#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"
#include "platform/qt/canvas_pixels.h"

namespace platform {

ImageList::ImageList(int width, int height) : m_width(width), m_height(height) {}

ImageList::~ImageList() {
    if (s_freedHandler) s_freedHandler(this);
}

int ImageList::AddStrip(const QImage& strip, Colour maskColour) {
    if (strip.isNull() || m_width <= 0 || m_height <= 0) return -1;
    const QImage source = strip.convertToFormat(QImage::Format_ARGB32);
    const int first = Count();
    for (int left = 0; left + m_width <= source.width(); left += m_width) {
        QImage image(m_width, m_height, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        for (int y = 0; y < std::min(m_height, source.height()); ++y) {
            for (int x = 0; x < m_width; ++x) {
                const QRgb pixel = source.pixel(left + x, y);
                if (pixels::FromQRgb(pixel) != maskColour) image.setPixel(x, y, pixel | pixels::kOpaque);
            }
        }
        m_images.push_back(std::move(image));
    }
    return Count() > first ? first : -1;
}

const QImage& ImageList::Image(int index) const {
    static const QImage none;
    if (index < 0 || index >= Count()) return none;
    return m_images[static_cast<std::size_t>(index)];
}

bool ImageList::IsTransparent(int index, int x, int y) const {
    const QImage& image = Image(index);
    if (image.isNull() || x < 0 || y < 0 || x >= image.width() || y >= image.height()) return true;
    return qAlpha(image.pixel(x, y)) == 0;
}

void ImageList::Draw(Canvas& canvas, int x, int y, int index, bool enabled) const {
    const QImage& image = Image(index);
    if (image.isNull()) return;
    if (enabled) {
        for (int row = 0; row < image.height(); ++row)
            for (int column = 0; column < image.width(); ++column)
                if (!IsTransparent(index, column, row))
                    canvas.SetPixel(x + column, y + row, pixels::FromQRgb(image.pixel(column, row)));
        return;
    }
    // The shape is what stays dark when the image is drawn on white.
    const Colour white = Rgb(255, 255, 255);
    const auto inShape = [&](int column, int row) {
        return !IsTransparent(index, column, row) && pixels::FromQRgb(image.pixel(column, row)) != white;
    };
    for (const auto& [offset, colour] : {std::pair{1, COLOR_BTNHIGHLIGHT}, std::pair{0, COLOR_BTNSHADOW}})
        for (int row = 0; row < image.height(); ++row)
            for (int column = 0; column < image.width(); ++column)
                if (inShape(column, row)) canvas.SetPixel(x + column + offset, y + row + offset, SystemColour(colour));
}

}  // namespace platform
