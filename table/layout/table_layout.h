#pragma once

#include "engine/ports/geometry_port.h"
#include "engine/ports/services.h"
#include "table/layout/pile_geometry.h"
#include "table/layout/table_geometry.h"
#include "table/layout/table_setup.h"

namespace engine {
class GameDefRecord;
class PileStore;
class Registers;
class SettingsBlock;
class TMainGame;
}  // namespace engine

namespace table {

class ICardImages;
class ITableWindow;

// The game state the table reads and writes; owned by the program's game state.
struct TableGameState {
    engine::SettingsBlock& settings;
    engine::TMainGame& mainGame;
    engine::GameDefRecord& gameDef;
    engine::PileStore& piles;
    engine::Registers& registers;
};

// The table's layout: its measures, the card places and the setup for each game, behind
// the engine's geometry port. One per main window.
class TableLayout : public engine::IGeometry {
public:
    // images may be null (no images are loaded) and set later.
    TableLayout(const engine::Services& services, const TableGameState& state, ITableWindow& window,
                ICardImages* images);
    TableLayout(const TableLayout&) = delete;
    TableLayout& operator=(const TableLayout&) = delete;

    TableGeometry& Geometry() { return m_geometry; }
    const TableGeometry& Geometry() const { return m_geometry; }
    const PileGeometry& Piles() const { return m_piles; }
    TableSetup& Setup() { return m_setup; }
    void SetCardImages(ICardImages* images) { m_setup.SetCardImages(images); }

    // engine::IGeometry
    int CardWidth() const override { return m_geometry.CardWidth(); }
    int CardHeight() const override { return m_geometry.CardHeight(); }
    int ShadowOffset() const override { return m_geometry.ShadowOffset(); }
    void SetShadowOffset(int pixels) override { m_geometry.SetShadowOffset(pixels); }
    int DragHeight() const override { return m_geometry.DragHeight(); }
    void SetDragHeight(int height) override { m_geometry.SetDragHeight(height); }
    engine::TableRect DragRect() const override { return m_geometry.DragRect(); }
    void SetDragRects(int left, int top, int right, int bottom) override {
        m_geometry.SetDragRects(left, top, right, bottom);
    }
    int TableauX(int index) const override { return m_geometry.TableauX(index); }
    int GetTableauY(int index) const override { return m_piles.GetTableauY(index); }
    int CardX(std::string_view pile, int index, int cardsLeftOut, bool nextCard) const override {
        return m_piles.CardX(pile, index, cardsLeftOut, nextCard);
    }
    int CardY(std::string_view pile, int index, int cardsLeftOut, bool nextCard) const override {
        return m_piles.CardY(pile, index, cardsLeftOut, nextCard);
    }
    int PileBottomY(std::string_view pile) const override { return m_piles.PileBottomY(pile); }
    engine::PileHit PileAtPoint(int x, int y) const override { return m_piles.PileAtPoint(x, y); }
    bool FindCardPosition(int card, engine::TableRect& rect) const override {
        return m_piles.FindCardPosition(card, rect);
    }
    bool SetupTable() override { return m_setup.SetupTable(); }

private:
    TableGeometry m_geometry;
    PileGeometry m_piles;
    TableSetup m_setup;
};

}  // namespace table
