#include "pixel_font.h"
#include "placeholder_art.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace placeholders {

namespace res = platform::resources;

namespace {

constexpr int kRanksPerSuit = 13;
constexpr int kFirstFaceCard = 11;  // jack
constexpr std::array<std::string_view, kRanksPerSuit> kRankTexts{"A", "2", "3",  "4", "5", "6", "7",
                                                                 "8", "9", "10", "J", "Q", "K"};
// Each card set frames its court cards in a colour of its own.
constexpr std::array<QRgb, 5> kSetColours{qRgb(212, 160, 23), qRgb(40, 80, 200), qRgb(0, 128, 128), qRgb(140, 60, 160),
                                          qRgb(220, 110, 20)};
constexpr int kLargeCardWidth = 50;  // from this width the rank is drawn twice as large

QRgb SetColour(std::string_view name) {
    // "C" + size + three-digit set + suit letter.
    const int set = std::stoi(std::string(name.substr(2, 3)));
    return kSetColours[static_cast<std::size_t>((set - 1 + static_cast<int>(kSetColours.size())) %
                                                static_cast<int>(kSetColours.size()))];
}

void DrawCardFrame(QImage& image, const QRect& card) {
    QPainter painter(&image);
    painter.fillRect(card, QColor(kWhite));
    painter.setPen(QColor(96, 96, 96));
    painter.drawRect(card.adjusted(0, 0, -1, -1));
}

void DrawFace(QImage& image, const QRect& card, int suit, int rank, QRgb setColour) {
    DrawCardFrame(image, card);
    const int scale = card.width() >= kLargeCardWidth ? 2 : 1;
    const QColor colour = SuitColour(suit);
    const std::string_view rankText = kRankTexts[static_cast<std::size_t>(rank - 1)];
    const int margin = scale + 1;
    DrawPixelText(image, card.left() + margin, card.top() + margin, rankText, scale, colour);
    DrawPixelText(image, card.right() - margin - PixelTextWidth(rankText, scale) + 1,
                  card.bottom() - margin - kGlyphHeight * scale + 1, rankText, scale, colour);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int pipTop = card.top() + margin + kGlyphHeight * scale + scale;
    const int smallPip = kGlyphWidth * scale + scale;
    DrawPip(painter, suit, QRectF(card.left() + margin, pipTop, smallPip, smallPip));
    const double big = card.width() * (rank >= kFirstFaceCard ? 0.36 : 0.46);
    const QRectF centre(card.center().x() - big / 2 + 0.5, card.center().y() - big / 2 + 0.5, big, big);
    if (rank >= kFirstFaceCard) {
        const QRectF frame = centre.adjusted(-big * 0.25, -big * 0.45, big * 0.25, big * 0.45);
        painter.setPen(QPen(QColor(setColour), scale));
        painter.setBrush(QColor(setColour).lighter(170));
        painter.drawRect(frame);
    }
    DrawPip(painter, suit, centre);
}

QImage DrawStrip(const ResourceEntry& entry, const res::CardSizeSpec& size) {
    QImage image = BlankImage(entry, kTableGreen);
    const int suit = static_cast<int>(res::kSuitLetters.find(entry.name.back()));
    const QRgb setColour = SetColour(entry.name);
    for (int rank = 1; rank <= kRanksPerSuit; ++rank) {
        const int place = rank - 1;
        const QRect card((place % res::kFacesPerStripRow) * size.width, (place / res::kFacesPerStripRow) * size.height,
                         size.width, size.height);
        DrawFace(image, card, suit, rank, setColour);
    }
    return image;
}

QImage DrawJoker(const ResourceEntry& entry) {
    QImage image = BlankImage(entry, kWhite);
    const QRect card = image.rect();
    DrawCardFrame(image, card);
    const int scale = card.width() >= kLargeCardWidth ? 2 : 1;
    DrawPixelText(image, 2 * scale, 2 * scale, "JOKER", scale, QColor(160, 0, 160));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 180, 0));
    const QPointF c = QRectF(card).center();
    const double r = card.width() * 0.3;
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0) ? r : r * 0.45;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    painter.drawPath(star);
    return image;
}

QImage DrawBack(const ResourceEntry& entry) {
    // "D" + size + three-digit back number: each back has a colour of its own.
    const int back = std::stoi(entry.name.substr(2));
    const QColor colour = QColor::fromHsv((back * 47) % 360, 170, 150);
    QImage image = BlankImage(entry, kWhite);
    QPainter painter(&image);
    painter.setPen(QColor(96, 96, 96));
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    const QRect inner = image.rect().adjusted(3, 3, -3, -3);
    painter.fillRect(inner, colour);
    painter.setClipRect(inner);
    painter.setPen(colour.lighter(150));
    const int step = 4 + back % 3;
    for (int d = -image.height(); d < image.width(); d += step) {
        painter.drawLine(d, 0, d + image.height(), image.height());
        painter.drawLine(d + image.height(), 0, d, image.height());
    }
    return image;
}

