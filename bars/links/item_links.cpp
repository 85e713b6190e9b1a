#include "bars/links/item_links.h"

#include "bars/controls/bar_window.h"
#include "bars/items/bar_item.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links_owner.h"
#include "bars/manager/bar_manager.h"

#include <algorithm>

namespace bars {

namespace {
template <class T>
int PositionIn(const std::vector<T*>& list, const T& value) {
    auto it = std::find(list.begin(), list.end(), &value);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}
}  // namespace

TcbBarItemLinks::TcbBarItemLinks(TcbBarManager& manager, TcbBarItemLinksOwner& owner)
    : m_manager(manager), m_owner(owner) {}

TcbBarItemLinks::~TcbBarItemLinks() {
    m_clearing = true;
    Clear();
    if (m_window) {
        m_window->Release();
    }
}

TcbBarItemLink* TcbBarItemLinks::Items(int index) const {
    return (index >= 0 && index < Count()) ? m_links[static_cast<std::size_t>(index)].get() : nullptr;
}

int TcbBarItemLinks::IndexOf(const TcbBarItemLink& link) const {
    for (int i = 0; i < Count(); ++i) {
        if (m_links[static_cast<std::size_t>(i)].get() == &link) {
            return i;
        }
    }
    return -1;
}

TcbBarItemLink& TcbBarItemLinks::Add() {
    m_links.push_back(std::make_unique<TcbBarItemLink>(*this));
    TcbBarItemLink& link = *m_links.back();
    m_recent.push_back(&link);
    if (!m_manager.IsLoading()) {
        m_manager.ItemLinkAdded(link);
    }
    ItemChanged();
    return link;
}

void TcbBarItemLinks::Delete(TcbBarItemLink& link) {
    // From the end: a clearing deletes the last link again and again.
    const auto found =
        std::find_if(m_links.rbegin(), m_links.rend(), [&link](const auto& owned) { return owned.get() == &link; });
    if (found == m_links.rend()) {
        return;
    }
    // The link's destruction reaches back here (Forget); it must find the list consistent.
    auto owned = std::move(*found);
    m_links.erase(std::next(found).base());
    owned.reset();
    if (!m_clearing) {
        if (m_window && !m_window->IsDestroying()) {
            m_window->Rebuild();
        }
        ItemChanged();
    }
}

void TcbBarItemLinks::Forget(TcbBarItemLink& link) {
    std::erase(m_recent, &link);
    std::erase(m_available, &link);
    std::erase(m_visible, &link);
    std::erase(m_shown, &link);
}

void TcbBarItemLinks::Clear() {
    bool wasClearing = m_clearing;
    m_clearing = true;
    // Every link goes: the lists are emptied at once rather than link by link.
    m_available.clear();
    m_visible.clear();
    m_shown.clear();
    m_recent.clear();
    while (!m_links.empty()) {
        Delete(*m_links.back());
    }
    m_clearing = wasClearing;
    if (!m_clearing) {
        ItemChanged();
    }
}

void TcbBarItemLinks::Assign(const TcbBarItemLinks& source, const std::function<TcbBarItem*(TcbBarItem*)>& itemOf) {
    m_assigning = true;
    Clear();
    for (const auto& from : source.m_links) {
        TcbBarItemLink& link = Add();
        link.Assign(*from, itemOf(from->Item()));
    }
    m_assigning = false;
    for (const auto& link : m_links) {
        link->SetVisible(link->m_pendingVisible);
    }
    Refresh();
}

int TcbBarItemLinks::VisibleIndexOf(const TcbBarItemLink& link) const { return PositionIn(m_visible, link); }

int TcbBarItemLinks::ShownIndexOf(const TcbBarItemLink& link) const { return PositionIn(m_shown, link); }

int TcbBarItemLinks::AvailableIndexOf(const TcbBarItemLink& link) const { return PositionIn(m_available, link); }

int TcbBarItemLinks::RecentIndexOf(const TcbBarItemLink& link) const { return PositionIn(m_recent, link); }

bool TcbBarItemLinks::IsCustomizing() const { return m_manager.IsCustomizing(); }

void TcbBarItemLinks::Refresh() {
    if (m_reading) {
        return;
    }
    m_available.clear();
    m_visible.clear();
    m_shown.clear();
    bool customizing = IsCustomizing();
    for (const auto& owned : m_links) {
        TcbBarItemLink* link = owned.get();
        if (!link->Item() || (!customizing && !link->Item()->IsVisibleNow())) {
            continue;
        }
        m_available.push_back(link);
        if (customizing || link->Visible()) {
            m_visible.push_back(link);
            if (customizing || m_shownLimit == -1) {
                m_shown.push_back(link);
            }
        }
    }
    if (!customizing && m_shownLimit >= 1) {
        for (TcbBarItemLink* link : m_recent) {
            if (static_cast<int>(m_shown.size()) >= m_shownLimit) {
                break;
            }
            if (VisibleIndexOf(*link) >= 0) {
                m_shown.push_back(link);
            }
        }
        std::sort(m_shown.begin(), m_shown.end(),
                  [this](TcbBarItemLink* a, TcbBarItemLink* b) { return VisibleIndexOf(*a) < VisibleIndexOf(*b); });
    }
}

void TcbBarItemLinks::SetShownLimit(int limit) {
    m_previousLimit = m_shownLimit;
    m_shownLimit = limit;
    Refresh();
}

void TcbBarItemLinks::RestorePreviousLimit() {
    m_shownLimit = m_previousLimit;
    Refresh();
}

bool TcbBarItemLinks::Reaches(const TcbBarItem& item) const {
    for (const auto& link : m_links) {
        TcbBarItem* linked = link->Item();
        if (!linked) {
            continue;
        }
        if (linked == &item) {
            return true;
        }
        if (auto* subItem = dynamic_cast<TCustomcbBarSubItem*>(linked); subItem && subItem->ItemLinks().Reaches(item)) {
            return true;
        }
    }
    return false;
}

void TcbBarItemLinks::CreateWindow() {
    if (!m_window && GetBarWindowFactory()) {
        SetWindow(GetBarWindowFactory()(*this));
    }
}

void TcbBarItemLinks::SetWindow(IBarWindow* window) {
    if (m_window == window) {
        return;
    }
    for (const auto& link : m_links) {
        link->DestroyControl();
    }
    m_window = window;
}

void TcbBarItemLinks::ItemChanged() {
    if (!m_owner.IsFrameworkPopup()) {
        m_owner.LinksChanged();
    }
    Refresh();
    if (OnChange) {
        OnChange(*this);
    }
}

}  // namespace bars
