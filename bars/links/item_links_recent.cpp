#include "bars/controls/bar_window.h"
#include "bars/items/bar_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/links/item_links_owner.h"
#include "bars/manager/bar_manager.h"

#include <algorithm>
#include <cstdint>

// The recent-use order of personalized menus.
namespace bars {

namespace {
// a * b / c rounded to the nearest whole number, halves away from zero.
int MulDiv(int a, int b, int c) {
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}
}  // namespace

void TcbBarItemLinks::MoveRecent(TcbBarItemLink& link, int index) {
    const auto found = std::find(m_recent.begin(), m_recent.end(), &link);
    if (found == m_recent.end()) {
        m_recent.insert(m_recent.begin() + std::clamp(index, 0, static_cast<int>(m_recent.size())), &link);
        return;
    }
    // Only the links between the old and the new place shift: a layout's thousands of links
    // mostly come back to the place they already hold.
    const auto to = m_recent.begin() + std::clamp(index, 0, static_cast<int>(m_recent.size()) - 1);
    if (found < to) {
        std::rotate(found, found + 1, to + 1);
    } else if (to < found) {
        std::rotate(to, found, found + 1);
    }
}

bool TcbBarItemLinks::IsDockedToolbarWindow() const {
    return m_window && !m_window->IsMenu() && m_window->DockingStyle() != dsNone;
}

int TcbBarItemLinks::RecentUseCountThreshold() const {
    if (m_visible.empty()) {
        return 0;
    }
    auto [smallest, largest] = std::minmax_element(
        m_visible.begin(), m_visible.end(), [](TcbBarItemLink* a, TcbBarItemLink* b) { return a->UseCount() < b->UseCount(); });
    int low = (*smallest)->UseCount();
    int high = (*largest)->UseCount();
    return low + MulDiv(high - low, 100 - m_manager.MostRecentItemsPercents(), 100);
}

int TcbBarItemLinks::RecentThreshold() const {
    if (!m_useRecentItems || m_visible.empty()) {
        return -1;
    }
    int threshold = RecentUseCountThreshold();
    int visibleCount = static_cast<int>(m_visible.size());
    int start = std::min(visibleCount, static_cast<int>(m_recent.size())) - 1;
    for (int position = start; position >= 0; --position) {
        TcbBarItemLink* link = m_recent[static_cast<std::size_t>(position)];
        if (link->Collection() == this && link->UseCount() >= threshold) {
            int result = position + 1;
            return result == visibleCount ? -1 : result;
        }
    }
    return -1;
}

void TcbBarItemLinks::UseLink(TcbBarItemLink& link, bool counted) {
    if (!link.CanShow()) {
        return;
    }
    bool wasShown = ShownIndexOf(link) >= 0;
    MoveRecent(link, 0);
    if (counted) {
        link.SetUseCount(link.UseCount() + 1);
    }
    if (link.VisibleIndex() >= 0 && IsDockedToolbarWindow() && m_manager.Style() == bmsEnhanced && !wasShown) {
        m_window->PostRebuild();
    }
    // A use inside a sub item's menu is a use of the link that opened it.
    if (m_owner.AsSubItem() && m_window) {
        if (TcbBarItemLink* opener = m_window->OpenerLink()) {
            TcbBarItemLink& parent = opener->RepresentedLink();
            parent.Collection()->UseLink(parent, counted);
        }
    }
}

void TcbBarItemLinks::MoveToRecentEnd(TcbBarItemLink& link) {
    bool wasShown = ShownIndexOf(link) >= 0;
    MoveRecent(link, static_cast<int>(m_recent.size()));
    if (m_window && !m_window->IsMenu() && m_manager.Style() == bmsEnhanced && wasShown) {
        m_window->PostRebuild();
    }
}

void TcbBarItemLinks::AfterLoading(bool withVisibility) {
    for (int i = Count() - 1; i >= 0; --i) {
        if (!Items(i)->Item()) {
            m_clearing = true;
            Delete(*Items(i));
            m_clearing = false;
        }
    }
    int initialUseCount = m_manager.RecentItemsThreshold();
    for (const auto& link : m_links) {
        if (link->MostRecentlyUsed()) {
            link->SetUseCount(initialUseCount);
        } else {
            link->SetUseCount(0);
            MoveRecent(*link, static_cast<int>(m_recent.size()));
        }
        if (withVisibility) {
            link->m_visible = link->m_pendingVisible;
        }
    }
    std::vector<TcbBarItemLink*> saved;
    for (const auto& link : m_links) {
        if (link->SavedRecentIndex() >= 0) {
            saved.push_back(link.get());
        }
    }
    std::stable_sort(saved.begin(), saved.end(),
                     [](TcbBarItemLink* a, TcbBarItemLink* b) { return a->SavedRecentIndex() < b->SavedRecentIndex(); });
    for (TcbBarItemLink* link : saved) {
        MoveRecent(*link, link->SavedRecentIndex());
        link->SetUseCount(link->SavedUseCount());
    }
    Refresh();
}

void TcbBarItemLinks::CopyRecentState(const TcbBarItemLinks& source) {
    for (int i = 0; i < Count(); ++i) {
        if (i < source.Count()) {
            Items(i)->m_mostRecentlyUsed = source.Items(i)->MostRecentlyUsed();
        }
        // A definition reads no layout store: usage read from it would come back below.
        Items(i)->SetSavedRecent(-1, 0);
    }
    AfterLoading(false);
    std::stable_partition(m_recent.begin(), m_recent.end(),
                          [this](TcbBarItemLink* link) { return VisibleIndexOf(*link) >= 0; });
}

}  // namespace bars
