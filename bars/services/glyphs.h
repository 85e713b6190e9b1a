#pragma once

#include "platform/core/canvas.h"
#include "platform/qt/classic_draw.h"

#include <QImage>

namespace platform {
class Canvas;
class ImageList;
}  // namespace platform

namespace bars {

using platform::Canvas;
using platform::Colour;
using platform::FillBrush;
using platform::ImageList;
using platform::Rect;

// Draws a glyph stretched to the rectangle over the brush: from the bitmap when it is given and
// not empty (its bottom-left pixel is the transparent colour), else from the image list at the
// index. Greyed turns its colours to grey; disabled draws it embossed in the button highlight
// and shadow. An enabled glyph on a black button face is drawn inverted.
void DrawGlyph(Canvas& canvas, const FillBrush& background, const Rect& rect, Colour backgroundColour, bool greyed,
               bool enabled, int imageIndex, const ImageList* images, const QImage* bitmap);

// Every pixel of the first width x height that is not the transparent colour becomes the mean
// of its red, green and blue.
void GreyBitmap(QImage& bitmap, int width, int height, Colour transparent);

// Whether the 95-family first release's raster operation is used for disabled bitmaps; never
// here, kept for tests of both paths.
bool UsesOldMaskOperation();
void SetUsesOldMaskOperation(bool old);

}  // namespace bars
