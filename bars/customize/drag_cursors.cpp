#include "bars/customize/drag_cursors.h"

#include "bars/services/framework_services.h"

#include <QImage>
#include <QPixmap>

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

void Put(QImage& image, const Picture& picture, int x0, int y0) {
    for (int y = 0; y < static_cast<int>(picture.size()); ++y) {
        const std::string_view row = picture[static_cast<std::size_t>(y)];
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            if (row[static_cast<std::size_t>(x)] == 'B') image.setPixel(x0 + x, y0 + y, qRgba(0, 0, 0, 255));
            if (row[static_cast<std::size_t>(x)] == 'W') image.setPixel(x0 + x, y0 + y, qRgba(255, 255, 255, 255));
        }
    }
}

QImage NoDrop() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
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
    return image;
}

}  // namespace

QCursor DragCursor(int id) {
    if (id == kNoDropCursor) return QCursor(QPixmap::fromImage(NoDrop()), 10, 10);
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    Put(image, kArrow, 0, 0);
    Put(image, kButton, 8, 17);
    if (id == kDragCopyCursor) Put(image, kPlus, 20, 17);
    return QCursor(QPixmap::fromImage(image), 0, 0);
}

}  // namespace bars
