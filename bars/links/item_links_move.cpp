#include "bars/controls/bar_window.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"

#include <algorithm>

namespace bars {

void TcbBarItemLinks::Move(TcbBarItemLink& link, int index) {
    const int from = IndexOf(link);
    if (from < 0) return;
    index = std::clamp(index, 0, Count() - 1);
    if (index == from) return;
    auto owned = std::move(m_links[static_cast<std::size_t>(from)]);
    m_links.erase(m_links.begin() + from);
    m_links.insert(m_links.begin() + index, std::move(owned));
    ItemChanged();
    if (m_window && !m_window->IsDestroying()) m_window->Rebuild();
}

}  // namespace bars
