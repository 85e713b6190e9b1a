// The 16-pixel icons of the game chooser's tree and the options dialog's trees: folders
// (closed "...1", open "...2"), marked by a badge for what they group, the leaf icons of
// the options trees, and a key for each game type with its won and not-won forms.

#include "art.h"
#include "icon_painter.h"
#include "suit_shapes.h"

#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>

namespace art {

namespace {

constexpr QRgb kFolder = qRgb(242, 200, 84);
constexpr QRgb kFolderLight = qRgb(255, 228, 140);
constexpr QRgb kRed = qRgb(204, 16, 32);
constexpr QRgb kBlue = qRgb(32, 72, 176);
constexpr QRgb kGreen = qRgb(20, 140, 50);
constexpr QRgb kGold = qRgb(232, 184, 48);

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

void Folder(IconPainter& icon, bool open) {
    icon.Fill(Polygon({{0.5, 3.5}, {5.5, 3.5}, {7, 5}, {14.5, 5}, {14.5, 13.5}, {0.5, 13.5}}), kFolder, true);
    if (open) icon.Fill(Polygon({{3, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {0.5, 13.5}}), kFolderLight, true);
}

QPainterPath Star(QPointF c, double r) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double length = i % 2 == 0 ? r : r * 0.45;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF p = c + QPointF(std::cos(a), std::sin(a)) * length;
        if (i == 0)
            star.moveTo(p);
        else
            star.lineTo(p);
    }
    star.closeSubpath();
    return star;
}

// The badge that tells what a folder groups, by the letter its name begins with: a
// white disc in the bottom-right corner with a sign on it.
void FolderBadge(IconPainter& icon, char letter) {
    QPainter& p = icon.Painter();
    const QRectF badge(7.5, 7.5, 8, 8);
    const QPointF c = badge.center();
    p.setPen(QPen(QColor(kIconLine), 0.9));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(badge);
    switch (letter) {
        case 'F':  // favourites
            icon.Fill(Star(c, 3.6), kGold, false);
            break;
        case 'S':  // selected games
            icon.Line(c + QPointF(-2.2, 0.2), c + QPointF(-0.6, 1.8), kGreen, 1.4);
            icon.Line(c + QPointF(-0.6, 1.8), c + QPointF(2.2, -1.6), kGreen, 1.4);
            break;
        case 'D':  // by difficulty: rising bars
            for (int bar = 0; bar < 3; ++bar) {
                const double x = c.x() - 2.6 + bar * 2.0;
                icon.Fill(Polygon({{x, c.y() + 2.4},
                                   {x, c.y() + 0.6 - bar * 1.4},
                                   {x + 1.4, c.y() + 0.6 - bar * 1.4},
                                   {x + 1.4, c.y() + 2.4}}),
                          bar == 2 ? kRed : kBlue, false);
            }
            break;
        case 'C':  // by chance: the five of a die
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(kIconLine));
            for (const QPointF& d :
                 {QPointF(-1.7, -1.7), QPointF(1.7, -1.7), QPointF(0, 0), QPointF(-1.7, 1.7), QPointF(1.7, 1.7)})
                p.drawEllipse(c + d, 0.75, 0.75);
            break;
        case 'T':  // by time: a clock's hands
            icon.Line(c, c + QPointF(0, -2.6), kIconLine, 1.1);
            icon.Line(c, c + QPointF(2.0, 0), kIconLine, 1.1);
            break;
        case 'I':  // other groups: information
            icon.Line(c + QPointF(0, -0.4), c + QPointF(0, 2.4), kBlue, 1.5);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(kBlue));
            p.drawEllipse(c + QPointF(0, -2.0), 0.9, 0.9);
            break;
        default: break;
    }
}

void SmallSuit(IconPainter& icon, int suit, const QRectF& box) {
    DrawSuit(icon.Painter(), SuitOfIndex(suit), box, QColor(suit < 2 ? kRed : kIconLine));
}

// The options trees' leaves: a card back, a background picture and a colour swatch.
void CardBackLeaf(IconPainter& icon) {
    icon.Card(3, 1, 10, 14, kBlue);
    QPainter& p = icon.Painter();
    p.setPen(QPen(QColor(150, 180, 240), 0.8));
    p.setClipRect(QRectF(4, 2, 8, 12));
    for (double d = -10; d < 12; d += 3) p.drawLine(QPointF(4 + d, 2), QPointF(4 + d + 12, 14));
    p.setClipping(false);
}

