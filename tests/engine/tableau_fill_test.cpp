#include "engine/play/tableau_fill.h"

#include <gtest/gtest.h>

#include "engine/model/registers.h"
#include "engine/play/tableau_fill_modes.h"
#include "engine/undo/undo_store.h"
#include "tests/engine/pairing_fixture.h"

namespace {

using engine::PileListId;
using pairing_test::Pile;
namespace mode = engine::fill_mode;

constexpr int kFirstPileCard = 70;
constexpr int kCardOnNoPile = 104;

class AutoFillTableauTest : public pairing_test::PlayFixture {
protected:
    AutoFillTableauTest() {
        SetWord(engine::words::kTableauCount, 4);
        SetWord(engine::words::kReserveCount, 2);
        // Every pile holds a card unless a test empties it.
        for (int i = 0; i < engine::kFilaLineCount; ++i) SetPile(PileListId::kFila, i, Pile({kFirstPileCard + i}));
    }
    void Mode(int fillMode) { SetWord(engine::words::kFillMode, fillMode); }
    void Empty(int pile) { SetPile(PileListId::kFila, pile, ""); }
    void Stock(std::string text) { SetPile(PileListId::kMazzo, engine::kStockLine, std::move(text)); }
    void Waste(std::string text) { SetPile(PileListId::kMazzo, engine::kWasteLine, std::move(text)); }
    const std::string& Fila(int pile) const { return PileText(PileListId::kFila, pile); }
    bool Fill() { return engine::AutoFillTableau(game); }
};

TEST_F(AutoFillTableauTest, ModeZeroFillsNothing) {
    Mode(mode::kNone);
    Empty(0);
    Stock(Pile({1}));
    EXPECT_FALSE(Fill());
    EXPECT_EQ(Fila(0), "");
}

TEST_F(AutoFillTableauTest, NothingBeforeTheFirstActionOfAFoundationsFirstGame) {
    Mode(mode::kStockThenWaste);
    SetWord(engine::words::kFoundationsOnlyMoves, 1);
    Empty(0);
    Stock(Pile({1}));
    EXPECT_FALSE(Fill());
    EXPECT_EQ(Fila(0), "");
    game.mainGame.ActionCount = 1;
    EXPECT_TRUE(Fill());
    EXPECT_EQ(Fila(0), Pile({1}));
}

TEST_F(AutoFillTableauTest, Mode1WithTheFirstReserveEmptyDoesNothing) {
    Mode(mode::kFirstReserve);
    Empty(1);
    SetPile(PileListId::kAppogg, 1, Pile({7}));
    EXPECT_FALSE(Fill());
    EXPECT_EQ(Fila(1), "");
}

TEST_F(AutoFillTableauTest, Mode1TakesTheFirstReservesTopCards) {
    Mode(mode::kFirstReserve);
    Empty(1);
    Empty(3);
    SetPile(PileListId::kAppogg, 0, Pile({5, 6, 7}));
    EXPECT_TRUE(Fill());
    EXPECT_EQ(Fila(1), Pile({7}));
    EXPECT_EQ(Fila(3), Pile({6}));
    EXPECT_EQ(PileText(PileListId::kAppogg, 0), Pile({5}));
    // The slide starts at the reserve's top card and ends where the next card goes.
    const auto slides = view.Calls("slide");
    ASSERT_EQ(slides.size(), 2u);
    EXPECT_EQ(slides[0], (pairing_test::ViewCall{"slide", 7, 100, 30, {}, "0,10"}));
    EXPECT_EQ(slides[1].x, 300);
}

TEST_F(AutoFillTableauTest, Mode3TakesTheStockThenTheWasteInPileOrder) {
    Mode(mode::kStockThenWaste);
    Empty(0);
    Empty(1);
    Empty(2);
    Stock(Pile({1, 2}));
    Waste(Pile({3}));
    EXPECT_TRUE(Fill());
    EXPECT_EQ(Fila(0), Pile({2}));
    EXPECT_EQ(Fila(1), Pile({1}));
    EXPECT_EQ(Fila(2), Pile({3}));
    EXPECT_EQ(Fila(3), Pile({kFirstPileCard + 3}));
}

TEST_F(AutoFillTableauTest, Mode5PutsUpToThreeWasteCardsOnOnePile) {
    Mode(mode::kThreeFromWaste);
    Empty(2);
    Waste(Pile({4, 5}));
    EXPECT_TRUE(Fill());
    EXPECT_EQ(Fila(2), Pile({5, 4}));
    EXPECT_EQ(PileText(PileListId::kMazzo, engine::kWasteLine), "");

    Empty(0);
    Waste(Pile({10, 11, 12, 13}));
    EXPECT_TRUE(Fill());
    EXPECT_EQ(Fila(0), Pile({13, 12, 11}));
}

TEST_F(AutoFillTableauTest, Mode6FillsOnlyTheEndsOfTheRows) {
    SetWord(engine::words::kTableauCount, 8);
    Mode(mode::kCornerPilesFromWaste);
    Empty(3);
    SetPile(PileListId::kFila, 6, "");
    Waste(Pile({1, 2}));
    EXPECT_TRUE(Fill());
    EXPECT_EQ(Fila(3), "");
    EXPECT_EQ(Fila(6), Pile({2}));

    Empty(6);
    SetPile(PileListId::kFila, 7, Pile({50}));
    EXPECT_TRUE(Fill());
    EXPECT_EQ(Fila(6), Pile({1}));
}

TEST_F(AutoFillTableauTest, Mode6WithOnlyAMiddlePileEmptyFindsNothing) {
    Mode(mode::kCornerPilesFromWaste);
    Empty(3);
    Waste(Pile({1}));
    EXPECT_FALSE(Fill());
}

TEST_F(AutoFillTableauTest, Mode7FillsPilesFromTheEleventhOn) {
    SetWord(engine::words::kTableauCount, 12);
    Mode(mode::kLaterPilesFromStock);
    Empty(9);
    Empty(10);
    Stock(Pile({1}));
    EXPECT_TRUE(Fill());
    EXPECT_EQ(Fila(9), "");
    EXPECT_EQ(Fila(10), Pile({1}));
}

TEST_F(AutoFillTableauTest, Mode9PutsUpToFourStockCardsOnOnePile) {
    Mode(mode::kFourFromStock);
    Empty(1);
    Stock(Pile({1, 2, 3, 4, 5}));
    EXPECT_TRUE(Fill());
    EXPECT_EQ(Fila(1), Pile({5, 4, 3, 2}));
    EXPECT_EQ(PileText(PileListId::kMazzo, engine::kStockLine), Pile({1}));
}

TEST_F(AutoFillTableauTest, Mode2FillsOnlyTheOpenRows) {
    SetWord(engine::words::kTableauCount, 18);
    SetWord(engine::words::kOpenRowStart, 4);
    SetWord(engine::words::kOpenRowStartFactor, 4);
    Mode(mode::kWasteThenStockOpenRows);
    for (int i = 0; i < 18; ++i) Empty(i);
    Stock(Pile({1, 2, 3}));
    Waste(Pile({4}));
    EXPECT_TRUE(Fill());
    for (int i = 0; i < 16; ++i) EXPECT_EQ(Fila(i), "") << "pile " << i;
    EXPECT_EQ(Fila(16), Pile({4}));
    EXPECT_EQ(Fila(17), Pile({3}));
}

TEST_F(AutoFillTableauTest, ModesThatNeedTheStockOrWasteStopWhenBothAreEmpty) {
    Empty(0);
    for (const int fillMode : {mode::kWasteThenStockOpenRows, mode::kStockThenWaste, mode::kWithReserves,
                               mode::kFourFromStock, mode::kOnlyWithoutReserves}) {
        Mode(fillMode);
        EXPECT_FALSE(Fill()) << "mode " << fillMode;
    }
    // Mode 4 has no such condition: the empty pile is found, with nothing to put on it.
    Mode(mode::kUntilFirstCardLogged);
    EXPECT_TRUE(Fill());
    EXPECT_EQ(Fila(0), "");
}

TEST_F(AutoFillTableauTest, Mode4StopsOnceTheFirstCardIsLogged) {
    Mode(mode::kUntilFirstCardLogged);
    Empty(0);
    Stock(Pile({2}));
    game.registers.AppendLogEntry(engine::kUndoMoveLog, "012001");
    EXPECT_FALSE(Fill());
    EXPECT_EQ(Fila(0), "");
}

TEST_F(AutoFillTableauTest, Mode10WaitsForEveryReserveToEmpty) {
    Mode(mode::kOnlyWithoutReserves);
    Empty(0);
    Stock(Pile({2}));
    SetPile(PileListId::kAppogg, 1, Pile({8}));
    EXPECT_FALSE(Fill());
    SetPile(PileListId::kAppogg, 1, "");
    EXPECT_TRUE(Fill());
    EXPECT_EQ(Fila(0), Pile({2}));
}

TEST_F(AutoFillTableauTest, Mode8FillsTheEmptyReservesToo) {
    Mode(mode::kWithReserves);
    Empty(2);
    Waste(Pile({1}));
    Stock(Pile({2, 3}));
    game.mainGame.SetReserveY(1, 444);
    EXPECT_TRUE(Fill());
    EXPECT_EQ(Fila(2), Pile({1}));
    EXPECT_EQ(PileText(PileListId::kAppogg, 0), Pile({3}));
    EXPECT_EQ(PileText(PileListId::kAppogg, 1), Pile({2}));
    // A reserve's card goes to the reserve's own place.
    EXPECT_EQ(view.Calls("slide").back().y, 444);
}

TEST_F(AutoFillTableauTest, AnEmptySourceStillFindsThePile) {
    Mode(mode::kThreeFromWaste);
    Empty(0);
    EXPECT_TRUE(Fill());
    EXPECT_EQ(Fila(0), "");
}

TEST_F(AutoFillTableauTest, APassLeavesTheUndoStepsAsTheyWere) {
    Mode(mode::kStockThenWaste);
    // The player's move before the fill.
    game.undo.PushUndoSnapshot(true, engine::kNoClear);
    const engine::SnapshotLines beforeMove = Board();
    Empty(0);
    Empty(3);
    Stock(Pile({1, 2}));
    EXPECT_TRUE(Fill());
    EXPECT_EQ(Fila(3), Pile({1}));
    EXPECT_EQ(game.undo.UndoStepCount(), 1);
    EXPECT_TRUE(game.undo.UndoLastStep());
    EXPECT_EQ(Board(), beforeMove);
}

TEST_F(AutoFillTableauTest, ARefusedFillMoveKeepsThePlayersStep) {
    // A card on no pile is refused by the executor and pushes no step.
    game.undo.PushUndoSnapshot(true, engine::kNoClear);
    engine::AnimatedFillMove(game, "Fila1", 0, 0, engine::kStockLine, kCardOnNoPile, 0);
    EXPECT_EQ(game.undo.UndoStepCount(), 1);
}

TEST_F(AutoFillTableauTest, AFillMoveWithoutACardDoesNothing) {
    engine::AnimatedFillMove(game, "Fila1", 0, 0, engine::kStockLine, engine::kNoCard, 0);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(Fila(0), Pile({kFirstPileCard}));
}

TEST_F(AutoFillTableauTest, TheStockIsRedrawnAfterItGaveACard) {
    Mode(mode::kStockThenWaste);
    Empty(0);
    Stock(Pile({1, 2}));
    EXPECT_TRUE(Fill());
    const auto locations = view.Calls("location");
    ASSERT_EQ(locations.size(), 1u);
    EXPECT_EQ(locations[0].pile, "Mazzo");
    EXPECT_EQ(locations[0].surface, engine::TableSurface::kBuffer);
}

}  // namespace
