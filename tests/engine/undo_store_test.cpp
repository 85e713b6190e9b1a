#include "engine/undo/undo_store.h"

#include <gtest/gtest.h>

#include "engine/model/game_words.h"
#include "tests/engine/undo_test_fixture.h"

namespace engine {
namespace {

using undo_test::UndoFixture;
using Kind = test_support::MessageEvent::Kind;

class UndoStoreTest : public UndoFixture {
protected:
    // Three pushes of three different boards, marked by the card on tableau pile 0.
    void PushThreeBoards() {
        for (const char* card : {"001", "002", "003"}) {
            Set(PileListId::kFila, 0, card);
            Set(PileListId::kAppogg, 9, card);
            store.PushUndoSnapshot(true, kNoClear);
            registers.ReplaceLastLogEntry(std::stoi(card));
        }
    }
};

TEST_F(UndoStoreTest, PushAppendsWholeStepsWithEmptyLogEntries) {
    Set(PileListId::kFila, 2, "013000027");
    board.cards.SetCardFaceFlag(13, kFaceDown);
    store.PushUndoSnapshot(true, kNoClear);
    EXPECT_EQ(store.UndoList(PileListId::kFila)[2], "013000000271");
    EXPECT_EQ(store.UndoList(PileListId::kFila)[1], "");
    EXPECT_EQ(registers.MoveLog(kUndoMoveLog), ",");

    store.PushUndoSnapshot(false, kNoClear);
    store.PushUndoSnapshot(false, 2);  // any clear but 1 pushes
    EXPECT_EQ(store.RedoStepCount(), 2);
    EXPECT_EQ(registers.MoveLog(kRedoMoveLog), ",,");
    ExpectWholeSteps();

    store.PushUndoSnapshot(false, kClearRedo);
    EXPECT_EQ(store.RedoStepCount(), 0);
    EXPECT_EQ(registers.MoveLog(kRedoMoveLog), "");
    EXPECT_EQ(store.UndoStepCount(), 1);
    EXPECT_EQ(registers.MoveLog(kUndoMoveLog), ",");
}

TEST_F(UndoStoreTest, PairingGameStoresFoundationZeroEmpty) {
    game.SetWord(words::kGameKind, 3);
    Set(PileListId::kDest, 0, "012002");
    Set(PileListId::kDest, 1, "005");
    store.PushUndoSnapshot(true, kNoClear);
    EXPECT_EQ(store.UndoList(PileListId::kDest)[0], "");
    EXPECT_EQ(store.UndoList(PileListId::kDest)[1], "0051");
    store.PushUndoSnapshot(false, kNoClear);
    EXPECT_EQ(store.RedoList(PileListId::kDest)[0], "");

    game.SetWord(words::kGameKind, 0);
    store.PushUndoSnapshot(true, kNoClear);
    EXPECT_EQ(store.UndoList(PileListId::kDest)[16], "01210021");
    game.SetWord(words::kSelectionSum, 11);  // word 38 makes a pairing game too
    store.PushUndoSnapshot(true, kNoClear);
    EXPECT_EQ(store.UndoList(PileListId::kDest)[32], "");
}

TEST_F(UndoStoreTest, DeleteStepsKeepsTheFirstBoardAndTheLastLogEntry) {
    PushThreeBoards();
    store.DeleteUndoSteps(true, 0);
    EXPECT_EQ(store.UndoStepCount(), 3);
    EXPECT_EQ(registers.MoveLog(kUndoMoveLog), "001,002,003,");

    store.DeleteUndoSteps(true, 2);
    EXPECT_EQ(store.UndoStepCount(), 1);
    EXPECT_EQ(store.UndoList(PileListId::kFila)[0], "0011");
    EXPECT_EQ(store.UndoList(PileListId::kAppogg)[9], "0011");
    EXPECT_EQ(registers.MoveLog(kUndoMoveLog), "003,");
    ExpectWholeSteps();
}

TEST_F(UndoStoreTest, MergeFoldsIntoTheBoardBeforeTheFirstAction) {
    PushThreeBoards();
    store.MergeLastUndoSteps(true, 1);
    ASSERT_EQ(store.UndoStepCount(), 2);
    // Every line of the folded step comes from the second snapshot, none from the third.
    EXPECT_EQ(store.UndoList(PileListId::kFila)[28], "0021");
    EXPECT_EQ(store.UndoList(PileListId::kAppogg)[19], "0021");
    EXPECT_EQ(registers.MoveLog(kUndoMoveLog), "001,003,");
    ExpectWholeSteps();
}

TEST_F(UndoStoreTest, NotOkShowsDelLinesAndChangesNothing) {
    PushThreeBoards();
    store.DeleteUndoSteps(false, 1);
    store.MergeLastUndoSteps(false, 1);
    EXPECT_EQ(fake.Messages().Texts(Kind::Info), (std::vector<std::string>{"Del Lines", "Del Lines"}));
    EXPECT_EQ(store.UndoStepCount(), 3);
    EXPECT_EQ(registers.MoveLog(kUndoMoveLog), "001,002,003,");
}

TEST_F(UndoStoreTest, ClearBoardWithoutClearAllEmptiesOnlyTheRedoSide) {
    Set(PileListId::kFila, 0, "007");
    store.PushUndoSnapshot(true, kNoClear);
    store.PushUndoSnapshot(false, kNoClear);
    registers.SetFlag(flag::kGameInProgress, 1);

    store.ClearBoard(false, false);
    EXPECT_EQ(Pile(PileListId::kFila, 0), "007");
    EXPECT_EQ(store.UndoStepCount(), 1);
    EXPECT_EQ(registers.MoveLog(kUndoMoveLog), ",");
    EXPECT_EQ(store.RedoStepCount(), 0);
    EXPECT_EQ(registers.MoveLog(kRedoMoveLog), "");
    EXPECT_EQ(registers.GetFlag(flag::kGameInProgress), 0);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(UndoStoreTest, ClearBoardWithClearAllEmptiesEverythingAndRedraws) {
    Set(PileListId::kFila, 0, "007");
    Set(PileListId::kMazzo, kStockLine, "001002");
    store.PushUndoSnapshot(true, kNoClear);
    store.PushUndoSnapshot(false, kNoClear);

    store.ClearBoard(true, true);
    for (const PileListId list : kSnapshotListOrder) {
        ASSERT_EQ(board.piles.List(list).size(), static_cast<std::size_t>(PileLineCount(list)));
        for (const auto& pile : board.piles.List(list)) EXPECT_EQ(pile, "");
    }
    EXPECT_EQ(store.UndoStepCount(), 0);
    EXPECT_EQ(store.RedoStepCount(), 0);
    EXPECT_EQ(registers.MoveLog(kUndoMoveLog), "");
    EXPECT_EQ(registers.MoveLog(kRedoMoveLog), "");
    EXPECT_EQ(view.calls, (std::vector<std::string>{"PaintBackground", "CopyBufferToScreen"}));
}

TEST_F(UndoStoreTest, UndoThenRedoRestoresTheExactBoards) {
    Set(PileListId::kFila, 0, "013000027");
    Set(PileListId::kMazzo, kStockLine, "040041");
    board.cards.SetCardFaceFlag(13, kFaceDown);
    board.cards.SetCardFaceFlag(40, kFaceDown);
    board.cards.SetCardFaceFlag(41, kFaceDown);
    const SnapshotLines before = Board();

    // A move as the executor records it: push, change, then empty the redo store.
    store.PushUndoSnapshot(true, kNoClear);
    registers.ReplaceLastLogEntry(41);
    Set(PileListId::kMazzo, kStockLine, "040");
    Set(PileListId::kMazzo, kWasteLine, "041");
    board.cards.SetCardFaceFlag(41, kFaceUp);
    board.cards.SetCardFaceFlag(13, kFaceUp);
    store.PushUndoSnapshot(false, kClearRedo);
    const SnapshotLines after = Board();

    ASSERT_TRUE(store.UndoLastStep());
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(Pile(PileListId::kFila, 0), "013000027");
    EXPECT_TRUE(board.cards.IsFaceDown(41));
    EXPECT_EQ(store.UndoStepCount(), 0);
    EXPECT_EQ(store.RedoStepCount(), 1);
    EXPECT_EQ(registers.MoveLog(kUndoMoveLog), "");
    EXPECT_EQ(registers.MoveLog(kRedoMoveLog), "041,");
    EXPECT_EQ(view.calls, (std::vector<std::string>{"PaintBackground", "RepaintTable", "CopyBufferToScreen"}));

    ASSERT_TRUE(store.RedoLastStep());
    EXPECT_EQ(Board(), after);
    EXPECT_EQ(store.UndoStepCount(), 1);
    EXPECT_EQ(store.RedoStepCount(), 0);
    EXPECT_EQ(registers.MoveLog(kUndoMoveLog), "041,");
    EXPECT_EQ(registers.MoveLog(kRedoMoveLog), "");
    ExpectWholeSteps();
}

TEST_F(UndoStoreTest, NothingToRestoreChangesNothing) {
    Set(PileListId::kFila, 0, "007");
    EXPECT_FALSE(store.UndoLastStep());
    EXPECT_FALSE(store.RedoLastStep());
    EXPECT_EQ(Pile(PileListId::kFila, 0), "007");
    EXPECT_EQ(store.RedoStepCount(), 0);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(UndoStoreTest, NewMoveAfterUndoEmptiesTheRedoStore) {
    store.PushUndoSnapshot(true, kNoClear);
    Set(PileListId::kFila, 0, "007");
    store.PushUndoSnapshot(false, kClearRedo);
    ASSERT_TRUE(store.UndoLastStep());
    ASSERT_EQ(store.RedoStepCount(), 1);

    store.PushUndoSnapshot(true, kNoClear);
    Set(PileListId::kFila, 1, "008");
    store.PushUndoSnapshot(false, kClearRedo);
    EXPECT_EQ(store.RedoStepCount(), 0);
    EXPECT_FALSE(store.RedoLastStep());
    EXPECT_EQ(Pile(PileListId::kFila, 0), "");
    EXPECT_EQ(Pile(PileListId::kFila, 1), "008");
}

TEST_F(UndoStoreTest, PairingRestoreKeepsTheSelection) {
    game.SetWord(words::kGameKind, 4);
    Set(PileListId::kFila, 0, "012");
    Set(PileListId::kFila, 1, "001");
    store.PushUndoSnapshot(true, kNoClear);
    Set(PileListId::kFila, 1, "");
    Set(PileListId::kMazzo, kThirdStockLine, "001");
    Set(PileListId::kDest, 0, "012");  // the queen is selected after the move

    ASSERT_TRUE(store.UndoLastStep());
    EXPECT_EQ(Pile(PileListId::kFila, 1), "001");
    EXPECT_EQ(Pile(PileListId::kMazzo, kThirdStockLine), "");
    EXPECT_EQ(Pile(PileListId::kDest, 0), "012");
}

TEST_F(UndoStoreTest, PairingRestoreUnselectsCardsTheBoardNoLongerHolds) {
    game.SetWord(words::kGameKind, 4);
    Set(PileListId::kFila, 0, "012");
    Set(PileListId::kFila, 1, "001");
    store.PushUndoSnapshot(true, kNoClear);
    Set(PileListId::kFila, 0, "");
    Set(PileListId::kFila, 1, "");
    Set(PileListId::kMazzo, kThirdStockLine, "012001");
    ASSERT_TRUE(store.UndoLastStep());

    Set(PileListId::kDest, 0, "012005");  // the queen, and a card on no pile at all
    ASSERT_TRUE(store.RedoLastStep());
    EXPECT_EQ(Pile(PileListId::kMazzo, kThirdStockLine), "012001");
    EXPECT_EQ(Pile(PileListId::kDest, 0), "");
}

// --- The counters beside each step ---

// A redeal as the executor records it: the board before it pushed, then the pass and the
// stock deal counted and the waste turned over.
TEST_F(UndoStoreTest, UndoOfARedealGivesThePassBackAndRedoTakesItAgain) {
    const UndoStore::Counters before{1, 4, 2};
    SetCounters(before);
    Set(PileListId::kMazzo, kWasteLine, "001002");
    store.PushUndoSnapshot(true, kNoClear);
    Set(PileListId::kMazzo, kWasteLine, "");
    Set(PileListId::kMazzo, kStockLine, "002001");
    const UndoStore::Counters after{2, 5, 2};
    SetCounters(after);
    store.PushUndoSnapshot(false, kClearRedo);
    table.StockHighlightShown = 1;

    ASSERT_TRUE(store.UndoLastStep());
    EXPECT_EQ(Counters(), before);
    EXPECT_EQ(table.StockHighlightShown, 0) << "the redrawn stock is unlit";
    EXPECT_EQ(Pile(PileListId::kMazzo, kWasteLine), "001002");

    table.StockHighlightShown = 1;
    ASSERT_TRUE(store.RedoLastStep());
    EXPECT_EQ(Counters(), after);
    EXPECT_EQ(table.StockHighlightShown, 0);
    ASSERT_TRUE(store.UndoLastStep());
    EXPECT_EQ(Counters(), before);
}

TEST_F(UndoStoreTest, FoldedStepKeepsTheCountersOfTheFirstBoard) {
    for (std::int16_t pass = 1; pass <= 3; ++pass) {
        SetCounters({pass, pass * 10, 1});
        store.PushUndoSnapshot(true, kNoClear);
    }
    store.DeleteUndoSteps(true, 1);
    store.MergeLastUndoSteps(true, 0);
    SetCounters({9, 90, 2});
    ASSERT_EQ(store.UndoStepCount(), 2);
    ASSERT_TRUE(store.UndoLastStep());
    EXPECT_EQ(Counters(), (UndoStore::Counters{2, 20, 1}));

    store.MergeLastUndoSteps(true, 5);  // more steps than there are: none left, no counters
    EXPECT_EQ(store.UndoStepCount(), 0);
    EXPECT_FALSE(store.UndoLastStep());
    EXPECT_EQ(Counters(), (UndoStore::Counters{2, 20, 1}));
}

TEST_F(UndoStoreTest, DroppedAndAppendedStepsKeepCountersInStep) {
    SetCounters({1, 0, 0});
    store.PushUndoSnapshot(true, kNoClear);
    SetCounters({2, 0, 1});
    const SnapshotLines board = Board();
    store.PushUndoSnapshot(true, kNoClear);
    store.DropNewestUndoSteps(1);
    SetCounters({3, 0, 2});
    store.AppendUndoStep(board, store.CurrentCounters());
    SetCounters({4, 0, 2});

    ASSERT_TRUE(store.UndoLastStep());
    EXPECT_EQ(Counters(), (UndoStore::Counters{3, 0, 2}));
    ASSERT_TRUE(store.UndoLastStep());
    EXPECT_EQ(Counters(), (UndoStore::Counters{1, 0, 0}));
}

TEST_F(UndoStoreTest, ClearedStoresRestoreNoOldCounters) {
    SetCounters({1, 1, 1});
    store.PushUndoSnapshot(true, kNoClear);
    store.PushUndoSnapshot(false, kNoClear);
    store.ClearBoard(false, true);
    SetCounters({5, 5, 2});
    store.PushUndoSnapshot(true, kNoClear);
    SetCounters({6, 6, 2});
    ASSERT_TRUE(store.UndoLastStep());
    EXPECT_EQ(Counters(), (UndoStore::Counters{5, 5, 2}));
    ASSERT_TRUE(store.RedoLastStep());
    EXPECT_EQ(Counters(), (UndoStore::Counters{6, 6, 2}));
    EXPECT_FALSE(store.RedoLastStep());
}

}  // namespace
}  // namespace engine
