#include "table/table_view.h"

#include "engine/model/game_record.h"
#include "engine/model/table_object.h"
#include "platform/qt/canvas.h"
#include "table/draw/background.h"
#include "table/draw/card_drawing.h"
#include "table/animate/card_slide.h"
#include "table/draw/drag_image.h"
#include "table/draw/drag_image_build.h"
#include "table/draw/draw_context.h"
#include "table/draw/empty_marks.h"
#include "table/draw/foundation_highlights.h"
#include "table/draw/joker_captions.h"
#include "table/layout/table_layout.h"
#include "table/layout/table_window.h"
#include "table/draw/pile_drawing.h"
#include "table/draw/pile_marks.h"
#include "table/draw/source_redraw.h"
#include "table/draw/stock_thickness.h"
#include "table/draw/table_repaint.h"

namespace table {

namespace {

platform::Rect ToRect(const engine::TableRect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

TableView::TableView(DrawContext& context, const WinAnimationHost& host) : m_context(context), m_host(host) {
    InstallCardSlide(context);
}

platform::Canvas& TableView::CanvasOf(engine::TableSurface surface) {
    return surface == engine::TableSurface::kWindow ? m_context.Window() : m_context.Buffer();
}

int TableView::CardWidth() const { return m_context.CardWidth(); }
int TableView::CardHeight() const { return m_context.CardHeight(); }

void TableView::DrawEmptyStockImage(bool highlighted, int x, int y) {
    // The library has no lit image of its own: the mark is lit the way selected cards are.
    table::DrawEmptyPileMarker(m_context, empty_mark::kStock, x, y, m_context.Window(), kNoPileIndex);
    if (!highlighted) return;
    const platform::Rect place = m_context.CardRectAt(x, y);
    m_context.Window().Invert(place);
    RestoreCornersOnCanvas(m_context, m_context.Window(), place);
}

void TableView::MoveDragImageToPointer(int x, int y) {
    table::MoveDragImage(m_context, x - m_context.dragGrab.x, y - m_context.dragGrab.y, false, false);
    m_context.dragGrab.pointerX = x;
    m_context.dragGrab.pointerY = y;
}

void TableView::RedrawPileSizes() { DrawJokerCaptions(m_context); }

void TableView::PaintBackground() { PaintConfiguredBackground(m_context, m_context.Buffer()); }

void TableView::RepaintTable() { table::RepaintTable(m_context, m_context.Buffer(), false); }

void TableView::CopyBufferToScreen() { table::CopyBufferToScreen(m_context); }

bool TableView::SetupTable() { return m_context.geometry.SetupTable(); }

void TableView::RepaintTableAnimated() { table::RepaintTable(m_context, m_context.Buffer(), true); }

void TableView::PlayWinningAnimation(std::string_view name, int seconds) {
    table::PlayWinningAnimation(m_context, m_host, name, seconds);
}

void TableView::RedrawPileWithoutCard(int card, bool single) { table::RedrawPileWithoutCard(m_context, card, single); }

void TableView::SlideCard(int card, int fromX, int fromY, int toX, int toY, bool toBuffer, bool fineSteps,
                          bool shadowAdjust, bool lift) {
    table::SlideCard(m_context, card, fromX, fromY, toX, toY, toBuffer, fineSteps, shadowAdjust, lift);
}

void TableView::DrawCardFace(int card, int x, int y, bool silver, engine::TableSurface surface, int pileIndex) {
    table::DrawCardFace(m_context, card, x, y, silver, CanvasOf(surface), pileIndex);
}

void TableView::HighlightCard(engine::TableSurface surface, const engine::TableRect& rect) {
    table::HighlightCard(m_context, CanvasOf(surface), surface == engine::TableSurface::kWindow, ToRect(rect));
}

void TableView::RestoreTableauPileCorners(int tableauIndex) { table::RestoreTableauPileCorners(m_context, tableauIndex); }

void TableView::DrawLocation(std::string_view pileName, int pileIndex, engine::TableSurface surface) {
    table::DrawLocation(m_context, pileName, pileIndex, CanvasOf(surface));
}

void TableView::InvalidateTableRect(const engine::TableRect& rect) { table::InvalidateTableRect(m_context.window, rect); }

const engine::IGeometry* TableView::Geometry() const { return &m_context.geometry; }

bool TableView::MoveDragImage(int x, int y, bool toBuffer, bool restoreCorners) {
    return table::MoveDragImage(m_context, x, y, toBuffer, restoreCorners);
}

void TableView::DrawFoundationHighlights(int foundationIndex) {
    table::DrawFoundationHighlights(m_context, foundationIndex);
}

void TableView::DrawPileThickness(int stockLine, bool alsoBuffer, bool force, int pileLength) {
    table::DrawPileThickness(m_context, m_context.Window(), stockLine, alsoBuffer, force, pileLength);
}

void TableView::RedrawPile(std::string_view pileName, int fromX, int fromY, engine::TableSurface surface,
                           bool animate) {
    table::RedrawPile(m_context, pileName, fromX, fromY, CanvasOf(surface), animate);
}

void TableView::DrawEmptyPileMarker(int kind, int x, int y, engine::TableSurface surface, int pileIndex) {
    table::DrawEmptyPileMarker(m_context, kind, x, y, CanvasOf(surface), pileIndex);
}

void TableView::RestoreCornersInRect(const engine::TableRect& rect) {
    table::RestoreCornersInRect(m_context, ToRect(rect));
}

engine::IGeometry* TableView::MutableGeometry() { return &m_context.geometry; }

void TableView::BuildDragImage() {
    table::BuildDragImage(m_context.images, m_context.geometry.Geometry(), m_context.mainGame, m_context.piles,
                          m_context.gameDef);
}

void TableView::ShiftDragOrigin() { table::ShiftDragOrigin(m_context); }

void TableView::SetDragImageHeight(int height) { SizeDragBitmap(m_context, height); }

void TableView::ClearDragGrab() {
    m_context.dragGrab.x = 0;
    m_context.dragGrab.y = 0;
}

void TableView::InvalidateDragImage() {
    const platform::Rect area = DragImageArea(m_context);
    table::InvalidateTableRect(m_context.window, {area.left, area.top, area.right, area.bottom});
}

}  // namespace table
