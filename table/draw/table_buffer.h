#pragma once

#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"

namespace table {

// The off-screen table: TableBuffer holds the whole table as the window shows it (from
// row S), BackgroundBitmap the painted background that every erase copies from. Both
// lie in table coordinates, the window's coordinates shifted down by S.
class TableBuffers {
public:
    TableBuffers();
    TableBuffers(const TableBuffers&) = delete;
    TableBuffers& operator=(const TableBuffers&) = delete;

    // Both images take the size; the window gives them the screen's size plus a margin.
    void SetSize(int width, int height);
    int Width() const { return m_buffer.Width(); }
    int Height() const { return m_buffer.Height(); }

    platform::Bitmap& TableBuffer() { return m_buffer; }
    platform::Canvas& BufferCanvas() { return m_bufferCanvas; }
    platform::Bitmap& BackgroundBitmap() { return m_background; }
    platform::Canvas& BackgroundCanvas() { return m_backgroundCanvas; }
    const platform::Canvas& BackgroundCanvas() const { return m_backgroundCanvas; }

    // True for the canvases that lie in table coordinates.
    bool IsOffScreen(const platform::ICanvas& canvas) const {
        return &canvas == &m_bufferCanvas || &canvas == &m_backgroundCanvas;
    }

private:
    platform::Bitmap m_buffer;
    platform::Canvas m_bufferCanvas;
    platform::Bitmap m_background;
    platform::Canvas m_backgroundCanvas;
};

}  // namespace table
