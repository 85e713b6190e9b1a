#include "engine/play/action_executor.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "tests/engine/executor_fixture.h"

namespace {

using engine::PileListId;
using engine::kStockLine;
using engine::kWasteLine;
namespace words = engine::words;

class ActionUndoTest;

// One kind of action on a board made for it.
struct UndoCase {
    std::string name;
    std::function<void(ActionUndoTest&)> arrange;
    int card;
    std::string action;
};

class ActionUndoTest : public executor_test::ExecutorFixture, public ::testing::WithParamInterface<UndoCase> {
public:
    // For the arrangements, which cannot reach the fixture's protected helpers.
    void Pile(PileListId list, int line, std::initializer_list<int> cards) { Set(list, line, cards); }
    void Down(int card) { FaceDown(card); }
    void SetWord(int number, int value) { Word(number, value); }
    void SetWordAt(engine::GameWordRun run, int i, int value) { WordAt(run, i, value); }
    engine::Game& TheGame() { return game; }
};

TEST_P(ActionUndoTest, UndoThenRedoRestoresTheExactBoards) {
    GetParam().arrange(*this);
    const auto before = Board();
    ASSERT_TRUE(Run(GetParam().card, GetParam().action));
    const auto after = Board();
    ASSERT_NE(after, before);
    EXPECT_EQ(UndoSteps(), 1);

    ASSERT_TRUE(game.undo.UndoLastStep());
    EXPECT_EQ(Board(), before);
    ASSERT_TRUE(game.undo.RedoLastStep());
    EXPECT_EQ(Board(), after);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfAction, ActionUndoTest,
    ::testing::Values(
        UndoCase{"Foundation",
                 [](ActionUndoTest& t) {
                     t.Pile(PileListId::kFila, 1, {30, 2});
                     t.Down(30);
                 },
                 2, "Dest02"},
        UndoCase{"Reserve", [](ActionUndoTest& t) { t.Pile(PileListId::kFila, 0, {5}); }, 5,
                 "Appogg01"},
        UndoCase{"Discard",
                 [](ActionUndoTest& t) { t.Pile(PileListId::kMazzo, kWasteLine, {5, 6}); }, 6,
                 "Waste"},
        UndoCase{"Waste",
                 [](ActionUndoTest& t) {
                     t.Pile(PileListId::kFila, 0, {20, 21});
                     t.Pile(PileListId::kMazzo, kWasteLine, {22});
                 },
                 21, "Stock02"},
        UndoCase{"Tableau",
                 [](ActionUndoTest& t) {
                     t.Pile(PileListId::kFila, 0, {13, 12, 11});
                     t.Down(13);
                     t.TheGame().lift.singleCard = false;
                 },
                 12, "Fila03"},
        UndoCase{"StockDeal",
                 [](ActionUndoTest& t) {
                     t.Pile(PileListId::kMazzo, kStockLine, {7, 8, 9});
                     t.Down(7);
                     t.Down(8);
                     t.Down(9);
                 },
                 0, "Mazzo_Vis"},
        UndoCase{"WasteRedeal",
                 [](ActionUndoTest& t) {
                     t.Pile(PileListId::kMazzo, kWasteLine, {7, 8, 9});
                     t.SetWord(words::kPassLimit, -1);
                     t.TheGame().mainGame.StockHighlightShown = 1;
                 },
                 0, "Mazzo_Vis"},
        UndoCase{"CountedRedeal",
                 [](ActionUndoTest& t) {
                     t.Pile(PileListId::kMazzo, kWasteLine, {7, 8, 9});
                     t.SetWord(words::kRedeals, 1);
                     t.SetWord(words::kPassLimit, -1);
                     t.TheGame().mainGame.StockHighlightShown = 1;
                 },
                 0, "Mazzo_Redeal"},
        UndoCase{"AddReservesFaceDown",
                 [](ActionUndoTest& t) {
                     t.Pile(PileListId::kMazzo, kStockLine, {7, 8, 9});
                     t.SetWord(words::kPassLimit, 3);
                     t.SetWordAt(words::kStockToReserveMode, 0, 5);
                     t.SetWordAt(words::kStockToReserveMode, 1, 1);
                 },
                 7, "Add_Reserves"},
        UndoCase{"SwappedPair",
                 [](ActionUndoTest& t) {
                     t.SetWord(words::kGameKind, 49);
                     t.SetWordAt(words::kTableauRuleA, 1, 2);
                     t.Pile(PileListId::kFila, 0, {39});
                     t.Pile(PileListId::kFila, 1, {7});
                 },
                 39, "Fila02"},
        UndoCase{"AddTableaus",
                 [](ActionUndoTest& t) {
                     t.Pile(PileListId::kMazzo, kStockLine, {7, 8, 9});
                     t.SetWordAt(words::kStockToTableauMode, 0, 6);
                     t.SetWordAt(words::kStockToTableauMode, 1, 1);
                 },
                 7, "Add_Tableaus"},
        UndoCase{"SelectionRemoval",
                 [](ActionUndoTest& t) {
                     t.Pile(PileListId::kFila, 0, {12});
                     t.Pile(PileListId::kFila, 1, {1});
                     t.Pile(PileListId::kDest, 0, {12, 1});
                 },
                 0, "Selezionate_Dest"},
        UndoCase{"SelectionFill",
                 [](ActionUndoTest& t) { t.Pile(PileListId::kMazzo, kStockLine, {7, 8}); }, 0,
                 "Selezionate_Fila"},
        UndoCase{"GapClosing",
                 [](ActionUndoTest& t) {
                     t.Pile(PileListId::kFila, 2, {4});
                     t.Pile(PileListId::kMazzo, kStockLine, {7, 8});
                 },
                 0, "Stock_To_Pile_Monte_Carlo"}),
    [](const ::testing::TestParamInfo<UndoCase>& info) { return info.param.name; });

}  // namespace
