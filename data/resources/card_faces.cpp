#include "card_faces.h"

#include "art.h"
#include "fonts.h"
#include "pixel_font.h"

#include <QPainter>

#include <array>
#include <cmath>
#include <string>

namespace art {

namespace {

constexpr std::array<const char*, kRanksPerSuit> kRankTexts{"A", "2", "3",  "4", "5", "6", "7",
                                                            "8", "9", "10", "J", "Q", "K"};

// Pip places for Two to Ten: column 0 left, 1 middle, 2 right; row 0 the top row of
// pips, 1 the bottom one. Pips below the middle are drawn upside down.
struct Pip {
    int column;
    double row;
};
constexpr double kThird = 1.0 / 3.0;
constexpr std::array<std::array<Pip, 10>, 9> kPipLayouts{{
    {{{1, 0}, {1, 1}}},
    {{{1, 0}, {1, 0.5}, {1, 1}}},
    {{{0, 0}, {2, 0}, {0, 1}, {2, 1}}},
    {{{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}}},
    {{{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}}},
    {{{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}}},
    {{{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}}},
    {{{0, 0}, {2, 0}, {0, kThird}, {2, kThird}, {1, 0.5}, {0, 2 * kThird}, {2, 2 * kThird}, {0, 1}, {2, 1}}},
    {{{0, 0},
      {2, 0},
      {1, kThird / 2},
      {0, kThird},
      {2, kThird},
      {0, 2 * kThird},
      {2, 2 * kThird},
      {1, 5 * kThird / 2},
      {0, 1},
      {2, 1}}},
}};
// The fixed arrays hold ten places; a rank uses as many as it counts.
constexpr int kFirstPipRank = 2;
constexpr int kLastPipRank = 10;
// Share of the edge colour mixed into the paper for the fine inner line.
constexpr double kInnerLineShare = 0.35;

QRgb Mix(QRgb a, QRgb b, double share) {
    const auto mix = [share](int x, int y) {
        return static_cast<int>(std::lround(x + (y - x) * share));
    };
    return qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)));
}

QImage BlankFace(const FaceLayout& layout, const CardStyle& style) {
    QImage face = OpaqueImage(layout.width, layout.height, style.paper);
    DrawCardEdge(face, face.rect(), style.edge, style.paper);
    if (style.innerLine && layout.pips) {
        QPainter painter(&face);
        painter.setPen(QColor(Mix(style.paper, style.frame, kInnerLineShare)));
        painter.drawRect(face.rect().adjusted(1, 1, -2, -2));
        painter.end();
        CloseCardCorners(face, face.rect(), style.edge);
    }
    return face;
}

// The same path a second time turned half round about the card's centre.
void FillBothWays(QPainter& painter, const QPainterPath& path, const QImage& face, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.translate(face.width(), face.height());
    painter.rotate(180);
    painter.drawPath(path);
    painter.restore();
}

void DrawIndices(QImage& face, const FaceLayout& layout, const CardStyle& style, Suit suit, int rank) {
    const QRgb ink = InkOf(style, suit);
    const std::string rankText = kRankTexts[static_cast<std::size_t>(rank - 1)];
    if (!layout.pips) {
        // The smallest cards: pixel letters, centred over the suit sign.
        const int width = PixelTextWidth(rankText, true);
        const int x = static_cast<int>(std::floor(layout.suit.center().x() - width / 2.0));
        const int y = static_cast<int>(layout.rank.top());
        DrawPixelText(face, x, y, rankText, ink, true);
        DrawPixelText(face, face.width() - x - width, face.height() - y - kPixelFontHeight, rankText, ink, true, true);
    } else {
        QPainter painter(&face);
        // Serifs blur below this height; small indices are set in bold sans.
        constexpr double kSmallestSerifIndex = 9.0;
        const bool sans = style.boldIndex || layout.rank.height() < kSmallestSerifIndex;
        const Face typeface = sans ? Face::SansBold : Face::SerifBold;
        FillBothWays(painter, FitText(QString::fromStdString(rankText), typeface, layout.rank), face, QColor(ink));
    }
    const int sx = static_cast<int>(layout.suit.left());
    const int sy = static_cast<int>(layout.suit.top());
    const int size = layout.pixelSuit;
    DrawPixelSuit(face, suit, sx, sy, size, ink);
    DrawPixelSuit(face, suit, face.width() - sx - size, face.height() - sy - size, size, ink, true);
}

void DrawPips(QImage& face, const FaceLayout& layout, const CardStyle& style, Suit suit, int rank) {
    QPainter painter(&face);
    const QColor ink(InkOf(style, suit));
    const double w = face.width(), h = face.height();
    if (rank == 1) {
        const double a = layout.aceHeight;
        DrawSuit(painter, suit, QRectF(w / 2 - a / 2, h / 2 - a / 2, a, a), ink);
        return;
    }
    const double columns[3] = {layout.pipLeft, w / 2, w - layout.pipLeft};
    const double span = h - 2 * layout.pipTop;
    const double p = layout.pipHeight;
    const auto& places = kPipLayouts[static_cast<std::size_t>(rank - kFirstPipRank)];
    for (int i = 0; i < rank; ++i) {
        const Pip& pip = places[static_cast<std::size_t>(i)];
        const double x = columns[pip.column];
        const double y = layout.pipTop + pip.row * span;
        DrawSuit(painter, suit, QRectF(x - p / 2, y - p / 2, p, p), ink, pip.row > 0.5);
    }
}

}  // namespace

QImage DrawFace(char size, std::string_view set, Suit suit, int rank) {
    const FaceLayout* layout = LayoutOf(size);
    if (layout == nullptr) return {};
    const CardStyle& style = StyleOf(set);
    QImage face = BlankFace(*layout, style);
    if (layout->pips) {
        if (rank <= kLastPipRank)
            DrawPips(face, *layout, style, suit, rank);
        else
            DrawCourtPanel(face, layout->court, rank, suit, style);
    }
    DrawIndices(face, *layout, style, suit, rank);
    return face;
}

QImage DrawCardStrip(const ResourceEntry& entry) {
    // "C" + size + three-digit set + suit letter.
    const char size = entry.name[1];
    const std::string set = entry.name.substr(2, 3);
    const auto suitIndex = res::kSuitLetters.find(entry.name.back());
    const res::CardSizeSpec* spec = res::FindCardSize(size);
    if (spec == nullptr || suitIndex == std::string_view::npos) return OpaqueImage(entry.width, entry.height, kWhite);
    // The places the table does not cut stay the colour of the table.
    QImage strip = OpaqueImage(entry.width, entry.height, qRgb(0, 96, 0));
    QPainter painter(&strip);
    for (int rank = 1; rank <= kRanksPerSuit; ++rank) {
        const int place = rank - 1;
        const QPoint at((place % res::kFacesPerStripRow) * spec->width,
                        (place / res::kFacesPerStripRow) * spec->height);
        painter.drawImage(at, DrawFace(size, set, SuitOfIndex(static_cast<int>(suitIndex)), rank));
    }
    return strip;
}

}  // namespace art
