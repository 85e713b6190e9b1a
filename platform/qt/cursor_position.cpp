#include "platform/qt/cursor_position.h"

#include <QCursor>
#include <QMouseEvent>

namespace platform {

namespace {

std::optional<Point> g_override;

}  // namespace

Point CursorPos() {
    if (g_override) return *g_override;
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

void SetCursorPos(Point screen) {
    if (g_override) {
        g_override = screen;
        return;
    }
    QCursor::setPos(screen.x, screen.y);
}

void OverrideCursorPos(std::optional<Point> screen) { g_override = screen; }

Point EventPoint(const QMouseEvent& event) {
    const QPoint p = event.position().toPoint();
    return {p.x(), p.y()};
}

}  // namespace platform
