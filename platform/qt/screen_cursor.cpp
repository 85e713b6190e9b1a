#include "platform/qt/screen_cursor.h"

#include <QGuiApplication>

namespace platform {

ScreenCursor::~ScreenCursor() { Set(kArrowCursorId); }

void ScreenCursor::Set(int id) {
    m_current = id;
    if (id == kArrowCursorId) {
        if (m_overridden) QGuiApplication::restoreOverrideCursor();
        m_overridden = false;
        return;
    }
    const QCursor cursor =
        id == kHourglassCursorId ? QCursor(Qt::WaitCursor) : (m_lookup ? m_lookup(id) : QCursor(Qt::ArrowCursor));
    if (m_overridden) {
        QGuiApplication::changeOverrideCursor(cursor);
    } else {
        QGuiApplication::setOverrideCursor(cursor);
        m_overridden = true;
    }
}

}  // namespace platform
