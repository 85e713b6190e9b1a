#include "platform/qt/cursors.h"

#include "platform/core/resource_library.h"
#include "platform/qt/image_data.h"

#include <QImage>
#include <QPixmap>

namespace platform {

namespace {

int HotSpotCoordinate(const QImage& image, std::string_view key, int limit) {
    bool ok = false;
    const int value = image.text(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()))).toInt(&ok);
    // A hot spot outside the image would make the cursor point off its own picture.
    return ok && value >= 0 && value < limit ? value : 0;
}

}  // namespace

std::optional<QCursor> CursorFromData(std::string_view data) {
    const QImage image = DecodeImage(data);
    if (image.isNull()) return std::nullopt;
    const int hotX = HotSpotCoordinate(image, kCursorHotSpotXKey, image.width());
    const int hotY = HotSpotCoordinate(image, kCursorHotSpotYKey, image.height());
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

bool CursorTable::LoadCursor(int id, const IResourceLibrary& library, std::string_view name) {
    std::optional<QCursor> cursor = CursorFromData(library.CursorData(name));
    if (!cursor) return false;
    m_cursors.insert_or_assign(id, *cursor);
    return true;
}

QCursor CursorTable::Cursor(int id) const {
    const auto found = m_cursors.find(id);
    return found == m_cursors.end() ? QCursor(Qt::ArrowCursor) : found->second;
}

}  // namespace platform
