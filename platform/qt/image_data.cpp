#include "platform/qt/image_data.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <climits>

namespace platform {

namespace {

constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1a\n";
constexpr std::string_view kBmpSignature = "BM";

const char* FormatOf(std::string_view data) {
    if (data.starts_with(kPngSignature)) return "PNG";
    if (data.starts_with(kBmpSignature)) return "BMP";
    return nullptr;
}

}  // namespace

QImage DecodeImage(std::string_view data) {
    if (data.empty() || data.size() > static_cast<std::size_t>(INT_MAX)) return QImage();
    QByteArray bytes = QByteArray::fromRawData(data.data(), static_cast<qsizetype>(data.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const char* format = FormatOf(data);
    QImageReader reader(&buffer, format);
    // Told the format, the reader still asks every plugin about it unless it may not guess.
    reader.setAutoDetectImageFormat(format == nullptr);
    return reader.read();
}

}  // namespace platform
