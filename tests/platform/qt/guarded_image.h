#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

namespace platform::testing {

// An image that lies inside a larger buffer whose border is filled with a guard value,
// so a test can see whether a drawing touched memory outside the image.
class GuardedImage {
public:
    static constexpr int kGuard = 16;
    static constexpr std::uint32_t kGuardValue = 0xDEADBEEF;

    GuardedImage(int width, int height, QRgb fill)
        : m_stride(width + 2 * kGuard),
          m_buffer(static_cast<std::size_t>(m_stride) * (height + 2 * kGuard), kGuardValue),
          m_image(reinterpret_cast<uchar*>(m_buffer.data() + kGuard * m_stride + kGuard), width, height,
                  m_stride * 4, QImage::Format_RGB32) {
        m_image.fill(fill);
    }

    QImage& Image() { return m_image; }

    bool GuardIntact() const {
        const int width = m_image.width();
        const int height = m_image.height();
        for (int y = 0; y < height + 2 * kGuard; ++y)
            for (int x = 0; x < m_stride; ++x) {
                const bool inside = x >= kGuard && x < kGuard + width && y >= kGuard && y < kGuard + height;
                if (!inside && m_buffer[static_cast<std::size_t>(y) * m_stride + x] != kGuardValue) return false;
            }
        return true;
    }

private:
    int m_stride;
    std::vector<std::uint32_t> m_buffer;
    QImage m_image;
};

}  // namespace platform::testing
