#include "platform/qt/work_area.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace platform {

namespace {

std::optional<Rect> g_override;

Rect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

constexpr Rect kFallbackArea{0, 0, 800, 600};

}  // namespace

Rect WorkArea(Point nearPoint) {
    if (g_override) return *g_override;
    const QPoint point(nearPoint.x, nearPoint.y);
    QScreen* nearest = nullptr;
    long long best = -1;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect geometry = screen->geometry();
        if (geometry.contains(point)) return FromQRect(screen->availableGeometry());
        const long long dx = std::max({geometry.left() - point.x(), 0, point.x() - geometry.right()});
        const long long dy = std::max({geometry.top() - point.y(), 0, point.y() - geometry.bottom()});
        const long long distance = dx * dx + dy * dy;
        if (best < 0 || distance < best) {
            best = distance;
            nearest = screen;
        }
    }
    return nearest != nullptr ? FromQRect(nearest->availableGeometry()) : PrimaryWorkArea();
}

Rect PrimaryWorkArea() {
    if (g_override) return *g_override;
    QScreen* primary = QGuiApplication::primaryScreen();
    return primary != nullptr ? FromQRect(primary->availableGeometry()) : kFallbackArea;
}

void OverrideWorkArea(std::optional<Rect> area) { g_override = area; }

}  // namespace platform
