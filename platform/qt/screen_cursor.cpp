#include "platform/qt/screen_cursor.h"

#include <QGuiApplication>

namespace platform {

ScreenCursor::~ScreenCursor() { Set(kArrowCursorId); }

void ScreenCursor::Set(int id) {
    // A drag sets its cursor at every pointer move; the window system hears of a change only.
    if (id == m_current) return;
    // Any cursor but the arrow is the application's override cursor.
    const bool overridden = m_current != kArrowCursorId;
    m_current = id;
    if (id == kArrowCursorId)
        QGuiApplication::restoreOverrideCursor();
    else if (overridden)
        QGuiApplication::changeOverrideCursor(CursorOf(id));
    else
        QGuiApplication::setOverrideCursor(CursorOf(id));
}

QCursor ScreenCursor::CursorOf(int id) const {
    if (id == kHourglassCursorId) return QCursor(Qt::WaitCursor);
    return m_lookup && id != kArrowCursorId ? m_lookup(id) : QCursor(Qt::ArrowCursor);
}

}  // namespace platform
