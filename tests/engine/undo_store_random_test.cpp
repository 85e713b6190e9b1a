#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "engine/model/card_codes.h"
#include "engine/undo/undo_store.h"
#include "tests/engine/undo_test_fixture.h"

namespace engine {
namespace {

using undo_test::UndoFixture;

// Random sequences of every operation, checked against a plain model: two stacks of
// whole boards with their counters.
class UndoStoreRandomTest : public UndoFixture {
protected:
    enum Op { kChange, kPush, kClearRedoOp, kPushRedo, kDelete, kMerge, kUndo, kRedo, kOpCount };

    struct Recorded {
        SnapshotLines board;
        UndoStore::Counters counters;
    };

    Recorded Now() const { return {Board(), Counters()}; }

    // Moves a card between two random piles and flips a random card.
    void ChangeBoard() {
        const PileListId from = kSnapshotListOrder[Pick(4)];
        const PileListId to = kSnapshotListOrder[Pick(4)];
        const int fromLine = Pick(PileLineCount(from));
        std::string source = Pile(from, fromLine);
        if (source.size() >= static_cast<std::size_t>(kCardCodeWidth)) {
            const std::string card = source.substr(source.size() - kCardCodeWidth);
            source.resize(source.size() - kCardCodeWidth);
            Set(from, fromLine, source);
            const int toLine = Pick(PileLineCount(to));
            Set(to, toLine, Pile(to, toLine) + card);
        }
        const int card = 1 + Pick(kCardCount);
        board.cards.SetCardFaceFlag(card, board.cards.IsFaceDown(card) ? kFaceUp : kFaceDown);
        constexpr int kCounterRange = 100;
        SetCounters({static_cast<std::int16_t>(Pick(kCounterRange)), Pick(kCounterRange),
                     static_cast<std::int16_t>(Pick(kCounterRange))});
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    void Step(std::vector<Recorded>& undo, std::vector<Recorded>& redo) {
        switch (Pick(kOpCount)) {
            case kChange: ChangeBoard(); break;
            case kPush:
                undo.push_back(Now());
                store.PushUndoSnapshot(true, kNoClear);
                break;
            case kClearRedoOp:
                redo.clear();
                store.PushUndoSnapshot(false, kClearRedo);
                break;
            case kPushRedo:
                redo.push_back(Now());
                store.PushUndoSnapshot(false, kNoClear);
                break;
            case kDelete:
            case kMerge: {
                const int n = Pick(4);
                for (int i = 0; i < n && !undo.empty(); ++i) undo.pop_back();
                if (Pick(2) == 0)
                    store.DeleteUndoSteps(true, n);
                else
                    store.MergeLastUndoSteps(true, n);
                break;
            }
            case kUndo:
            case kRedo: {
                const bool isUndo = Pick(2) == 0;
                std::vector<Recorded>& from = isUndo ? undo : redo;
                std::vector<Recorded>& to = isUndo ? redo : undo;
                const Recorded current = Now();
                const bool restored = isUndo ? store.UndoLastStep() : store.RedoLastStep();
                ASSERT_EQ(restored, !from.empty());
                if (!restored) break;
                ASSERT_EQ(Board(), from.back().board);
                ASSERT_EQ(Counters(), from.back().counters);
                from.pop_back();
                to.push_back(current);
                break;
            }
            default: break;
        }
    }

    std::mt19937 m_random{20261208};
};

TEST_F(UndoStoreRandomTest, EveryListHoldsWholeStepsAndRestoresMatchTheModel) {
    // Start with a dealt board so that changes have cards to move.
    for (int card = 1; card <= kCardCount; ++card) {
        const PileListId list = kSnapshotListOrder[card % 4];
        const int line = card % PileLineCount(list);
        Set(list, line, Pile(list, line) + CardCodeText(card));
    }
    std::vector<Recorded> undo;
    std::vector<Recorded> redo;
    for (int i = 0; i < 2000; ++i) {
        Step(undo, redo);
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_EQ(store.UndoStepCount(), static_cast<int>(undo.size()));
        ASSERT_EQ(store.RedoStepCount(), static_cast<int>(redo.size()));
        ExpectWholeSteps();
    }
    // Undo everything: the boards and their counters come back newest first, exactly.
    while (!undo.empty()) {
        ASSERT_TRUE(store.UndoLastStep());
        ASSERT_EQ(Board(), undo.back().board);
        ASSERT_EQ(Counters(), undo.back().counters);
        undo.pop_back();
    }
    EXPECT_FALSE(store.UndoLastStep());
}

}  // namespace
}  // namespace engine