void PictureLeaf(IconPainter& icon) {
    icon.Card(0, 2, 16, 12, qRgb(150, 200, 240));
    icon.Fill(Polygon({{1, 13}, {6, 7}, {9, 10}, {11, 8}, {15, 13}}), kGreen, false);
    icon.Painter().setBrush(QColor(255, 220, 80));
    icon.Painter().setPen(Qt::NoPen);
    icon.Painter().drawEllipse(QPointF(11.5, 5.5), 1.6, 1.6);
}

void SwatchLeaf(IconPainter& icon) {
    constexpr std::array<QRgb, 4> kSwatches{qRgb(0, 128, 0), qRgb(0, 0, 160), qRgb(160, 0, 0), qRgb(0, 128, 128)};
    for (std::size_t i = 0; i < kSwatches.size(); ++i)
        icon.Card(1 + static_cast<double>(i % 2) * 7, 1 + static_cast<double>(i / 2) * 7, 7, 7, kSwatches[i]);
}

// --- Game type keys ---------------------------------------------------------------------

using Motif = std::function<void(IconPainter&)>;

struct TypeMotif {
    std::string_view key;
    Motif draw;
};

void CardWith(IconPainter& icon, int suit) {
    icon.Card(3, 1, 10, 14);
    SmallSuit(icon, suit, QRectF(5, 4.5, 6, 6));
}

