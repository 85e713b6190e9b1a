#include "card_style.h"

#include "art.h"

#include <QPainter>

#include <array>

namespace art {

namespace {

constexpr QRgb kRed = qRgb(204, 16, 32);
constexpr QRgb kInk = qRgb(20, 20, 24);

constexpr std::array<CardStyle, 5> kStyles{{
    // Classic: red and black, gold court frames.
    {"001",
     qRgb(255, 255, 255),
     qRgb(70, 70, 70),
     {kRed, kRed, kInk, kInk},
     qRgb(196, 150, 30),
     qRgb(255, 248, 226),
     qRgb(36, 58, 128),
     false,
     false},
    // Four colours: every suit its own, for players who read colour faster than shape.
    {"002",
     qRgb(255, 255, 255),
     qRgb(70, 70, 70),
     {kRed, qRgb(16, 84, 200), qRgb(10, 128, 48), kInk},
     qRgb(60, 100, 170),
     qRgb(240, 246, 255),
     qRgb(36, 58, 128),
     false,
     false},
    // Bold: plain strong colours and heavy indices, the set for small screens.
    {"003",
     qRgb(255, 255, 255),
     qRgb(0, 0, 0),
     {qRgb(224, 0, 0), qRgb(224, 0, 0), kBlack, kBlack},
     qRgb(0, 0, 160),
     qRgb(255, 255, 224),
     qRgb(0, 0, 128),
     true,
     false},
    // Antique: ivory paper, deep inks, a fine inner line.
    {"004",
     qRgb(250, 244, 226),
     qRgb(96, 72, 48),
     {qRgb(150, 20, 30), qRgb(150, 20, 30), qRgb(40, 28, 20), qRgb(40, 28, 20)},
     qRgb(128, 30, 40),
     qRgb(246, 232, 200),
     qRgb(60, 44, 90),
     false,
     true},
    // Royal: white with a blue inner line and blue court frames.
    {"005",
     qRgb(255, 255, 255),
     qRgb(60, 60, 90),
     {qRgb(210, 20, 60), qRgb(210, 20, 60), qRgb(16, 24, 64), qRgb(16, 24, 64)},
     qRgb(40, 70, 160),
     qRgb(236, 242, 255),
     qRgb(30, 50, 130),
     true,
     true},
}};

// Big 71 x 96, medium 59 x 80, small 25 x 32.
const std::array<std::pair<char, FaceLayout>, 3> kLayouts{{
    {'B',
     {71, 96, true, QRectF(2, 3, 11, 10), QRectF(3, 14, 9, 9), kLargePixelSuit, 12.5, 30.0, 22.5, 16.5,
      QRectF(14, 8, 43, 80)}},
    {'M',
     {59, 80, true, QRectF(2, 2, 9, 8), QRectF(3, 12, 7, 7), kSmallPixelSuit, 10.5, 25.0, 18.5, 13.0,
      QRectF(12, 7, 35, 66)}},
    {'L', {25, 32, false, QRectF(2, 2, 8, 7), QRectF(2, 11, 9, 9), kLargePixelSuit, 0.0, 0.0, 0.0, 0.0, QRectF()}},
}};

// The table cuts three pixels a corner except on cards of the smallest width.
constexpr int kSmallCardWidth = 25;

}  // namespace

const CardStyle& StyleOf(std::string_view set) {
    for (const CardStyle& style : kStyles)
        if (style.set == set) return style;
    return kStyles[0];
}

QRgb InkOf(const CardStyle& style, Suit suit) { return style.ink[static_cast<std::size_t>(suit)]; }

const FaceLayout* LayoutOf(char size) {
    for (const auto& [letter, layout] : kLayouts)
        if (letter == size) return &layout;
    return nullptr;
}

void DrawCardEdge(QImage& image, const QRect& card, QRgb edge, QRgb fill) {
    QPainter painter(&image);
    painter.fillRect(card, QColor(fill));
    painter.setPen(QColor(edge));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(card.adjusted(0, 0, -1, -1));
    painter.end();
    CloseCardCorners(image, card, edge);
}

void CloseCardCorners(QImage& image, const QRect& card, QRgb edge) {
    if (card.width() == kSmallCardWidth) return;
    // The corner and its two neighbours are cut away: the diagonal pixel closes the edge.
    const int l = card.left(), t = card.top(), r = card.right(), b = card.bottom();
    image.setPixel(l + 1, t + 1, edge);
    image.setPixel(r - 1, t + 1, edge);
    image.setPixel(l + 1, b - 1, edge);
    image.setPixel(r - 1, b - 1, edge);
}

}  // namespace art
