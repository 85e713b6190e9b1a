#pragma once

#include "platform/core/canvas.h"

class QRect;
class QWidget;

namespace bars {

// The gap between the customizing window and a window that opens beside it.
inline constexpr int kBesideDialogGap = 8;

// Where a window of the given frame size opens beside the customizing window (screen frame
// rectangle): after its right edge, or before its left edge when the work area has no room
// there, and in any case inside the work area.
platform::Point PlaceBesideDialog(const platform::Rect& dialog, platform::Size frame, const platform::Rect& work);

// A Qt rectangle as the framework's, right and bottom exclusive.
platform::Rect ScreenRectOf(const QRect& rect);

// The width a framed window needs for its caption to be read whole: the caption's text in the
// window's font and the frame's buttons beside it.
int CaptionWidth(const QWidget& window);

}  // namespace bars
