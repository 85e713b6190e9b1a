// The numbered table backgrounds. Those below 500 are tiles laid edge to edge, so each
// wraps round seamlessly: every texture is made of lattices and shapes that repeat with
// the tile.

#include "art.h"
#include "noise.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace art {

namespace {

QRgb Ramp(QRgb dark, QRgb light, double t) {
    t = std::clamp(t, 0.0, 1.0);
    const auto mix = [t](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * t));
    };
    return qRgb(mix(qRed(dark), qRed(light)), mix(qGreen(dark), qGreen(light)), mix(qBlue(dark), qBlue(light)));
}

// "Moquette": a geometric carpet in a few flat colours, for displays of 256 colours.
void Moquette(QImage& tile) {
    const int size = tile.width();
    const int motif = size / 4;
    QPainter p(&tile);
    p.fillRect(tile.rect(), QColor(24, 36, 96));
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            const QPoint c(column * motif + motif / 2, row * motif + motif / 2);
            const int r = motif / 2 - 2;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(128, 24, 32));
            p.drawPolygon(QPolygon({c + QPoint(0, -r), c + QPoint(r, 0), c + QPoint(0, r), c + QPoint(-r, 0)}));
            p.setBrush(QColor(24, 36, 96));
            const int inner = r / 2;
            p.drawPolygon(
                QPolygon({c + QPoint(0, -inner), c + QPoint(inner, 0), c + QPoint(0, inner), c + QPoint(-inner, 0)}));
            p.setBrush(QColor(200, 160, 40));
            p.drawRect(c.x() - 2, c.y() - 2, 4, 4);
        }
    // Small gold squares where four motifs meet, the edge ones in halves on both sides.
    for (int row = 0; row <= 4; ++row)
        for (int column = 0; column <= 4; ++column) p.drawRect(column * motif - 1, row * motif - 1, 3, 3);
}

// "Metal gold": brushed gold, streaked across.
void MetalGold(QImage& tile) {
    const int size = tile.width();
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double streaks =
                StreakNoise(x, y, size, 2, 64, 287) * 0.6 + StreakNoise(x, y, size, 4, 128, 288) * 0.4;
            const double sheen = Turbulence(x, y, size, 2, 2, 289);
            const double grain = Hash(x, y, 290) * 0.08;
            tile.setPixel(x, y, Ramp(qRgb(120, 84, 20), qRgb(236, 200, 104), streaks * 0.55 + sheen * 0.4 + grain));
        }
}

// "Moquette 1": the pile of a carpet, with a faint woven rhythm.
void CarpetPile(QImage& tile) {
    const int size = tile.width();
    constexpr int kWeave = 4;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double cloud = Turbulence(x, y, size, 4, 3, 296);
            const double fibre = Hash(x, y, 297);
            const double weave = ((x / kWeave + y / kWeave) % 2 == 0) ? 0.06 : 0.0;
            tile.setPixel(x, y, Ramp(qRgb(10, 52, 66), qRgb(60, 130, 140), cloud * 0.55 + fibre * 0.3 + weave));
        }
}

// "Brick wall 1": courses of bricks in a running bond with light mortar.
void BrickWall(QImage& tile) {
    const int size = tile.width();
    constexpr int kBricksAcross = 4, kCourses = 8, kMortar = 2;
    const int brickWidth = size / kBricksAcross, brickHeight = size / kCourses;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int course = y / brickHeight;
            const int shifted = (x + (course % 2) * brickWidth / 2) % size;
            const int brick = shifted / brickWidth;
            const bool mortar = y % brickHeight < kMortar || shifted % brickWidth < kMortar;
            const double grit = Hash(x, y, 304) * 0.25 + Turbulence(x, y, size, 8, 2, 305) * 0.35;
            if (mortar) {
                tile.setPixel(x, y, Ramp(qRgb(150, 144, 132), qRgb(200, 194, 180), grit));
                continue;
            }
            // Each brick has a tone of its own; its top edge catches the light.
            const double tone = Hash(brick, course, 306);
            const double lit = y % brickHeight == kMortar ? 0.15 : 0.0;
            tile.setPixel(x, y, Ramp(qRgb(104, 36, 24), qRgb(190, 92, 60), tone * 0.5 + grit * 0.6 + lit));
        }
}

// "Parquet": oak blocks in a basket weave, four planks to a block.
void Parquet(QImage& tile) {
    const int size = tile.width();
    constexpr int kBlocks = 4, kPlanks = 4;
    const int block = size / kBlocks, plank = block / kPlanks;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int bx = x / block, by = y / block;
            const bool across = (bx + by) % 2 == 0;
            const int along = across ? x % block : y % block;
            const int acrossPlank = across ? y % block : x % block;
            const int plankIndex = acrossPlank / plank + (bx * kBlocks + by) * kPlanks;
            const double shade = Hash(plankIndex, 0, 311);
            // Grain: fine lines along the plank, waving a little.
            const double wave = std::sin((acrossPlank + along * 0.15 + shade * 6) * 1.9) * 0.5 + 0.5;
            const double grain = wave * 0.25 + Hash(x, y, 312) * 0.12;
            const bool seam = acrossPlank % plank == 0 || along == 0;
            const double t = seam ? 0.05 : 0.3 + shade * 0.35 + grain;
            tile.setPixel(x, y, Ramp(qRgb(96, 54, 20), qRgb(214, 160, 92), t));
        }
}

// "Meadow": grass, a mottled ground with blades drawn round the tile's edges.
void Meadow(QImage& tile) {
    const int size = tile.width();
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            tile.setPixel(x, y, Ramp(qRgb(24, 70, 16), qRgb(70, 130, 36), Turbulence(x, y, size, 4, 3, 324)));
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    Scatter scatter(325);
    constexpr int kBlades = 900;
    for (int i = 0; i < kBlades; ++i) {
        const double x = scatter.Next() * size, y = scatter.Next() * size;
        const double length = 4 + scatter.Next() * 7;
        const double lean = (scatter.Next() - 0.5) * 0.9;
        const QRgb colour = Ramp(qRgb(30, 86, 20), qRgb(120, 176, 60), scatter.Next());
        QPen pen{QColor(colour)};
        pen.setWidthF(0.9);
        p.setPen(pen);
        // Drawn nine times so that a blade crossing an edge comes in again at the other.
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPointF root(x + dx * size, y + dy * size);
                p.drawLine(root, root + QPointF(std::sin(lean) * length, -std::cos(lean) * length));
            }
    }
}

struct Background {
    int number;
    void (*draw)(QImage&);
};
constexpr std::array<Background, 6> kBackgrounds{{
    {102, Moquette},
    {287, MetalGold},
    {296, CarpetPile},
    {304, BrickWall},
    {311, Parquet},
    {324, Meadow},
}};

}  // namespace

QImage DrawBackground(const ResourceEntry& entry) {
    // "B" + three-digit number.
    const int number = std::stoi(entry.name.substr(1));
    QImage tile = OpaqueImage(entry.width, entry.height, qRgb(0, 96, 0));
    for (const Background& background : kBackgrounds)
        if (background.number == number) background.draw(tile);
    return tile;
}

}  // namespace art
