// The pictures the program's windows carry: the splash window's title strip, logo,
// picture and name strip, the About box's picture, the newsletter's envelope, the advice
// box's two pages and the chooser's picture for a selected folder.

#include "art.h"
#include "card_faces.h"
#include "fonts.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace art {

namespace {

constexpr QRgb kFelt = qRgb(0, 110, 40);
constexpr QRgb kDeepFelt = qRgb(0, 48, 20);
constexpr QRgb kGold = qRgb(236, 192, 72);
constexpr QRgb kInk = qRgb(40, 40, 48);
const QString kProduct = QStringLiteral("Corvanet Solitaire");

void FeltGround(QPainter& p, const QRectF& area) {
    QRadialGradient felt(area.center(), std::max(area.width(), area.height()) * 0.7);
    felt.setColorAt(0, QColor(kFelt));
    felt.setColorAt(1, QColor(kDeepFelt));
    p.fillRect(area, felt);
}

void Text(QPainter& p, const QString& text, Face face, const QRectF& box, QRgb colour, bool shadow = true) {
    const QPainterPath path = FitText(text, face, box);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    if (shadow) {
        p.setBrush(QColor(0, 0, 0, 140));
        p.drawPath(path.translated(1, 1));
    }
    p.setBrush(QColor(colour));
    p.drawPath(path);
}

// A card turned about the middle of its bottom edge, drawn at (x, y) before the turn.
void TurnedCard(QPainter& p, const QImage& card, QPointF pivot, double degrees) {
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(pivot);
    p.rotate(degrees);
    // A soft shadow under the card.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(-card.width() / 2.0 + 2, -card.height() + 2, card.width(), card.height()), 3, 3);
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(-card.width() / 2.0, -card.height(), card.width(), card.height()), 3, 3);
    p.setClipPath(rounded);
    p.drawImage(QPointF(-card.width() / 2.0, -card.height()), card);
    p.restore();
}

// A fan of cards rising from one point.
void Fan(QPainter& p, QPointF pivot, const std::vector<QImage>& cards, double spread) {
    const double first = -spread * (static_cast<double>(cards.size()) - 1) / 2;
    for (std::size_t i = 0; i < cards.size(); ++i)
        TurnedCard(p, cards[i], pivot, first + spread * static_cast<double>(i));
}

std::vector<QImage> Aces(char size) {
    return {DrawFace(size, "001", Suit::Clubs, 1), DrawFace(size, "001", Suit::Diamonds, 1),
            DrawFace(size, "001", Suit::Spades, 1), DrawFace(size, "001", Suit::Hearts, 1)};
}

void FourSuits(QPainter& p, QPointF centre, double spacing, double size) {
    for (int suit = 0; suit < kSuitCount; ++suit) {
        const QPointF at = centre + QPointF((suit - 1.5) * spacing, 0);
        DrawSuit(p, SuitOfIndex(suit), QRectF(at.x() - size / 2, at.y() - size / 2, size, size),
                 QColor(IsRed(SuitOfIndex(suit)) ? qRgb(220, 40, 50) : kWhite));
    }
}

QImage SplashTitle(int w, int h) {
    QImage image = OpaqueImage(w, h, kDeepFelt);
    QPainter p(&image);
    QLinearGradient band(0, 0, 0, h);
    band.setColorAt(0, QColor(kFelt));
    band.setColorAt(1, QColor(kDeepFelt));
    p.fillRect(image.rect(), band);
    p.setPen(QColor(kGold));
    p.drawLine(0, h - 3, w, h - 3);
    Text(p, kProduct, Face::SerifBold, QRectF(60, h * 0.25, w - 120, h * 0.42), kGold);
    for (int side = 0; side < 2; ++side) {
        const double x = side == 0 ? 28 : w - 28;
        DrawSuit(p, side == 0 ? Suit::Spades : Suit::Hearts, QRectF(x - 9, h / 2.0 - 10, 18, 18),
                 QColor(side == 0 ? kWhite : qRgb(220, 40, 50)));
    }
    return image;
}

