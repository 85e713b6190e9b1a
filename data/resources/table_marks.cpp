// The table's card-sized images: the marks of empty places (rank marks for the rules,
// signs for the stock, waste, reserves and foundations), the drag shadows and the edges
// that give the stock its thickness.

#include "art.h"
#include "fonts.h"
#include "pixel_font.h"
#include "suit_shapes.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace art {

namespace {

// An empty place is a slot a shade darker than the table, with a light rim and sign.
constexpr QRgb kSlot = qRgb(0, 74, 16);
constexpr QRgb kRim = qRgb(150, 206, 150);
constexpr QRgb kSign = qRgb(176, 222, 176);
constexpr int kSmallCardWidth = 25;

struct RankMark {
    std::string_view code;
    std::string_view rank;
};
// The rule marks show the rank a pile must start with.
constexpr std::array<RankMark, 13> kRankMarks{{{"010", "A"},
                                               {"012", "2"},
                                               {"013", "3"},
                                               {"014", "4"},
                                               {"015", "5"},
                                               {"016", "6"},
                                               {"017", "7"},
                                               {"018", "8"},
                                               {"019", "9"},
                                               {"020", "10"},
                                               {"006", "J"},
                                               {"003", "Q"},
                                               {"011", "K"}}};

std::string_view RankOfMark(std::string_view code) {
    for (const RankMark& mark : kRankMarks)
        if (mark.code == code) return mark.rank;
    return {};
}

QPen SignPen(double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen{QColor(kSign)};
    pen.setWidthF(width);
    pen.setStyle(style);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// A circular arrow: the stock can be dealt again.
void Redeal(QPainter& p, const QRectF& box, double line) {
    p.setPen(SignPen(line));
    p.setBrush(Qt::NoBrush);
    constexpr int kStartAngle = 120 * 16;
    constexpr int kSpan = 290 * 16;
    p.drawArc(box, kStartAngle, kSpan);
    // The head at the arc's end, pointing along it.
    const double end = (120.0 + 290.0) * std::numbers::pi / 180.0;
    const QPointF tip(box.center().x() + box.width() / 2 * std::cos(end),
                      box.center().y() - box.height() / 2 * std::sin(end));
    const double head = box.width() * 0.3;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kSign));
    const QPointF along(-std::sin(end), -std::cos(end));  // the arc's direction on screen
    const QPointF side(along.y(), -along.x());
    p.drawPolygon(QPolygonF({tip + along * head * 0.9, tip + side * head * 0.55, tip - side * head * 0.55}));
}

// A ring crossed out: nothing is left to deal.
void NoRedeal(QPainter& p, const QRectF& box, double line) {
    p.setPen(SignPen(line));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(box);
    const double d = box.width() / 2 * std::sqrt(0.5);
    p.drawLine(box.center() + QPointF(-d, -d), box.center() + QPointF(d, d));
}

// An arrow down onto a line: the stock deals a row onto the tableau.
void DealRow(QPainter& p, const QRectF& box, double line) {
    p.setPen(SignPen(line));
    const double x = box.center().x();
    p.drawLine(QPointF(x, box.top()), QPointF(x, box.bottom() - line * 2));
    p.drawLine(QPointF(x - box.width() * 0.3, box.bottom() - box.width() * 0.35), QPointF(x, box.bottom() - line * 2));
    p.drawLine(QPointF(x + box.width() * 0.3, box.bottom() - box.width() * 0.35), QPointF(x, box.bottom() - line * 2));
    p.drawLine(QPointF(box.left(), box.bottom()), QPointF(box.right(), box.bottom()));
}

// The four suits in outline: a foundation builds by suit.
void FourSuits(QPainter& p, const QRectF& box, double line) {
    p.setPen(SignPen(std::max(0.8, line / 2)));
    p.setBrush(Qt::NoBrush);
    const double s = box.width() * 0.36;
    const QPointF c = box.center();
    const std::array<QPointF, kSuitCount> places{QPointF(0, -1), QPointF(1, 0), QPointF(0, 1), QPointF(-1, 0)};
    for (int suit = 0; suit < kSuitCount; ++suit) {
        const QPointF at = c + places[static_cast<std::size_t>(suit)] * box.width() * 0.3;
        p.drawPath(SuitPath(SuitOfIndex(suit), QRectF(at.x() - s / 2, at.y() - s / 2, s, s)).simplified());
    }
}

// A small card outline, or two overlapping ones.
void CardSigns(QPainter& p, const QRectF& box, double line, int count) {
    p.setPen(SignPen(std::max(0.8, line / 2)));
    p.setBrush(QColor(kSlot));
    const double w = box.width() * 0.5, h = box.width() * 0.7;
    for (int i = 0; i < count; ++i) {
        const double shift = (i - (count - 1) / 2.0) * w * 0.45;
        p.drawRoundedRect(QRectF(box.center().x() - w / 2 + shift, box.center().y() - h / 2 + shift * 0.6, w, h),
                          w * 0.12, w * 0.12);
    }
}

