#pragma once

#include "bars/windows/toolbar_frame.h"
#include "platform/core/canvas.h"

#include <string_view>

namespace platform {
class Canvas;
}

namespace bars {

// Width of a group separator strip and the size of the end mark across a standard bar.
constexpr int kSeparatorStrip = 6;
constexpr int kStandardMarkBreadth = 9;

// A group separator: face-coloured 2-pixel margins around an etched line; the line runs
// down the strip (between links of one line) or across it (above a link).
void DrawGroupSeparator(platform::Canvas& canvas, const platform::Rect& strip, bool lineAcross);

// The frame of a docked bar: the face outside the client area, a raised edge all round and
// the grip.
void DrawDockedFrame(platform::Canvas& canvas, platform::Size window, const FrameInsets& insets, bool vertical,
                     bool standardStyle);

enum class MarkState { None = 0, Hot = 1, Pressed = 2 };

// The end mark of a docked bar, with the "more" chevrons when links are hidden.
void DrawEndMark(platform::Canvas& canvas, const platform::Rect& mark, MarkState state, bool linksHidden,
                 bool enhanced, bool vertical);

// The caption strip of a floating bar with its title, the end mark's triangle when the bar
// has one, and the close button when it may be closed.
struct FloatingCaption {
    std::string_view text;
    bool endMark = false;
    bool closeButton = false;
    bool closePressed = false;
    platform::Size buttonSize;
};
// An empty strip: the frame alone, without a caption.
void DrawFloatingFrame(platform::Canvas& canvas, platform::Size window, const FrameInsets& insets,
                       const platform::Rect& strip, const FloatingCaption& caption);

}  // namespace bars
