#include "engine/play/action_executor.h"

#include <gtest/gtest.h>

#include "tests/engine/executor_fixture.h"

namespace {

using engine::PileListId;
using engine::kStockLine;
using engine::kThirdStockLine;
using engine::kWasteLine;
namespace words = engine::words;

class SelectionRemovalTest : public executor_test::ExecutorFixture {
protected:
    SelectionRemovalTest() { Word(words::kSelectionSum, 13); }
    const std::string& Discard() const { return Pile(PileListId::kMazzo, kThirdStockLine); }
};

TEST_F(SelectionRemovalTest, SelectedCardsGoFaceUpToTheDiscardLineInSelectionOrder) {
    Set(PileListId::kFila, 0, {20, 12});
    Set(PileListId::kFila, 1, {1});
    FaceDown(20);
    Set(PileListId::kDest, 0, {12, 1});
    EXPECT_TRUE(Run(0, "Selezionate_Dest"));
    EXPECT_EQ(Discard(), Codes({12, 1}));
    EXPECT_EQ(Pile(PileListId::kDest, 0), "");
    EXPECT_EQ(Pile(PileListId::kFila, 0), Codes({20}));
    EXPECT_EQ(Pile(PileListId::kFila, 1), "");
    EXPECT_EQ(UndoSteps(), 1);
    EXPECT_EQ(Sounds().front(), "Pairing");
    EXPECT_GE(fake.Clock().TickCount(), 150U) << "the pause before the removal";
}

TEST_F(SelectionRemovalTest, FanModeFourBlanksTableauCardsAndRemovesStockRowCards) {
    Word(words::kTableauFanMode, 4);
    Set(PileListId::kFila, 0, {12});
    Set(PileListId::kFila, 1, {2, 3});
    Set(PileListId::kMazzo, kWasteLine, {1});
    Set(PileListId::kDest, 0, {12, 1});
    EXPECT_TRUE(Run(0, "Selezionate_Dest"));
    EXPECT_EQ(Pile(PileListId::kFila, 0), "000");
    EXPECT_EQ(Pile(PileListId::kMazzo, kWasteLine), "");
    EXPECT_EQ(Discard(), Codes({12, 1}));
}

TEST_F(SelectionRemovalTest, FanModeEightTakesEachCardWithTheBlankBelowIt) {
    Word(words::kTableauFanMode, 8);
    Set(PileListId::kFila, 0, {0, 5, 0, 8, 0, 9});
    Set(PileListId::kFila, 1, {30});
    Set(PileListId::kDest, 0, {5, 8, 30});
    EXPECT_TRUE(Run(0, "Selezionate_Dest"));
    EXPECT_EQ(Pile(PileListId::kFila, 0), Codes({0, 9}));
    EXPECT_EQ(Pile(PileListId::kFila, 1), "") << "a card elsewhere leaves its pile too";
    EXPECT_EQ(Discard(), Codes({5, 8, 30}));
    EXPECT_EQ(view.Count("RepaintTable"), 1);

    view.calls.clear();
    Set(PileListId::kDest, 0, {9});
    Run(0, "Selezionate_Dest");
    EXPECT_EQ(view.Count("RepaintTable"), 0) << "the top card of pile 0 was selected";
}

TEST_F(SelectionRemovalTest, SelectedCodeOnNoPileIsNotDiscarded) {
    Set(PileListId::kFila, 0, {12});
    Set(PileListId::kDest, 0, {12, 44});
    EXPECT_TRUE(Run(0, "Selezionate_Dest"));
    EXPECT_EQ(Discard(), Codes({12}));
}

// --- Game kind 47: groups of seven ---

class GroupRemovalTest : public SelectionRemovalTest {
protected:
    GroupRemovalTest() {
        Word(words::kGameKind, 47);
        Word(words::kTableauCount, 21);
    }
};

TEST_F(GroupRemovalTest, PairLeavesItsGroupWhichClosesUp) {
    Set(PileListId::kFila, 7, {30, 2});
    Set(PileListId::kFila, 8, {31});
    Set(PileListId::kFila, 9, {15});
    Set(PileListId::kFila, 10, {32});
    Set(PileListId::kDest, 0, {2, 15});
    EXPECT_TRUE(Run(0, "Selezionate_Dest"));
    // The card on the higher pile goes first.
    EXPECT_EQ(Discard(), Codes({15, 2}));
    EXPECT_EQ(Pile(PileListId::kDest, 0), "");
    EXPECT_EQ(Pile(PileListId::kFila, 7), Codes({30}));
    EXPECT_EQ(Pile(PileListId::kFila, 8), Codes({31}));
    EXPECT_EQ(Pile(PileListId::kFila, 9), Codes({32})) << "the gap closed";
    EXPECT_EQ(Pile(PileListId::kFila, 10), "");
    EXPECT_TRUE(game.Cards().FaceFlag(15) == engine::kFaceUp && game.Cards().FaceFlag(2) == engine::kFaceUp);
    EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(GroupRemovalTest, LastPileLeftInTheGroupGivesUpItsTopCard) {
    Set(PileListId::kFila, 0, {3});
    Set(PileListId::kFila, 2, {16});
    Set(PileListId::kFila, 4, {20, 21});
    Set(PileListId::kDest, 0, {3, 16});
    EXPECT_TRUE(Run(0, "Selezionate_Dest"));
    EXPECT_EQ(Discard(), Codes({16, 3, 21}));
    EXPECT_EQ(Pile(PileListId::kFila, 0), Codes({20}));
    for (int p = 1; p < 7; ++p) EXPECT_EQ(Pile(PileListId::kFila, p), "") << p;
}

TEST_F(GroupRemovalTest, OnlyCardsOfTheFirstCardsGroupAreTaken) {
    Set(PileListId::kFila, 6, {3});
    Set(PileListId::kFila, 8, {16});
    Set(PileListId::kFila, 5, {40});
    Set(PileListId::kFila, 9, {41});
    Set(PileListId::kFila, 10, {42});
    Set(PileListId::kDest, 0, {3, 16});
    EXPECT_TRUE(Run(0, "Selezionate_Dest"));
    EXPECT_EQ(Discard(), Codes({16}));
    EXPECT_EQ(Pile(PileListId::kDest, 0), "");
    EXPECT_EQ(Pile(PileListId::kFila, 6), Codes({3}));
    EXPECT_EQ(Pile(PileListId::kFila, 7), Codes({41})) << "group 7-13 closed up";
    EXPECT_EQ(Pile(PileListId::kFila, 8), Codes({42}));
    EXPECT_EQ(Pile(PileListId::kFila, 5), Codes({40}));
}

}  // namespace
