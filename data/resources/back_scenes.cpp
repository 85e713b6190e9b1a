// The three backs that show a scene: a sailing boat, a snowman at night and tropical fish.
// Scenes are drawn in units of the panel's width, so that circles stay round.

#include "back_patterns.h"
#include "noise.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace art {

namespace {

// Maps the panel to units of its width: x 0..1, y 0..height/width.
void ToUnits(QPainter& p, const QRectF& panel) {
    p.translate(panel.topLeft());
    p.scale(panel.width(), panel.width());
}

double UnitHeight(const QRectF& panel) { return panel.height() / panel.width(); }

}  // namespace

void DrawBoatScene(QPainter& p, const QRectF& panel, const BackColours& c) {
    const double h = UnitHeight(panel);
    ToUnits(p, panel);
    QLinearGradient sky(0, 0, 0, h * 0.62);
    sky.setColorAt(0, QColor(c.ground).lighter(110));
    sky.setColorAt(1, QColor(236, 244, 250));
    p.fillRect(QRectF(0, 0, 1, h), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 80));
    p.drawEllipse(QPointF(0.78, 0.2), 0.1, 0.1);
    // The sea, with lighter crests.
    const double sea = h * 0.62;
    QLinearGradient water(0, sea, 0, h);
    water.setColorAt(0, QColor(c.figure).lighter(130));
    water.setColorAt(1, QColor(c.figure).darker(130));
    p.setBrush(water);
    p.drawRect(QRectF(0, sea, 1, h - sea));
    QPen crest{QColor(220, 236, 250)};
    crest.setWidthF(0.018);
    p.setPen(crest);
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 4; ++row) {
        const double y = sea + 0.08 + row * 0.1;
        for (double x = -0.1 + (row % 2) * 0.12; x < 1.1; x += 0.24) p.drawArc(QRectF(x, y, 0.14, 0.06), 0, 180 * 16);
    }
    // The boat: hull, mast and two sails.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 64, 30));
    p.drawPolygon(QPolygonF(
        {QPointF(0.16, sea - 0.02), QPointF(0.84, sea - 0.02), QPointF(0.72, sea + 0.1), QPointF(0.28, sea + 0.1)}));
    QPen mast{QColor(90, 50, 24)};
    mast.setWidthF(0.025);
    p.setPen(mast);
    p.drawLine(QPointF(0.5, sea - 0.02), QPointF(0.5, sea - 0.62));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(c.accent));
    p.drawPolygon(QPolygonF({QPointF(0.53, sea - 0.6), QPointF(0.53, sea - 0.08), QPointF(0.82, sea - 0.08)}));
    p.setBrush(QColor(230, 60, 50));
    p.drawPolygon(QPolygonF({QPointF(0.47, sea - 0.5), QPointF(0.47, sea - 0.08), QPointF(0.24, sea - 0.08)}));
    p.setBrush(QColor(230, 60, 50));
    p.drawPolygon(QPolygonF({QPointF(0.5, sea - 0.62), QPointF(0.62, sea - 0.58), QPointF(0.5, sea - 0.54)}));
    // Two gulls.
    QPen gull{QColor(60, 70, 90)};
    gull.setWidthF(0.015);
    p.setPen(gull);
    p.setBrush(Qt::NoBrush);
    for (const QPointF& at : {QPointF(0.2, 0.22), QPointF(0.32, 0.14)}) {
        QPainterPath wings;
        wings.moveTo(at + QPointF(-0.06, 0));
        wings.quadTo(at + QPointF(-0.03, -0.04), at);
        wings.quadTo(at + QPointF(0.03, -0.04), at + QPointF(0.06, 0));
        p.drawPath(wings);
    }
}