const std::array<TypeMotif, 23>& TypeMotifs() {
    static const std::array<TypeMotif, 23> motifs{{
        {"TREE5_CANFIELD_TYPE",
         [](IconPainter& i) {
             i.Card(1, 3, 9, 12, kBlue);
             i.Card(6, 1, 9, 12);
             SmallSuit(i, 1, QRectF(8, 4, 5, 5));
         }},
        {"TREE5_FORTYTHIEVES_TYPE",
         [](IconPainter& i) {
             for (int r = 0; r < 2; ++r)
                 for (int c = 0; c < 4; ++c) i.Card(c * 4, r * 8, 5, 8, r ? kRed : qRgb(255, 255, 255));
         }},
        {"TREE5_FREECELL_TYPE",
         [](IconPainter& i) {
             for (int c = 0; c < 4; ++c) i.Card(c * 4, 1, 4, 5, qRgb(200, 230, 255));
             i.Card(4, 7, 8, 9);
             SmallSuit(i, 3, QRectF(5.5, 9, 5, 5));
         }},
        {"TREE5_KLONDIKE_TYPE",
         [](IconPainter& i) {
             for (int c = 0; c < 3; ++c)
                 for (int k = 0; k <= c; ++k) i.Card(c * 5, k * 3, 6, 8, k == c ? qRgb(255, 255, 255) : kBlue);
         }},
        {"TREE5_PAIRING_TYPE",
         [](IconPainter& i) {
             i.Card(0, 2, 8, 12);
             i.Card(8, 2, 8, 12);
             SmallSuit(i, 0, QRectF(1.5, 5, 5, 5));
             SmallSuit(i, 1, QRectF(9.5, 5, 5, 5));
         }},
        {"TREE5_SIMPLEGAMES_TYPE",
         [](IconPainter& i) {
             CardWith(i, 0);
         }},
        {"TREE5_SPIDER_TYPE",
         [](IconPainter& i) {
             for (int leg = 0; leg < 4; ++leg) {
                 const double y = 4 + leg * 2.6;
                 i.Line({8, 8}, {1.5, y - 1 + (leg > 1 ? 2 : 0)}, kIconLine, 0.9);
                 i.Line({8, 8}, {14.5, y - 1 + (leg > 1 ? 2 : 0)}, kIconLine, 0.9);
             }
             i.Painter().setPen(Qt::NoPen);
             i.Painter().setBrush(QColor(kIconLine));
             i.Painter().drawEllipse(QPointF(8, 9.5), 2.6, 3.2);
             i.Painter().drawEllipse(QPointF(8, 5.5), 1.8, 1.6);
         }},
        {"TREE5_1DECK_TYPE",
         [](IconPainter& i) {
             i.Card(3, 1, 10, 14);
             i.Line({8.5, 4}, {8.5, 12}, kIconLine, 1.4);
             i.Line({8.5, 4}, {6.5, 6}, kIconLine, 1.2);
         }},
        {"TREE5_2DECK_TYPE",
         [](IconPainter& i) {
             i.Card(1, 1, 10, 13, kBlue);
             i.Card(5, 3, 10, 13);
             i.Painter().setPen(QPen(QColor(kIconLine), 1.2));
             i.Painter().setBrush(Qt::NoBrush);
             QPainterPath two;
             two.moveTo(8, 7);
             two.quadTo(10, 4.5, 12, 7);
             two.lineTo(8, 12.5);
             two.lineTo(12.5, 12.5);
             i.Painter().drawPath(two);
         }},
        {"TREE5_FAN_TYPE",
         [](IconPainter& i) {
             for (int k = -1; k <= 1; ++k) {
                 i.Painter().save();
                 i.Painter().translate(8, 14);
                 i.Painter().rotate(k * 25);
                 i.Card(-4, -13, 8, 11);
                 i.Painter().restore();
             }
             SmallSuit(i, 0, QRectF(6, 3.5, 4, 4));
         }},
        {"TREE5_BAKERSDOZEN_TYPE",
         [](IconPainter& i) {
             for (int k = 0; k < 4; ++k) i.Card(3 + k, 1 + k, 9, 11, k == 3 ? qRgb(255, 255, 255) : kBlue);
             SmallSuit(i, 2, QRectF(7, 7, 4, 4));
         }},
        {"TREE5_ROW_TYPE",
         [](IconPainter& i) {
             for (int c = 0; c < 3; ++c) i.Card(c * 5 + 0.5, 4, 6, 8);
             SmallSuit(i, 0, QRectF(6.5, 6, 3, 3));
         }},
        {"TREE5_PUZZLE_TYPE",
         [](IconPainter& i) {
             QPainterPath piece;
             piece.addRect(2.5, 5.5, 10, 9);
             piece.addEllipse(QPointF(7.5, 4.5), 2.2, 2.2);
             piece.addEllipse(QPointF(13.2, 10), 2.2, 2.2);
             piece.setFillRule(Qt::WindingFill);
             i.Fill(piece.simplified(), kGreen, true);
         }},
        {"TREE5_ADDITION_TYPE",
         [](IconPainter& i) {
             i.Card(3, 1, 10, 14);
             i.Line({8, 4.5}, {8, 11.5}, kRed, 1.6);
             i.Line({4.5, 8}, {11.5, 8}, kRed, 1.6);
         }},
        {"TREE5_MEMORY_TYPE",
         [](IconPainter& i) {
             for (int k = 0; k < 4; ++k) i.Card((k % 2) * 8, (k / 2) * 8, 7, 8, k == 3 ? qRgb(255, 255, 255) : kBlue);
             SmallSuit(i, 0, QRectF(9.5, 10, 4, 4));
         }},
        {"TREE5_BELEAGUEREDCASTLE_TYPE",
         [](IconPainter& i) {
             i.Fill(Polygon({{3, 15},
                             {3, 4},
                             {5, 4},
                             {5, 2},
                             {7, 2},
                             {7, 4},
                             {9, 4},
                             {9, 2},
                             {11, 2},
                             {11, 4},
                             {13, 4},
                             {13, 15}}),
                    qRgb(170, 170, 178), true);
             i.Fill(Polygon({{6.5, 15}, {6.5, 10.5}, {9.5, 10.5}, {9.5, 15}}), kIconLine, false);
         }},
        {"TREE5_QUEENOFITALY_TYPE",
         [](IconPainter& i) {
             i.Fill(Polygon({{1.5, 13}, {1.5, 5}, {5, 9}, {8, 3}, {11, 9}, {14.5, 5}, {14.5, 13}}), kGold, true);
             i.Painter().setBrush(QColor(kRed));
             i.Painter().drawEllipse(QPointF(8, 10.5), 1.3, 1.3);
         }},
        {"TREE5_YUKON_TYPE",
         [](IconPainter& i) {
             i.Fill(Polygon({{0.5, 14}, {6, 3}, {9, 8}, {11, 5.5}, {15.5, 14}}), qRgb(110, 120, 140), true);
             i.Fill(Polygon({{4.2, 6.6}, {6, 3}, {7.8, 6.6}, {6, 5.6}}), qRgb(255, 255, 255), false);
         }},
        {"TREE5_MATHEMATICAL_TYPE",
         [](IconPainter& i) {
             i.Card(3, 1, 10, 14);
             QPainter& p = i.Painter();
             p.setPen(QPen(QColor(kBlue), 1.2));
             p.setBrush(Qt::NoBrush);
             p.drawPolyline(
                 QPolygonF({QPointF(11, 4), QPointF(5.5, 4), QPointF(8.5, 8), QPointF(5.5, 12), QPointF(11, 12)}));
         }},
        {"TREE5_SIRTOMMY_TYPE",
         [](IconPainter& i) {
             i.Fill(Polygon({{4, 11.5}, {4.5, 2.5}, {11.5, 2.5}, {12, 11.5}}), kIconLine, false);
             i.Fill(Polygon({{1, 11.5}, {15, 11.5}, {15, 13.5}, {1, 13.5}}), kIconLine, false);
             i.Fill(Polygon({{4.3, 9}, {11.7, 9}, {11.8, 10.5}, {4.2, 10.5}}), kRed, false);
         }},
        {"TREE5_NONBUILDERS_TYPE",
         [](IconPainter& i) {
             i.Card(3, 1, 10, 14);
             i.Painter().setPen(QPen(QColor(kRed), 1.3));
             i.Painter().setBrush(Qt::NoBrush);
             i.Painter().drawEllipse(QPointF(8, 8), 3.5, 3.5);
             i.Line({5.6, 5.6}, {10.4, 10.4}, kRed, 1.3);
         }},
        {"TREE5_CUSTOMIZED_GAMES",
         [](IconPainter& i) {
             i.Card(1, 1, 10, 14);
             i.Fill(Polygon({{6, 14.5}, {6.5, 11.5}, {13.5, 3.5}, {15.5, 5.5}, {8.5, 13.5}}), kGold, true);
             i.Fill(Polygon({{6, 14.5}, {6.5, 11.5}, {8.5, 13.5}}), kIconLine, false);
         }},
        {"TREE5_ORIGINAL_TYPE",
         [](IconPainter& i) {
             i.Card(2, 1, 12, 14);
             i.Fill(Star(QPointF(8, 8.2), 5), kGold, true);
         }},
    }};
    return motifs;
}

