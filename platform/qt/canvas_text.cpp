// Fonts and text of Canvas. Text is the one thing drawn with anti-aliasing.

#include "platform/qt/canvas.h"
#include "platform/qt/canvas_pixels.h"
#include "platform/qt/logical_fonts.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstdint>

namespace platform {

namespace {

// Font sizes are points on a display of 96 dots per inch, as the original platform assumes.
constexpr int kDotsPerInch = 96;
constexpr int kPointsPerInch = 72;
constexpr int kMaxFontPixels = 4096;

int PointsToPixels(int points) {
    const long long pixels = (static_cast<long long>(points) * kDotsPerInch + kPointsPerInch / 2) / kPointsPerInch;
    return static_cast<int>(std::clamp<long long>(pixels, 1, kMaxFontPixels));
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The pixel size whose cell (ascent + descent) is at most the height.
int PixelSizeForCell(QFont font, int cellHeight) {
    int size = std::clamp(cellHeight, 1, kMaxFontPixels);
    for (; size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= cellHeight) break;
    }
    return size;
}

}  // namespace

void Canvas::SetFont(const CanvasFont& font) {
    m_font = font;
    m_qfont.reset();
}

void Canvas::SetFontName(const std::string& name) {
    m_font.name = name;
    m_qfont.reset();
}

void Canvas::SetFontSize(int points) {
    m_font.size = points;
    m_qfont.reset();
}

void Canvas::SetFontStyle(unsigned style) {
    m_font.style = style;
    m_qfont.reset();
}

const QFont& Canvas::QtFont() const {
    if (m_qfont) return *m_qfont;
    QFont font(QString::fromStdString(MappedFace(m_font.name)));
    // Faces of the original platform are missing here; fall back to a sans-serif face.
    font.setStyleHint(QFont::SansSerif);
    if (!m_font.antialiased) font.setStyleStrategy(QFont::NoAntialias);
    if (m_font.height < 0)
        font.setPixelSize(std::clamp(-m_font.height, 1, kMaxFontPixels));
    else if (m_font.height > 0)
        font.setPixelSize(PixelSizeForCell(font, m_font.height));
    else
        font.setPixelSize(PointsToPixels(m_font.size));
    font.setBold((m_font.style & kFontBold) != 0);
    font.setItalic((m_font.style & kFontItalic) != 0);
    font.setUnderline((m_font.style & kFontUnderline) != 0);
    return m_qfont.emplace(font);
}

Size Canvas::TextExtent(std::string_view text) const {
    const QFontMetrics metrics(QtFont());
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

int Canvas::FontAscent() const { return QFontMetrics(QtFont()).ascent(); }

void Canvas::TextOut(int x, int y, std::string_view text) {
    if (text.empty() || m_image->isNull()) return;
    Prepare();
    const QString qtext = ToQString(text);
    const QFontMetrics metrics(QtFont());
    const Size extent{metrics.horizontalAdvance(qtext), metrics.height()};
    const Rect cell = pixels::RectOfSize(x, y, extent.width, extent.height);
    // Glyphs may overhang the cell a little (italics), and turned text leaves it: keep a
    // margin before skipping.
    const int margin = m_font.escapement != 0 ? extent.width + extent.height : extent.height;
    if (std::int64_t{cell.right} + margin <= 0 || std::int64_t{cell.bottom} + margin <= 0 ||
        std::int64_t{cell.left} - margin >= Width() || std::int64_t{cell.top} - margin >= Height())
        return;
    // Turned text may land anywhere the margin reaches; glyphs stay within a cell's height of it.
    const Drawing drawing(*this, m_font.escapement != 0
                                     ? pixels::Bounds(*m_image)
                                     : Rect{pixels::ClampToInt(std::int64_t{cell.left} - margin),
                                            pixels::ClampToInt(std::int64_t{cell.top} - margin),
                                            pixels::ClampToInt(std::int64_t{cell.right} + margin),
                                            pixels::ClampToInt(std::int64_t{cell.bottom} + margin)});
    if (m_brush.style == BrushStyle::Solid && m_font.escapement == 0) FillSolidRect(cell, m_brush.colour);
    QPainter painter(m_image);
    painter.setFont(QtFont());
    painter.setPen(QColor::fromRgb(pixels::ToQRgb(m_font.colour)));
    if (m_font.escapement != 0) {
        // Turned about the cell's top-left corner, counter-clockwise on the screen.
        painter.translate(x, y);
        painter.rotate(-m_font.escapement / 10.0);
        painter.drawText(0, metrics.ascent(), qtext);
        return;
    }
    painter.drawText(x, y + metrics.ascent(), qtext);
}

}  // namespace platform
