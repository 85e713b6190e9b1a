#include "bars/controls/bar_window.h"
#include "bars/items/bar_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"

// The keyboard walk over a window's links.
namespace bars {

namespace {

bool IsInside(const platform::Rect& inner, const platform::Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool IsEmpty(const platform::Rect& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

bool IsSelectable(const TcbBarItemLink* link) { return link->Item() && link->Item()->CanSelectByKeyboard(); }

// From the position after `from`, once round the list (stepping backwards when step is -1).
template <class Test>
TcbBarItemLink* WalkFrom(const std::vector<TcbBarItemLink*>& links, int from, int step, Test test) {
    int count = static_cast<int>(links.size());
    for (int n = 1; n <= count; ++n) {
        int position = ((from + step * n) % count + count) % count;
        if (test(links[static_cast<std::size_t>(position)])) {
            return links[static_cast<std::size_t>(position)];
        }
    }
    return nullptr;
}

int PositionOf(const std::vector<TcbBarItemLink*>& links, const TcbBarItemLink* link) {
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (links[i] == link) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

std::vector<TcbBarItemLink*> TcbBarItemLinks::FittingLinks() const {
    if (!m_window || m_window->IsMenu()) {
        return m_shown;
    }
    // On a bar the links behind the end mark did not get a place inside the window.
    std::vector<TcbBarItemLink*> fitting;
    platform::Rect client = m_window->ClientRect();
    for (TcbBarItemLink* link : m_shown) {
        if (IsEmpty(link->ItemRect()) || !IsInside(link->ItemRect(), client)) {
            break;
        }
        fitting.push_back(link);
    }
    return fitting;
}

TcbBarItemLink* TcbBarItemLinks::FirstSelectable() const {
    auto links = FittingLinks();
    return WalkFrom(links, -1, 1, IsSelectable);
}

TcbBarItemLink* TcbBarItemLinks::LastSelectable() const {
    auto links = FittingLinks();
    return WalkFrom(links, static_cast<int>(links.size()), -1, IsSelectable);
}

TcbBarItemLink* TcbBarItemLinks::NextSelectable(const TcbBarItemLink* link) const {
    auto links = FittingLinks();
    int from = link ? PositionOf(links, link) : -1;
    return WalkFrom(links, from, 1, IsSelectable);
}

TcbBarItemLink* TcbBarItemLinks::PreviousSelectable(const TcbBarItemLink* link) const {
    auto links = FittingLinks();
    int from = link ? PositionOf(links, link) : static_cast<int>(links.size());
    if (from < 0) {
        from = static_cast<int>(links.size());
    }
    return WalkFrom(links, from, -1, IsSelectable);
}

TcbBarItemLink* TcbBarItemLinks::FindByAccelerator(int key, unsigned shift, const TcbBarItemLink* start) const {
    auto links = FittingLinks();
    if (links.empty()) {
        return nullptr;
    }
    // Without a start link the search begins after the first link.
    int from = start ? PositionOf(links, start) : 0;
    return WalkFrom(links, from, 1, [&](TcbBarItemLink* link) {
        return link->Item() && link->Item()->CanUseAccelerator(*link) && link->IsAccelerator(key, shift);
    });
}

}  // namespace bars
