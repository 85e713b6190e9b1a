#pragma once

#include "table/mouse/mouse_press.h"

namespace engine {
class Game;
}

namespace table {

struct DrawContext;

// The card table's mouse: a press lifts, plays, selects, deals or turns cards; the drag
// moves the lifted image; the release drops it on the best target or puts it back and
// runs the automatic moves. One per table, over the game and the table's drawing; the
// window that shows the table sends it its mouse events.
class TableMouse {
public:
    TableMouse(engine::Game& game, DrawContext& context);
    TableMouse(const TableMouse&) = delete;
    TableMouse& operator=(const TableMouse&) = delete;

    // A press at (x, y) in client coordinates.
    void TableMouseDown(MouseButton button, ShiftState shift, int x, int y);
    // The pointer moved to (x, y): drags the lifted cards, if any.
    void TableMouseMove(int x, int y);
    // The release: the lifted cards drop or go back, then the automatic moves follow, all
    // one undo step; a won game ends.
    void TableMouseUp();
    // A double click of the left button, before the press it brings: the card under the
    // last press goes where the double-click options send it.
    void TableDoubleClick();

    // The table's own cursor again (Cursor, or the arrow for "10"), as after a drag.
    void RestoreTableCursor();
    // The window shows the off-screen table again where a card was shown in full.
    void HideRevealedCard();
    const RevealedCard& Revealed() const { return m_revealed; }

private:
    void DropLiftedCards(bool& won);

    engine::Game& m_game;
    DrawContext& m_context;
    RevealedCard m_revealed;
};

}  // namespace table
