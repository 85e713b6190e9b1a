// The twenty card backs: a white margin round a panel that holds a pattern or a small
// scene. Five are the backs the options dialog names (boat, snowman, plaiting, roses,
// tropical fish); the rest are patterns, each in colours of its own.

#include "art.h"
#include "back_patterns.h"
#include "card_style.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <string>

namespace art {

namespace {

constexpr QRgb kBackEdge = qRgb(70, 70, 70);

struct BackDesign {
    int number;
    BackPattern pattern;
    QRgb ground;
    QRgb figure;
    QRgb accent;
};

constexpr std::array<BackDesign, 20> kDesigns{{
    {1, BackPattern::Boat, qRgb(120, 180, 230), qRgb(20, 70, 140), qRgb(250, 250, 250)},
    {2, BackPattern::Lattice, qRgb(176, 24, 36), qRgb(250, 236, 236), qRgb(120, 10, 20)},
    {3, BackPattern::Snowman, qRgb(18, 32, 84), qRgb(250, 250, 255), qRgb(236, 120, 30)},
    {4, BackPattern::Checks, qRgb(30, 70, 160), qRgb(120, 160, 230), qRgb(250, 250, 250)},
    {5, BackPattern::Waves, qRgb(0, 110, 120), qRgb(140, 220, 220), qRgb(0, 70, 80)},
    {6, BackPattern::Rosette, qRgb(110, 20, 40), qRgb(232, 184, 48), qRgb(250, 230, 200)},
    {7, BackPattern::Stars, qRgb(16, 30, 90), qRgb(240, 200, 60), qRgb(60, 90, 170)},
    {8, BackPattern::Argyle, qRgb(40, 110, 60), qRgb(210, 190, 140), qRgb(250, 250, 240)},
    {9, BackPattern::Stripes, qRgb(230, 120, 30), qRgb(250, 236, 200), qRgb(180, 80, 20)},
    {10, BackPattern::Dots, qRgb(200, 30, 50), qRgb(250, 250, 250), qRgb(150, 10, 30)},
    {11, BackPattern::Plaiting, qRgb(120, 80, 40), qRgb(222, 184, 120), qRgb(170, 120, 64)},
    {12, BackPattern::Scales, qRgb(90, 40, 130), qRgb(170, 120, 210), qRgb(240, 220, 250)},
    {13, BackPattern::Honeycomb, qRgb(110, 70, 20), qRgb(240, 190, 60), qRgb(180, 120, 30)},
    {14, BackPattern::Roses, qRgb(24, 70, 40), qRgb(200, 24, 48), qRgb(90, 150, 70)},
    {15, BackPattern::Tartan, qRgb(150, 20, 30), qRgb(20, 80, 40), qRgb(240, 200, 60)},
    {16, BackPattern::Chevrons, qRgb(20, 60, 130), qRgb(120, 180, 240), qRgb(250, 250, 250)},
    {17, BackPattern::Quatrefoil, qRgb(70, 90, 110), qRgb(190, 210, 225), qRgb(250, 250, 250)},
    {18, BackPattern::Sunburst, qRgb(230, 110, 20), qRgb(250, 200, 60), qRgb(200, 60, 20)},
    {19, BackPattern::Fish, qRgb(20, 110, 190), qRgb(250, 150, 20), qRgb(250, 240, 120)},
    {20, BackPattern::Rings, qRgb(100, 110, 40), qRgb(220, 220, 150), qRgb(60, 70, 20)},
}};

// White margin round the panel, by card width.
int MarginOf(int width) {
    constexpr int kBigMargin = 4;
    constexpr int kMediumMargin = 3;
    constexpr int kSmallMargin = 2;
    constexpr int kMediumWidth = 59;
    if (width > kMediumWidth) return kBigMargin;
    return width == kMediumWidth ? kMediumMargin : kSmallMargin;
}

const BackDesign& DesignOf(int number) {
    for (const BackDesign& design : kDesigns)
        if (design.number == number) return design;
    return kDesigns[0];
}

}  // namespace

QImage DrawCardBack(const ResourceEntry& entry) {
    // "D" + size + three-digit back number.
    const int number = std::stoi(entry.name.substr(2));
    const BackDesign& design = DesignOf(number);
    QImage back = OpaqueImage(entry.width, entry.height, kWhite);
    DrawCardEdge(back, back.rect(), kBackEdge, kWhite);
    const int margin = MarginOf(entry.width);
    const QRect panel = back.rect().adjusted(margin, margin, -margin, -margin);
    {
        QPainter painter(&back);
        painter.setClipRect(panel);
        painter.fillRect(panel, QColor(design.ground));
        painter.setRenderHint(QPainter::Antialiasing);
        DrawBackPattern(painter, QRectF(panel), design.pattern, {design.ground, design.figure, design.accent});
    }
    // A fine dark line round the panel.
    QPainter painter(&back);
    painter.setPen(QColor(design.ground).darker(160));
    painter.drawRect(panel.adjusted(0, 0, -1, -1));
    return back;
}

}  // namespace art
