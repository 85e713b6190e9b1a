#include "bars/menus/menu_geometry.h"

#include "platform/core/random.h"

#include <algorithm>
#include <cstdint>

namespace bars {

MenuLayout LayoutMenu(const MenuLayoutInput& input) {
    MenuLayout layout;
    const bool measuring = input.limit < 0;
    int y = kMenuInset;
    int widest = 0;
    for (std::size_t i = 0; i < input.rows.size(); ++i) {
        const MenuRow& row = input.rows[i];
        const bool beginsBlock = i > 0 && row.rarelyUsed && !input.rows[i - 1].rarelyUsed;
        if (beginsBlock) y += kRarelyUsedMark;
        // The row under the up arrow is the arrow's: the one after it needs no gap.
        const bool separator = row.beginGroup && i > 0 && !(i == 1 && input.upArrow);
        if (separator) y += kMenuGroupGap;
        const int bottom = y + row.height;
        if (!measuring && bottom > input.limit) break;
        widest = std::max(widest, row.width);
        layout.rects.push_back({kMenuInset, y, input.clientWidth - kMenuInset, bottom});
        layout.beginsRarelyBlock.push_back(beginsBlock);
        layout.separatorAbove.push_back(separator);
        y = bottom;
    }
    layout.measured.width = widest == 0 ? kEmptyMenuWidth : widest + kMenuExtraWidth;
    const bool entries = !layout.rects.empty();
    layout.measured.height = (entries && !input.expandRow) ? y + kMenuExtraHeight : y + input.itemHeight + kMenuExtraHeight;
    return layout;
}

MenuPlacement PlaceMenu(const MenuPlacementInput& in) {
    const Rect& work = in.workArea;
    int x = in.requested.x, y = in.requested.y;
    const int w = in.size.width;
    // Never taller than the work area: the rest scrolls.
    int h = std::min(in.size.height, work.Height());
    const int e = in.openerWidth, f = in.openerHeight;
    MenuPlacement placement;
    if (x + w > work.right) {
        if (e != 0) {
            if (x - e - work.left > work.right - x) {
                x = x - e - w;
                placement.flippedHorizontally = true;
            }
        } else {
            x = work.right - w;
        }
    }
    if (x < work.left) {
        if (e == 0) {
            x = work.left;
        } else if (!in.rightward && work.right - (x + w + e) > x + w - work.left) {
            x = x + w + e;
            placement.flippedHorizontally = true;
        }
    }
    // A flipped menu stays inside the work area.
    if (placement.flippedHorizontally) x = std::max(work.left, std::min(x, work.right - w));
    if (y + h > work.bottom) {
        if (f != 0) {
            if (y - f - work.top <= work.bottom - y) {
                h = work.bottom - y;
            } else {
                y = y - f - h;
                placement.flippedVertically = true;
            }
        } else if (e != 0) {
            y = work.bottom - h;
        } else if (y - h >= work.top) {
            y = y - h;
            placement.flippedVertically = true;
        } else {
            y = work.bottom - h;
        }
    }
    if (y < work.top) {
        if (in.downward) {
            if (f != 0) h -= work.top - y;
            y = work.top;
        } else if (f != 0 && work.bottom - (y + h + f) > y + h - work.top) {
            y = y + h + f;
            h = std::min(h, work.bottom - y);
            placement.flippedVertically = true;
        }
    }
    // Whatever the mode, the menu ends inside the work area and scrolls.
    y = std::max(work.top, y);
    h = std::min(h, work.bottom - y);
    placement.bounds = {x, y, x + w, y + h};
    return placement;
}

TcbBarMenuAnimations ResolveMenuAnimation(TcbBarMenuAnimations kind, platform::RandomGenerator& random) {
    if (kind != maRandom) return kind;
    return random.Random(kRandomAnimationRange) >= kRandomSlideFrom ? maSlide : maUnfold;
}

std::vector<Size> AnimationFrames(TcbBarMenuAnimations kind, Size client) {
    std::vector<Size> frames;
    const int cw = client.width, ch = client.height;
    if (kind == maSlide) {
        for (int i = 1; i <= ch / kSlideStep; ++i) frames.push_back({cw, kSlideStep * i});
    } else if (kind == maUnfold) {
        const int d = ch - cw;
        // The shorter side starts behind by the difference, so both reach full size together.
        const int total = d < 1 ? ch : cw;
        const int widthAhead = d < 1 ? cw - ch : 0;
        const int heightAhead = d < 1 ? 0 : d;
        for (int i = 1; i <= total / kUnfoldStep; ++i)
            frames.push_back({kUnfoldStep * i + widthAhead, kUnfoldStep * i + heightAhead});
    }
    return frames;
}

unsigned AnimationFrameDelayMs(std::size_t frame) {
    const auto shownAt = [](std::size_t k) {
        return (static_cast<std::uint64_t>(k) * kSystemTickMicroseconds + 999) / 1000;
    };
    return static_cast<unsigned>(shownAt(frame + 1) - shownAt(frame));
}

Rect FrameBounds(const Rect& full, Size frameClient, Size nonClient, bool reverseHorizontally, bool reverseVertically) {
    const int w = frameClient.width + nonClient.width, h = frameClient.height + nonClient.height;
    const int left = reverseHorizontally ? full.right - w : full.left;
    const int top = reverseVertically ? full.bottom - h : full.top;
    return {left, top, left + w, top + h};
}

}  // namespace bars
