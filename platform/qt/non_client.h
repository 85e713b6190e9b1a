#pragma once

#include "platform/core/canvas.h"
#include "platform/core/window_messages.h"

namespace platform {

// Our windows draw their own frames: the non-client area is a band of insets inside the
// widget, and the client area what is left.
struct Insets {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Insets&) const = default;
};

// The client rectangle inside a window rectangle.
Rect InsetRect(const Rect& window, const Insets& insets);
// The sizing-frame hit code (HTLEFT ... HTBOTTOMRIGHT) of a point in the window rectangle
// for a frame of the given thickness, with corners `corner` pixels long; HTCLIENT inside
// the frame, HTNOWHERE outside the window.
int FrameHitTest(const Rect& window, Point point, int thickness, int corner);

}  // namespace platform
