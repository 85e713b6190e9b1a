// The chooser's gauges, the small toolbar's glyphs and the suit signs of the joker
// captions.

#include "art.h"
#include "icon_painter.h"
#include "suit_shapes.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <string>

namespace art {

namespace {

// A gauge is a bar of segments, some lit: how long, how hard, how likely to come out.
struct GaugeSpec {
    std::string_view name;
    int lit;
    int segments;
    QRgb colour;
};
constexpr QRgb kCalm = qRgb(60, 120, 210);
constexpr QRgb kGood = qRgb(40, 170, 60);
constexpr QRgb kFair = qRgb(150, 190, 40);
constexpr QRgb kMiddling = qRgb(240, 180, 30);
constexpr QRgb kPoor = qRgb(236, 120, 30);
constexpr QRgb kBad = qRgb(210, 40, 40);
constexpr QRgb kSkill = qRgb(130, 80, 190);
constexpr std::array<GaugeSpec, 16> kGaugeSpecs{{
    {"PROG_TIME_LONG", 3, 3, kCalm},
    {"PROG_TIME_MEDIUM", 2, 3, kCalm},
    {"PROG_TIME_QUICK", 1, 3, kCalm},
    {"PROG_DIFF_EASY", 1, 3, kGood},
    {"PROG_DIFF_MEDIUM", 2, 3, kMiddling},
    {"PROG_DIFF_HARD", 3, 3, kBad},
    {"PROG_CHAN_VERYHIGH", 5, 5, kGood},
    {"PROG_CHAN_HIGH", 4, 5, kFair},
    {"PROG_CHAN_MEDIUM", 3, 5, kMiddling},
    {"PROG_CHAN_LOW", 2, 5, kPoor},
    {"PROG_CHAN_VERYLOW", 1, 5, kBad},
    {"PROG_SKILL_DIFFICULT", 5, 5, kSkill},
    {"PROG_SKILL_MOSTLYSKILL", 4, 5, kSkill},
    {"PROG_SKILL_MODERATE", 3, 5, kSkill},
    {"PROG_SKILL_MOSTLYCHANCE", 2, 5, kSkill},
    {"PROG_SKILL_CHANCEONLY", 1, 5, kSkill},
}};
constexpr QRgb kEnabledGlyph = qRgb(20, 90, 180);
constexpr QRgb kGaugeFrame = qRgb(128, 128, 128);
constexpr QRgb kGaugeEmpty = qRgb(232, 232, 232);

QImage DisabledGauge(int width, int height) {
    QImage gauge = OpaqueImage(width, height, kWhite);
    QPainter p(&gauge);
    p.setPen(QColor(kGaugeFrame));
    p.setBrush(QColor(kGaugeEmpty));
    p.drawRect(0, 0, width - 1, height - 1);
    p.setPen(QColor(190, 190, 190));
    for (int x = -height; x < width; x += 4) p.drawLine(x, height - 2, x + height - 3, 1);
    return gauge;
}

// New: a fresh card with a spark; Open: a folder; Rules: a book; Exit: a door with an arrow.
bool CommandGlyphShape(IconPainter& icon, std::string_view name, QRgb colour) {
    if (name.starts_with("TB_NEW")) {
        icon.Card(2, 3, 9, 12);
        DrawSuit(icon.Painter(), Suit::Spades, QRectF(3.5, 6.5, 6, 6), QColor(20, 20, 30));
        QPainterPath spark;
        spark.moveTo(12.5, 0.5);
        spark.lineTo(13.5, 3.5);
        spark.lineTo(15.5, 4.5);
        spark.lineTo(13.5, 5.5);
        spark.lineTo(12.5, 8.5);
        spark.lineTo(11.5, 5.5);
        spark.lineTo(9.5, 4.5);
        spark.lineTo(11.5, 3.5);
        spark.closeSubpath();
        icon.Fill(spark, qRgb(230, 180, 20));
        return true;
    }
    if (name.starts_with("TB_OPEN")) {
        QPainterPath back;
        back.addRect(QRectF(1.5, 3.5, 12, 10));
        icon.Fill(back, qRgb(200, 160, 60), true);
        QPainterPath tab;
        tab.addRect(QRectF(1.5, 2.5, 5, 2));
        icon.Fill(tab, qRgb(200, 160, 60), true);
        QPainterPath front;
        front.moveTo(3.5, 6.5);
        front.lineTo(15.5, 6.5);
        front.lineTo(13.5, 13.5);
        front.lineTo(1.5, 13.5);
        front.closeSubpath();
        icon.Fill(front, qRgb(240, 205, 100), true);
        return true;
    }
    if (name.starts_with("TB_RULES")) {
        QPainterPath cover;
        cover.addRect(QRectF(2.5, 1.5, 11, 13));
        icon.Fill(cover, colour, true);
        icon.Line(QPointF(4.5, 2), QPointF(4.5, 14), qRgb(255, 255, 255));
        for (double y : {5.0, 8.0, 11.0}) icon.Line(QPointF(6.5, y), QPointF(11.5, y), qRgb(255, 255, 255));
        return true;
    }
    if (name.starts_with("TB_EXIT")) {
        QPainterPath door;
        door.addRect(QRectF(1.5, 1.5, 8, 13));
        icon.Fill(door, qRgb(150, 90, 40), true);
        QPainterPath arrow;
        arrow.moveTo(15.5, 8);
        arrow.lineTo(11.5, 4);
        arrow.lineTo(11.5, 6.5);
        arrow.lineTo(6.5, 6.5);
        arrow.lineTo(6.5, 9.5);
        arrow.lineTo(11.5, 9.5);
        arrow.lineTo(11.5, 12);
        arrow.closeSubpath();
        icon.Fill(arrow, qRgb(200, 30, 30));
        return true;
    }
    return false;
}

// The undo and redo arrows, and autoplay's card with an arrow up to the foundations.
void GlyphShape(IconPainter& icon, std::string_view name, QRgb colour) {
    if (CommandGlyphShape(icon, name, colour)) return;
    QPainter& p = icon.Painter();
    if (name.starts_with("TB_AUTOPLAY")) {
        icon.Card(1, 5, 8, 10);
        DrawSuit(p, Suit::Hearts, QRectF(2.5, 8, 5, 5), QColor(204, 16, 32));
        QPainterPath arrow;
        arrow.moveTo(12, 1);
        arrow.lineTo(15.5, 5.5);
        arrow.lineTo(13.2, 5.5);
        arrow.lineTo(13.2, 11);
        arrow.lineTo(10.8, 11);
        arrow.lineTo(10.8, 5.5);
        arrow.lineTo(8.5, 5.5);
        arrow.closeSubpath();
        icon.Fill(arrow, colour);
        return;
    }
    const bool undo = name.starts_with("TB_UNDO");
    p.save();
    if (!undo) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    QPen pen{QColor(colour)};
    pen.setWidthF(2.0);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath curve;
    curve.moveTo(5, 6);
    curve.lineTo(9, 6);
    curve.cubicTo(15, 6, 15, 14, 9, 14);
    curve.lineTo(6, 14);
    p.drawPath(curve);
    QPainterPath head;
    head.moveTo(0.5, 6);
    head.lineTo(6, 1.5);
    head.lineTo(6, 10.5);
    head.closeSubpath();
    icon.Fill(head, colour);
    p.restore();
}

}  // namespace

QImage DrawGauge(const ResourceEntry& entry) {
    const int w = entry.width, h = entry.height;
    const GaugeSpec* spec = nullptr;
    for (const GaugeSpec& gauge : kGaugeSpecs)
        if (gauge.name == entry.name) spec = &gauge;
    if (spec == nullptr) return DisabledGauge(w, h);  // "PROG_DISABLED"
    QImage gauge = OpaqueImage(w, h, kWhite);
    QPainter p(&gauge);
    p.setPen(QColor(kGaugeFrame));
    p.setBrush(QColor(kGaugeEmpty));
    p.drawRect(0, 0, w - 1, h - 1);
    constexpr int kGap = 2;
    const int inner = w - 2 - kGap;
    for (int segment = 0; segment < spec->segments; ++segment) {
        const int left = 1 + kGap + inner * segment / spec->segments;
        const int right = 1 + inner * (segment + 1) / spec->segments;
        const QRect cell(left, 1 + kGap, right - left, h - 2 - 2 * kGap);
        if (segment >= spec->lit) {
            p.fillRect(cell, QColor(214, 214, 214));
            continue;
        }
        QLinearGradient shine(0, cell.top(), 0, cell.bottom());
        shine.setColorAt(0, QColor(spec->colour).lighter(140));
        shine.setColorAt(1, QColor(spec->colour).darker(115));
        p.fillRect(cell, shine);
    }
    return gauge;
}

QImage DrawToolbarGlyph(const ResourceEntry& entry) {
    const bool disabled = entry.name.ends_with(res::kDisabledSuffix);
    IconPainter icon(entry.width);
    if (!disabled) {
        GlyphShape(icon, entry.name, kEnabledGlyph);
        return icon.Keyed();
    }
    // The classic disabled look: the shape in grey over its own white shadow.
    IconPainter shape(entry.width);
    GlyphShape(shape, entry.name, kEnabledGlyph);
    // Only the dark parts of the shape are embossed; a card's white face stays blank.
    constexpr int kDarkest = 200;
    QImage mask = shape.Drawing();
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (qGray(mask.pixel(x, y)) >= kDarkest) mask.setPixel(x, y, qRgba(0, 0, 0, 0));
    QPainter& p = icon.Painter();
    for (const auto& [offset, colour] :
         {std::pair{QPoint(1, 1), QColor(255, 255, 255)}, std::pair{QPoint(0, 0), QColor(128, 128, 128)}}) {
        QImage tinted = mask;
        QPainter tint(&tinted);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(tinted.rect(), colour);
        tint.end();
        p.drawImage(offset, tinted);
    }
    return OnKeyColour(icon.Drawing(), kIconKey, qRgb(192, 192, 192));
}

QImage DrawSuitImage(const ResourceEntry& entry) {
    QImage image = OpaqueImage(entry.width, entry.height, kWhite);
    for (std::size_t i = 0; i < res::kSuitImages.size(); ++i) {
        if (res::kSuitImages[i] != entry.name) continue;
        const Suit suit = SuitOfIndex(static_cast<int>(i));
        DrawPixelSuit(image, suit, 0, 0, kLargePixelSuit, IsRed(suit) ? qRgb(204, 16, 32) : qRgb(20, 20, 24));
    }
    return image;
}

}  // namespace art
