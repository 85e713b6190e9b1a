#pragma once

#include "platform/core/canvas.h"

#include <optional>

class QMouseEvent;

namespace platform {

// Where a mouse event happened, in the coordinates of the widget that receives it.
Point EventPoint(const QMouseEvent& event);

// The mouse position in screen coordinates: the real one, or the one a test set.
Point CursorPos();
// Moves the mouse pointer (tests: sets the pretended position when one is set).
void SetCursorPos(Point screen);
// While set, CursorPos answers this and the real pointer is left alone; nothing ends it.
void OverrideCursorPos(std::optional<Point> screen);

}  // namespace platform
