#include "suit_shapes.h"

#include <QPainter>
#include <QTransform>

#include <array>
#include <string_view>

namespace art {

namespace {

// Width of each sign for a height of 1.
constexpr std::array<double, kSuitCount> kAspect{1.06, 0.78, 1.0, 0.92};

// Outlines in a unit square, the sign filling it from top to bottom.
QPainterPath UnitHeart() {
    QPainterPath path;
    path.moveTo(0.5, 1.0);
    path.cubicTo(0.36, 0.80, 0.0, 0.58, 0.0, 0.29);
    path.cubicTo(0.0, 0.10, 0.13, 0.0, 0.27, 0.0);
    path.cubicTo(0.39, 0.0, 0.47, 0.08, 0.5, 0.19);
    path.cubicTo(0.53, 0.08, 0.61, 0.0, 0.73, 0.0);
    path.cubicTo(0.87, 0.0, 1.0, 0.10, 1.0, 0.29);
    path.cubicTo(1.0, 0.58, 0.64, 0.80, 0.5, 1.0);
    path.closeSubpath();
    return path;
}

QPainterPath UnitDiamond() {
    QPainterPath path;
    path.moveTo(0.5, 0.0);
    path.quadTo(0.74, 0.30, 1.0, 0.5);
    path.quadTo(0.74, 0.70, 0.5, 1.0);
    path.quadTo(0.26, 0.70, 0.0, 0.5);
    path.quadTo(0.26, 0.30, 0.5, 0.0);
    path.closeSubpath();
    return path;
}

QPainterPath UnitClub() {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    constexpr double r = 0.235;
    path.addEllipse(QPointF(0.5, 0.245), r, r);
    path.addEllipse(QPointF(0.235, 0.56), r, r);
    path.addEllipse(QPointF(0.765, 0.56), r, r);
    path.addEllipse(QPointF(0.5, 0.5), 0.14, 0.14);
    QPainterPath stem;
    stem.moveTo(0.42, 0.55);
    stem.cubicTo(0.43, 0.78, 0.38, 0.92, 0.25, 1.0);
    stem.lineTo(0.75, 1.0);
    stem.cubicTo(0.62, 0.92, 0.57, 0.78, 0.58, 0.55);
    stem.closeSubpath();
    path.addPath(stem);
    return path;
}

QPainterPath UnitSpade() {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.moveTo(0.5, 0.0);
    path.cubicTo(0.64, 0.20, 1.0, 0.38, 1.0, 0.60);
    path.cubicTo(1.0, 0.75, 0.89, 0.83, 0.76, 0.83);
    path.cubicTo(0.65, 0.83, 0.57, 0.78, 0.53, 0.70);
    path.cubicTo(0.54, 0.82, 0.60, 0.93, 0.72, 1.0);
    path.lineTo(0.28, 1.0);
    path.cubicTo(0.40, 0.93, 0.46, 0.82, 0.47, 0.70);
    path.cubicTo(0.43, 0.78, 0.35, 0.83, 0.24, 0.83);
    path.cubicTo(0.11, 0.83, 0.0, 0.75, 0.0, 0.60);
    path.cubicTo(0.0, 0.38, 0.36, 0.20, 0.5, 0.0);
    path.closeSubpath();
    return path;
}

// Pixel forms: 'X' set, anything else clear.
using SmallForm = std::array<std::string_view, kSmallPixelSuit>;
using LargeForm = std::array<std::string_view, kLargePixelSuit>;

constexpr std::array<SmallForm, kSuitCount> kSmallForms{{
    {".XX.XX.", "XXXXXXX", "XXXXXXX", "XXXXXXX", ".XXXXX.", "..XXX..", "...X..."},
    {"...X...", "..XXX..", ".XXXXX.", "XXXXXXX", ".XXXXX.", "..XXX..", "...X..."},
    {"..XXX..", "..XXX..", "XX.X.XX", "XXXXXXX", "XX.X.XX", "...X...", "..XXX.."},
    {"...X...", "..XXX..", ".XXXXX.", "XXXXXXX", "XXXXXXX", "...X...", "..XXX.."},
}};

constexpr std::array<LargeForm, kSuitCount> kLargeForms{{
    {".XX...XX.", "XXXX.XXXX", "XXXXXXXXX", "XXXXXXXXX", "XXXXXXXXX", ".XXXXXXX.", "..XXXXX..", "...XXX...",
     "....X...."},
    {"....X....", "...XXX...", "..XXXXX..", ".XXXXXXX.", "XXXXXXXXX", ".XXXXXXX.", "..XXXXX..", "...XXX...",
     "....X...."},
    {"...XXX...", "..XXXXX..", "..XXXXX..", ".XXXXXXX.", "XXXXXXXXX", "XXXXXXXXX", ".XX.X.XX.", "....X....",
     "..XXXXX.."},
    {"....X....", "...XXX...", "..XXXXX..", ".XXXXXXX.", "XXXXXXXXX", "XXXXXXXXX", ".XX.X.XX.", "....X....",
     "..XXXXX.."},
}};

template <typename Form>
void SetForm(QImage& image, const Form& form, int x, int y, QRgb colour, bool upsideDown) {
    const int size = static_cast<int>(form.size());
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column) {
            if (form[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] != 'X') continue;
            const int px = x + (upsideDown ? size - 1 - column : column);
            const int py = y + (upsideDown ? size - 1 - row : row);
            if (image.valid(px, py)) image.setPixel(px, py, colour);
        }
}

}  // namespace

Suit SuitOfIndex(int index) { return static_cast<Suit>(index % kSuitCount); }

bool IsRed(Suit suit) { return suit == Suit::Hearts || suit == Suit::Diamonds; }

QPainterPath SuitPath(Suit suit, const QRectF& box) {
    QPainterPath unit;
    switch (suit) {
        case Suit::Hearts: unit = UnitHeart(); break;
        case Suit::Diamonds: unit = UnitDiamond(); break;
        case Suit::Clubs: unit = UnitClub(); break;
        case Suit::Spades: unit = UnitSpade(); break;
    }
    const double height = box.height();
    const double width = height * kAspect[static_cast<std::size_t>(suit)];
    QTransform place;
    place.translate(box.center().x() - width / 2, box.top());
    place.scale(width, height);
    return place.map(unit);
}

void DrawSuit(QPainter& painter, Suit suit, const QRectF& box, const QColor& colour, bool upsideDown) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    if (upsideDown) {
        painter.translate(box.center());
        painter.rotate(180);
        painter.translate(-box.center());
    }
    painter.drawPath(SuitPath(suit, box));
    painter.restore();
}

bool DrawPixelSuit(QImage& image, Suit suit, int x, int y, int size, QRgb colour, bool upsideDown) {
    const auto index = static_cast<std::size_t>(suit);
    if (size == kSmallPixelSuit) {
        SetForm(image, kSmallForms[index], x, y, colour, upsideDown);
        return true;
    }
    if (size == kLargePixelSuit) {
        SetForm(image, kLargeForms[index], x, y, colour, upsideDown);
        return true;
    }
    return false;
}

}  // namespace art
