#include "shell/dialogs/dialog_pictures.h"

#include <QImage>

#include "platform/qt/bitmap.h"
#include "platform/qt/image_control.h"
#include "platform/qt/image_list.h"
#include "platform/qt/resource_bitmaps.h"

namespace shell {

namespace {
constexpr int kIconSize = 16;
}  // namespace


platform::ImageList LibraryIcons(const platform::ResourceBitmaps& bitmaps, const std::vector<std::string>& names,
                                 platform::Colour key) {
    platform::ImageList icons(kIconSize, kIconSize);
    QImage blank(kIconSize, kIconSize, QImage::Format_RGB32);
    blank.fill(qRgb(platform::RedOf(key), platform::GreenOf(key), platform::BlueOf(key)));
    for (const std::string& name : names) {
        platform::Bitmap bitmap;
        bitmaps.LoadResBitmap(bitmap, name);
        if (bitmap.Width() < kIconSize || icons.AddStrip(bitmap.Image().copy(0, 0, kIconSize, kIconSize), key) < 0)
            icons.AddStrip(blank, key);
    }
    return icons;
}

bool ShowLibraryPicture(const platform::ResourceBitmaps& bitmaps, platform::Image& image, std::string_view name) {
    const bool found = bitmaps.LoadResBitmap(image.Picture(), name);
    image.update();
    return found;
}

}  // namespace shell
