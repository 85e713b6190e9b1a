// After a move by the mouse the off-screen table must look exactly as a full repaint of
// the same board draws it, and the window as the off-screen table: whatever a drop leaves
// different shows at the next partial repaint from the buffer.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "engine/model/card_codes.h"
#include "engine/model/game_kinds.h"
#include "engine/model/game_words.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "tests/table/freecell_solver.h"
#include "tests/table/mouse_fixture.h"

namespace mouse_test {
namespace {

using engine::PileListId;
using table::MouseButton;

constexpr int H(int rank) { return rank; }
constexpr int D(int rank) { return 13 + rank; }
constexpr int C(int rank) { return 26 + rank; }
constexpr int S(int rank) { return 39 + rank; }

constexpr int kGrab = 10;
constexpr int kListedDifferences = 4;

// Empty when the images agree where both reach; else the count and the first few places.
std::string Differences(const QImage& a, const QImage& b) {
    std::ostringstream places;
    int count = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y)) continue;
            if (count++ < kListedDifferences)
                places << " (" << x << "," << y << ") " << std::hex << a.pixel(x, y) << "/" << b.pixel(x, y)
                       << std::dec;
        }
    if (count == 0) return {};
    return std::to_string(count) + " pixels differ:" + places.str();
}

// The window shows the buffer, and the buffer is what a repaint draws.
void ExpectLikeARepaint(TableRig& rig, const std::string& what) {
    const QImage buffer = rig.BufferImage().copy();
    EXPECT_EQ(Differences(rig.WindowImage(), buffer), "") << what << ": window against buffer";
    rig.Repaint();
    EXPECT_EQ(Differences(buffer, rig.BufferImage()), "") << what << ": buffer against a repaint";
}

// Drops in the hand-made game, with and without card shadows.
class DropRedrawTest : public MouseTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        rig.SetUpHandMadeGame();
        if (GetParam()) {
            rig.SetField(engine::fields::kCardsShadowed, "Y");
            rig.Layout().SetShadowOffset(engine::kCardShadowOffset);
        }
    }

    engine::TableRect Top(std::string_view pile, int index) { return rig.TopPlace(pile, index); }
    // The place of the card that many below the top.
    engine::TableRect Below(std::string_view pile, int index, int below) {
        const int x = rig.Layout().CardX(pile, index, below, false);
        const int y = rig.Layout().CardY(pile, index, below, false);
        const engine::TableRect top = Top(pile, index);
        return {x, y, x + top.right - top.left, y + top.bottom - top.top};
    }
    void DragOnto(std::string_view from, int fromIndex, std::string_view to, int toIndex) {
        const engine::TableRect target = Top(to, toIndex);
        rig.Drag(Top(from, fromIndex), target.left, target.top);
    }
    std::string Pile(PileListId list, int line) { return rig.Pile(list, line); }
};

TEST_P(DropRedrawTest, ACardDroppedOnAFoundationIsInTheBuffer) {
    rig.SetPile(PileListId::kFila, 0, {D(3), H(1)});
    rig.SetPile(PileListId::kFila, 1, {S(4), H(2)});
    rig.Begin();
    DragOnto("Fila1", 0, "Dest1", 0);
    ASSERT_EQ(Pile(PileListId::kDest, 0), engine::CardCodeText(H(1)));
    ExpectLikeARepaint(rig, "ace on an empty foundation");
    DragOnto("Fila2", 1, "Dest1", 0);
    ASSERT_EQ(engine::PileCardCount(Pile(PileListId::kDest, 0)), 2);
    ExpectLikeARepaint(rig, "two on the ace");
}

TEST_P(DropRedrawTest, ACardDroppedInAFreeCellIsInTheBufferAndLeavesItWhole) {
    rig.SetPile(PileListId::kFila, 0, {D(7)});
    rig.SetPile(PileListId::kFila, 1, {S(8)});
    rig.Begin();
    DragOnto("Fila1", 0, "Appogg1", 0);
    ASSERT_EQ(Pile(PileListId::kAppogg, 0), engine::CardCodeText(D(7)));
    ExpectLikeARepaint(rig, "into the cell");
    DragOnto("Appogg1", 0, "Fila2", 1);
    ASSERT_EQ(Pile(PileListId::kAppogg, 0), "");
    ExpectLikeARepaint(rig, "out of the cell");
}

TEST_P(DropRedrawTest, ACardDroppedOnTheWasteIsInTheBuffer) {
    rig.SetWord(engine::words::kWasteDropMode, 0);
    rig.SetWord(engine::words::kWasteBuild, 2);
    rig.SetPile(PileListId::kMazzo, engine::kWasteLine, {C(6)});
    rig.SetPile(PileListId::kFila, 0, {D(9), C(7)});
    rig.Begin();
    DragOnto("Fila1", 0, "Mazzo_Vis", 0);
    ASSERT_EQ(engine::PileCardCount(Pile(PileListId::kMazzo, engine::kWasteLine)), 2);
    ExpectLikeARepaint(rig, "onto the waste");
}

// The stock and the waste change thickness: the window's edges follow the buffer's.
TEST_P(DropRedrawTest, AStockPressDrawsBothEdgesOnBothImages) {
    rig.SetWord(engine::words::kStockToWaste, 1);
    rig.SetWord(engine::words::kCardsPerStockPress, 1);
    rig.SetPile(PileListId::kMazzo, engine::kStockLine, {-S(1), -S(2), -S(3), -S(4)});
    rig.SetPile(PileListId::kMazzo, engine::kWasteLine, {H(5)});
    rig.Begin();
    const engine::TableRect stock = Top("Mazzo", 0);
    rig.Click(stock.left + kGrab, stock.top + kGrab);
    ASSERT_EQ(engine::PileCardCount(Pile(PileListId::kMazzo, engine::kWasteLine)), 2);
    ExpectLikeARepaint(rig, "a card dealt");
}

