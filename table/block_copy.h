#pragma once

class QImage;

namespace platform {
class Canvas;
}

namespace table {

// A plain copy (SRCCOPY) of width x height from the source image at (sourceX, sourceY) to
// the canvas at (x, y), clipped to both images. Cards, strips and whole screens are
// copied this way all the time, so whole rows of 32-bit images go across at once; any
// other case goes through the canvas's own block copy. The result is the same.
void CopyBlock(platform::Canvas& dest, int x, int y, int width, int height, const QImage& source, int sourceX,
               int sourceY);

}  // namespace table
