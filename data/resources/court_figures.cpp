// The court cards' panels: a double-ended bust of the King, Queen or Jack, each with
// headwear and an attribute of its own, robed in the suit's colour.

#include "card_faces.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace art {

namespace {

constexpr QRgb kGold = qRgb(232, 184, 48);
constexpr QRgb kSkin = qRgb(250, 218, 184);
constexpr QRgb kLine = qRgb(48, 32, 32);
constexpr QRgb kSteel = qRgb(200, 206, 214);
constexpr QRgb kWhiteCollar = qRgb(250, 250, 250);
constexpr QRgb kKingHair = qRgb(150, 118, 84);
constexpr QRgb kQueenHair = qRgb(176, 104, 40);
constexpr QRgb kJackHair = qRgb(96, 60, 30);
constexpr int kQueen = 12;
// The suit sign in each half's corner, as a share of the panel's width.
constexpr double kCornerSuitShare = 0.22;
// Width of the drawn lines, in pixels.
constexpr double kLineWidth = 0.7;

// Everything below is drawn in a unit square: x across the panel, y from the panel's
// top edge (0) to its middle (1).
class Half {
public:
    Half(QPainter& painter, const QRectF& half) : m_painter(painter) {
        m_painter.translate(half.topLeft());
        m_painter.scale(half.width(), half.height());
        QPen pen{QColor(kLine)};
        pen.setCosmetic(true);
        pen.setWidthF(kLineWidth);
        pen.setJoinStyle(Qt::RoundJoin);
        m_pen = pen;
    }

    void Fill(const QPainterPath& path, QRgb colour, bool outline = true) {
        m_painter.setPen(outline ? m_pen : QPen(Qt::NoPen));
        m_painter.setBrush(QColor(colour));
        m_painter.drawPath(path);
    }
    void Ellipse(QPointF centre, double rx, double ry, QRgb colour, bool outline = true) {
        QPainterPath path;
        path.addEllipse(centre, rx, ry);
        Fill(path, colour, outline);
    }
    void Polygon(const QPolygonF& points, QRgb colour, bool outline = true) {
        QPainterPath path;
        path.addPolygon(points);
        path.closeSubpath();
        Fill(path, colour, outline);
    }
    void Line(QPointF from, QPointF to, QRgb colour, double width) {
        QPen pen{QColor(colour)};
        pen.setCosmetic(true);
        pen.setWidthF(width);
        pen.setCapStyle(Qt::FlatCap);
        m_painter.setPen(pen);
        m_painter.drawLine(from, to);
    }

private:
    QPainter& m_painter;
    QPen m_pen;
};

QPainterPath Robe() {
    QPainterPath path;
    path.moveTo(0.08, 1.0);
    path.lineTo(0.09, 0.86);
    path.cubicTo(0.12, 0.74, 0.24, 0.68, 0.38, 0.65);
    path.lineTo(0.62, 0.65);
    path.cubicTo(0.76, 0.68, 0.88, 0.74, 0.91, 0.86);
    path.lineTo(0.92, 1.0);
    path.closeSubpath();
    return path;
}

void DrawRobe(Half& half, QRgb robe, int rank) {
    half.Fill(Robe(), robe);
    // A collar, then a band down the middle and a hem of gold.
    const QRgb collar = rank == kQueen ? kWhiteCollar : kGold;
    half.Polygon(QPolygonF({QPointF(0.36, 0.65), QPointF(0.5, 0.84), QPointF(0.64, 0.65)}), collar);
    half.Polygon(QPolygonF({QPointF(0.46, 0.80), QPointF(0.54, 0.80), QPointF(0.55, 1.0), QPointF(0.45, 1.0)}), kGold);
    for (double x : {0.24, 0.76}) half.Ellipse(QPointF(x, 0.88), 0.035, 0.035, kGold, false);
}

void DrawFace(Half& half) {
    half.Ellipse(QPointF(0.5, 0.46), 0.14, 0.165, kSkin);
    half.Ellipse(QPointF(0.45, 0.44), 0.016, 0.018, kLine, false);
    half.Ellipse(QPointF(0.55, 0.44), 0.016, 0.018, kLine, false);
    half.Line(QPointF(0.47, 0.54), QPointF(0.53, 0.54), qRgb(190, 70, 70), 0.9);
}

void DrawKing(Half& half, QRgb robe) {
    // A sceptre-sword held upright beside him.
    half.Line(QPointF(0.86, 0.16), QPointF(0.86, 0.98), kSteel, 1.6);
    half.Line(QPointF(0.78, 0.62), QPointF(0.94, 0.62), kGold, 1.6);
    DrawRobe(half, robe, kKing);
    DrawFace(half);
    QPainterPath beard;
    beard.moveTo(0.36, 0.48);
    beard.quadTo(0.37, 0.68, 0.5, 0.72);
    beard.quadTo(0.63, 0.68, 0.64, 0.48);
    beard.quadTo(0.5, 0.58, 0.36, 0.48);
    half.Fill(beard, kKingHair);
    half.Polygon(QPolygonF({QPointF(0.34, 0.33), QPointF(0.33, 0.12), QPointF(0.42, 0.22), QPointF(0.5, 0.05),
                            QPointF(0.58, 0.22), QPointF(0.67, 0.12), QPointF(0.66, 0.33)}),
                 kGold);
    half.Ellipse(QPointF(0.5, 0.28), 0.03, 0.03, qRgb(200, 30, 40), false);
}

void DrawQueen(Half& half, QRgb robe) {
    // A flower held up on the left.
    half.Line(QPointF(0.17, 0.36), QPointF(0.22, 0.90), qRgb(40, 130, 60), 1.2);
    for (int petal = 0; petal < 5; ++petal) {
        const double angle = petal * 72.0 * 3.14159265358979 / 180.0;
        half.Ellipse(QPointF(0.17 + 0.05 * std::sin(angle), 0.30 - 0.05 * std::cos(angle)), 0.04, 0.04,
                     qRgb(236, 90, 120), false);
    }
    half.Ellipse(QPointF(0.17, 0.30), 0.03, 0.03, kGold, false);
    half.Ellipse(QPointF(0.5, 0.50), 0.2, 0.23, kQueenHair);
    DrawRobe(half, robe, kQueen);
    DrawFace(half);
    QPainterPath tiara;
    tiara.moveTo(0.36, 0.31);
    tiara.quadTo(0.5, 0.16, 0.64, 0.31);
    tiara.lineTo(0.60, 0.33);
    tiara.quadTo(0.5, 0.24, 0.40, 0.33);
    tiara.closeSubpath();
    half.Fill(tiara, kGold);
    for (double x : {0.40, 0.5, 0.60}) half.Ellipse(QPointF(x, x == 0.5 ? 0.19 : 0.23), 0.028, 0.028, kGold);
}

void DrawJack(Half& half, QRgb robe) {
    // A halberd on the left.
    half.Line(QPointF(0.14, 0.12), QPointF(0.14, 0.98), qRgb(130, 90, 50), 1.4);
    half.Polygon(QPolygonF({QPointF(0.14, 0.16), QPointF(0.27, 0.12), QPointF(0.27, 0.30), QPointF(0.14, 0.26)}),
                 kSteel);
    DrawRobe(half, robe, kJack);
    half.Ellipse(QPointF(0.5, 0.43), 0.16, 0.16, kJackHair);
    DrawFace(half);
    // A flat cap with a feather.
    QPainterPath feather;
    feather.moveTo(0.60, 0.27);
    feather.quadTo(0.74, 0.24, 0.78, 0.10);
    feather.quadTo(0.68, 0.17, 0.58, 0.23);
    feather.closeSubpath();
    half.Fill(feather, kWhiteCollar);
    half.Ellipse(QPointF(0.48, 0.30), 0.21, 0.07, robe);
    half.Ellipse(QPointF(0.48, 0.26), 0.13, 0.07, robe);
}

}  // namespace

