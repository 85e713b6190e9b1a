#include "back_patterns.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace art {

namespace {

constexpr double kPi = std::numbers::pi;

QPen Pen(QRgb colour, double width) {
    QPen pen{QColor(colour)};
    pen.setWidthF(width);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// A line width that stays visible on the smallest backs.
double Stroke(const QRectF& panel, double share) { return std::max(0.8, panel.width() * share); }

void Lattice(QPainter& p, const QRectF& r, const BackColours& c) {
    const double step = r.width() / 5;
    p.setPen(Pen(c.figure, Stroke(r, 0.03)));
    for (double d = -r.height(); d < r.width() + r.height(); d += step) {
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
        p.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + r.height(), r.top()));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(c.figure));
    const double dot = step * 0.14;
    for (double d = -r.height(); d < r.width() + r.height(); d += step)
        for (double e = -r.height(); e < r.width() + r.height(); e += step) {
            // Where a rising line meets a falling one.
            const double x = r.left() + (d + e + r.height()) / 2;
            const double y = r.top() + (e - d + r.height()) / 2;
            if (r.adjusted(-dot, -dot, dot, dot).contains(x, y)) p.drawEllipse(QPointF(x, y), dot, dot);
        }
}

void Checks(QPainter& p, const QRectF& r, const BackColours& c) {
    const double side = r.width() / 7;
    p.setPen(Qt::NoPen);
    for (int row = 0; row * side < r.height(); ++row)
        for (int column = 0; column * side < r.width(); ++column) {
            if ((row + column) % 2) continue;
            const QRectF cell(r.left() + column * side, r.top() + row * side, side, side);
            p.setBrush(QColor(c.figure));
            p.drawRect(cell);
            p.setBrush(QColor(c.accent));
            p.drawEllipse(cell.center(), side * 0.12, side * 0.12);
        }
}

void Waves(QPainter& p, const QRectF& r, const BackColours& c) {
    const double step = r.height() / 9;
    for (int row = 0; row * step < r.height() + step; ++row) {
        QPainterPath wave;
        const double y = r.top() + row * step;
        wave.moveTo(r.left(), y);
        for (double x = 0; x <= r.width(); x += 0.5)
            wave.lineTo(r.left() + x, y + step * 0.3 * std::sin(x / r.width() * 4 * kPi + row * 0.8));
        p.setBrush(Qt::NoBrush);
        p.setPen(Pen(row % 2 ? c.accent : c.figure, step * (row % 2 ? 0.18 : 0.32)));
        p.drawPath(wave);
    }
}

void Rosette(QPainter& p, const QRectF& r, const BackColours& c) {
    const QPointF centre = r.center();
    const double radius = r.width() * 0.42;
    p.setPen(Pen(c.accent, Stroke(r, 0.015)));
    p.setBrush(Qt::NoBrush);
    for (int ray = 0; ray < 24; ++ray) {
        const double a = ray * kPi / 12;
        p.drawLine(centre, centre + QPointF(std::cos(a), std::sin(a)) * r.height());
    }
    p.setBrush(QColor(c.figure));
    p.setPen(Pen(c.ground, Stroke(r, 0.012)));
    for (int petal = 0; petal < 12; ++petal) {
        p.save();
        p.translate(centre);
        p.rotate(petal * 30);
        p.drawEllipse(QPointF(0, -radius * 0.55), radius * 0.16, radius * 0.45);
        p.restore();
    }
    p.setBrush(QColor(c.accent));
    p.drawEllipse(centre, radius * 0.22, radius * 0.22);
    p.setBrush(QColor(c.figure));
    p.drawEllipse(centre, radius * 0.1, radius * 0.1);
    // Small rosettes in the corners.
    for (const QPointF& corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
        p.setBrush(QColor(c.figure));
        p.drawEllipse(corner, radius * 0.35, radius * 0.35);
        p.setBrush(QColor(c.accent));
        p.drawEllipse(corner, radius * 0.15, radius * 0.15);
    }
}

QPainterPath Star(QPointF centre, double radius) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double length = i % 2 == 0 ? radius : radius * 0.42;
        const double a = -kPi / 2 + i * kPi / 5;
        const QPointF point = centre + QPointF(std::cos(a), std::sin(a)) * length;
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    return star;
}

