#pragma once

#include <string_view>

#include "engine/ports/geometry_port.h"
#include "engine/ports/status_view.h"

namespace engine {

// Where a drawing goes: the main window, or the off-screen image of the whole table.
enum class TableSurface { kWindow, kBuffer };

// What the engine asks of the drawn table. The table keeps an off-screen image of the
// whole table and shows it in the main window; the engine only says when to redraw.
// The status questions (card size, empty-stock mark, dragged image) are part of it.
class ITableView : public IStatusView {
public:
    // Paints the table's background over the whole off-screen image (no cards).
    virtual void PaintBackground() = 0;
    // Draws every pile of the current board into the off-screen image.
    virtual void RepaintTable() = 0;
    // Copies the off-screen image to the main window.
    virtual void CopyBufferToScreen() = 0;
    // SetupTable: loads the current game's definition and lays the table out for it.
    virtual bool SetupTable() = 0;
    // RepaintTable with the deal animation: the cards fly from their source onto the window.
    virtual void RepaintTableAnimated() = 0;
    // The winning animation for the seconds given; an empty name takes both from the
    // preferences. Runs until the time is up or flag 6 is cleared by the player's input.
    virtual void PlayWinningAnimation(std::string_view name, int seconds) = 0;
    // RedrawPileWithoutCard: the card's place drawn in the off-screen image as it looks
    // without the card (single false: without every card above it too); the pile lists
    // are left as they were.
    virtual void RedrawPileWithoutCard(int card, bool single) = 0;
    // SlideCard: a card's image (-1: a back) travels across the window in frames.
    virtual void SlideCard(int card, int fromX, int fromY, int toX, int toY, bool toBuffer, bool fineSteps,
                           bool shadowAdjust, bool lift) = 0;
    // DrawCardFace: the card's face at (x, y); code 0 draws nothing.
    virtual void DrawCardFace(int card, int x, int y, bool silver, TableSurface surface, int pileIndex) = 0;
    // HighlightCard: inverts the rectangle (inverting twice restores it), corners kept.
    virtual void HighlightCard(TableSurface surface, const TableRect& rect) = 0;
    // RestoreTableauPileCorners: the corners of the pile's first card place, from the
    // background, on the window and in the off-screen image.
    virtual void RestoreTableauPileCorners(int tableauIndex) = 0;
    // DrawLocation: the top card, or the empty mark, of one pile place.
    virtual void DrawLocation(std::string_view pileName, int pileIndex, TableSurface surface) = 0;
    // InvalidateTableRect: the main window repaints that rectangle from the off-screen image.
    virtual void InvalidateTableRect(const TableRect& rect) = 0;

    // Card moves, the stock and the row games (the action executor).
    // The table's geometry (card places, pile under a point); null where no table is laid out.
    virtual const IGeometry* Geometry() const = 0;
    // Moves the dragged image to (x, y); true when it moved.
    virtual bool MoveDragImage(int x, int y, bool toBuffer, bool restoreCorners) = 0;
    // The foundation highlights of one foundation, or of all for -1.
    virtual void DrawFoundationHighlights(int foundationIndex) = 0;
    // The 3-D edge of a stock-row pile (line 0-2) of pileLength characters, on the window.
    virtual void DrawPileThickness(int stockLine, bool alsoBuffer, bool force, int pileLength) = 0;
    // Every card of a tableau pile or reserve, or a foundation's top card.
    virtual void RedrawPile(std::string_view pileName, int fromX, int fromY, TableSurface surface, bool animate) = 0;
    // The empty-place mark of a kind (1 stock, 2 waste, 3 foundation, 5 reserve, 6 tableau,
    // 7 third stock-row pile) at (x, y); pileIndex -1 when none.
    virtual void DrawEmptyPileMarker(int kind, int x, int y, TableSurface surface, int pileIndex) = 0;
    // The four corners of a card place from the background, on the window and in the buffer.
    virtual void RestoreCornersInRect(const TableRect& rect) = 0;

    // Moves to piles (the click and automatic moves lift cards themselves).
    // The same geometry, writable: the moves set the lifted stack's measures through it.
    virtual IGeometry* MutableGeometry() = 0;
    // BuildDragImage: the lifted card, or the lifted stack, drawn into the drag image.
    virtual void BuildDragImage() = 0;
    // ShiftDragOrigin: the drag image raised up and left of DragRect by ShadowOffset - 2,
    // the grab offsets grown to match.
    virtual void ShiftDragOrigin() = 0;
    // The drag image made as high as a lifted stack of that height.
    virtual void SetDragImageHeight(int height) = 0;
    // The grab offsets (DragGrabX, DragGrabY) back to 0.
    virtual void ClearDragGrab() = 0;
    // The main window repaints from the off-screen image where the drag image and its
    // shadow lie: after a move, whose cards are drawn at their places, beside it or elsewhere.
    virtual void InvalidateDragImage() = 0;
};

// Draws nothing: for engine tests and for a state without a table. Cards are the big size.
class NullTableView : public ITableView {
public:
    int CardWidth() const override { return 71; }
    int CardHeight() const override { return 96; }
    void DrawEmptyStockImage(bool, int, int) override {}
    void MoveDragImageToPointer(int, int) override {}
    void RedrawPileSizes() override {}
    void PaintBackground() override {}
    void RepaintTable() override {}
    void CopyBufferToScreen() override {}
    bool SetupTable() override { return true; }
    void RepaintTableAnimated() override {}
    void PlayWinningAnimation(std::string_view, int) override {}
    void RedrawPileWithoutCard(int, bool) override {}
    void SlideCard(int, int, int, int, int, bool, bool, bool, bool) override {}
    void DrawCardFace(int, int, int, bool, TableSurface, int) override {}
    void HighlightCard(TableSurface, const TableRect&) override {}
    void RestoreTableauPileCorners(int) override {}
    void DrawLocation(std::string_view, int, TableSurface) override {}
    void InvalidateTableRect(const TableRect&) override {}
    const IGeometry* Geometry() const override { return nullptr; }
    bool MoveDragImage(int, int, bool, bool) override { return false; }
    void DrawFoundationHighlights(int) override {}
    void DrawPileThickness(int, bool, bool, int) override {}
    void RedrawPile(std::string_view, int, int, TableSurface, bool) override {}
    void DrawEmptyPileMarker(int, int, int, TableSurface, int) override {}
    void RestoreCornersInRect(const TableRect&) override {}
    IGeometry* MutableGeometry() override { return nullptr; }
    void BuildDragImage() override {}
    void ShiftDragOrigin() override {}
    void SetDragImageHeight(int) override {}
    void ClearDragGrab() override {}
    void InvalidateDragImage() override {}
};

}  // namespace engine
