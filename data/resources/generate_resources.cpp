// Writes a placeholder for every resource of the card resource library into a folder,
// with the resource collection file (QND.qrc) that rcc builds the library from.
//
//   generate_resources OUTPUT_FOLDER

#include "placeholder_art.h"

#include "platform/core/resource_library.h"
#include "platform/core/resource_names.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
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

bool IsCardImage(res::ResourceFamily family) {
    switch (family) {
        case res::ResourceFamily::CardStrip:
        case res::ResourceFamily::Joker:
        case res::ResourceFamily::CardBack:
        case res::ResourceFamily::PileMark:
        case res::ResourceFamily::Shadow:
        case res::ResourceFamily::Border: return true;
        default: return false;
    }
}

// The file of one resource, relative to the output folder; empty on failure.
QString WriteResource(const QDir& folder, const res::ResourceEntry& entry) {
    QByteArray content;
    QString extension;
    switch (entry.kind) {
        case res::ResourceKind::Bitmap: {
            const QImage image =
                IsCardImage(entry.family) ? placeholders::DrawCardImage(entry) : placeholders::DrawTableImage(entry);
            content = EncodePng(image);
            extension = QStringLiteral(".png");
            break;
        }
        case res::ResourceKind::Cursor: {
            QPoint hotSpot;
            QImage image = placeholders::DrawCursor(entry, hotSpot);
            image.setText(Text(platform::kCursorHotSpotXKey), QString::number(hotSpot.x()));
            image.setText(Text(platform::kCursorHotSpotYKey), QString::number(hotSpot.y()));
            content = EncodePng(image);
            extension = QStringLiteral(".png");
            break;
        }
        case res::ResourceKind::Wave:
            content = placeholders::MakeSound(entry.name);
            extension = QStringLiteral(".wav");
            break;
    }
    if (content.isEmpty()) return {};
    const QString relative = Text(res::FolderOf(entry.kind)) + '/' + QString::fromStdString(entry.name) + extension;
    return WriteIfChanged(folder.filePath(relative), content) ? relative : QString();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_resources OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (res::ResourceKind kind : {res::ResourceKind::Bitmap, res::ResourceKind::Cursor, res::ResourceKind::Wave}) {
        if (!folder.mkpath(Text(res::FolderOf(kind)))) {
            std::fprintf(stderr, "generate_resources: cannot create folders in %s\n", argv[1]);
            return 1;
        }
    }
    QByteArray collection = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const res::ResourceEntry& entry : res::AllResources()) {
        const QString relative = WriteResource(folder, entry);
        if (relative.isEmpty()) {
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