void Stars(QPainter& p, const QRectF& r, const BackColours& c) {
    const double step = r.width() / 3;
    p.setPen(Qt::NoPen);
    for (int row = 0; row * step * 0.8 < r.height() + step; ++row)
        for (int column = -1; column * step < r.width() + step; ++column) {
            const QPointF centre(r.left() + column * step + (row % 2) * step / 2, r.top() + row * step * 0.8);
            p.setBrush(QColor(c.figure));
            p.drawPath(Star(centre, step * 0.3));
            p.setBrush(QColor(c.accent));
            p.drawEllipse(centre + QPointF(step / 2, step * 0.4), step * 0.06, step * 0.06);
        }
}

void Argyle(QPainter& p, const QRectF& r, const BackColours& c) {
    const double w = r.width() / 3, h = r.height() / 4;
    p.setPen(Qt::NoPen);
    for (int row = 0; row <= 4; ++row)
        for (int column = 0; column <= 3; ++column) {
            const QPointF centre(r.left() + column * w + (row % 2) * w / 2, r.top() + row * h);
            p.setBrush(QColor(c.figure));
            p.drawPolygon(QPolygonF({centre + QPointF(0, -h / 2), centre + QPointF(w / 4, 0),
                                     centre + QPointF(0, h / 2), centre + QPointF(-w / 4, 0)}));
        }
    QPen dashed = Pen(c.accent, Stroke(r, 0.015));
    dashed.setDashPattern({3, 2});
    p.setPen(dashed);
    for (double d = -r.height(); d < r.width() + r.height(); d += w / 2) {
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height() * w / (2 * h), r.bottom()));
        p.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + r.height() * w / (2 * h), r.top()));
    }
}

void Stripes(QPainter& p, const QRectF& r, const BackColours& c) {
    const double step = r.width() / 5;
    for (double d = -r.height(); d < r.width() + r.height(); d += step) {
        p.setPen(Pen(c.figure, step * 0.45));
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
        p.setPen(Pen(c.accent, Stroke(r, 0.012)));
        p.drawLine(QPointF(r.left() + d + step / 2, r.top()),
                   QPointF(r.left() + d + step / 2 + r.height(), r.bottom()));
    }
}

void Dots(QPainter& p, const QRectF& r, const BackColours& c) {
    const double step = r.width() / 4;
    p.setPen(Qt::NoPen);
    for (int row = 0; row * step * 0.8 < r.height() + step; ++row)
        for (int column = -1; column * step < r.width() + step; ++column) {
            const QPointF centre(r.left() + column * step + (row % 2) * step / 2, r.top() + row * step * 0.8);
            p.setBrush(QColor(c.figure));
            p.drawEllipse(centre, step * 0.24, step * 0.24);
            p.setBrush(QColor(c.accent));
            p.drawEllipse(centre, step * 0.1, step * 0.1);
        }
}

// Strips woven over and under each other.
void Plaiting(QPainter& p, const QRectF& r, const BackColours& c) {
    const double side = r.width() / 5;
    const double strip = side * 0.8;
    for (int row = 0; row * side < r.height() + side; ++row)
        for (int column = 0; column * side < r.width() + side; ++column) {
            const QPointF cell(r.left() + column * side, r.top() + row * side);
            const bool across = (row + column) % 2 == 0;
            QLinearGradient shade(cell, across ? cell + QPointF(0, side) : cell + QPointF(side, 0));
            shade.setColorAt(0, QColor(c.accent));
            shade.setColorAt(0.5, QColor(c.figure));
            shade.setColorAt(1, QColor(c.accent));
            p.setBrush(shade);
            p.setPen(Pen(c.ground, Stroke(r, 0.012)));
            const double inset = (side - strip) / 2;
            p.drawRect(across ? QRectF(cell.x(), cell.y() + inset, side, strip)
                              : QRectF(cell.x() + inset, cell.y(), strip, side));
        }
}

