#include "platform/qt/screen_cursor.h"

#include <QGuiApplication>

namespace platform {

ScreenCursor::~ScreenCursor() { Set(kArrowCursorId); }

void ScreenCursor::Set(int id) {
    // A drag sets its cursor at every pointer move; the window system hears of a change only.
    if (id == m_current && m_overridden == (id != kArrowCursorId)) return;
    m_current = id;
    if (id == kArrowCursorId) {
        if (m_overridden) QGuiApplication::restoreOverrideCursor();
        m_overridden = false;
        return;
    }
    const QCursor cursor = CursorOf(id);
    if (m_overridden) {
        QGuiApplication::changeOverrideCursor(cursor);
    } else {
        QGuiApplication::setOverrideCursor(cursor);
        m_overridden = true;
    }
}

QCursor ScreenCursor::CursorOf(int id) const {
    if (id == kHourglassCursorId) return QCursor(Qt::WaitCursor);
    return m_lookup && id != kArrowCursorId ? m_lookup(id) : QCursor(Qt::ArrowCursor);
}

}  // namespace platform
