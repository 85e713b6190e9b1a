#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"
#include "platform/qt/canvas.h"

#include <string_view>

namespace bars {

class TCustomcbBarControl;
class TcbBarItemControl;

// What the extended controls share: their bar window, its place and its font.
TCustomcbBarControl* BarWindowOf(const TcbBarItemControl& control);
bool IsInMenu(const TcbBarItemControl& control);
// A docked left or right whose bar turns its items.
bool IsRotatedVertical(const TcbBarItemControl& control);
platform::CanvasFont FontOf(const TcbBarItemControl& control);
platform::Size TextSizeIn(const platform::CanvasFont& font, std::string_view text);
// A list entry's background in the window or highlight colour, with a clear brush for its
// text; answers the text colour.
platform::Colour FillListEntry(platform::Canvas& canvas, const platform::Rect& rect, bool selected);
void FrameRectIn(platform::Canvas& canvas, const platform::Rect& r, platform::Colour colour);

}  // namespace bars
