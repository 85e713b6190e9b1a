#pragma once

#include "engine/ports/table_port.h"
#include "table/animate/win_animation.h"

namespace platform {
class Canvas;
}

namespace table {

struct DrawContext;

// The engine's view of the drawn table, over the table's drawing, with its animations:
// cards slide in frames (the deal's flights too), a lifted card's source is drawn again
// without it, the winning animation runs, and the pile-size update shows the joker
// captions.
class TableView : public engine::ITableView {
public:
    // Installs the card slide on the context, so the drawing's deal flights use it.
    TableView(DrawContext& context, const WinAnimationHost& host);

    // engine::IStatusView
    int CardWidth() const override;
    int CardHeight() const override;
    void DrawEmptyStockImage(bool highlighted, int x, int y) override;
    void MoveDragImageToPointer(int x, int y) override;
    // The games that show pile sizes are those with jokers on the foundations: what they
    // show is which card each such joker stands for.
    void RedrawPileSizes() override;

    // engine::ITableView
    void PaintBackground() override;
    void RepaintTable() override;
    void CopyBufferToScreen() override;
    bool SetupTable() override;
    void RepaintTableAnimated() override;
    void PlayWinningAnimation(std::string_view name, int seconds) override;
    void RedrawPileWithoutCard(int card, bool single) override;
    void SlideCard(int card, int fromX, int fromY, int toX, int toY, bool toBuffer, bool fineSteps,
                   bool shadowAdjust, bool lift) override;
    void DrawCardFace(int card, int x, int y, bool silver, engine::TableSurface surface, int pileIndex) override;
    void HighlightCard(engine::TableSurface surface, const engine::TableRect& rect) override;
    void RestoreTableauPileCorners(int tableauIndex) override;
    void DrawLocation(std::string_view pileName, int pileIndex, engine::TableSurface surface) override;
    void InvalidateTableRect(const engine::TableRect& rect) override;
    const engine::IGeometry* Geometry() const override;
    bool MoveDragImage(int x, int y, bool toBuffer, bool restoreCorners) override;
    void DrawFoundationHighlights(int foundationIndex) override;
    void DrawPileThickness(int stockLine, bool alsoBuffer, bool force, int pileLength) override;
    void RedrawPile(std::string_view pileName, int fromX, int fromY, engine::TableSurface surface,
                    bool animate) override;
    void DrawEmptyPileMarker(int kind, int x, int y, engine::TableSurface surface, int pileIndex) override;
    void RestoreCornersInRect(const engine::TableRect& rect) override;
    engine::IGeometry* MutableGeometry() override;
    void BuildDragImage() override;
    void ShiftDragOrigin() override;
    void SetDragImageHeight(int height) override;
    void ClearDragGrab() override;
    void InvalidateDragImage() override;

private:
    platform::Canvas& CanvasOf(engine::TableSurface surface);

    DrawContext& m_context;
    WinAnimationHost m_host;
};

}  // namespace table
