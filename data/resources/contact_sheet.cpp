// Writes one picture of every image and cursor in the card resource library, each with
// its name, grouped by family, so that the whole set can be reviewed at a glance.
//
//   corvanet-contact-sheet OUTPUT.png [QND.RGF]
//
// Without a library path it reads the one the build lays in the program folder.

#include "platform/core/paths.h"
#include "platform/core/resource_names.h"
#include "platform/qt/cursors.h"
#include "platform/qt/resource_bundle.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

namespace res = platform::resources;

constexpr int kSheetWidth = 2200;
constexpr int kGap = 10;
constexpr int kLabelHeight = 14;
constexpr int kHeadingHeight = 28;
constexpr int kTinyImage = 32;  // images up to this size are shown enlarged as well
constexpr int kZoom = 3;
constexpr QRgb kPage = qRgb(58, 62, 70);
constexpr QRgb kLabel = qRgb(230, 230, 230);

struct FamilyHeading {
    res::ResourceFamily family;
    const char* text;
};
constexpr std::array<FamilyHeading, 15> kHeadings{{
    {res::ResourceFamily::CardStrip, "Card faces (suit strips)"},
    {res::ResourceFamily::Joker, "Jokers"},
    {res::ResourceFamily::CardBack, "Card backs"},
    {res::ResourceFamily::PileMark, "Pile and rule marks"},
    {res::ResourceFamily::Shadow, "Shadows (white is left out)"},
    {res::ResourceFamily::Border, "Stock edges (blue is left out)"},
    {res::ResourceFamily::Background, "Backgrounds"},
    {res::ResourceFamily::FolderIcon, "Folder icons (maroon is left out)"},
    {res::ResourceFamily::TypeIcon, "Game type keys"},
    {res::ResourceFamily::Gauge, "Gauges"},
    {res::ResourceFamily::ToolbarGlyph, "Toolbar glyphs"},
    {res::ResourceFamily::SuitImage, "Joker caption suits"},
    {res::ResourceFamily::WindowPicture, "Window pictures"},
    {res::ResourceFamily::Cursor, "Cursors"},
    {res::ResourceFamily::Sound, ""},
}};

struct Tile {
    QString name;
    QImage image;  // null when the library lacks the entry
    bool cursor = false;
};

QImage Decode(const std::string& data) {
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(data.data()), static_cast<int>(data.size()));
    return image;
}

QSize TileSize(const Tile& tile, const QFontMetrics& metrics) {
    const QSize image = tile.image.isNull() ? QSize(48, 48) : tile.image.size();
    int width = image.width();
    int height = image.height();
    if (std::max(width, height) <= kTinyImage) {
        width += kGap + image.width() * kZoom;
        height = image.height() * kZoom;
    }
    width = std::max(width, metrics.horizontalAdvance(tile.name));
    return {width, height + kLabelHeight};
}

// A checked ground, so that a cursor's transparent parts show as such.
void DrawChecks(QPainter& painter, const QRect& area) {
    constexpr int kCheck = 4;
    for (int y = area.top(); y < area.bottom(); y += kCheck)
        for (int x = area.left(); x < area.right(); x += kCheck)
            painter.fillRect(QRect(x, y, kCheck, kCheck).intersected(area),
                             ((x - area.left()) / kCheck + (y - area.top()) / kCheck) % 2 ? QColor(150, 150, 150)
                                                                                          : QColor(210, 210, 210));
}

void DrawTile(QPainter& painter, const Tile& tile, QPoint at) {
    painter.setPen(QColor(kLabel));
    painter.drawText(QPoint(at.x(), at.y() + kLabelHeight - 3), tile.name);
    const QPoint top(at.x(), at.y() + kLabelHeight);
    if (tile.image.isNull()) {
        painter.fillRect(QRect(top, QSize(48, 48)), QColor(200, 0, 0));
        painter.drawText(QRect(top, QSize(48, 48)), Qt::AlignCenter, QStringLiteral("missing"));
        return;
    }
    const auto draw = [&](QRect target) {
        if (tile.cursor) DrawChecks(painter, target);
        painter.drawImage(target, tile.image);
    };
    draw(QRect(top, tile.image.size()));
    if (std::max(tile.image.width(), tile.image.height()) <= kTinyImage)
        draw(QRect(QPoint(top.x() + tile.image.width() + kGap, top.y()), tile.image.size() * kZoom));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: corvanet-contact-sheet OUTPUT.png [QND.RGF]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const std::filesystem::path library =
        argc == 3 ? std::filesystem::path(argv[2])
                  : platform::PathResolver::ExecutableFolder().parent_path() / "program" / "QND.RGF";
    platform::ResourceBundle bundle;
    if (!bundle.Open(library)) {
        const std::string why = bundle.Problem().empty() ? "" : ": " + bundle.Problem();
        std::fprintf(stderr, "corvanet-contact-sheet: cannot open %s%s\n", library.string().c_str(), why.c_str());
        return 1;
    }

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    QFont headingFont(QStringLiteral("DejaVu Sans"));
    headingFont.setPixelSize(18);
    headingFont.setBold(true);
    const QFontMetrics metrics(font);

    // Lay the tiles out in rows, family by family, and measure the sheet.
    struct Placed {
        Tile tile;
        QPoint at;
    };
    struct Heading {
        QString text;
        int y;
    };
    std::vector<Placed> placed;
    std::vector<Heading> headings;
    const std::vector<res::ResourceEntry> entries = res::AllResources();
    int y = kGap;
    int missing = 0;
    for (const FamilyHeading& family : kHeadings) {
        int x = kGap, rowHeight = 0;
        bool any = false;
        for (const res::ResourceEntry& entry : entries) {
            if (entry.family != family.family || entry.kind == res::ResourceKind::Wave) continue;
            if (!any) {
                headings.push_back({QString::fromLatin1(family.text), y});
                y += kHeadingHeight;
                any = true;
            }
            Tile tile{QString::fromStdString(entry.name), {}, entry.kind == res::ResourceKind::Cursor};
            if (tile.cursor) {
                const std::optional<QCursor> cursor = platform::CursorFromData(bundle.CursorData(entry.name));
                if (cursor) tile.image = cursor->pixmap().toImage();
            } else {
                tile.image = Decode(bundle.BitmapData(entry.name));
            }
            if (tile.image.isNull()) ++missing;
            const QSize size = TileSize(tile, metrics);
            if (x > kGap && x + size.width() > kSheetWidth) {
                x = kGap;
                y += rowHeight + kGap;
                rowHeight = 0;
            }
            placed.push_back({tile, QPoint(x, y)});
            x += size.width() + kGap;
            rowHeight = std::max(rowHeight, size.height());
        }
        if (any) y += rowHeight + 2 * kGap;
    }

    QImage sheet(kSheetWidth, y, QImage::Format_RGB32);
    sheet.fill(kPage);
    QPainter painter(&sheet);
    painter.setFont(headingFont);
    painter.setPen(QColor(kLabel));
    for (const Heading& heading : headings) painter.drawText(QPoint(kGap, heading.y + 20), heading.text);
    painter.setFont(font);
    for (const Placed& tile : placed) DrawTile(painter, tile.tile, tile.at);
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "corvanet-contact-sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%zu images, %d missing\n", placed.size(), missing);
    return missing == 0 ? 0 : 1;
}
