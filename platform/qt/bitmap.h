#pragma once

#include <QImage>

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace platform {

// A 32-bit image (one QRgb 0xFFRRGGBB per pixel); empty until sized or loaded.
// Canvas draws on it; the rest of the Qt side reaches the pixels through Image().
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height);
    // Takes a copy of the image converted to the 32-bit format.
    explicit Bitmap(const QImage& image);

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    bool IsEmpty() const { return m_image.isNull(); }

    // Resizes to width x height. The old pixels stay where they overlap the new size and
    // new pixels are white, as the original platform's bitmaps behave; a zero or negative
    // size (or one too large to allocate) empties the bitmap.
    void SetSize(int width, int height);
    void Clear() { m_image = QImage(); }

    // Loads BMP or PNG data; on failure the bitmap is empty and the result false.
    bool LoadFromData(const void* data, std::size_t size);
    bool LoadFromData(std::string_view data) { return LoadFromData(data.data(), data.size()); }
    // Loads a BMP or PNG file; a missing or unreadable file gives an empty bitmap and false.
    bool LoadFromFile(const std::filesystem::path& path);

    QImage& Image() { return m_image; }
    const QImage& Image() const { return m_image; }

private:
    bool Adopt(QImage image);

    QImage m_image;
};

}  // namespace platform
