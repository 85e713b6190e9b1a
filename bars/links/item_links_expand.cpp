// Container items expand into the menu that shows them: links come and go at given places.
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"

#include <algorithm>

namespace bars {

TcbBarItemLink& TcbBarItemLinks::Insert(int index) {
    TcbBarItemLink& link = Add();
    const int from = IndexOf(link);
    index = std::clamp(index, 0, from);
    auto owned = std::move(m_links[static_cast<std::size_t>(from)]);
    m_links.erase(m_links.begin() + from);
    m_links.insert(m_links.begin() + index, std::move(owned));
    Refresh();
    return link;
}

std::unique_ptr<TcbBarItemLink> TcbBarItemLinks::Take(TcbBarItemLink& link) {
    const int index = IndexOf(link);
    if (index < 0) return nullptr;
    link.DestroyControl();
    auto owned = std::move(m_links[static_cast<std::size_t>(index)]);
    m_links.erase(m_links.begin() + index);
    Forget(link);
    Refresh();
    return owned;
}

void TcbBarItemLinks::PutBack(std::unique_ptr<TcbBarItemLink> link, int index, int recentIndex) {
    if (!link) return;
    TcbBarItemLink& back = *link;
    index = std::clamp(index, 0, Count());
    m_links.insert(m_links.begin() + index, std::move(link));
    recentIndex = std::clamp(recentIndex, 0, static_cast<int>(m_recent.size()));
    m_recent.insert(m_recent.begin() + recentIndex, &back);
    Refresh();
}

}  // namespace bars
