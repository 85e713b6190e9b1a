#pragma once

#include "bars/windows/bar_layout.h"

namespace bars {

// What the sizes of a bar rest on, before the manager's border sizes are added.
struct BarSizeInput {
    BarOrientation orientation = BarOrientation::Horizontal;  // a floating bar measures as horizontal
    std::span<const LinkMetrics> links;  // every visible link, the personalized limit lifted
    platform::Size captionButtons;       // total size, empty when none
    bool endMark = false;
    platform::Size button;               // the manager's button width and height
    int minThickness = 0;
};

// Length along the bar that shows every link with its group gaps.
int PreferredLength(const BarSizeInput& input);
// Length that shows at least the first link.
int MinimumLength(const BarSizeInput& input);
// Size across the bar: the thickest link, or a button when there are none.
int PreferredThickness(const BarSizeInput& input);
// Size across a docked bar laid out along a length (client length, borders left out): only
// the links that fit count, the others being behind the end mark that the squeeze brings.
int ThicknessForLength(const BarSizeInput& input, int length);

// The client size of a floating bar laid out for a client width.
platform::Size FloatingSizeForWidth(std::span<const LinkMetrics> links, int clientWidth);
// The narrowest client size whose wrapped lines stay within a client height; the widest
// single line when none does.
platform::Size FloatingSizeForHeight(std::span<const LinkMetrics> links, int clientHeight);

}  // namespace bars
