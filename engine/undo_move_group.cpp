#include "engine/undo_move_group.h"

#include "engine/undo_store.h"

namespace engine {

UndoMoveGroup::UndoMoveGroup(UndoStore& store)
    : m_store(store), m_boardAtStart(store.CurrentSnapshot()), m_stepsAtStart(store.UndoStepCount()) {}

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
        m_store.AppendUndoStep(m_boardAtStart);
        m_store.PushUndoSnapshot(false, kClearRedo);
    } else if (pushed > 1) {
        m_store.DeleteUndoSteps(true, pushed - 1);
    }
}

}  // namespace engine
