#pragma once

#include "platform/core/canvas.h"

#include <vector>

namespace bars {

// The frame a toolbar window draws around its client area, as plain geometry in window
// coordinates (the window's top-left is 0, 0).
struct FrameInsets {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const FrameInsets&) const = default;
};

// Docked: 2 pixels all round, and the grip on the side where the bar starts.
constexpr int kDockedInset = 2;
FrameInsets DockedInsets(bool vertical, int gripSize);
// Floating: the sizing frame, 4 more at the sides, the small caption above.
FrameInsets FloatingInsets(int frameWidth, int frameHeight, int smallCaptionHeight);

platform::Rect ClientRect(platform::Size window, const FrameInsets& insets);

// The grip bars of a docked bar: one 3-pixel bar across the bar for the enhanced style (a
// pixel shorter at each end), two side by side for the standard style.
std::vector<platform::Rect> GripBars(platform::Size window, bool vertical, bool standardStyle);

// The caption strip of a floating window and the close button at its right end.
platform::Rect CaptionStrip(platform::Size window, int frameWidth, int frameHeight, int smallCaptionHeight);
platform::Rect CaptionCloseButton(const platform::Rect& caption, platform::Size button);

// Sizing codes of a floating window's frame narrowed to four directions: a top corner is
// the top edge when the point lies within the top frame height, else the left or right edge.
enum class SizingEdge { None, Left, Top, Right, Bottom };
SizingEdge FloatingSizingEdge(platform::Size window, platform::Point point, int frameWidth, int frameHeight);

// Keeps the cursor at the same fraction of the bar when it changes size.
platform::Point ScaleGrabOffset(platform::Point offset, platform::Size oldSize, platform::Size newSize);

// A screen rectangle moved back so that it touches the work area it lies entirely outside of.
platform::Rect KeepReachable(const platform::Rect& window, const platform::Rect& workArea);

}  // namespace bars
