#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/ports/geometry_port.h"
#include "engine/model/pile_names.h"
#include "engine/model/preference_fields.h"
#include "engine/ports/table_port.h"
#include "tests/support/fake_services.h"
#include "tests/support/recording_shell_port.h"

namespace moves_test {

constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;
// Tableau piles fan downward by this much per card.
constexpr int kFanStep = 20;

// Cards of deck 1 by suit.
constexpr int H(int rank) { return rank; }
constexpr int D(int rank) { return engine::kSuitSize + rank; }
constexpr int C(int rank) { return 2 * engine::kSuitSize + rank; }
constexpr int S(int rank) { return 3 * engine::kSuitSize + rank; }
constexpr int kA = 1, kJ = 11, kQ = 12, kK = 13;

// A plain layout read from the live board: the stock row, foundations and reserves at the
// places the table object holds, tableau piles at x = 10 + 80 i, y = 130, fanned down by
// kFanStep; every other pile is a stack. It keeps the lifted stack's measures.
class TestGeometry : public engine::IGeometry {
public:
    explicit TestGeometry(engine::Game& game) : m_game(game) {}

    int CardWidth() const override { return kCardWidth; }
    int CardHeight() const override { return kCardHeight; }
    int ShadowOffset() const override { return 0; }
    void SetShadowOffset(int) override {}
    int DragHeight() const override { return m_dragHeight; }
    void SetDragHeight(int height) override { m_dragHeight = height; }
    engine::TableRect DragRect() const override { return m_dragRect; }
    void SetDragRects(int left, int top, int right, int bottom) override { m_dragRect = {left, top, right, bottom}; }
    int TableauX(int index) const override;
    int GetTableauY(int index) const override;
    int CardX(std::string_view pile, int index, int cardsLeftOut, bool nextCard) const override;
    int CardY(std::string_view pile, int index, int cardsLeftOut, bool nextCard) const override;
    int PileBottomY(std::string_view pile) const override;
    engine::PileHit PileAtPoint(int x, int y) const override;
    bool FindCardPosition(int card, engine::TableRect& rect) const override;
    bool SetupTable() override { return true; }

    // Moves tableau pile i off the table.
    void RemoveTableau(int index) { m_absentTableau = index; }

private:
    int CardsIn(std::string_view pile) const;

    engine::Game& m_game;
    int m_dragHeight = kCardHeight;
    engine::TableRect m_dragRect;
    int m_absentTableau = -1;
};

// A table that draws nothing, answers with the test geometry and remembers the lifts,
// slides and drag images it was asked for, as "redraw 5 single", "slide 5 10,130 250,10".
class MovesTableView : public engine::NullTableView {
public:
    explicit MovesTableView(TestGeometry& geometry) : m_geometry(geometry) {}

    const engine::IGeometry* Geometry() const override { return &m_geometry; }
    engine::IGeometry* MutableGeometry() override { return &m_geometry; }
    void RedrawPileWithoutCard(int card, bool single) override;
    void BuildDragImage() override { m_calls.emplace_back("build"); }
    void ShiftDragOrigin() override { m_calls.emplace_back("shift"); }
    void SlideCard(int card, int fromX, int fromY, int toX, int toY, bool toBuffer, bool fineSteps,
                   bool shadowAdjust, bool lift) override;
    void SetDragImageHeight(int height) override { m_calls.push_back("image height " + std::to_string(height)); }

    const std::vector<std::string>& Calls() const { return m_calls; }
    void Clear() { m_calls.clear(); }

private:
    TestGeometry& m_geometry;
    std::vector<std::string> m_calls;
};

// A game with four foundations built up in suit from the Ace (at x = 250 + 80 i, y = 10),
// seven tableau piles built down in alternate colours with Kings on empty piles, the stock
// at (10, 10) and the waste at (90, 10); no reserves until AddReserves.
class MovesFixture {
public:
    MovesFixture();

    engine::Game& G() { return game; }

    void Set(engine::PileListId list, int line, std::initializer_list<int> cards);
    void Fila(int i, std::initializer_list<int> cards) { Set(engine::PileListId::kFila, i, cards); }
    void Dest(int i, std::initializer_list<int> cards) { Set(engine::PileListId::kDest, i, cards); }
    void Appogg(int i, std::initializer_list<int> cards) { Set(engine::PileListId::kAppogg, i, cards); }
    void Waste(std::initializer_list<int> cards) { Set(engine::PileListId::kMazzo, engine::kWasteLine, cards); }
    void Stock(std::initializer_list<int> cards) { Set(engine::PileListId::kMazzo, engine::kStockLine, cards); }
    // count reserves at x = 650, y = 130 + 110 i, each taking one card when empty.
    void AddReserves(int count);
    void Word(int number, int value) { game.gameDef.SetWord(number, value); }
    void Setting(engine::fields::Field field, std::string_view value);
    void FaceDown(int card) { game.board.cards.SetCardFaceFlag(card, engine::kFaceDown); }

    const std::string& Pile(engine::PileListId list, int line) const { return game.board.piles.Pile(list, line); }
    std::string Board() const;
    // A game in progress with the AutoPlay option on.
    void StartWithAutoPlay();
    // The place of a pile's top card, one card in size.
    engine::TableRect TopPlace(std::string_view pile, int index) const;

    test_support::FakeServices fake;
    test_support::RecordingShellPort shell;
    engine::Game game;
    TestGeometry geometry{game};
    MovesTableView view{geometry};
};

}  // namespace moves_test
