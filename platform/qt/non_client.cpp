#include "platform/qt/non_client.h"

namespace platform {

Rect InsetRect(const Rect& window, const Insets& insets) {
    return {window.left + insets.left, window.top + insets.top, window.right - insets.right,
            window.bottom - insets.bottom};
}

int FrameHitTest(const Rect& window, Point p, int thickness, int corner) {
    if (!window.Contains(p)) return HTNOWHERE;
    const bool left = p.x < window.left + thickness;
    const bool right = p.x >= window.right - thickness;
    const bool top = p.y < window.top + thickness;
    const bool bottom = p.y >= window.bottom - thickness;
    if (!left && !right && !top && !bottom) return HTCLIENT;
    // Along a side, the part within `corner` of the end belongs to the corner.
    const bool nearLeft = p.x < window.left + corner;
    const bool nearRight = p.x >= window.right - corner;
    const bool nearTop = p.y < window.top + corner;
    const bool nearBottom = p.y >= window.bottom - corner;
    if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
    if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
    if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
    if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
    if (top) return HTTOP;
    return HTBOTTOM;
}

}  // namespace platform
