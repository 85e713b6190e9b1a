#include "placeholder_art.h"

#include <QPainter>
#include <QPolygon>
#include <QTransform>

namespace placeholders {

namespace {

// Outlines on a 32 x 32 grid, pointing up and to the left (hands: the right hand).
const QPolygon kArrow({QPoint(0, 0), QPoint(0, 21), QPoint(5, 16), QPoint(9, 25), QPoint(12, 24), QPoint(8, 15),
                       QPoint(15, 15)});
const QPoint kArrowTip(0, 0);
// A pointing hand: the index finger up, the other fingers curled.
const QPolygon kPointingHand({QPoint(10, 0), QPoint(13, 0), QPoint(14, 2), QPoint(14, 11), QPoint(17, 10),
                              QPoint(20, 11), QPoint(23, 11), QPoint(26, 13), QPoint(26, 22), QPoint(23, 28),
                              QPoint(12, 28), QPoint(5, 19), QPoint(5, 16), QPoint(7, 15), QPoint(9, 17),
                              QPoint(9, 2)});
const QPoint kFingerTip(11, 0);
// A gripping hand: all fingers curled over a card.
const QPolygon kGrippingHand({QPoint(7, 8), QPoint(10, 6), QPoint(14, 7), QPoint(17, 6), QPoint(21, 7), QPoint(24, 9),
                              QPoint(26, 12), QPoint(26, 22), QPoint(23, 28), QPoint(11, 28), QPoint(5, 20),
                              QPoint(4, 14), QPoint(7, 13)});
const QPoint kGripCentre(15, 8);

constexpr int kCursorGrid = 32;

}  // namespace

QImage DrawCursor(const ResourceEntry& entry, QPoint& hotSpot) {
    QImage image(kCursorGrid, kCursorGrid, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const std::string& name = entry.name;
    const bool inverse = name.back() == 'B';  // the B cursors are the A cursors in reverse colours
    const bool left = name.find("LEFT") != std::string::npos;
    const bool second = name[name.size() - 2] == '2';
    QPolygon shape;
    if (name.find("ARROW") != std::string::npos) {
        shape = kArrow;
        hotSpot = kArrowTip;
    } else {
        shape = second ? kGrippingHand : kPointingHand;
        hotSpot = second ? kGripCentre : kFingerTip;
    }
    if (left) {
        const QTransform mirror(-1, 0, 0, 1, kCursorGrid - 1, 0);
        shape = mirror.map(shape);
        hotSpot = mirror.map(hotSpot);
    }
    QPainter painter(&image);
    if (second && name.find("ARROW") != std::string::npos) {  // the second arrow carries a card
        painter.setPen(QColor(inverse ? kWhite : kBlack));
        painter.setBrush(QColor(inverse ? kBlack : kWhite));
        painter.drawRect(16, 17, 10, 13);
    }
    painter.setPen(QColor(inverse ? kWhite : kBlack));
    painter.setBrush(QColor(inverse ? kBlack : kWhite));
    painter.drawPolygon(shape);
    return image;
}

}  // namespace placeholders
