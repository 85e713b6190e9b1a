#pragma once

#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace platform::testing {

// A bitmap filled with one colour, with a canvas on it, and ways to read back what was drawn.
struct PixelSheet {
    PixelSheet(int width, int height, Colour fill) : bitmap(width, height), canvas(bitmap), fill(fill) {
        canvas.FillSolidRect({0, 0, width, height}, fill);
    }
    // The area's rows: '#' where the colour is, '.' elsewhere.
    std::vector<std::string> Rows(Colour colour, Rect area) const {
        std::vector<std::string> rows;
        for (int y = area.top; y < area.bottom; ++y) {
            std::string row;
            for (int x = area.left; x < area.right; ++x) row += canvas.Pixel(x, y) == colour ? '#' : '.';
            rows.push_back(row);
        }
        return rows;
    }
    // The bounding box of the pixels that are no longer the fill.
    Rect Inked() const {
        Rect box{canvas.Width(), canvas.Height(), 0, 0};
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                if (canvas.Pixel(x, y) != fill)
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                           std::max(box.bottom, y + 1)};
        return box;
    }
    std::set<Colour> Colours() const {
        std::set<Colour> colours;
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x) colours.insert(canvas.Pixel(x, y));
        return colours;
    }

    Bitmap bitmap;
    Canvas canvas;
    Colour fill;
};

}  // namespace platform::testing
