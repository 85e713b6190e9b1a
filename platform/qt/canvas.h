#pragma once

#include "platform/core/canvas.h"

#include <QFont>
#include <QImage>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class Bitmap;

enum class PenStyle { Solid, Clear };

// Solid, none, and the six hatch patterns (8 x 8, aligned to the image's origin).
enum class BrushStyle { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

enum FontStyle : unsigned {
    kFontRegular = 0,
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
};

struct CanvasPen {
    Colour colour = Rgb(0, 0, 0);
    int width = 1;
    PenStyle style = PenStyle::Solid;
    bool operator==(const CanvasPen&) const = default;
};

struct CanvasBrush {
    Colour colour = Rgb(255, 255, 255);
    BrushStyle style = BrushStyle::Solid;
    bool operator==(const CanvasBrush&) const = default;
};

struct CanvasFont {
    std::string name = "MS Sans Serif";
    int size = 8;  // points at 96 dots per inch
    Colour colour = Rgb(0, 0, 0);
    unsigned style = kFontRegular;  // FontStyle flags
    // Pixels when not 0, overriding size: a negative height is the characters' height, a
    // positive one the whole cell's.
    int height = 0;
    // The direction of the text's baseline in tenths of a degree, counter-clockwise.
    int escapement = 0;
    // Off for the toolbar and menu framework's fonts, whose text must be pixel-exact.
    bool antialiased = true;
    bool operator==(const CanvasFont&) const = default;
};

// Pixel-exact drawing on a 32-bit image, with the platform's conventions: a filled
// rectangle (l, t, r, b) covers l..r-1 x t..b-1, a line leaves out its end point, nothing
// is anti-aliased but text, and everything clips silently at the image's edges.
// A canvas draws on an image it does not own: keep the bitmap alive while the canvas is used.
// Resizing the bitmap is fine; the canvas always sees its current size.
class Canvas : public ICanvas {
public:
    explicit Canvas(Bitmap& bitmap);
    // An image of another format is converted to 32 bits in place.
    explicit Canvas(QImage& image);

    QImage& Image() { return *m_image; }
    const QImage& Image() const { return *m_image; }
    int Width() const override { return m_image->width(); }
    int Height() const override { return m_image->height(); }

    const CanvasPen& Pen() const { return m_pen; }
    void SetPen(const CanvasPen& pen) { m_pen = pen; }
    void SetPenColour(Colour colour) { m_pen.colour = colour; }
    void SetPenWidth(int width) { m_pen.width = width; }
    void SetPenStyle(PenStyle style) { m_pen.style = style; }

    const CanvasBrush& Brush() const { return m_brush; }
    void SetBrush(const CanvasBrush& brush) { m_brush = brush; }
    void SetBrushColour(Colour colour) { m_brush.colour = colour; }
    void SetBrushStyle(BrushStyle style) { m_brush.style = style; }

    const CanvasFont& Font() const { return m_font; }
    void SetFont(const CanvasFont& font);
    void SetFontName(const std::string& name);
    void SetFontSize(int points);
    void SetFontColour(Colour colour) { m_font.colour = colour; }
    void SetFontStyle(unsigned style);

    Colour Pixel(int x, int y) const override;
    void SetPixel(int x, int y, Colour colour) override;

    void FillSolidRect(const Rect& rect, Colour colour) override;
    // Fills with the brush: a hatch paints only its lines, a clear brush nothing.
    void FillRect(const Rect& rect);
    // Inverts every colour bit, as the DstInvert copy does.
    void Invert(const Rect& rect);

    // Outline with the pen inside the rectangle, inside filled with the brush. With a clear
    // pen the filled area is one pixel narrower and shorter, as on the original platform.
    void Rectangle(const Rect& rect);
    // The ellipse inscribed in the rectangle, with the same pen and brush rules.
    void Ellipse(const Rect& rect);

    Point PenPos() const { return m_penPos; }
    void MoveTo(int x, int y) { m_penPos = {x, y}; }
    // A line from the pen position up to, not including, (x, y), which becomes the pen position.
    // Wider pens draw a square of the pen's width at every point.
    void LineTo(int x, int y);

    using ICanvas::BlockCopy;
    // Raster operations that use a pattern take the brush colour (black for a clear brush).
    void BlockCopy(int x, int y, int width, int height, const ICanvas& source, int sourceX, int sourceY,
                   RasterOp op) override;
    void BlockCopy(int x, int y, int width, int height, const Bitmap& source, int sourceX, int sourceY,
                   RasterOp op = RasterOp::SrcCopy);
    void BlockCopy(int x, int y, int width, int height, const QImage& source, int sourceX, int sourceY,
                   RasterOp op = RasterOp::SrcCopy);
    // The whole bitmap at (x, y).
    void Draw(int x, int y, const Bitmap& bitmap);

