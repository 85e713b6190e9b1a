#include "table/draw/table_surface.h"

namespace table {

ImageSurface::ImageSurface(int width, int height) : m_image(width, height), m_canvas(m_image) {}

}  // namespace table
