#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"

namespace bars {

class TCustomcbBarControl;

// Where a drop at a point of a bar window would put the dragged link: before the insertion
// link, or after it; with a new group. No link: the window shows none.
struct DropPosition {
    TcbBarItemLink* link = nullptr;
    bool after = false;
    bool newGroup = false;
    bool operator==(const DropPosition&) const = default;
};

// The insertion place for a client point: the shown link on the point's line nearest to it,
// before it when the point lies in its first half, after it otherwise.
DropPosition GetDropPosition(const TCustomcbBarControl& window, platform::Point client);

// Whether the window lays its links out downwards (menus and vertical bars).
bool LaysOutDownwards(const TCustomcbBarControl& window);

// Inverts the upright (or, downwards, lying) insertion mark at the edge of the position's
// link in the window's surface; drawing it again erases it.
void InvertInsertionMark(TCustomcbBarControl& window, const DropPosition& position);

}  // namespace bars
