#pragma once

#include <QImage>

#include <string_view>

namespace platform {

// Decodes encoded image data (PNG or BMP, as the library and the player's pictures hold).
// The format is told from the data's signature: left to guess, Qt loads every image
// plugin it has to ask each whether it can read the data. Data of any other format is
// still read by whichever plugin knows it. A null image when nothing can read it.
QImage DecodeImage(std::string_view data);

}  // namespace platform
