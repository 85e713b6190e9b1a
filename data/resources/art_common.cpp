#include "placeholder_art.h"

#include <QPainter>
#include <QPolygonF>

namespace placeholders {

QImage BlankImage(const ResourceEntry& entry, QRgb fill) {
    QImage image(entry.width, entry.height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QColor SuitColour(int suit) {
    constexpr int kFirstBlackSuit = 2;  // clubs and spades
    return suit < kFirstBlackSuit ? QColor(200, 0, 0) : QColor(0, 0, 0);
}

void DrawPip(QPainter& painter, int suit, const QRectF& square) {
    const double x = square.x(), y = square.y(), s = square.width();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitColour(suit));
    switch (suit) {
        case 0:  // hearts
            painter.drawEllipse(QRectF(x, y, s / 2, s / 2));
            painter.drawEllipse(QRectF(x + s / 2, y, s / 2, s / 2));
            painter.drawPolygon(QPolygonF(
                {QPointF(x + s * 0.03, y + s * 0.35), QPointF(x + s / 2, y + s), QPointF(x + s * 0.97, y + s * 0.35)}));
            break;
        case 1:  // diamonds
            painter.drawPolygon(QPolygonF({QPointF(x + s / 2, y), QPointF(x + s * 0.9, y + s / 2),
                                           QPointF(x + s / 2, y + s), QPointF(x + s * 0.1, y + s / 2)}));
            break;
        case 2:  // clubs
            painter.drawEllipse(QRectF(x + s * 0.28, y, s * 0.44, s * 0.44));
            painter.drawEllipse(QRectF(x, y + s * 0.34, s * 0.44, s * 0.44));
            painter.drawEllipse(QRectF(x + s * 0.56, y + s * 0.34, s * 0.44, s * 0.44));
            painter.drawRect(QRectF(x + s * 0.42, y + s * 0.4, s * 0.16, s * 0.6));
            break;
        default:  // spades
            painter.drawEllipse(QRectF(x, y + s * 0.3, s / 2, s / 2));
            painter.drawEllipse(QRectF(x + s / 2, y + s * 0.3, s / 2, s / 2));
            painter.drawPolygon(QPolygonF(
                {QPointF(x + s * 0.03, y + s * 0.52), QPointF(x + s / 2, y), QPointF(x + s * 0.97, y + s * 0.52)}));
            painter.drawRect(QRectF(x + s * 0.42, y + s * 0.6, s * 0.16, s * 0.4));
            break;
    }
    painter.restore();
}

}  // namespace placeholders