QImage Logo(int w, int h) {
    QImage image = OpaqueImage(w, h, kWhite);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(w / 2.0, h / 2.0);
    const double r = std::min(w, h) / 2.0 - 3;
    QRadialGradient disc(c - QPointF(r / 3, r / 3), r * 1.4);
    disc.setColorAt(0, QColor(kFelt).lighter(130));
    disc.setColorAt(1, QColor(kDeepFelt));
    p.setBrush(disc);
    p.setPen(QPen(QColor(kGold), 3));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(kGold), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r - 6, r - 6);
    // The four suits round a monogram.
    const double s = r * 0.3;
    const std::array<QPointF, kSuitCount> places{QPointF(0, -1), QPointF(1, 0), QPointF(0, 1), QPointF(-1, 0)};
    for (int suit = 0; suit < kSuitCount; ++suit) {
        const QPointF at = c + places[static_cast<std::size_t>(suit)] * r * 0.62;
        DrawSuit(p, SuitOfIndex(suit), QRectF(at.x() - s / 2, at.y() - s / 2, s, s),
                 QColor(IsRed(SuitOfIndex(suit)) ? qRgb(230, 60, 60) : kWhite));
    }
    Text(p, QStringLiteral("C"), Face::SerifBold, QRectF(c.x() - r * 0.3, c.y() - r * 0.28, r * 0.6, r * 0.56), kGold);
    return image;
}

QImage SplashPicture(int w, int h) {
    QImage image = OpaqueImage(w, h, kDeepFelt);
    QPainter p(&image);
    FeltGround(p, image.rect());
    std::vector<QImage> cards = Aces('B');
    cards.insert(cards.begin() + 2, DrawJokerFace('B'));
    Fan(p, QPointF(w / 2.0, h - 22), cards, 17);
    return image;
}

QImage SplashName(int w, int h) {
    QImage image = OpaqueImage(w, h, kDeepFelt);
    QPainter p(&image);
    p.setPen(QColor(kGold));
    p.drawLine(0, 1, w, 1);
    Text(p, QStringLiteral("C O R V A N E T   S O L I T A I R E"), Face::Sans, QRectF(70, h * 0.3, w - 140, h * 0.38),
         kGold, false);
    FourSuits(p, QPointF(32, h / 2.0), 11, 9);
    FourSuits(p, QPointF(w - 32, h / 2.0), 11, 9);
    return image;
}

QImage AboutPicture(int w, int h) {
    QImage image = OpaqueImage(w, h, kDeepFelt);
    QPainter p(&image);
    FeltGround(p, image.rect());
    Fan(p, QPointF(w / 2.0, h - 12),
        {DrawFace('M', "001", Suit::Clubs, kJack), DrawFace('M', "001", Suit::Hearts, kKing),
         DrawFace('M', "001", Suit::Spades, 12)},
        20);
    return image;
}

QImage Newsletter(int w, int h) {
    QImage image = OpaqueImage(w, h, kWhite);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF envelope(4.5, 14.5, w - 9, h - 26);
    p.setPen(QPen(QColor(kInk), 1.2));
    p.setBrush(QColor(250, 246, 232));
    p.drawRect(envelope);
    p.drawPolyline(QPolygonF(
        {envelope.topLeft(), QPointF(envelope.center().x(), envelope.center().y() + 4), envelope.topRight()}));
    // A card for a stamp, and a seal.
    const QImage stamp = DrawFace('L', "001", Suit::Hearts, 1);
    PasteCard(image, stamp, QPoint(static_cast<int>(envelope.right()) - 30, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 40));
    p.drawEllipse(QPointF(envelope.center().x(), envelope.center().y() + 5), 5, 5);
    return image;
}