void DrawRank(QImage& mark, std::string_view rank) {
    if (mark.width() == kSmallCardWidth) {
        const std::string text(rank);
        const int width = PixelTextWidth(text, true);
        DrawPixelText(mark, (mark.width() - width) / 2, (mark.height() - kPixelFontHeight) / 2, text, kSign, true);
        return;
    }
    QPainter p(&mark);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kSign));
    const double height = mark.height() * 0.3;
    const QRectF box(mark.width() * 0.15, (mark.height() - height) / 2, mark.width() * 0.7, height);
    p.drawPath(FitText(QString::fromUtf8(rank.data(), static_cast<qsizetype>(rank.size())), Face::SerifBold, box));
}

}  // namespace

QImage DrawPileMark(const ResourceEntry& entry) {
    // "W" + size + code.
    const std::string code = entry.name.substr(2);
    QImage mark = OpaqueImage(entry.width, entry.height, kSlot);
    const bool small = entry.width == kSmallCardWidth;
    QPainter p(&mark);
    p.setRenderHint(QPainter::Antialiasing);
    const double rim = small ? 1.0 : 1.4;
    const double radius = small ? 2.0 : 4.0;
    const QRectF slot = QRectF(mark.rect()).adjusted(rim, rim, -rim, -rim);
    Qt::PenStyle rimStyle = Qt::SolidLine;
    if (code == "_WASTE") rimStyle = Qt::DotLine;
    QPen rimPen{QColor(kRim)};
    rimPen.setWidthF(rim);
    rimPen.setStyle(rimStyle);
    p.setPen(rimPen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(slot, radius, radius);

    const double side = mark.width() * 0.52;
    const QRectF sign(mark.width() / 2.0 - side / 2, mark.height() / 2.0 - side / 2, side, side);
    const double line = std::max(1.0, mark.width() / 18.0);
    if (const std::string_view rank = RankOfMark(code); !rank.empty()) {
        p.end();
        DrawRank(mark, rank);
        return mark;
    }
    if (code == "022") Redeal(p, sign, line);
    if (code == "008") NoRedeal(p, sign, line);
    if (code == "021") DealRow(p, sign, line);
    if (code == "005") FourSuits(p, sign, line);
    if (code == "001") CardSigns(p, sign, line, 1);
    if (code == "009") CardSigns(p, sign, line, 2);
    if (code == "004") {
        // A rule without a mark of its own: a dashed inner rim.
        p.setPen(SignPen(std::max(0.8, line / 2), Qt::DashLine));
        p.drawRoundedRect(slot.adjusted(side * 0.2, side * 0.2, -side * 0.2, -side * 0.2), radius, radius);
    }
    return mark;
}

// The drag shadow: black dots in a checker on white (left out), seven pixels wide, the
// same dots that the table draws round a lifted stack. Image 1 lies to the right of the
// card from seven pixels below its top; image 2 under it from eight pixels right of its
// left edge.
QImage DrawShadow(const ResourceEntry& entry) {
    constexpr int kBand = 7;
    constexpr int kOutermostStart = 2;
    constexpr int kCornerRows = 2;  // the last rows of the bottom band stop short
    QImage shadow = OpaqueImage(entry.width, entry.height, kShadowKey);
    const bool rightEdge = entry.name.back() == '1';
    const int w = entry.width, h = entry.height;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if ((x + y) % 2 != 0) continue;
            bool dot;
            if (rightEdge) {
                // The card's height less the seven rows the image starts below its top.
                dot = x < kBand && y <= h - kBand && y >= (x == kBand - 1 ? kOutermostStart : 0);
            } else {
                const int last = y >= kBand - kCornerRows ? w - 4 : w - 2;
                dot = y < kBand && x <= last && x >= (y == kBand - 1 ? kOutermostStart : 0);
            }
            if (dot) shadow.setPixel(x, y, kBlack);
        }
    return shadow;
}

// The stock's edge: the edges of the cards under the top one, blue (left out) elsewhere.
// Row (for the right edge: column) i is the edge of the card lying 15 - i pixels up and
// left of the pile's base; the image starts 13 pixels before the base, so that card's
// edge begins at i - 2. Each card's rounded corners are left out as the table cuts them.
QImage DrawBorder(const ResourceEntry& entry) {
    constexpr int kLead = 2;
    constexpr std::array<QRgb, 2> kLayers{qRgb(232, 232, 226), qRgb(156, 156, 150)};
    constexpr QRgb kBottomCard = qRgb(96, 96, 92);
    const char size = entry.name[entry.name.size() - 2];
    const res::CardSizeSpec* spec = res::FindCardSize(size);
    QImage border = OpaqueImage(entry.width, entry.height, kBorderKey);
    if (spec == nullptr) return border;
    const bool rightEdge = entry.name.back() == '1';
    const int length = rightEdge ? spec->height : spec->width;
    const int cut = spec->width == kSmallCardWidth ? 1 : 2;
    for (int layer = 0; layer < res::kBorderDepth; ++layer) {
        const int card = res::kBorderDepth - 1 - layer;
        const QRgb colour = card == 0 ? kBottomCard : kLayers[static_cast<std::size_t>(card % 2)];
        const int first = layer - kLead;
        for (int along = first + cut; along < first + length - cut; ++along) {
            const int x = rightEdge ? layer : along;
            const int y = rightEdge ? along : layer;
            if (border.valid(x, y)) border.setPixel(x, y, colour);
        }
    }
    return border;
}

}  // namespace art
