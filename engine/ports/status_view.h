#pragma once

namespace engine {

// What the score and status operations ask of the drawn table: the card size, the empty
// stock's mark, the dragged image and the pile sizes. The card table implements it
// beside ITableView.
class IStatusView {
public:
    virtual ~IStatusView() = default;

    virtual int CardWidth() const = 0;
    virtual int CardHeight() const = 0;
    // The empty-stock image, lit (asking for a second click) or normal, drawn on the
    // window with its top-left corner at (x, y).
    virtual void DrawEmptyStockImage(bool highlighted, int x, int y) = 0;
    // Moves the dragged image with the pointer: to (x, y) less the grab offset; the drag
    // state keeps (x, y).
    virtual void MoveDragImageToPointer(int x, int y) = 0;
    // Redraws the pile sizes that some games show beside their piles.
    virtual void RedrawPileSizes() = 0;
};

}  // namespace engine
