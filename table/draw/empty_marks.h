#pragma once

namespace platform {
class Canvas;
}

namespace table {

struct DrawContext;

// The mark of an empty place of a kind (empty_mark in table/draw/pile_marks.h) at (x, y);
// pileIndex is the pile's index within its kind, kNoPileIndex for none. Leaves the
// canvas's brush solid.
void DrawEmptyPileMarker(DrawContext& context, int kind, int x, int y, platform::Canvas& canvas, int pileIndex);

// The base image of a building rule code at (x, y); false when the code has none.
bool DrawRuleMark(DrawContext& context, int ruleCode, int x, int y, platform::Canvas& canvas);

// The marks of every tableau pile and reserve on the table, before any card lies there.
void DrawEmptyPileMarkers(DrawContext& context, platform::Canvas& canvas);

}  // namespace table
