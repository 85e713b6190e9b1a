#include "platform/qt/desktop.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QUrl>

namespace platform {

namespace {

// "mailto:x", "http://x": a scheme of at least two letters ("C:" is a drive, not a scheme).
bool HasScheme(const QString& text) {
    const QUrl url(text);
    return url.isValid() && url.scheme().size() > 1;
}

}  // namespace

int DesktopShellOpen::Open(const std::string& file, const std::string&, const std::string& folder, int) {
    const QString name = QString::fromStdString(file);
    if (name.isEmpty()) return kShellFileNotFound;
    QUrl url;
    if (HasScheme(name)) {
        url = QUrl(name);
    } else {
        const QString local = QDir(QString::fromStdString(folder))
                                  .absoluteFilePath(QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')));
        if (!QFileInfo::exists(local)) return kShellFileNotFound;
        url = QUrl::fromLocalFile(local);
    }
    return QDesktopServices::openUrl(url) ? kShellOpened : kShellNoAssociation;
}

std::vector<std::string> FontCatalog::FontFamilies() const {
    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::families()) families.push_back(family.toStdString());
    return families;
}

}  // namespace platform