void DrawSnowmanScene(QPainter& p, const QRectF& panel, const BackColours& c) {
    const double h = UnitHeight(panel);
    ToUnits(p, panel);
    QLinearGradient night(0, 0, 0, h);
    night.setColorAt(0, QColor(c.ground).darker(130));
    night.setColorAt(1, QColor(c.ground).lighter(160));
    p.fillRect(QRectF(0, 0, 1, h), night);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(c.figure));
    // Snow on the ground.
    QPainterPath ground;
    ground.moveTo(0, h);
    ground.lineTo(0, h * 0.8);
    ground.quadTo(0.5, h * 0.72, 1, h * 0.82);
    ground.lineTo(1, h);
    ground.closeSubpath();
    p.drawPath(ground);
    // Body of three balls, shaded a little.
    const double base = h * 0.8;
    const double radii[3] = {0.2, 0.145, 0.105};
    double y = base;
    for (double r : radii) {
        y -= r;
        QRadialGradient shade(QPointF(0.46, y - r * 0.3), r * 1.3);
        shade.setColorAt(0, QColor(255, 255, 255));
        shade.setColorAt(1, QColor(196, 206, 230));
        p.setBrush(shade);
        p.drawEllipse(QPointF(0.5, y), r, r);
        y -= r * 0.75;
    }
    const double head = y + radii[2] * 0.75;
    // Hat, eyes, carrot nose, buttons and a scarf.
    p.setBrush(QColor(30, 30, 36));
    p.drawRect(QRectF(0.36, head - 0.14, 0.28, 0.035));
    p.drawRect(QRectF(0.41, head - 0.3, 0.18, 0.17));
    p.drawEllipse(QPointF(0.46, head - 0.02), 0.016, 0.016);
    p.drawEllipse(QPointF(0.54, head - 0.02), 0.016, 0.016);
    p.setBrush(QColor(c.accent));
    p.drawPolygon(QPolygonF({QPointF(0.5, head + 0.01), QPointF(0.64, head + 0.035), QPointF(0.5, head + 0.05)}));
    p.setBrush(QColor(200, 30, 40));
    p.drawRect(QRectF(0.39, head + 0.085, 0.22, 0.04));
    p.drawRect(QRectF(0.53, head + 0.1, 0.05, 0.12));
    p.setBrush(QColor(30, 30, 36));
    for (int button = 0; button < 3; ++button) p.drawEllipse(QPointF(0.5, head + 0.22 + button * 0.08), 0.016, 0.016);
    // Falling snow.
    Scatter scatter(3);
    p.setBrush(QColor(255, 255, 255));
    for (int flake = 0; flake < 40; ++flake) {
        const QPointF at(scatter.Next(), scatter.Next() * h * 0.8);
        p.drawEllipse(at, 0.012 + scatter.Next() * 0.012, 0.012 + scatter.Next() * 0.012);
    }
}

namespace {

void OneFish(QPainter& p, QPointF at, double size, bool left, const BackColours& c) {
    p.save();
    p.translate(at);
    p.scale(left ? -size : size, size);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(c.figure));
    p.drawPolygon(QPolygonF({QPointF(-0.45, 0), QPointF(-0.75, -0.28), QPointF(-0.7, 0), QPointF(-0.75, 0.28)}));
    p.drawEllipse(QPointF(0, 0), 0.5, 0.3);
    // Stripes in the accent colour, clipped to the body.
    QPainterPath body;
    body.addEllipse(QPointF(0, 0), 0.5, 0.3);
    p.setClipPath(body, Qt::IntersectClip);
    p.setBrush(QColor(c.accent));
    for (double x : {-0.22, 0.1}) p.drawRect(QRectF(x, -0.4, 0.1, 0.8));
    p.setBrush(QColor(20, 20, 30));
    p.drawEllipse(QPointF(0.3, -0.06), 0.05, 0.05);
    p.restore();
}

}  // namespace

void DrawFishScene(QPainter& p, const QRectF& panel, const BackColours& c) {
    const double h = UnitHeight(panel);
    ToUnits(p, panel);
    QLinearGradient sea(0, 0, 0, h);
    sea.setColorAt(0, QColor(c.ground).lighter(140));
    sea.setColorAt(1, QColor(c.ground).darker(160));
    p.fillRect(QRectF(0, 0, 1, h), sea);
    // Sand and weed.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 206, 140));
    p.drawEllipse(QPointF(0.5, h + 0.3), 0.9, 0.38);
    QPen weed{QColor(40, 150, 80)};
    weed.setWidthF(0.04);
    weed.setCapStyle(Qt::RoundCap);
    p.setPen(weed);
    for (double x : {0.12, 0.2, 0.82, 0.9}) {
        QPainterPath blade;
        blade.moveTo(x, h);
        blade.cubicTo(x - 0.06, h - 0.2, x + 0.06, h - 0.3, x - 0.02, h - 0.45);
        p.drawPath(blade);
    }
    OneFish(p, QPointF(0.55, h * 0.3), 0.36, false, c);
    OneFish(p, QPointF(0.38, h * 0.62), 0.3, true, c);
    OneFish(p, QPointF(0.75, h * 0.78), 0.18, true, {c.ground, c.accent, c.figure});
    // Bubbles.
    QPen bubble{QColor(220, 240, 255)};
    bubble.setWidthF(0.012);
    p.setPen(bubble);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(0.8 - i * 0.03, h * 0.22 - i * 0.09), 0.02 + i * 0.006, 0.02 + i * 0.006);
}

}  // namespace art
