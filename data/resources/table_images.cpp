#include "pixel_font.h"
#include "placeholder_art.h"

#include <QPainter>
#include <QPainterPath>

#include <cstdint>
#include <string>

namespace placeholders {

namespace res = platform::resources;

namespace {

constexpr QRgb kSilver = qRgb(192, 192, 192);
constexpr QRgb kGrey = qRgb(128, 128, 128);

// A small deterministic generator for textures: the same image on every build.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : m_state(seed) {}
    int Next(int n) {
        m_state = m_state * 1103515245u + 12345u;
        return static_cast<int>((m_state >> 16) % static_cast<std::uint32_t>(n));
    }

private:
    std::uint32_t m_state;
};

QImage DrawBackground(const ResourceEntry& entry) {
    const int number = std::stoi(entry.name.substr(1));
    QImage image = BlankImage(entry, kWhite);
    QPainter painter(&image);
    const int w = image.width(), h = image.height();
    Noise noise(static_cast<std::uint32_t>(number));
    switch (number % 4) {
        case 0: {  // bricks
            painter.fillRect(image.rect(), QColor(150, 60, 40));
            painter.setPen(QColor(200, 190, 170));
            for (int y = 0; y < h; y += 16) {
                painter.drawLine(0, y, w, y);
                for (int x = (y / 16) % 2 * 16; x < w; x += 32) painter.drawLine(x, y, x, y + 15);
            }
            break;
        }
        case 1: {  // planks
            for (int x = 0; x < w; ++x)
                for (int y = 0; y < h; ++y) {
                    const int shade = 110 + ((x / 16) * 13) % 40 + noise.Next(12);
                    image.setPixel(x, y, qRgb(shade + 40, shade, shade / 2));
                }
            painter.setPen(QColor(70, 40, 20));
            for (int x = 0; x < w; x += 16) painter.drawLine(x, 0, x, h);
            break;
        }
        case 2: {  // woven checks
            for (int x = 0; x < w; ++x)
                for (int y = 0; y < h; ++y) {
                    const bool dark = ((x / 8) + (y / 8)) % 2 == 0;
                    const int jitter = noise.Next(20);
                    image.setPixel(x, y,
                                   dark ? qRgb(30 + jitter, 60 + jitter, 120 + jitter)
                                        : qRgb(60 + jitter, 100 + jitter, 160 + jitter));
                }
            break;
        }
        default: {  // grass and metal: a grainy surface in the number's colour
            const QColor base = QColor::fromHsv((number * 29) % 360, 150, 150);
            for (int x = 0; x < w; ++x)
                for (int y = 0; y < h; ++y) image.setPixel(x, y, base.lighter(90 + noise.Next(30)).rgb());
            break;
        }
    }
    return image;
}

QImage DrawPreview(const ResourceEntry& entry) {
    // The top-left colour is left out when the preview is shown, so the frame shows through.
    QImage image = BlankImage(entry, qRgb(0, 64, 0));
    const int id = std::stoi(entry.name.substr(4));
    Noise noise(static_cast<std::uint32_t>(id) + 1);
    QPainter painter(&image);
    constexpr int kCardW = 22, kCardH = 30, kGap = 8, kMargin = 12;
    const int columns = 4 + id % 6;
    painter.setPen(QColor(64, 64, 64));
    for (int column = 0; column < columns; ++column) {
        const int x = kMargin + column * (kCardW + kGap);
        painter.setBrush(QColor(kWhite));
        painter.drawRect(x, kMargin, kCardW, kCardH);
        const int fan = 1 + noise.Next(5);
        for (int card = 0; card < fan; ++card) {
            painter.setBrush(card + 1 == fan ? QColor(kWhite) : QColor(40, 80, 200));
            painter.drawRect(x, kMargin + kCardH + kGap + card * 10, kCardW, kCardH);
        }
    }
    painter.end();
    const std::string label = "GAME " + entry.name.substr(4);
    constexpr int kScale = 3;
    DrawPixelText(image, image.width() - PixelTextWidth(label, kScale) - kMargin,
                  image.height() - kGlyphHeight * kScale - kMargin, label, kScale, QColor(220, 220, 120));
    return image;
}

QImage DrawFolderIcon(const ResourceEntry& entry) {
    QImage image = BlankImage(entry, kWhite);
    QPainter painter(&image);
    const bool open = entry.name.back() == '2' || entry.name.back() == '4';
    painter.setPen(QColor(120, 90, 0));
    painter.setBrush(QColor(240, 200, 60));
    painter.drawRect(1, 4, 13, 9);
    painter.drawRect(1, 2, 5, 2);
    if (open) {
        painter.setBrush(QColor(255, 230, 120));
        painter.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 13), QPoint(1, 13)}));
    }
    painter.end();
    // The letter before "_TREE" tells the folders apart.
    const std::size_t underscore = entry.name.find('_');
    if (underscore == 1) DrawPixelText(image, 6, 7, entry.name.substr(0, 1), 1, QColor(kBlack));
    return image;
}

