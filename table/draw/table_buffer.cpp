#include "table/draw/table_buffer.h"

namespace table {

TableBuffers::TableBuffers() : m_bufferCanvas(m_buffer) {}

void TableBuffers::SetSize(int width, int height) {
    m_buffer.SetSize(width, height);
    m_background.SetSize(width, height);
    MarkWiped();
}

}  // namespace table
