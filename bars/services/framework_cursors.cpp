#include "bars/services/framework_cursors.h"

#include "platform/core/ascii_case.h"
#include "platform/qt/cursors.h"

#include <QBuffer>
#include <QImage>

#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace bars {

namespace {

// 'B' black, 'W' white, anything else clear.
using Picture = std::vector<std::string_view>;

const Picture kArrow{
    "B",        "BB",        "BWB",        "BWWB",       "BWWWB",     "BWWWWB",   "BWWWWWB",  "BWWWWWWB",
    "BWWWWWWWB", "BWWWWWBBBB", "BWWBWWB",  "BWB.BWWB",   "BB..BWWB",  "B....BWWB", ".....BWWB", "......BB",
};
// A dotted outline of a button under the arrow.
const Picture kButton{
    "B.B.B.B.B.B", "...........", "B.........B", "...........", "B.........B",
    "...........", "B.........B", "...........", "B.B.B.B.B.B",
};
const Picture kPlus{
    "BBBBBBBBB", "BWWWWWWWB", "BWWWBWWWB", "BWWWBWWWB", "BWBBBBBWB",
    "BWWWBWWWB", "BWWWBWWWB", "BWWWWWWWB", "BBBBBBBBB",
};
// Two arrows pointing away from a bar between them: the width of a field is being dragged.
const Picture kSizing{
    "......BB.BB......", ".....BWB.BWB.....", "....BWWB.BWWB....", "...BWWWBBBWWWB...",
    "..BWWWWWWWWWWWB..", "...BWWWBBBWWWB...", "....BWWB.BWWB....", ".....BWB.BWB.....",
    "......BB.BB......",
};

struct CursorPicture {
    std::string_view name;
    int hotX, hotY;
};
constexpr std::array<CursorPicture, 4> kCursors{{
    {"CBBARDRAGCURSOR", 0, 0},
    {"CBBARDRAGCOPYCURSOR", 0, 0},
    {"CBBARDRAGNODROPCURSOR", 10, 10},
    {"CBBAREDITSIZINGCURSOR", 8, 4},
}};
constexpr int kCursorSide = 32;

void Put(QImage& image, const Picture& picture, int x0, int y0) {
    for (int y = 0; y < static_cast<int>(picture.size()); ++y) {
        const std::string_view row = picture[static_cast<std::size_t>(y)];
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            if (row[static_cast<std::size_t>(x)] == 'B') image.setPixel(x0 + x, y0 + y, qRgba(0, 0, 0, 255));
            if (row[static_cast<std::size_t>(x)] == 'W') image.setPixel(x0 + x, y0 + y, qRgba(255, 255, 255, 255));
        }
    }
}

void PutNoDrop(QImage& image) {
    const double c = 10.5;
    for (int y = 0; y < 22; ++y) {
        for (int x = 0; x < 22; ++x) {
            const double dx = x - c, dy = y - c, r = std::hypot(dx, dy);
            const bool ring = r >= 7.5 && r <= 10.5;
            const bool bar = std::abs(dx + dy) <= 2.0 && r <= 10.5;
            if (ring || bar) image.setPixel(x, y, qRgba(0, 0, 0, 255));
            else if (r < 7.5) image.setPixel(x, y, qRgba(255, 255, 255, 255));
        }
    }
}

QImage Draw(std::size_t which) {
    QImage image(kCursorSide, kCursorSide, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    switch (which) {
    case 0:
    case 1:
        Put(image, kArrow, 0, 0);
        Put(image, kButton, 8, 17);
        if (which == 1) Put(image, kPlus, 20, 17);
        break;
    case 2: PutNoDrop(image); break;
    default: Put(image, kSizing, 0, 0); break;
    }
    return image;
}

}  // namespace

const FrameworkResources& FrameworkResources::Instance() {
    static const FrameworkResources resources;
    return resources;
}

std::string FrameworkResources::CursorData(std::string_view name) const {
    for (std::size_t i = 0; i < kCursors.size(); ++i) {
        if (!platform::EqualsIgnoreCase(kCursors[i].name, name)) continue;
        QImage image = Draw(i);
        const auto key = [](std::string_view text) {
            return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        };
        image.setText(key(platform::kCursorHotSpotXKey), QString::number(kCursors[i].hotX));
        image.setText(key(platform::kCursorHotSpotYKey), QString::number(kCursors[i].hotY));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes.toStdString();
    }
    return {};
}

platform::CursorTable& FrameworkCursors() {
    static platform::CursorTable table;
    return table;
}

QCursor FrameworkCursor(int id) { return FrameworkCursors().Cursor(id); }

}  // namespace bars