QImage DrawTypeIcon(const ResourceEntry& entry) {
    QImage image = BlankImage(entry, kWhite);
    const std::string key = entry.name;
    const std::uint32_t seed = static_cast<std::uint32_t>(std::hash<std::string>{}(key.substr(0, key.find("_TYPE"))));
    QPainter painter(&image);
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(QColor::fromHsv(static_cast<int>(seed % 360), 160, 200));
    painter.drawRect(3, 1, 9, 13);
    painter.setBrush(QColor(kWhite));
    painter.drawRect(5, 3, 5, 5);
    const bool win = key.ends_with(res::kWinSuffix) && !key.ends_with(res::kNoWinSuffix);
    if (key.ends_with(res::kNoWinSuffix) || win) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(win ? QColor(0, 160, 0) : QColor(200, 0, 0));
        painter.drawEllipse(9, 9, 6, 6);
    }
    return image;
}

QImage DrawGauge(const ResourceEntry& entry) {
    struct Group {
        std::string_view prefix;
        int levels;
    };
    static constexpr std::array<Group, 4> kGroups{
        {{"PROG_TIME_", 3}, {"PROG_DIFF_", 3}, {"PROG_CHAN_", 5}, {"PROG_SKILL_", 5}}};
    QImage image = BlankImage(entry, kWhite);
    QPainter painter(&image);
    painter.setPen(QColor(kGrey));
    painter.drawRect(0, 0, image.width() - 1, image.height() - 1);
    // A gauge's level is its place among the names of its group.
    int level = 0, levels = 1;
    for (const Group& group : kGroups) {
        if (!entry.name.starts_with(group.prefix)) continue;
        levels = group.levels;
        for (std::string_view gauge : res::kGauges) {
            if (gauge == entry.name) break;
            if (gauge.starts_with(group.prefix)) ++level;
        }
    }
    if (entry.name == "PROG_DISABLED") {
        painter.fillRect(1, 1, image.width() - 2, image.height() - 2, QColor(kSilver));
        return image;
    }
    const int filled = (image.width() - 2) * (level + 1) / levels;
    painter.fillRect(1, 1, filled, image.height() - 2,
                     QColor::fromHsv(120 - 120 * level / std::max(levels - 1, 1), 200, 200));
    return image;
}

QImage DrawGlyph(const ResourceEntry& entry) {
    QImage image = BlankImage(entry, kSilver);
    const bool disabled = entry.name.ends_with(res::kDisabledSuffix);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto draw = [&](QColor colour, QPointF shift) {
        painter.setPen(QPen(colour, 2));
        painter.setBrush(Qt::NoBrush);
        if (entry.name.starts_with("TB_UNDO") || entry.name.starts_with("TB_REDO")) {
            const bool undo = entry.name.starts_with("TB_UNDO");
            QPainterPath arc;
            arc.moveTo(QPointF(undo ? 4 : 12, 7) + shift);
            arc.cubicTo(QPointF(undo ? 8 : 8, 2) + shift, QPointF(undo ? 15 : 1, 5) + shift,
                        QPointF(undo ? 11 : 5, 13) + shift);
            painter.drawPath(arc);
            painter.setBrush(colour);
            painter.setPen(Qt::NoPen);
            const double tip = undo ? 1 : 15, back = undo ? 6 : 10;
            painter.drawPolygon(
                QPolygonF({QPointF(tip, 7) + shift, QPointF(back, 3) + shift, QPointF(back, 11) + shift}));
        } else {  // autoplay: an arrow going up to a foundation
            painter.drawRect(QRectF(QPointF(4, 1) + shift, QSizeF(8, 5)));
            painter.drawLine(QPointF(8, 14) + shift, QPointF(8, 8) + shift);
            painter.setBrush(colour);
            painter.setPen(Qt::NoPen);
            painter.drawPolygon(QPolygonF({QPointF(8, 6) + shift, QPointF(4, 10) + shift, QPointF(12, 10) + shift}));
        }
    };
    if (disabled) {
        draw(QColor(kWhite), QPointF(1, 1));
        draw(QColor(kGrey), QPointF(0, 0));
    } else {
        draw(QColor(0, 0, 128), QPointF(0, 0));
    }
    return image;
}

QImage DrawSuitImage(const ResourceEntry& entry) {
    QImage image = BlankImage(entry, kWhite);
    int suit = 0;
    for (std::size_t i = 0; i < res::kSuitImages.size(); ++i)
        if (res::kSuitImages[i] == entry.name) suit = static_cast<int>(i);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawPip(painter, suit, QRectF(0, 0, image.width(), image.height()));
    return image;
}

}  // namespace

QImage DrawTableImage(const ResourceEntry& entry) {
    switch (entry.family) {
        case res::ResourceFamily::Background: return DrawBackground(entry);
        case res::ResourceFamily::GamePreview: return DrawPreview(entry);
        case res::ResourceFamily::FolderIcon: return DrawFolderIcon(entry);
        case res::ResourceFamily::TypeIcon: return DrawTypeIcon(entry);
        case res::ResourceFamily::Gauge: return DrawGauge(entry);
        case res::ResourceFamily::ToolbarGlyph: return DrawGlyph(entry);
        case res::ResourceFamily::SuitImage: return DrawSuitImage(entry);
        default: return BlankImage(entry, kWhite);
    }
}

}  // namespace placeholders
