#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// The patterns and scenes that fill the panel of a card back, drawn at any card size
// (back_patterns.cpp for the patterns, back_scenes.cpp for the scenes).
namespace art {

enum class BackPattern {
    Boat,
    Lattice,
    Snowman,
    Checks,
    Waves,
    Rosette,
    Stars,
    Argyle,
    Stripes,
    Dots,
    Plaiting,
    Scales,
    Honeycomb,
    Roses,
    Tartan,
    Chevrons,
    Quatrefoil,
    Sunburst,
    Fish,
    Rings,
};

struct BackColours {
    QRgb ground;  // already filled in when the pattern is drawn
    QRgb figure;
    QRgb accent;
};

void DrawBackPattern(QPainter& painter, const QRectF& panel, BackPattern pattern, const BackColours& colours);

void DrawBoatScene(QPainter& painter, const QRectF& panel, const BackColours& colours);
void DrawSnowmanScene(QPainter& painter, const QRectF& panel, const BackColours& colours);
void DrawFishScene(QPainter& painter, const QRectF& panel, const BackColours& colours);

}  // namespace art
