#include "bars/windows/bar_layout.h"

#include <algorithm>

namespace bars {

int AvailableLength(const BarLayoutInput& input) {
    const int mark = input.endMark ? kEndMarkLength : 0;
    switch (input.orientation) {
    case BarOrientation::Horizontal: return input.client.width - mark - input.captionButtons.width;
    case BarOrientation::Vertical: return input.client.height - mark - input.captionButtons.height;
    case BarOrientation::Floating: break;
    }
    return input.client.width;
}

namespace {

// Centres the links of one finished floating line across it.
void CentreLine(BarLayout& layout, std::span<const LinkMetrics> links, int first, int last, int lineHeight) {
    for (int i = first; i < last; ++i) {
        LinkPlace& place = layout.places[i];
        const int shift = (lineHeight - links[i].height) / 2;
        place.rect.top += shift;
        place.rect.bottom += shift;
        place.lineBreadth = lineHeight;
    }
}

}  // namespace

BarLayout CalcBarLayout(const BarLayoutInput& input, std::span<const LinkMetrics> links) {
    BarLayout layout;
    layout.places.resize(links.size());
    const bool floating = input.orientation == BarOrientation::Floating;
    const bool vertical = input.orientation == BarOrientation::Vertical;
    const int available = AvailableLength(input);
    const int breadth = floating ? 0 : vertical ? input.client.width : input.client.height;

    int position = 0, lineOffset = 0, lineHeight = 0, lineStart = 0, widest = 0;
    int count = static_cast<int>(links.size());
    for (int i = 0; i < count; ++i) {
        const LinkMetrics& link = links[i];
        const int length = vertical ? link.height : link.width;
        const int thickness = vertical ? link.width : link.height;
        const bool firstOnLine = i == lineStart;
        int gap = link.beginGroup && !firstOnLine ? kGroupGap : 0;
        const bool ownLine = floating && (link.ownLine || links[i - (firstOnLine ? 0 : 1)].ownLine);
        const bool fits = firstOnLine || (position + gap + length <= available && !ownLine);
        if (!fits) {
            layout.places[i - 1].lineEnd = true;
            if (!floating) {
                count = i;
                break;
            }
            CentreLine(layout, links, lineStart, i, lineHeight);
            widest = std::max(widest, position);
            lineOffset += gap + lineHeight;
            lineStart = i;
            position = gap = lineHeight = 0;
        }
        LinkPlace& place = layout.places[i];
        if (floating)
            place.rect = {position + gap, lineOffset, position + gap + length, lineOffset + thickness};
        else if (vertical)
            place.rect = {(breadth - thickness) / 2, position + gap, (breadth - thickness) / 2 + thickness,
                          position + gap + length};
        else
            place.rect = {position + gap, (breadth - thickness) / 2, position + gap + length,
                          (breadth - thickness) / 2 + thickness};
        place.lineBreadth = breadth;
        position += gap + length;
        if (floating) lineHeight = std::max(lineHeight, thickness);
    }
    layout.placedCount = count;
    if (count > 0) layout.places[count - 1].lineEnd = true;
    if (floating && count > 0) {
        CentreLine(layout, links, lineStart, count, lineHeight);
        layout.extent = {std::max(widest, position), lineOffset + lineHeight};
    }
    return layout;
}

}  // namespace bars
