#include "table/draw/table_buffer.h"

namespace table {

// Every redraw of the whole table fills the buffer with the background again, and most of
// it was not drawn on since the last fill.
TableBuffers::TableBuffers() : m_bufferCanvas(m_buffer) { m_bufferCanvas.KeepTrackOfFills(); }

void TableBuffers::SetSize(int width, int height) {
    m_buffer.SetSize(width, height);
    m_background.SetSize(width, height);
    MarkWiped();
}

}  // namespace table
