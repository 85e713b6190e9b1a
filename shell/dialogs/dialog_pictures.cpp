#include "shell/dialogs/dialog_pictures.h"

#include <QImage>

#include "platform/qt/bitmap.h"
#include "platform/qt/image_control.h"
#include "platform/qt/resource_bitmaps.h"

namespace shell {

QPixmap MaskedPixmap(const platform::Bitmap& bitmap, platform::Colour key) {
    if (bitmap.IsEmpty()) return {};
    QImage image = bitmap.Image().convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = qRgb(platform::RedOf(key), platform::GreenOf(key), platform::BlueOf(key));
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (keyRgb & 0xFFFFFF)) line[x] = 0;
    }
    return QPixmap::fromImage(image);
}

bool ShowLibraryPicture(const platform::ResourceBitmaps& bitmaps, platform::Image& image, std::string_view name) {
    const bool found = bitmaps.LoadResBitmap(image.Picture(), name);
    image.update();
    return found;
}

}  // namespace shell