void Scales(QPainter& p, const QRectF& r, const BackColours& c) {
    const double radius = r.width() / 8;
    p.setPen(Pen(c.accent, Stroke(r, 0.015)));
    int row = 0;
    for (double y = r.bottom() + radius; y > r.top() - radius * 2; y -= radius, ++row)
        for (double x = r.left() - radius * 2 + (row % 2) * radius; x < r.right() + radius * 2; x += radius * 2) {
            QRadialGradient shade(QPointF(x, y - radius * 0.4), radius * 1.2);
            shade.setColorAt(0, QColor(c.figure).lighter(120));
            shade.setColorAt(1, QColor(c.figure).darker(130));
            p.setBrush(shade);
            p.drawEllipse(QPointF(x, y), radius, radius);
        }
}

void Honeycomb(QPainter& p, const QRectF& r, const BackColours& c) {
    const double radius = r.width() / 7;
    const double w = radius * std::sqrt(3.0);
    p.setPen(Pen(c.ground, Stroke(r, 0.03)));
    int row = 0;
    for (double y = r.top(); y < r.bottom() + radius; y += radius * 1.5, ++row)
        for (double x = r.left() + (row % 2) * w / 2; x < r.right() + w; x += w) {
            QPolygonF hexagon;
            for (int corner = 0; corner < 6; ++corner) {
                const double a = kPi / 6 + corner * kPi / 3;
                hexagon << QPointF(x + radius * std::cos(a), y + radius * std::sin(a));
            }
            QRadialGradient shade(QPointF(x, y), radius);
            shade.setColorAt(0, QColor(c.figure));
            shade.setColorAt(1, QColor(c.accent));
            p.setBrush(shade);
            p.drawPolygon(hexagon);
        }
}

void Rose(QPainter& p, QPointF centre, double size, const BackColours& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(c.accent));
    for (int leaf = 0; leaf < 3; ++leaf) {
        p.save();
        p.translate(centre);
        p.rotate(40 + leaf * 120);
        p.drawEllipse(QPointF(size * 0.55, 0), size * 0.32, size * 0.16);
        p.restore();
    }
    p.setBrush(QColor(c.figure));
    p.drawEllipse(centre, size * 0.42, size * 0.42);
    // The petals curl inwards.
    p.setBrush(Qt::NoBrush);
    p.setPen(Pen(QColor(c.figure).darker(150).rgb(), std::max(0.6, size * 0.07)));
    for (int turn = 0; turn < 3; ++turn) {
        const double radius = size * (0.32 - turn * 0.1);
        p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), turn * 1600, 4000);
    }
}

void Roses(QPainter& p, const QRectF& r, const BackColours& c) {
    const double step = r.width() / 2;
    for (int row = 0; row * step * 0.75 < r.height() + step; ++row)
        for (int column = -1; column * step < r.width() + step; ++column)
            Rose(p, QPointF(r.left() + column * step + (row % 2) * step / 2, r.top() + row * step * 0.75), step * 0.42,
                 c);
}

void Tartan(QPainter& p, const QRectF& r, const BackColours& c) {
    const double step = r.width() / 2.5;
    QColor band(c.figure);
    band.setAlpha(150);
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    for (double x = r.left() - step / 4; x < r.right(); x += step)
        p.drawRect(QRectF(x, r.top(), step * 0.45, r.height()));
    for (double y = r.top() - step / 4; y < r.bottom(); y += step)
        p.drawRect(QRectF(r.left(), y, r.width(), step * 0.45));
    p.setPen(Pen(c.accent, Stroke(r, 0.012)));
    for (double x = r.left() + step * 0.6; x < r.right(); x += step)
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    for (double y = r.top() + step * 0.6; y < r.bottom(); y += step)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    p.setPen(Pen(QColor(c.ground).darker(170).rgb(), Stroke(r, 0.02)));
    for (double x = r.left(); x < r.right(); x += step) p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
}

void Chevrons(QPainter& p, const QRectF& r, const BackColours& c) {
    const double step = r.height() / 8;
    const double tooth = r.width() / 4;
    p.setBrush(Qt::NoBrush);
    for (int row = -1; row * step < r.height() + step; ++row) {
        QPolygonF zigzag;
        for (int i = 0; i * tooth / 2 <= r.width() + tooth; ++i)
            zigzag << QPointF(r.left() + i * tooth / 2, r.top() + row * step + (i % 2 ? step * 0.45 : 0));
        p.setPen(Pen(row % 2 ? c.accent : c.figure, step * (row % 2 ? 0.15 : 0.35)));
        p.drawPolyline(zigzag);
    }
}