// What each pile mark shows in its middle: a rank for the rule marks, a sign for the rest.
std::string_view MarkText(std::string_view code) {
    struct Mark {
        std::string_view code;
        std::string_view text;
    };
    static constexpr std::array<Mark, 12> kMarks{{{"010", "A"},
                                                  {"011", "K"},
                                                  {"006", "J"},
                                                  {"003", "Q"},
                                                  {"012", "2"},
                                                  {"013", "3"},
                                                  {"014", "4"},
                                                  {"015", "5"},
                                                  {"016", "6"},
                                                  {"017", "7"},
                                                  {"018", "8"},
                                                  {"019", "9"}}};
    for (const Mark& mark : kMarks)
        if (mark.code == code) return mark.text;
    return code == "020" ? "10" : "";
}

QImage DrawPileMark(const ResourceEntry& entry) {
    QImage image = BlankImage(entry, kTableGreen);
    const std::string_view code = std::string_view(entry.name).substr(2);
    const QColor line(150, 200, 150);
    const int scale = image.width() >= kLargeCardWidth ? 3 : 1;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(line, 1));
    painter.drawRoundedRect(QRectF(image.rect()).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    const QRectF middle(image.width() * 0.25, image.height() / 2.0 - image.width() * 0.25, image.width() * 0.5,
                        image.width() * 0.5);
    painter.setPen(QPen(line, scale));
    painter.setBrush(Qt::NoBrush);
    if (code == "022" || code == res::kPileMarkCodes.back()) {  // redeal, and the waste
        painter.drawEllipse(middle);
    } else if (code == "008" || code == "021") {  // no redeal left
        painter.drawLine(middle.topLeft(), middle.bottomRight());
        painter.drawLine(middle.topRight(), middle.bottomLeft());
    } else if (code == "005" || code == "009") {
        painter.setBrush(line);
        painter.drawEllipse(
            middle.adjusted(middle.width() / 3, middle.height() / 3, -middle.width() / 3, -middle.height() / 3));
    }
    painter.end();
    const std::string_view text = MarkText(code);
    if (!text.empty())
        DrawPixelText(image, (image.width() - PixelTextWidth(text, scale)) / 2,
                      (image.height() - kGlyphHeight * scale) / 2, text, scale, line);
    return image;
}

// A dither of black dots on the key colour, the way a shadow falls on the table.
QImage DrawShadow(const ResourceEntry& entry) {
    QImage image = BlankImage(entry, kShadowKey);
    const int reach = res::kShadowThickness - 2;
    const bool rightEdge = entry.name.back() == '1';
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool inside = rightEdge ? x < reach : y < reach;
            if (inside && (x + y) % 2 == 0) image.setPixel(x, y, kBlack);
        }
    return image;
}

// The stock's edge: the edges of the cards under the top one. Column (for the bottom edge:
// row) i is the edge of the card lying 15 - i pixels up and left of the pile's base; the
// image starts 13 pixels before the base, so that card's edge begins at i - 2.
QImage DrawBorder(const ResourceEntry& entry, const res::CardSizeSpec& size) {
    constexpr int kEdgeLead = 2;
    QImage image = BlankImage(entry, kBorderKey);
    const bool rightEdge = entry.name.back() == '1';
    const int cardLength = rightEdge ? size.height : size.width;
    for (int layer = 0; layer < res::kBorderDepth; ++layer) {
        const QRgb colour = layer % 2 == 0 ? qRgb(224, 224, 224) : qRgb(140, 140, 140);
        const int first = layer - kEdgeLead;
        for (int along = std::max(first, 0); along < first + cardLength; ++along) {
            const int x = rightEdge ? layer : along;
            const int y = rightEdge ? along : layer;
            if (image.valid(x, y)) image.setPixel(x, y, colour);
        }
    }
    return image;
}

char SizeLetter(const ResourceEntry& entry) {
    switch (entry.family) {
        case res::ResourceFamily::Joker: return entry.name.back();  // "JOKER_" + size
        case res::ResourceFamily::Shadow:
        case res::ResourceFamily::Border: return entry.name[entry.name.size() - 2];  // ... + size + 1 or 2
        default: return entry.name[1];                                               // "C", "D" or "W" + size + ...
    }
}

}  // namespace

QImage DrawCardImage(const ResourceEntry& entry) {
    const res::CardSizeSpec* size = res::FindCardSize(SizeLetter(entry));
    if (size == nullptr) return BlankImage(entry, kWhite);
    switch (entry.family) {
        case res::ResourceFamily::CardStrip: return DrawStrip(entry, *size);
        case res::ResourceFamily::Joker: return DrawJoker(entry);
        case res::ResourceFamily::CardBack: return DrawBack(entry);
        case res::ResourceFamily::PileMark: return DrawPileMark(entry);
        case res::ResourceFamily::Shadow: return DrawShadow(entry);
        case res::ResourceFamily::Border: return DrawBorder(entry, *size);
        default: return BlankImage(entry, kWhite);
    }
}

}  // namespace placeholders