void DrawCourtPanel(QImage& face, const QRectF& panel, int rank, Suit suit, const CardStyle& style) {
    QPainter painter(&face);
    painter.fillRect(panel, QColor(style.panel));
    const QRgb robe = IsRed(suit) ? InkOf(style, suit) : style.robeDark;
    const QRectF top(panel.left(), panel.top(), panel.width(), panel.height() / 2);
    // Each half is drawn upright, then again turned half round about the panel's centre.
    const auto turnHalf = [&](int turn) {
        painter.setRenderHint(QPainter::Antialiasing);
        if (turn == 1) {
            painter.translate(panel.center());
            painter.rotate(180);
            painter.translate(-panel.center());
        }
    };
    for (int turn = 0; turn < 2; ++turn) {
        painter.save();
        turnHalf(turn);
        painter.setClipRect(top);
        Half half(painter, top);
        switch (rank) {
            case kKing: DrawKing(half, robe); break;
            case kQueen: DrawQueen(half, robe); break;
            default: DrawJack(half, robe); break;
        }
        painter.restore();
    }
    // The sign takes the corner that the figure's attribute leaves free.
    const double pip = panel.width() * kCornerSuitShare;
    const double pipX = rank == kKing ? top.left() + 2 : top.right() - pip - 2;
    for (int turn = 0; turn < 2; ++turn) {
        painter.save();
        turnHalf(turn);
        DrawSuit(painter, suit, QRectF(pipX, top.top() + 2, pip, pip), QColor(InkOf(style, suit)));
        painter.restore();
    }
    // The frame and the line between the two halves, on whole pixels.
    const QRect frame = panel.toRect();
    painter.setPen(QColor(style.frame));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    const int middle = frame.top() + frame.height() / 2;
    painter.drawLine(frame.left(), middle, frame.right(), middle);
}

}  // namespace art