// A pile's first card shows the table through its corners, not the empty pile's mark.
TEST_P(DropRedrawTest, CardsDroppedOnAnEmptyTableauPileShowTheTableAtTheirCorners) {
    rig.SetPile(PileListId::kFila, 0, {H(13), D(7)});
    rig.SetPile(PileListId::kFila, 2, {D(5), S(12), H(11)});
    rig.Begin();
    DragOnto("Fila1", 0, "Fila2", 1);
    ASSERT_EQ(Pile(PileListId::kFila, 1), engine::CardCodeText(D(7)));
    ExpectLikeARepaint(rig, "one card");

    const engine::TableRect target = Top("Fila4", 3);
    rig.Drag(Below("Fila3", 2, 1), target.left, target.top);
    ASSERT_EQ(engine::PileCardCount(Pile(PileListId::kFila, 3)), 2);
    ExpectLikeARepaint(rig, "a stack");
}

// A card played onto the discard pile thickens it: a repaint draws the same edge, with the
// pile in the same place.
TEST_P(DropRedrawTest, ACardPlayedOntoTheDiscardPileLooksAsARepaintDrawsIt) {
    rig.SetWord(engine::words::kGameKind, engine::game_kind::kPlayNeighbour);
    rig.SetPile(PileListId::kMazzo, engine::kThirdStockLine,
                {S(1), S(2), S(3), S(4), S(5), S(6), S(7), S(8), S(9), C(1), C(2), C(3), C(4), H(5)});
    rig.SetPile(PileListId::kFila, 0, {D(6)});
    rig.SetPile(PileListId::kFila, 1, {S(13)});  // the game goes on
    rig.Begin();
    ExpectLikeARepaint(rig, "the pile as dealt");
    const engine::TableRect card = Top("Fila1", 0);
    rig.Click(card.left + kGrab, card.top + kGrab);
    ASSERT_EQ(engine::PileCardCount(Pile(PileListId::kMazzo, engine::kThirdStockLine)), 15);
    ASSERT_TRUE(rig.Flag(engine::flag::kGameInProgress));
    const int x = rig.G().mainGame.GetStockX(engine::kThirdStockLine);
    ExpectLikeARepaint(rig, "a card played onto it");
    EXPECT_EQ(rig.G().mainGame.GetStockX(engine::kThirdStockLine), x);
}

TEST_P(DropRedrawTest, ACardPutBackAfterAPressIsAsBefore) {
    rig.SetPile(PileListId::kFila, 0, {D(7)});
    rig.SetPile(PileListId::kAppogg, 0, {S(8)});
    rig.SetPile(PileListId::kDest, 0, {H(1)});
    rig.Begin();
    for (std::string_view pile : {"Fila1", "Appogg1", "Dest1"}) {
        const engine::TableRect place = Top(pile, 0);
        rig.Click(place.left + kGrab, place.top + kGrab);
        ExpectLikeARepaint(rig, std::string(pile));
    }
}

INSTANTIATE_TEST_SUITE_P(Shadows, DropRedrawTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Shadowed" : "Plain";
                         });

// Freecell's free cells lie just above the tableau piles.
class FreecellRedrawTest : public MouseTest {
protected:
    void SetUp() override { ASSERT_TRUE(rig.StartFreecell(kFreecellNumber)); }
};

TEST_F(FreecellRedrawTest, AFreeCellCardLeavesThePileBelowWhole) {
    rig.SetPile(PileListId::kFila, 0, {C(2), H(5), S(9)});
    rig.SetPile(PileListId::kFila, 1, {D(4), D(10)});
    rig.SetPile(PileListId::kFila, 2, {C(8), H(3)});
    rig.SetPile(PileListId::kFila, 3, {S(6), C(13)});
    for (int i = 4; i < 8; ++i) rig.SetPile(PileListId::kFila, i, {D(i - 2)});
    rig.Repaint();
    const engine::TableRect cell = rig.TopPlace("Appogg1", 0);
    // The cell lies over the first pile, close above it.
    ASSERT_LT(cell.bottom, rig.TopPlace("Fila1", 0).top);

    rig.Drag(rig.TopPlace("Fila1", 0), cell.left, cell.top);
    ASSERT_EQ(rig.Pile(PileListId::kAppogg, 0), engine::CardCodeText(S(9)));
    ExpectLikeARepaint(rig, "into the cell");

    rig.Click(cell.left + kGrab, cell.top + kGrab);
    ASSERT_EQ(rig.Pile(PileListId::kAppogg, 0), engine::CardCodeText(S(9)));
    ExpectLikeARepaint(rig, "lifted and put back");

    const engine::TableRect ten = rig.TopPlace("Fila2", 1);
    rig.Drag(cell, ten.left, ten.top);
    ASSERT_EQ(rig.Pile(PileListId::kAppogg, 0), "");
    ExpectLikeARepaint(rig, "onto the ten");
}

// Every drag of a whole game, checked as it goes.
TEST_F(FreecellRedrawTest, EveryDropOfAWonGameLooksLikeARepaint) {
    const std::vector<engine::PlayerAction> moves = WinningMoves(rig.G(), kSolverBudget);
    ASSERT_FALSE(moves.empty());
    int count = 0;
    ASSERT_TRUE(PlayByDrags(rig, moves, [&](const engine::TableRect& from, int x, int y) {
        rig.Drag(from, x, y);
        ExpectLikeARepaint(rig, "move " + std::to_string(++count));
    }));
}

}  // namespace
}  // namespace mouse_test
