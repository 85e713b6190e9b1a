#include "table/draw/table_background.h"

#include <algorithm>

#include "platform/qt/canvas_pixels.h"

namespace table {

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

}  // namespace

TableBackground::TableBackground() : m_canvas(m_image) {}

void TableBackground::SetSize(int width, int height) {
    if (width <= 0 || height <= 0) {
        m_image.Clear();
        m_rows.clear();
        m_width = m_height = 0;
        return;
    }
    // Columns added beside coloured rows would leave the rows of two colours.
    const bool allWhite = std::all_of(m_rows.begin(), m_rows.end(), [](QRgb row) { return row == kWhite; });
    if (IsKeptAsRows() && width > m_width && !allWhite) MakeImage();
    if (IsKeptAsRows()) {
        m_rows.resize(static_cast<std::size_t>(height), kWhite);
        m_width = width;
        m_height = height;
        return;
    }
    m_image.SetSize(width, height);
    m_width = m_image.Width();
    m_height = m_image.Height();
}

void TableBackground::FillSolidRect(const platform::Rect& rect, platform::Colour colour) {
    const platform::Rect area = platform::pixels::Intersect(rect, {0, 0, m_width, m_height});
    if (platform::pixels::IsEmpty(area)) return;
    const bool wholeRows = area.left == 0 && area.right == m_width;
    if (wholeRows && area.top == 0 && area.bottom == m_height) {
        // Nothing of the image would be left to see.
        m_image.Clear();
        m_rows.assign(static_cast<std::size_t>(m_height), platform::pixels::ToQRgb(colour));
        return;
    }
    if (wholeRows && IsKeptAsRows()) {
        std::fill(m_rows.begin() + area.top, m_rows.begin() + area.bottom, platform::pixels::ToQRgb(colour));
        return;
    }
    Canvas().FillSolidRect(area, colour);
}

platform::Colour TableBackground::Pixel(int x, int y) const {
    if (!IsKeptAsRows()) return m_canvas.Pixel(x, y);
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return platform::kInvalidColour;
    return platform::pixels::FromQRgb(m_rows[static_cast<std::size_t>(y)]);
}

void TableBackground::SetPixel(int x, int y, platform::Colour colour) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    if (IsKeptAsRows() && m_rows[static_cast<std::size_t>(y)] == platform::pixels::ToQRgb(colour)) return;
    Canvas().SetPixel(x, y, colour);
}

void TableBackground::BlockCopy(int x, int y, int width, int height, const platform::ICanvas& source, int sourceX,
                                int sourceY, platform::RasterOp op) {
    // A copy within the background reads the image it draws on.
    platform::Canvas& canvas = Canvas();
    canvas.BlockCopy(x, y, width, height, &source == this ? canvas : source, sourceX, sourceY, op);
}

void TableBackground::CopyTo(platform::Canvas& canvas, int x, int y, int width, int height, int sourceX,
                             int sourceY) const {
    if (!IsKeptAsRows()) {
        canvas.BlockCopy(x, y, width, height, m_image, sourceX, sourceY);
        return;
    }
    using platform::pixels::ClampToInt;
    const std::int64_t shiftX = std::int64_t{x} - sourceX;
    const std::int64_t shiftY = std::int64_t{y} - sourceY;
    const platform::Rect sourceInCanvas{ClampToInt(shiftX), ClampToInt(shiftY), ClampToInt(shiftX + m_width),
                                        ClampToInt(shiftY + m_height)};
    const platform::Rect area = platform::pixels::Intersect(
        platform::pixels::Intersect(platform::pixels::RectOfSize(x, y, width, height),
                                    {0, 0, canvas.Width(), canvas.Height()}),
        sourceInCanvas);
    for (int row = area.top; row < area.bottom; ++row) {
        const QRgb colour = m_rows[static_cast<std::size_t>(row - shiftY)];
        canvas.FillSolidRect({area.left, row, area.right, row + 1}, platform::pixels::FromQRgb(colour));
    }
}

platform::Canvas& TableBackground::Canvas() {
    MakeImage();
    return m_canvas;
}

platform::Bitmap& TableBackground::Bitmap() {
    MakeImage();
    return m_image;
}

void TableBackground::MakeImage() {
    if (!IsKeptAsRows() || m_height == 0) return;
    m_image.SetSize(m_width, m_height);
    if (m_image.IsEmpty()) {  // too large to allocate: empty, as a bitmap would be
        SetSize(0, 0);
        return;
    }
    QImage& image = m_image.Image();
    for (int y = 0; y < image.height(); ++y) {
        QRgb* row = platform::pixels::Row(image, y);
        std::fill(row, row + image.width(), m_rows[static_cast<std::size_t>(y)]);
    }
    m_rows.clear();
}

}  // namespace table
