#include "platform/qt/image_list.h"

#include "platform/qt/canvas.h"

namespace platform {

ImageList::ImageList(int width, int height) : m_width(width), m_height(height) {}

int ImageList::AddStrip(const QImage&, Colour) { return -1; }

const QImage& ImageList::Image(int index) const {
    static const QImage none;
    if (index < 0 || index >= Count()) return none;
    return m_images[static_cast<std::size_t>(index)];
}

bool ImageList::IsTransparent(int, int, int) const { return true; }

void ImageList::Draw(Canvas&, int, int, int, bool) const {}

}  // namespace platform
