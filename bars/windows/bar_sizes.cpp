#include "bars/windows/bar_sizes.h"

#include <algorithm>

namespace bars {

namespace {

bool IsVertical(const BarSizeInput& input) { return input.orientation == BarOrientation::Vertical; }
int Along(const BarSizeInput& input, const LinkMetrics& link) { return IsVertical(input) ? link.height : link.width; }
int Across(const BarSizeInput& input, const LinkMetrics& link) { return IsVertical(input) ? link.width : link.height; }
int AlongOf(const BarSizeInput& input, platform::Size size) { return IsVertical(input) ? size.height : size.width; }
int AcrossOf(const BarSizeInput& input, platform::Size size) { return IsVertical(input) ? size.width : size.height; }

int Extras(const BarSizeInput& input) {
    return AlongOf(input, input.captionButtons) + (input.endMark ? kEndMarkLength : 0);
}

}  // namespace

int MinimumLength(const BarSizeInput& input) {
    const int first = input.links.empty() ? AlongOf(input, input.button) : Along(input, input.links.front());
    return first + Extras(input);
}

int PreferredLength(const BarSizeInput& input) {
    int sum = 0;
    for (std::size_t i = 0; i < input.links.size(); ++i)
        sum += Along(input, input.links[i]) + (i > 0 && input.links[i].beginGroup ? kGroupGap : 0);
    return std::max(sum + Extras(input), MinimumLength(input));
}

int PreferredThickness(const BarSizeInput& input) {
    int thickest = 0;
    for (const LinkMetrics& link : input.links) thickest = std::max(thickest, Across(input, link));
    if (input.links.empty()) thickest = IsVertical(input) ? input.button.width : input.button.height;
    return std::max({thickest, input.minThickness, AcrossOf(input, input.captionButtons)});
}

int ThicknessForLength(const BarSizeInput& input, int length) {
    BarLayoutInput layout;
    layout.orientation = IsVertical(input) ? BarOrientation::Vertical : BarOrientation::Horizontal;
    layout.client = IsVertical(input) ? platform::Size{0, length} : platform::Size{length, 0};
    layout.endMark = input.endMark || length < PreferredLength(input);
    layout.captionButtons = input.captionButtons;
    const BarLayout placed = CalcBarLayout(layout, input.links);
    if (placed.placedCount == 0) return PreferredThickness(input);
    int thickest = 0;
    for (int i = 0; i < placed.placedCount; ++i) thickest = std::max(thickest, Across(input, input.links[i]));
    return std::max({thickest, input.minThickness, AcrossOf(input, input.captionButtons)});
}

platform::Size FloatingSizeForWidth(std::span<const LinkMetrics> links, int clientWidth) {
    return CalcBarLayout({BarOrientation::Floating, {clientWidth, 0}, false, {}}, links).extent;
}

platform::Size FloatingSizeForHeight(std::span<const LinkMetrics> links, int clientHeight) {
    int widest = 0;
    for (std::size_t i = 0; i < links.size(); ++i) widest += links[i].width + (links[i].beginGroup ? kGroupGap : 0);
    platform::Size best = FloatingSizeForWidth(links, widest);
    // Narrowing only ever adds lines, so walk down from one line while the height holds.
    for (int width = best.width - 1; width > 0; --width) {
        const platform::Size size = FloatingSizeForWidth(links, width);
        if (size.height > clientHeight) break;
        if (size.width < best.width) {
            best = size;
            width = size.width;
        }
    }
    return best;
}

}  // namespace bars
