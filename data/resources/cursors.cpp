// The table's twelve cursors, set pixel by pixel. The "A" cursors are the ones the table
// shows at rest; the "B" cursors (their number plus ten) are shown while cards are
// dragged. Arrows 1 and 2 are the white and the black arrow; hands 1 point, hands 2 are
// open; a dragging hand is a fist, the open hand's holding a card. Left hands mirror the
// right ones.

#include "art.h"

#include <QPainter>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace art {

namespace {

// 'B' the outline, 'W' the fill, anything else clear.
using Picture = std::vector<std::string_view>;

const Picture kArrow{
    "B",         "BB",        "BWB",        "BWWB",        "BWWWB",        "BWWWWB",   "BWWWWWB",
    "BWWWWWWB",  "BWWWWWWWB", "BWWWWWWWWB", "BWWWWWWWWWB", "BWWWWWWBBBBB", "BWWWBWWB", "BWWBBWWB",
    "BWB..BWWB", "BB...BWWB", "B.....BWWB", "......BWWB",  ".......BB",
};
const Picture kPointingHand{
    ".....BB",           "....BWWB",          "....BWWB",          "....BWWB",          "....BWWB",
    "....BWWBBB",        "....BWWBWWBBB",     "....BWWBWWBWWBB",   ".BB.BWWBWWBWWBWB",  "BWWBBWWWWWWWWBWWB",
    "BWWWBWWWWWWWWWWWB", ".BWWBWWWWWWWWWWWB", "..BWWWWWWWWWWWWWB", "..BWWWWWWWWWWWWWB", "...BWWWWWWWWWWWB",
    "...BWWWWWWWWWWWB",  "....BWWWWWWWWWB",   "....BWWWWWWWWWB",   ".....BWWWWWWWB",    ".....BBBBBBBBB",
};
const Picture kOpenHand{
    ".......BB",          "...BB.BWWB.BB",      "..BWWBBWWBBWWB",     "..BWWBBWWBBWWB",    "..BWWBBWWBBWWB.BB",
    "..BWWBBWWBBWWBBWWB", "..BWWBBWWBBWWBBWWB", "..BWWBBWWBBWWBBWWB", "..BWWWWWWWWWWBWWB", "BB.BWWWWWWWWWWWWB",
    "BWWBWWWWWWWWWWWWB",  "BWWWWWWWWWWWWWWWB",  ".BWWWWWWWWWWWWWWB",  "..BWWWWWWWWWWWWB",  "...BWWWWWWWWWWWB",
    "....BWWWWWWWWWB",    ".....BWWWWWWWWB",    ".....BWWWWWWWWB",    ".....BBBBBBBBBB",
};
const Picture kFist{
    "....BB.BB.BB",     "...BWWBWWBWWBB",   "..BBWWBWWBWWBWB",  ".BWBWWWWWWWWBWWB",
    ".BWWWWWWWWWWWWWB", ".BWWWWWWWWWWWWWB", "..BWWWWWWWWWWWWB", "..BWWWWWWWWWWWB",
    "...BWWWWWWWWWWB",  "....BWWWWWWWWB",   "....BWWWWWWWWB",   "....BBBBBBBBBB",
};
// A small card, shown by the arrow and the open hand while they drag.
const Picture kCard{
    "BBBBBBBBB", "BWWWWWWWB", "BWRRWWWWB", "BWRRWWWWB", "BWWWWWWWB", "BWWWWWWWB",
    "BWWWWWWWB", "BWWWWRRWB", "BWWWWRRWB", "BWWWWWWWB", "BBBBBBBBB",
};

constexpr int kGrid = 32;

struct Colours {
    QRgb outline;
    QRgb fill;
};
constexpr Colours kWhiteCursor{qRgb(0, 0, 0), qRgb(255, 255, 255)};
constexpr Colours kBlackCursor{qRgb(255, 255, 255), qRgb(0, 0, 0)};
constexpr QRgb kCardRed = qRgb(204, 16, 32);

void Set(QImage& image, const Picture& picture, QPoint at, Colours colours, bool mirror) {
    for (std::size_t row = 0; row < picture.size(); ++row)
        for (std::size_t column = 0; column < picture[row].size(); ++column) {
            const char c = picture[row][column];
            QRgb colour;
            if (c == 'B')
                colour = colours.outline;
            else if (c == 'W')
                colour = colours.fill;
            else if (c == 'R')
                colour = kCardRed;
            else
                continue;
            int x = at.x() + static_cast<int>(column);
            if (mirror) x = kGrid - 1 - x;
            const int y = at.y() + static_cast<int>(row);
            if (image.valid(x, y)) image.setPixel(x, y, colour | 0xFF000000u);
        }
}

}  // namespace

QImage DrawCursor(const ResourceEntry& entry, QPoint& hotSpot) {
    QImage cursor = ClearImage(kGrid, kGrid);
    const std::string& name = entry.name;
    const bool dragging = name.back() == 'B';
    const bool second = name[name.size() - 2] == '2';
    const bool left = name.find("LEFT") != std::string::npos;
    if (name.find("ARROW") != std::string::npos) {
        const Colours colours = second ? kBlackCursor : kWhiteCursor;
        if (dragging) Set(cursor, kCard, QPoint(9, 13), kWhiteCursor, false);
        Set(cursor, kArrow, QPoint(0, 0), colours, false);
        hotSpot = QPoint(0, 0);
        return cursor;
    }
    const QPoint at(6, 4);
    if (!dragging) {
        Set(cursor, second ? kOpenHand : kPointingHand, at, kWhiteCursor, left);
        // The fingertip of the pointing hand, the middle of the open palm.
        hotSpot = second ? at + QPoint(8, 10) : at + QPoint(5, 0);
    } else {
        if (second) Set(cursor, kCard, at + QPoint(3, -3), kWhiteCursor, left);
        Set(cursor, kFist, at + QPoint(0, 4), kWhiteCursor, left);
        hotSpot = at + QPoint(7, 6);
    }
    if (left) hotSpot.setX(kGrid - 1 - hotSpot.x());
    return cursor;
}

}  // namespace art
