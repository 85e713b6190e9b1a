// Draws every resource of the card resource library into a folder, with the resource
// collection file (QND.qrc) that rcc builds the library from.
//
//   generate_resources OUTPUT_FOLDER

#include "art.h"
#include "fonts.h"

#include "platform/core/resource_library.h"
#include "platform/core/resource_names.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QString>

#include <cstdio>

namespace {

namespace res = platform::resources;

constexpr const char* kCollectionName = "QND.qrc";

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Writes only when the content changed, so that an unchanged library is not rebuilt.
bool WriteIfChanged(const QString& path, const QByteArray& content) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content) return true;
    existing.close();
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}

QByteArray EncodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QImage DrawImage(const res::ResourceEntry& entry) {
    switch (entry.family) {
        case res::ResourceFamily::CardStrip: return art::DrawCardStrip(entry);
        case res::ResourceFamily::Joker: return art::DrawJoker(entry);
        case res::ResourceFamily::CardBack: return art::DrawCardBack(entry);
        case res::ResourceFamily::PileMark: return art::DrawPileMark(entry);
        case res::ResourceFamily::Shadow: return art::DrawShadow(entry);
        case res::ResourceFamily::Border: return art::DrawBorder(entry);
        case res::ResourceFamily::Background: return art::DrawBackground(entry);
        case res::ResourceFamily::FolderIcon: return art::DrawFolderIcon(entry);
        case res::ResourceFamily::TypeIcon: return art::DrawTypeIcon(entry);
        case res::ResourceFamily::Gauge: return art::DrawGauge(entry);
        case res::ResourceFamily::ToolbarGlyph: return art::DrawToolbarGlyph(entry);
        case res::ResourceFamily::SuitImage: return art::DrawSuitImage(entry);
        case res::ResourceFamily::WindowPicture: return art::DrawWindowPicture(entry);
        case res::ResourceFamily::Cursor:
        case res::ResourceFamily::Sound: break;
    }
    return {};
}

// The encoded content of one resource; empty when it could not be made as expected.
QByteArray MakeResource(const res::ResourceEntry& entry) {
    switch (entry.kind) {
        case res::ResourceKind::Bitmap: {
            const QImage image = DrawImage(entry);
            // A picture of another size than its users expect would be cut wrongly.
            if (image.width() != entry.width || image.height() != entry.height) return {};
            return EncodePng(image);
        }
        case res::ResourceKind::Cursor: {
            QPoint hotSpot;
            QImage image = art::DrawCursor(entry, hotSpot);
            if (image.width() != entry.width || !image.rect().contains(hotSpot)) return {};
            image.setText(Text(platform::kCursorHotSpotXKey), QString::number(hotSpot.x()));
            image.setText(Text(platform::kCursorHotSpotYKey), QString::number(hotSpot.y()));
            return EncodePng(image);
        }
        case res::ResourceKind::Wave: return art::MakeSound(entry.name);
    }
    return {};
}

QString ExtensionOf(res::ResourceKind kind) {
    return kind == res::ResourceKind::Wave ? QStringLiteral(".wav") : QStringLiteral(".png");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_resources OUTPUT_FOLDER\n");
        return 2;
    }
    // Text needs the font database, which needs an application; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    art::LoadFaces();

    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (res::ResourceKind kind : {res::ResourceKind::Bitmap, res::ResourceKind::Cursor, res::ResourceKind::Wave}) {
        if (!folder.mkpath(Text(res::FolderOf(kind)))) {
            std::fprintf(stderr, "generate_resources: cannot create folders in %s\n", argv[1]);
            return 1;
        }
    }
    QByteArray collection = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const res::ResourceEntry& entry : res::AllResources()) {
        const QByteArray content = MakeResource(entry);
        const QString relative =
            Text(res::FolderOf(entry.kind)) + '/' + QString::fromStdString(entry.name) + ExtensionOf(entry.kind);
        if (content.isEmpty() || !WriteIfChanged(folder.filePath(relative), content)) {
            std::fprintf(stderr, "generate_resources: cannot make %s\n", entry.name.c_str());
            return 1;
        }
        collection += "  <file>" + relative.toUtf8() + "</file>\n";
    }
    collection += "</qresource>\n</RCC>\n";
    if (!WriteIfChanged(folder.filePath(QString::fromLatin1(kCollectionName)), collection)) {
        std::fprintf(stderr, "generate_resources: cannot write %s\n", kCollectionName);
        return 1;
    }
    return 0;
}
