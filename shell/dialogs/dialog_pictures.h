#pragma once

#include <QPixmap>

#include <string>
#include <string_view>
#include <vector>

#include "platform/core/canvas.h"

namespace platform {
class Bitmap;
class Image;
class ResourceBitmaps;
}  // namespace platform

namespace shell {

// The card library's 16 x 16 icons of those names, in that order, with the pixels of the
// key colour left out. A name the library lacks gives an empty icon, so the indexes still
// follow the names.
std::vector<QPixmap> LibraryIcons(const platform::ResourceBitmaps& bitmaps, const std::vector<std::string>& names,
                                 platform::Colour key);

// The image shows the card library's bitmap of that name, or nothing when the library
// has none. True when it had one.
bool ShowLibraryPicture(const platform::ResourceBitmaps& bitmaps, platform::Image& image, std::string_view name);

}  // namespace shell
