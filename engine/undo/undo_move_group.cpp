#include "engine/undo/undo_move_group.h"

#include "engine/undo/undo_store.h"

namespace engine {

UndoMoveGroup::UndoMoveGroup(UndoStore& store)
    : m_store(store), m_boardAtStart(store.CurrentSnapshot()),
      m_countersAtStart(store.CurrentCounters()),
      m_stepsAtStart(store.UndoStepCount()) {}

UndoMoveGroup::~UndoMoveGroup() {
    Close();
}

void UndoMoveGroup::Close() {
    if (m_closed) return;
    m_closed = true;
    const int pushed = m_store.UndoStepCount() - m_stepsAtStart;
    if (m_store.CurrentSnapshot() == m_boardAtStart) {
        if (pushed > 0) m_store.DropNewestUndoSteps(pushed);
        return;
    }
    if (pushed <= 0) {
        m_store.AppendUndoStep(m_boardAtStart, m_countersAtStart);
        m_store.PushUndoSnapshot(false, kClearRedo);
        return;
    }
    if (pushed > 1) m_store.DeleteUndoSteps(true, pushed - 1);
    // A move may count a pass or a stock deal before its first action records the board.
    m_store.SetNewestUndoCounters(m_countersAtStart);
}

}  // namespace engine
