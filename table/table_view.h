#pragma once

#include "engine/table_view.h"

namespace platform {
class Canvas;
}

namespace table {

struct DrawContext;

// The engine's view of the drawn table, over the table's drawing. The card animations and
// the winning animations are not part of the drawing: until they are wired in, a slide
// puts the card at its target at once (the context's slide hook, when set, does the
// frames) and the other two do nothing.
class TableView : public engine::ITableView {
public:
    explicit TableView(DrawContext& context);

    // engine::IStatusView
    int CardWidth() const override;
    int CardHeight() const override;
    void DrawEmptyStockImage(bool highlighted, int x, int y) override;
    void MoveDragImageToPointer(int x, int y) override;
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

private:
    platform::Canvas& CanvasOf(engine::TableSurface surface);

    DrawContext& m_context;
};

}  // namespace table
