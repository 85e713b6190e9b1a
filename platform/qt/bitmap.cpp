#include "platform/qt/bitmap.h"

#include "platform/core/paths.h"
#include "platform/qt/image_data.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <utility>

namespace platform {

Bitmap::Bitmap(int width, int height) { SetSize(width, height); }

Bitmap::Bitmap(const QImage& image) { Adopt(image); }

void Bitmap::SetSize(int width, int height) {
    if (width <= 0 || height <= 0) {
        m_image = QImage();
        return;
    }
    if (width == Width() && height == Height()) return;
    if (!m_image.isNull() && m_image.format() != QImage::Format_RGB32)
        m_image = m_image.convertToFormat(QImage::Format_RGB32);
    QImage resized(width, height, QImage::Format_RGB32);
    if (resized.isNull()) {  // too large to allocate
        m_image = QImage();
        return;
    }
    resized.fill(Qt::white);
    const int keepWidth = std::min(width, Width());
    const int keepHeight = std::min(height, Height());
    for (int y = 0; y < keepHeight; ++y)
        std::memcpy(resized.scanLine(y), m_image.constScanLine(y), static_cast<std::size_t>(keepWidth) * 4);
    m_image = std::move(resized);
}

bool Bitmap::Adopt(QImage image) {
    if (image.isNull()) {
        m_image = QImage();
        return false;
    }
    // Bitmaps are opaque: a PNG's alpha is dropped, as the platform's bitmaps would.
    m_image = image.convertToFormat(QImage::Format_RGB32);
    return !m_image.isNull();
}

bool Bitmap::LoadFromData(const void* data, std::size_t size) {
    if (data == nullptr) return Adopt(QImage());
    return Adopt(DecodeImage({static_cast<const char*>(data), size}));
}

bool Bitmap::LoadFromFile(const std::filesystem::path& path) {
    std::string content;
    if (!ReadFile(path, content)) return Adopt(QImage());
    return LoadFromData(content);
}

}  // namespace platform
