#include "fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>
#include <QTransform>

#include <array>
#include <cstdio>

namespace art {

namespace {

struct FaceFile {
    const char* file;
    const char* family;
    bool bold;
};
constexpr std::array<FaceFile, 4> kFaceFiles{{
    {"DejaVuSans.ttf", "DejaVu Sans", false},
    {"DejaVuSans-Bold.ttf", "DejaVu Sans", true},
    {"DejaVuSerif.ttf", "DejaVu Serif", false},
    {"DejaVuSerif-Bold.ttf", "DejaVu Serif", true},
}};
constexpr std::array<const char*, 2> kFontFolders{"/usr/share/fonts/truetype/dejavu/", "/usr/share/fonts/dejavu/"};

// Outlines are taken at this size and scaled, so every size has the same shapes.
constexpr double kReferencePixels = 200.0;

std::array<QString, 4> g_families;  // the family each face resolves to

QString LoadFace(const FaceFile& face) {
    for (const char* folder : kFontFolders) {
        const QString path = QString::fromLatin1(folder) + QString::fromLatin1(face.file);
        if (!QFile::exists(path)) continue;
        const int id = QFontDatabase::addApplicationFont(path);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) return families.front();
    }
    return {};
}

const FaceFile& FileOf(Face face) { return kFaceFiles[static_cast<std::size_t>(face)]; }

}  // namespace

bool LoadFaces() {
    bool all = true;
    for (std::size_t i = 0; i < kFaceFiles.size(); ++i) {
        g_families[i] = LoadFace(kFaceFiles[i]);
        if (g_families[i].isEmpty()) {
            std::fprintf(stderr, "generate_resources: %s not found (install fonts-dejavu-core); using a stand-in\n",
                         kFaceFiles[i].file);
            g_families[i] = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
            all = false;
        }
    }
    return all;
}

QFont FontOf(Face face, double pixelSize) {
    QString family = g_families[static_cast<std::size_t>(face)];
    if (family.isEmpty()) family = QString::fromLatin1(FileOf(face).family);
    QFont font(family);
    font.setPixelSize(static_cast<int>(pixelSize + 0.5));
    font.setBold(FileOf(face).bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

QPainterPath FitText(const QString& text, Face face, const QRectF& box, Qt::Alignment alignment) {
    const QFont font = FontOf(face, kReferencePixels);
    QPainterPath capital;
    capital.addText(0, 0, font, QStringLiteral("H"));
    const double capHeight = capital.boundingRect().height();
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    if (capHeight <= 0 || ink.width() <= 0) return {};

    const double scale = box.height() / capHeight;
    const double scaleX = std::min(scale, box.width() / ink.width());
    double left = box.left();
    if (alignment & Qt::AlignHCenter) left = box.center().x() - ink.width() * scaleX / 2;
    if (alignment & Qt::AlignRight) left = box.right() - ink.width() * scaleX;
    QTransform place;
    place.translate(left, box.bottom());
    place.scale(scaleX, scale);
    place.translate(-ink.left(), 0);
    return place.map(path);
}

}  // namespace art
