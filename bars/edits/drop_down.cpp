#include "bars/edits/drop_down.h"

#include "platform/core/ascii_case.h"
#include "platform/core/virtual_keys.h"

#include <algorithm>

namespace bars {

platform::Point FitDropDown(platform::Point anchor, platform::Size window, platform::Size control,
                            const platform::Rect& area, bool fromHorizontalBar) {
    int x = anchor.x, y = anchor.y;
    if (fromHorizontalBar) {
        if (x + window.width > area.right) x = area.right - window.width;
        if (y + window.height > area.bottom && area.bottom - y < y - control.height - area.top)
            y = y - control.height - window.height;
    } else {
        if (x + window.width > area.right && area.right - x < x - control.width - area.left)
            x = x - control.width - window.width;
        if (y + window.height > area.bottom) y = area.bottom - window.height;
    }
    return {std::max(x, 0), std::max(y, 0)};
}

int ListKeyStep(int key, int selected, int topIndex, int count, int page) {
    if (count <= 0) return -1;
    const int from = selected >= 0 ? selected : std::clamp(topIndex, 0, count - 1);
    int to = from;
    switch (key) {
    case platform::VK_UP: to = from - 1; break;
    case platform::VK_DOWN: to = from + 1; break;
    case platform::VK_PRIOR: to = from - std::max(1, page); break;
    case platform::VK_NEXT: to = from + std::max(1, page); break;
    default: return -1;
    }
    return std::clamp(to, 0, count - 1);
}

int PrefixLookup(const std::vector<std::string>& entries, const std::string& text) {
    const auto same = [](char a, char b) { return platform::AsciiLower(a) == platform::AsciiLower(b); };
    const std::string& wanted = text;
    int best = -1;
    std::size_t bestLength = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& entry = entries[i];
        const auto common = static_cast<std::size_t>(
            std::mismatch(wanted.begin(), wanted.end(), entry.begin(), entry.end(), same).first - wanted.begin());
        if (common > bestLength) {
            best = static_cast<int>(i);
            bestLength = common;
        }
        if (!wanted.empty() && common == wanted.size()) break;
    }
    return best;
}

}  // namespace bars