const Motif* MotifOf(std::string_view key) {
    for (const TypeMotif& motif : TypeMotifs())
        if (motif.key == key) return &motif.draw;
    return nullptr;
}

}  // namespace

QImage DrawFolderIcon(const ResourceEntry& entry) {
    IconPainter icon(entry.width);
    const std::string& name = entry.name;
    if (const Motif* motif = MotifOf(name); motif != nullptr) {
        (*motif)(icon);  // "TREE5_ORIGINAL_TYPE" sits among the folders
    } else if (name == "N_TREE3") {
        CardBackLeaf(icon);
    } else if (name == "N_TREE4") {
        PictureLeaf(icon);
    } else if (name == "N_TREE5") {
        SwatchLeaf(icon);
    } else {
        // "TREE1", "TREE2", or a letter, "_TREE" and 1 (closed) or 2 (open).
        Folder(icon, name.back() == '2');
        if (name.size() > 1 && name[1] == '_') FolderBadge(icon, name[0]);
    }
    return icon.Keyed();
}

QImage DrawTypeIcon(const ResourceEntry& entry) {
    // The key, perhaps followed by "_WIN" or "_NOWIN".
    std::string key = entry.name;
    int badge = 0;  // 1 won, -1 not won
    if (key.ends_with(res::kNoWinSuffix)) {
        key.resize(key.size() - res::kNoWinSuffix.size());
        badge = -1;
    } else if (key.ends_with(res::kWinSuffix)) {
        key.resize(key.size() - res::kWinSuffix.size());
        badge = 1;
    }
    IconPainter icon(entry.width);
    if (const Motif* motif = MotifOf(key); motif != nullptr) (*motif)(icon);
    if (badge != 0) DrawWinBadge(icon, badge > 0);
    return icon.Keyed();
}

}  // namespace art
