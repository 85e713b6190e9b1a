#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

// Drawing helpers for the 16-pixel icons and glyphs: shapes are drawn with antialiasing
// on a transparent image, which Keyed() then lays on the icons' key colour.
namespace art {

inline constexpr QRgb kIconLine = qRgb(40, 40, 48);

class IconPainter {
public:
    explicit IconPainter(int size);

    QPainter& Painter() { return m_painter; }
    // A card outline with a white (or given) face, on half-pixel lines so it stays crisp.
    void Card(double x, double y, double w, double h, QRgb face = qRgb(255, 255, 255));
    void Fill(const QPainterPath& path, QRgb colour, bool outline = false);
    void Line(QPointF from, QPointF to, QRgb colour, double width = 1.0);
    // The drawing laid on the key colour of icons, edges blended over white.
    QImage Keyed();
    // The drawing itself, with transparency.
    QImage Drawing();

private:
    QImage m_image;
    QPainter m_painter;
};

// A small badge in the bottom-right corner: a green tick (won) or a red dot (not won).
void DrawWinBadge(IconPainter& icon, bool won);

}  // namespace art
