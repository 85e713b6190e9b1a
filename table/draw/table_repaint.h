#pragma once

namespace platform {
class Canvas;
}

namespace table {

struct DrawContext;

// Draws every pile of the current game into the canvas (normally the off-screen table);
// nothing while no game is in progress. The window's scroll position goes back to 0.
// With animate the deal is shown: the cards fly in from the deal source one by one.
void RepaintTable(DrawContext& context, platform::Canvas& canvas, bool animate);

}  // namespace table
