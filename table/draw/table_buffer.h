#pragma once

#include <array>

#include "engine/model/pile_names.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "table/draw/table_background.h"

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
    TableBackground& Background() { return m_background; }
    const TableBackground& Background() const { return m_background; }

    // A wipe of TableBuffer (the background painted or copied over all of it) takes the
    // stock-row piles' 3-D edges with it, wherever the piles lie; each is drawn again the
    // next time its pile is drawn into the buffer.
    void MarkWiped() { m_edgeWiped.fill(true); }
    bool IsEdgeWiped(int line) const { return m_edgeWiped.at(static_cast<std::size_t>(line)); }
    void MarkEdgeDrawn(int line) { m_edgeWiped.at(static_cast<std::size_t>(line)) = false; }

    // True for the canvases that lie in table coordinates.
    bool IsOffScreen(const platform::ICanvas& canvas) const {
        return &canvas == &m_bufferCanvas || m_background.Holds(canvas);
    }

private:
    platform::Bitmap m_buffer;
    platform::Canvas m_bufferCanvas;
    TableBackground m_background;
    std::array<bool, engine::kMazzoLineCount> m_edgeWiped{true, true, true};
};

}  // namespace table
