#include "shell/dialogs/dialog_pictures.h"

#include <QImage>

#include <algorithm>

#include "platform/qt/bitmap.h"
#include "platform/qt/image_control.h"
#include "platform/qt/resource_bitmaps.h"

namespace shell {

namespace {
constexpr int kIconSize = 16;
}  // namespace

std::vector<QPixmap> LibraryIcons(const platform::ResourceBitmaps& bitmaps, const std::vector<std::string>& names,
                                  platform::Colour key) {
    const QRgb keyRgb = qRgb(platform::RedOf(key), platform::GreenOf(key), platform::BlueOf(key));
    std::vector<QPixmap> icons;
    for (const std::string& name : names) {
        platform::Bitmap bitmap;
        bitmaps.LoadResBitmap(bitmap, name);
        QImage icon(kIconSize, kIconSize, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        for (int y = 0; y < std::min(kIconSize, bitmap.Height()); ++y)
            for (int x = 0; x < std::min(kIconSize, bitmap.Width()); ++x) {
                const QRgb pixel = bitmap.Image().pixel(x, y);
                if ((pixel & 0xFFFFFF) != (keyRgb & 0xFFFFFF)) icon.setPixel(x, y, pixel | 0xFF000000);
            }
        icons.push_back(QPixmap::fromImage(icon));
    }
    return icons;
}

bool ShowLibraryPicture(const platform::ResourceBitmaps& bitmaps, platform::Image& image, std::string_view name) {
    const bool found = bitmaps.LoadResBitmap(image.Picture(), name);
    image.update();
    return found;
}

}  // namespace shell
