#pragma once

#include "platform/core/canvas.h"

#include <optional>

namespace platform {

// The desktop without its panels: of the screen nearest to the point, or the primary one.
// Offscreen this is 800 x 600.
Rect WorkArea(Point nearPoint);
Rect PrimaryWorkArea();
// While set, every work area is this one (tests).
void OverrideWorkArea(std::optional<Rect> area);

}  // namespace platform
