#pragma once

#include <QRgb>

#include <vector>

#include "platform/core/canvas.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"

namespace table {

// BackgroundBitmap: the painted background that every erase copies from, as big as the
// off-screen table. The plain and faded colours paint whole rows of one colour each, so
// while every row is of one colour the background keeps a colour a row instead of the
// image (some 5 MB for a 1280 x 1024 screen); a picture, or any drawing that is not
// whole rows, makes it a whole image, until a fill covers it all again. Reading it gives
// the same pixels either way.
class TableBackground : public platform::ICanvas {
public:
    TableBackground();
    TableBackground(const TableBackground&) = delete;
    TableBackground& operator=(const TableBackground&) = delete;

    // As a bitmap resizes: the old pixels stay where they overlap, new ones are white.
    void SetSize(int width, int height);

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void FillSolidRect(const platform::Rect& rect, platform::Colour colour) override;
    platform::Colour Pixel(int x, int y) const override;
    void SetPixel(int x, int y, platform::Colour colour) override;
    void BlockCopy(int x, int y, int width, int height, const platform::ICanvas& source, int sourceX, int sourceY,
                   platform::RasterOp op) override;
    using platform::ICanvas::BlockCopy;

    // Copies width x height from (sourceX, sourceY) to (x, y) on the canvas, as a plain
    // block copy from the image would: only pixels inside both are touched.
    void CopyTo(platform::Canvas& canvas, int x, int y, int width, int height, int sourceX, int sourceY) const;

    // The whole image to draw on, made from the rows first where it is kept as rows.
    platform::Canvas& Canvas();
    platform::Bitmap& Bitmap();
    bool IsKeptAsRows() const { return m_image.IsEmpty(); }
    // The background itself, or the canvas of its image.
    bool Holds(const platform::ICanvas& canvas) const { return &canvas == this || &canvas == &m_canvas; }

private:
    void MakeImage();

    int m_width = 0;
    int m_height = 0;
    std::vector<QRgb> m_rows;  // a colour a row while there is no image
    platform::Bitmap m_image;
    platform::Canvas m_canvas;
};

}  // namespace table
