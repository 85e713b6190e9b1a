// The joker: a jester with a three-pointed belled cap, and "JOKER" spelt down two corners.

#include "art.h"
#include "card_faces.h"
#include "fonts.h"
#include "pixel_font.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace art {

namespace {

constexpr std::string_view kJokerSet = "001";
constexpr QRgb kJokerInk = qRgb(112, 32, 144);
constexpr QRgb kCapColours[3] = {qRgb(204, 16, 32), qRgb(232, 184, 48), qRgb(32, 72, 176)};
constexpr QRgb kGold = qRgb(232, 184, 48);
constexpr QRgb kSkin = qRgb(250, 218, 184);
constexpr QRgb kLine = qRgb(48, 32, 32);
constexpr std::string_view kWord = "JOKER";

// A five-pointed star filling the box.
QPainterPath Star(const QRectF& box) {
    QPainterPath star;
    const QPointF c = box.center();
    const double r = box.width() / 2;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? r : r * 0.42;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF p(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        if (i == 0)
            star.moveTo(p);
        else
            star.lineTo(p);
    }
    star.closeSubpath();
    return star;
}

// The jester in a unit square.
void DrawJester(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width(), box.height());
    QPen line{QColor(kLine)};
    line.setCosmetic(true);
    line.setWidthF(0.7);
    painter.setPen(line);

    // Tunic in harlequin diamonds.
    QPainterPath tunic;
    tunic.moveTo(0.16, 1.0);
    tunic.cubicTo(0.18, 0.84, 0.30, 0.76, 0.5, 0.76);
    tunic.cubicTo(0.70, 0.76, 0.82, 0.84, 0.84, 1.0);
    tunic.closeSubpath();
    painter.setBrush(QColor(kCapColours[0]));
    painter.drawPath(tunic);
    painter.save();
    painter.setClipPath(tunic);
    painter.setBrush(QColor(kGold));
    for (double x = 0.14; x < 0.9; x += 0.16) {
        QPainterPath diamond;
        diamond.moveTo(x, 0.78);
        diamond.lineTo(x + 0.08, 0.89);
        diamond.lineTo(x, 1.0);
        diamond.lineTo(x - 0.08, 0.89);
        diamond.closeSubpath();
        painter.drawPath(diamond);
    }
    painter.restore();

    // Ruff collar.
    painter.setBrush(QColor(kWhite));
    QPainterPath ruff;
    for (int i = 0; i < 9; ++i) ruff.addEllipse(QPointF(0.26 + i * 0.06, 0.74), 0.045, 0.05);
    ruff.setFillRule(Qt::WindingFill);
    painter.drawPath(ruff.simplified());

    // The cap's three points, each ending in a bell.
    const std::array<QPointF, 3> tips{QPointF(0.07, 0.30), QPointF(0.5, 0.03), QPointF(0.93, 0.30)};
    const std::array<QPointF, 3> bends{QPointF(0.20, 0.10), QPointF(0.38, 0.12), QPointF(0.80, 0.10)};
    for (std::size_t i = 0; i < tips.size(); ++i) {
        QPainterPath point;
        point.moveTo(0.30 + 0.10 * static_cast<double>(i), 0.42);
        point.quadTo(bends[i], tips[i]);
        point.quadTo(QPointF(bends[i].x() + 0.12, bends[i].y() + 0.12),
                     QPointF(0.40 + 0.10 * static_cast<double>(i), 0.42));
        point.closeSubpath();
        painter.setBrush(QColor(kCapColours[i]));
        painter.drawPath(point);
    }
    painter.setBrush(QColor(kGold));
    for (const QPointF& tip : tips) painter.drawEllipse(tip, 0.045, 0.045);
    painter.drawRect(QRectF(0.29, 0.38, 0.42, 0.07));

    // Face, eyes, cheeks and a smile.
    painter.setBrush(QColor(kSkin));
    painter.drawEllipse(QPointF(0.5, 0.57), 0.15, 0.15);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kLine));
    painter.drawEllipse(QPointF(0.45, 0.54), 0.017, 0.02);
    painter.drawEllipse(QPointF(0.55, 0.54), 0.017, 0.02);
    painter.setBrush(QColor(240, 150, 150));
    painter.drawEllipse(QPointF(0.41, 0.61), 0.03, 0.025);
    painter.drawEllipse(QPointF(0.59, 0.61), 0.03, 0.025);
    painter.setPen(line);
    painter.setBrush(Qt::NoBrush);
    QPainterPath smile;
    smile.moveTo(0.44, 0.62);
    smile.quadTo(0.5, 0.67, 0.56, 0.62);
    painter.drawPath(smile);
    painter.restore();
}

}  // namespace

QImage DrawJokerFace(char size) {
    const FaceLayout* layout = LayoutOf(size);
    if (layout == nullptr) return {};
    const CardStyle& style = StyleOf(kJokerSet);
    QImage face = OpaqueImage(layout->width, layout->height, style.paper);
    DrawCardEdge(face, face.rect(), style.edge, style.paper);
    if (!layout->pips) {
        // The smallest joker: "J" and a star in two corners.
        const int x = static_cast<int>(layout->rank.left()) + 2;
        const int y = static_cast<int>(layout->rank.top());
        DrawPixelText(face, x, y, "J", kJokerInk, true);
        DrawPixelText(face, face.width() - x - PixelTextWidth("J", true), face.height() - y - kPixelFontHeight, "J",
                      kJokerInk, true, true);
        QPainter painter(&face);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(kJokerInk));
        const QRectF star(layout->suit.left(), layout->suit.top(), layout->suit.width(), layout->suit.width());
        painter.drawPath(Star(star));
        painter.translate(face.width(), face.height());
        painter.rotate(180);
        painter.drawPath(Star(star));
        return face;
    }
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kJokerInk));
    // The word down the index column, in both corners.
    const double letterHeight = layout->rank.height() * 0.62;
    const double step = letterHeight + std::max(1.5, letterHeight * 0.3);
    for (int turn = 0; turn < 2; ++turn) {
        for (std::size_t i = 0; i < kWord.size(); ++i) {
            const QRectF box(layout->rank.left(), layout->rank.top() + static_cast<double>(i) * step,
                             layout->rank.width(), letterHeight);
            painter.drawPath(FitText(QString(QChar(kWord[i])), Face::SansBold, box));
        }
        painter.translate(face.width(), face.height());
        painter.rotate(180);
    }
    painter.resetTransform();
    const QRectF panel = layout->court;
    const double side = std::min(panel.width(), panel.height() * 0.62);
    DrawJester(painter, QRectF(panel.center().x() - side / 2, panel.center().y() - side * 0.62, side, side));
    painter.setBrush(QColor(kGold));
    painter.setPen(QPen(QColor(kLine), 0.6));
    const double s = side * 0.32;
    painter.drawPath(Star(QRectF(panel.center().x() - s / 2, panel.center().y() + side * 0.42, s, s)));
    return face;
}

QImage DrawJoker(const ResourceEntry& entry) {
    // "JOKER_" + size.
    QImage face = DrawJokerFace(entry.name.back());
    return face.isNull() ? OpaqueImage(entry.width, entry.height, kWhite) : face;
}

}  // namespace art
