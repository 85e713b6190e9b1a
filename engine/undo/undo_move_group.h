#pragma once

#include "engine/undo/undo_snapshot.h"
#include "engine/undo/undo_store.h"

namespace engine {

// Makes one player's move one undo step, however many actions it runs. Open a group
// before the move's first action and let it close when the move is done:
//
//     {
//         UndoMoveGroup group(undo);
//         ExecuteAction(card, "Fila03");   // may push zero, one or several steps
//         ...automatic moves that belong to the same move...
//     }   // now exactly one step, or none
//
// On closing, measured against the board and the step count at opening:
// - the board unchanged: every step the move pushed goes again, with its log entry;
// - changed with no step pushed (actions that push none): the board at opening is pushed
//   as the step, and the redo store is emptied as after any new move;
// - changed with several steps pushed: they fold into the oldest, the board before the
//   move, and the undo log keeps the newest entry (as DeleteUndoSteps folds).
// Groups nest; an inner group folds first. Undo and Redo are not moves: never run them
// inside a group. The store must outlive the group.
class UndoMoveGroup {
public:
    explicit UndoMoveGroup(UndoStore& store);
    ~UndoMoveGroup();
    UndoMoveGroup(const UndoMoveGroup&) = delete;
    UndoMoveGroup& operator=(const UndoMoveGroup&) = delete;

    // Closes the group now (before EndGame, say); the destructor then does nothing.
    void Close();

private:
    UndoStore& m_store;
    SnapshotLines m_boardAtStart;
    UndoStore::Counters m_countersAtStart;
    int m_stepsAtStart;
    bool m_closed = false;
};

}  // namespace engine
