#pragma once

namespace platform {
class Canvas;
}

namespace table {

struct DrawContext;

// RedrawSelectionLine: in selection and pairing games, every card of the selection line
// (foundation line 0, read three characters at a time) is drawn again at its place on
// the canvas and highlighted. onWindow says the canvas is the window's.
void RedrawSelectionLine(DrawContext& context, platform::Canvas& canvas, bool onWindow);

// True in the games that keep a selection line: the pairing kinds and every game with a
// selection sum.
bool HasSelectionLine(const DrawContext& context);

}  // namespace table
