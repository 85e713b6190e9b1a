#pragma once

#include "engine/status_view.h"

namespace engine {

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
};

}  // namespace engine