void Quatrefoil(QPainter& p, const QRectF& r, const BackColours& c) {
    const double step = r.width() / 3;
    p.setPen(Pen(c.accent, Stroke(r, 0.015)));
    for (int row = 0; row * step < r.height() + step; ++row)
        for (int column = 0; column * step < r.width() + step; ++column) {
            const QPointF centre(r.left() + column * step, r.top() + row * step);
            QPainterPath foil;
            foil.setFillRule(Qt::WindingFill);
            const double lobe = step * 0.2;
            for (const QPointF& d : {QPointF(lobe, 0), QPointF(-lobe, 0), QPointF(0, lobe), QPointF(0, -lobe)})
                foil.addEllipse(centre + d, lobe, lobe);
            p.setBrush(QColor(c.figure));
            p.drawPath(foil.simplified());
            p.setBrush(QColor(c.accent));
            p.drawEllipse(centre + QPointF(step / 2, step / 2), step * 0.07, step * 0.07);
        }
}

void Sunburst(QPainter& p, const QRectF& r, const BackColours& c) {
    const QPointF centre = r.center();
    const double reach = r.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(c.figure));
    constexpr int kRays = 24;
    for (int ray = 0; ray < kRays; ray += 2) {
        const double a = ray * 2 * kPi / kRays, b = (ray + 1) * 2 * kPi / kRays;
        p.drawPolygon(QPolygonF({centre, centre + QPointF(std::cos(a), std::sin(a)) * reach,
                                 centre + QPointF(std::cos(b), std::sin(b)) * reach}));
    }
    QRadialGradient sun(centre, r.width() * 0.22);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(1, QColor(c.accent));
    p.setBrush(sun);
    p.drawEllipse(centre, r.width() * 0.22, r.width() * 0.22);
}

void Rings(QPainter& p, const QRectF& r, const BackColours& c) {
    const double step = r.width() / 3;
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row * step / 2 < r.height() + step; ++row)
        for (int column = -1; column * step < r.width() + step; ++column) {
            const QPointF centre(r.left() + column * step + (row % 2) * step / 2, r.top() + row * step / 2);
            p.setPen(Pen(c.figure, Stroke(r, 0.035)));
            p.drawEllipse(centre, step * 0.42, step * 0.42);
            p.setPen(Pen(c.accent, Stroke(r, 0.012)));
            p.drawEllipse(centre, step * 0.3, step * 0.3);
        }
}

}  // namespace

void DrawBackPattern(QPainter& painter, const QRectF& panel, BackPattern pattern, const BackColours& colours) {
    painter.save();
    switch (pattern) {
        case BackPattern::Boat: DrawBoatScene(painter, panel, colours); break;
        case BackPattern::Lattice: Lattice(painter, panel, colours); break;
        case BackPattern::Snowman: DrawSnowmanScene(painter, panel, colours); break;
        case BackPattern::Checks: Checks(painter, panel, colours); break;
        case BackPattern::Waves: Waves(painter, panel, colours); break;
        case BackPattern::Rosette: Rosette(painter, panel, colours); break;
        case BackPattern::Stars: Stars(painter, panel, colours); break;
        case BackPattern::Argyle: Argyle(painter, panel, colours); break;
        case BackPattern::Stripes: Stripes(painter, panel, colours); break;
        case BackPattern::Dots: Dots(painter, panel, colours); break;
        case BackPattern::Plaiting: Plaiting(painter, panel, colours); break;
        case BackPattern::Scales: Scales(painter, panel, colours); break;
        case BackPattern::Honeycomb: Honeycomb(painter, panel, colours); break;
        case BackPattern::Roses: Roses(painter, panel, colours); break;
        case BackPattern::Tartan: Tartan(painter, panel, colours); break;
        case BackPattern::Chevrons: Chevrons(painter, panel, colours); break;
        case BackPattern::Quatrefoil: Quatrefoil(painter, panel, colours); break;
        case BackPattern::Sunburst: Sunburst(painter, panel, colours); break;
        case BackPattern::Fish: DrawFishScene(painter, panel, colours); break;
        case BackPattern::Rings: Rings(painter, panel, colours); break;
    }
    painter.restore();
}

}  // namespace art
