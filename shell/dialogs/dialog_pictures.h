#pragma once

#include <QPixmap>

#include <string_view>

#include "platform/core/canvas.h"

namespace platform {
class Bitmap;
class Image;
class ResourceBitmaps;
}  // namespace platform

namespace shell {

// The bitmap with the pixels of the key colour left out.
QPixmap MaskedPixmap(const platform::Bitmap& bitmap, platform::Colour key);

// The image shows the card library's bitmap of that name, or nothing when the library
// has none. True when it had one.
bool ShowLibraryPicture(const platform::ResourceBitmaps& bitmaps, platform::Image& image, std::string_view name);

}  // namespace shell
