#pragma once

#include <string_view>

namespace engine {
class GameDefRecord;
class TMainGame;
}  // namespace engine

namespace table {

class TableGeometry;

// One pile group: its four-character layout code (the row digit, then the style as
// three digits: "1015") and its pile count.
struct LayoutGroup {
    std::string_view code;
    int count = 0;
};

struct LayoutGroups {
    LayoutGroup stockRow;     // p292/p291, p302
    LayoutGroup foundations;  // p294/p293, p303
    LayoutGroup tableau;      // p296/p295, p304
    LayoutGroup reserves;     // p299/p298, p305
    LayoutGroup thirdPile;    // p301/p300, p306
};

// The usable area: its width W, the main window's outer height H, the bottom B, the
// left edge (not read: x counts from the area's left edge) and the top T.
struct LayoutArea {
    int width = 0;
    int height = 0;
    int bottom = 0;
    int left = 0;
    int top = 0;
};

struct LayoutScreen {
    int width = 0;
    int height = 0;
};

// Where the layout writes, and what it reads besides its arguments.
struct LayoutTarget {
    engine::TMainGame& mainGame;           // foundation, reserve and stock-row positions
    TableGeometry& geometry;               // card size, shadow offset, tableau positions
    const engine::GameDefRecord& gameDef;  // p297 grid lines, p8 and p9 stock flags
    LayoutScreen screen;
    int scrollPosition = 0;  // S: the position of scrBarMain
};

// Places every pile of the current game for the card size, the area and the screen.
// Positions it does not place keep their earlier values.
void ComputePileLayout(const LayoutTarget& target, const LayoutGroups& groups, const LayoutArea& area);

}  // namespace table