QImage Monitor(int w, int h, bool colours) {
    QImage image = OpaqueImage(w, h, kWhite);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(kInk), 1.2));
    p.setBrush(QColor(200, 204, 210));
    p.drawRoundedRect(QRectF(3.5, 5.5, w - 7, h - 20), 3, 3);
    p.drawRect(QRectF(w / 2.0 - 6, h - 15, 12, 6));
    p.drawRoundedRect(QRectF(w / 2.0 - 16, h - 9.5, 32, 5), 2, 2);
    const QRectF screen(8, 10, w - 16, h - 30);
    if (colours) {
        // Bars of colour: the display's depth.
        constexpr std::array<QRgb, 6> kBars{qRgb(220, 40, 40), qRgb(240, 160, 30), qRgb(240, 230, 40),
                                            qRgb(40, 170, 60), qRgb(40, 90, 220),  qRgb(140, 60, 180)};
        p.setPen(Qt::NoPen);
        for (std::size_t i = 0; i < kBars.size(); ++i)
            p.fillRect(QRectF(screen.left() + screen.width() * static_cast<double>(i) / 6, screen.top(),
                              screen.width() / 6 + 0.5, screen.height()),
                       QColor(kBars[i]));
    } else {
        // A small table, with arrows out to the screen's edges: its size.
        p.fillRect(screen, QColor(kFelt));
        QPen arrow{QColor(kWhite)};
        arrow.setWidthF(1.3);
        p.setPen(arrow);
        const QPointF c = screen.center();
        p.drawLine(QPointF(screen.left() + 3, c.y()), QPointF(screen.right() - 3, c.y()));
        p.drawLine(QPointF(c.x(), screen.top() + 3), QPointF(c.x(), screen.bottom() - 3));
        for (int side = -1; side <= 1; side += 2) {
            const QPointF end(side < 0 ? screen.left() + 3 : screen.right() - 3, c.y());
            p.drawLine(end, end + QPointF(-side * 4, -3));
            p.drawLine(end, end + QPointF(-side * 4, 3));
            const QPointF tip(c.x(), side < 0 ? screen.top() + 3 : screen.bottom() - 3);
            p.drawLine(tip, tip + QPointF(-3, -side * 4));
            p.drawLine(tip, tip + QPointF(3, -side * 4));
        }
    }
    return image;
}

QImage ChooserPicture(int w, int h) {
    QImage image = OpaqueImage(w, h, kWhite);
    QPainter p(&image);
    const QRectF felt(10, 10, w - 20, h - 56);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath rounded;
    rounded.addRoundedRect(felt, 10, 10);
    p.setClipPath(rounded);
    FeltGround(p, felt);
    Fan(p, QPointF(w / 2.0, felt.bottom() - 8), Aces('M'), 18);
    p.setClipping(false);
    Text(p, kProduct, Face::SerifBold, QRectF(40, h - 36, w - 80, 17), kDeepFelt, false);
    return image;
}

}  // namespace

QImage DrawWindowPicture(const ResourceEntry& entry) {
    const std::string& name = entry.name;
    const int w = entry.width, h = entry.height;
    if (name == "PIC_SPLASH_TITLE") return SplashTitle(w, h);
    if (name == "PIC_SPLASH_LOGO") return Logo(w, h);
    if (name == "PIC_SPLASH_PICTURE") return SplashPicture(w, h);
    if (name == "PIC_SPLASH_NAME") return SplashName(w, h);
    if (name == "PIC_ABOUT") return AboutPicture(w, h);
    if (name == "PIC_NEWSLETTER") return Newsletter(w, h);
    if (name == "PIC_ADVICE_COLOR") return Monitor(w, h, true);
    if (name == "PIC_ADVICE_640X480") return Monitor(w, h, false);
    if (name == "PIC_CHOOSER") return ChooserPicture(w, h);
    return OpaqueImage(w, h, kWhite);
}

}  // namespace art
