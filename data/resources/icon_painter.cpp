#include "icon_painter.h"

#include "art.h"

#include <QPainterPath>

namespace art {

IconPainter::IconPainter(int size) : m_image(ClearImage(size, size)), m_painter(&m_image) {
    m_painter.setRenderHint(QPainter::Antialiasing);
}

void IconPainter::Card(double x, double y, double w, double h, QRgb face) {
    QPen pen{QColor(kIconLine)};
    pen.setWidthF(1.0);
    m_painter.setPen(pen);
    m_painter.setBrush(QColor(face));
    m_painter.drawRoundedRect(QRectF(x + 0.5, y + 0.5, w - 1, h - 1), 1.2, 1.2);
}

void IconPainter::Fill(const QPainterPath& path, QRgb colour, bool outline) {
    if (outline) {
        QPen pen{QColor(kIconLine)};
        pen.setWidthF(0.9);
        m_painter.setPen(pen);
    } else {
        m_painter.setPen(Qt::NoPen);
    }
    m_painter.setBrush(QColor(colour));
    m_painter.drawPath(path);
}

void IconPainter::Line(QPointF from, QPointF to, QRgb colour, double width) {
    QPen pen{QColor(colour)};
    pen.setWidthF(width);
    pen.setCapStyle(Qt::RoundCap);
    m_painter.setPen(pen);
    m_painter.drawLine(from, to);
}

QImage IconPainter::Keyed() {
    m_painter.end();
    return OnKeyColour(m_image, kIconKey, kWhite);
}

QImage IconPainter::Drawing() {
    m_painter.end();
    return m_image;
}

void DrawWinBadge(IconPainter& icon, bool won) {
    QPainter& p = icon.Painter();
    p.setPen(QPen(QColor(255, 255, 255), 1.0));
    p.setBrush(QColor(won ? qRgb(20, 150, 40) : qRgb(210, 30, 30)));
    p.drawEllipse(QRectF(9.5, 9.5, 6, 6));
    if (won) {
        QPen tick{QColor(255, 255, 255)};
        tick.setWidthF(1.2);
        p.setPen(tick);
        p.drawPolyline(QPolygonF({QPointF(10.8, 12.6), QPointF(12.1, 13.9), QPointF(14.3, 11.1)}));
    }
}

}  // namespace art
