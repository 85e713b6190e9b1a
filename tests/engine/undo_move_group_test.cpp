#include "engine/undo/undo_move_group.h"

#include <gtest/gtest.h>

#include "engine/model/game_words.h"
#include "engine/undo/undo_store.h"
#include "tests/engine/undo_test_fixture.h"

namespace engine {
namespace {

using undo_test::UndoFixture;

class UndoMoveGroupTest : public UndoFixture {
protected:
    // One action as the executor runs it: push, change the board, empty the redo store.
    void Action(int line, const char* pile) {
        store.PushUndoSnapshot(true, kNoClear);
        registers.ReplaceLastLogEntry(std::stoi(pile));
        Set(PileListId::kFila, line, pile);
        store.PushUndoSnapshot(false, kClearRedo);
    }
};

TEST_F(UndoMoveGroupTest, SeveralActionsBecomeOneStepHoldingTheBoardBefore) {
    Set(PileListId::kFila, 0, "050");
    const SnapshotLines before = Board();
    {
        UndoMoveGroup group(store);
        Action(1, "001");
        Action(2, "002");
        Action(3, "003");
    }
    EXPECT_EQ(store.UndoStepCount(), 1);
    EXPECT_EQ(registers.MoveLog(kUndoMoveLog), "003,");
    ExpectWholeSteps();

    ASSERT_TRUE(store.UndoLastStep());
    EXPECT_EQ(Board(), before);
}

TEST_F(UndoMoveGroupTest, ChangeWithoutAPushLeavesOneStepAndEmptiesRedo) {
    store.PushUndoSnapshot(false, kNoClear);
    SetCounters({1, 2, 1});
    const SnapshotLines before = Board();
    {
        UndoMoveGroup group(store);
        Set(PileListId::kFila, 0, "009");  // an action that records no step of its own
        SetCounters({2, 3, 2});            // ...and counts a pass and a stock deal
    }
    EXPECT_EQ(store.UndoStepCount(), 1);
    EXPECT_EQ(registers.MoveLog(kUndoMoveLog), ",");
    EXPECT_EQ(store.RedoStepCount(), 0);
    ASSERT_TRUE(store.UndoLastStep());
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(Counters(), (UndoStore::Counters{1, 2, 1}));
}

TEST_F(UndoMoveGroupTest, CountersCountedBeforeTheFirstPushComeBackToo) {
    SetCounters({1, 4, 2});
    {
        UndoMoveGroup group(store);
        SetCounters({1, 5, 2});  // a press counts a stock deal, then deals
        Action(0, "004");
        Action(0, "005");
    }
    EXPECT_EQ(store.UndoStepCount(), 1);
    ASSERT_TRUE(store.UndoLastStep());
    EXPECT_EQ(Counters(), (UndoStore::Counters{1, 4, 2}));
}

TEST_F(UndoMoveGroupTest, NoChangeLeavesNoStep) {
    Action(0, "004");
    store.PushUndoSnapshot(false, kNoClear);
    {
        UndoMoveGroup group(store);
        store.PushUndoSnapshot(true, kNoClear);  // e.g. a redeal count that moved no card
        store.PushUndoSnapshot(true, kNoClear);
    }
    EXPECT_EQ(store.UndoStepCount(), 1);
    EXPECT_EQ(registers.MoveLog(kUndoMoveLog), "004,");
    EXPECT_EQ(store.RedoStepCount(), 1);

    {
        UndoMoveGroup group(store);  // nothing at all
    }
    EXPECT_EQ(store.UndoStepCount(), 1);
}

TEST_F(UndoMoveGroupTest, NestedGroupsFoldIntoOneAndCloseOnce) {
    const SnapshotLines before = Board();
    UndoMoveGroup outer(store);
    Action(0, "001");
    {
        UndoMoveGroup inner(store);
        Action(1, "002");
        Action(2, "003");
    }
    EXPECT_EQ(store.UndoStepCount(), 2);
    outer.Close();
    EXPECT_EQ(store.UndoStepCount(), 1);
    outer.Close();
    EXPECT_EQ(store.UndoStepCount(), 1);
    ASSERT_TRUE(store.UndoLastStep());
    EXPECT_EQ(Board(), before);
}

TEST_F(UndoMoveGroupTest, PairingSelectionAloneIsNoChange) {
    game.SetWord(words::kGameKind, 3);
    {
        UndoMoveGroup group(store);
        Set(PileListId::kDest, 0, "012");
    }
    EXPECT_EQ(store.UndoStepCount(), 0);
}

}  // namespace
}  // namespace engine
