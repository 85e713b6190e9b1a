#pragma once

#include "platform/qt/canvas.h"

namespace table {

// A plain copy onto the canvas, as Canvas::BlockCopy does it (whole rows for 32-bit
// images). Kept only for the callers that still copy through it; new code calls the
// canvas.
inline void CopyBlock(platform::Canvas& dest, int x, int y, int width, int height, const QImage& source,
                      int sourceX, int sourceY) {
    dest.BlockCopy(x, y, width, height, source, sourceX, sourceY);
}

}  // namespace table