    // Scales the source rectangle onto the destination rectangle, nearest pixel, no smoothing.
    void StretchCopy(const Rect& dest, const ICanvas& source, const Rect& sourceRect, RasterOp op = RasterOp::SrcCopy);
    void StretchCopy(const Rect& dest, const Bitmap& source, const Rect& sourceRect, RasterOp op = RasterOp::SrcCopy);
    void StretchCopy(const Rect& dest, const QImage& source, const Rect& sourceRect, RasterOp op = RasterOp::SrcCopy);

    // A plain copy that leaves out the source pixels of the key colour.
    void TransparentCopy(int x, int y, int width, int height, const ICanvas& source, int sourceX, int sourceY,
                         Colour key);
    void TransparentCopy(int x, int y, int width, int height, const Bitmap& source, int sourceX, int sourceY,
                         Colour key);
    void TransparentCopy(int x, int y, int width, int height, const QImage& source, int sourceX, int sourceY,
                         Colour key);

    // Text (UTF-8) with its cell's top-left at (x, y) in the font colour; on a solid brush
    // the cell is first filled with the brush colour, otherwise the text is transparent.
    // A font with an escapement turns the text about (x, y).
    void TextOut(int x, int y, std::string_view text);
    Size TextExtent(std::string_view text) const;
    int TextWidth(std::string_view text) const { return TextExtent(text).width; }
    int TextHeight(std::string_view text) const { return TextExtent(text).height; }
    // Pixels from the top of a text cell to the baseline.
    int FontAscent() const;

    // For an image filled whole and then drawn on in parts, again and again (the table's
    // off-screen buffer): the canvas remembers which parts of each row still hold the last
    // fill's colour, and a later fill of whole rows in that colour rewrites only what was
    // drawn since. Drawing on the image other than through this canvas is noticed (the
    // image's cache key moves), and the canvas then forgets what it knew.
    void KeepTrackOfFills();

    // For an image that a window shows (the table's window): the canvas notes the parts it
    // draws on, so that the window shows only those anew. Drawing on the image other than
    // through this canvas is noticed, and the whole image then counts as drawn on.
    void KeepTrackOfDrawnAreas();
    // The areas drawn on since the last call, within the image; none when nothing was.
    std::vector<Rect> TakeDrawnAreas();

private:
    // Columns left..right-1 of a row may differ from colour; the rest holds it.
    struct FilledRow {
        QRgb colour = 0;
        int left = 0;
        int right = 0;
    };
    // Marks the area as drawn on once the drawing within its life is done; the outermost
    // scope checks that no one else drew on the image since, and notes the image's key.
    class Drawing {
    public:
        Drawing(Canvas& canvas, const Rect& area) : Drawing(canvas, area, area) {}
        // A fill of whole rows keeps track of its fill apart (area is then empty), though
        // the rows it covers changed.
        Drawing(Canvas& canvas, const Rect& area, const Rect& changed);
        ~Drawing();
        Drawing(const Drawing&) = delete;
        Drawing& operator=(const Drawing&) = delete;

    private:
        Canvas& m_canvas;
        Rect m_area;
        Rect m_changed;
    };
    bool KeepsTrack() const { return m_tracksFills || m_tracksDrawn; }
    void ForgetFills();
    void NoteDrawn(const Rect& area);
    void FillTrackedRows(int top, int bottom, QRgb colour);

    void Prepare();
    // The Qt font of m_font, made when text is first drawn or measured: most canvases
    // (a card image's, for a few pixels) never draw text.
    const QFont& QtFont() const;
    void FillSpan(int y, int left, int right, QRgb colour);
    void FillBrushSpan(int y, int left, int right);
    void StampPen(int x, int y);

    QImage* m_image;
    CanvasPen m_pen;
    CanvasBrush m_brush;
    CanvasFont m_font;
    mutable std::optional<QFont> m_qfont;
    Point m_penPos;
    bool m_tracksFills = false;
    int m_drawingDepth = 0;
    qint64 m_trackedKey = 0;
    std::vector<FilledRow> m_filledRows;
    bool m_tracksDrawn = false;
    bool m_drawnWhole = false;
    qint64 m_drawnKey = 0;
    std::vector<Rect> m_drawn;
};

}  // namespace platform
