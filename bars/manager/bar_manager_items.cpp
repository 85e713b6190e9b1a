#include "bars/items/bar_item.h"
#include "bars/manager/bar_manager.h"

#include <algorithm>

namespace bars {

int TcbBarManager::IndexOfItem(const TcbBarItem& item) const {
    const auto it = std::find_if(m_items.begin(), m_items.end(), [&](const auto& owned) { return owned.get() == &item; });
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

void TcbBarManager::MoveItem(TcbBarItem& item, int index) {
    const int from = IndexOfItem(item);
    if (from < 0) return;
    index = std::clamp(index, 0, ItemCount() - 1);
    if (index == from) return;
    auto owned = std::move(m_items[static_cast<std::size_t>(from)]);
    m_items.erase(m_items.begin() + from);
    m_items.insert(m_items.begin() + index, std::move(owned));
    NotifyCustomizingDialog();
}

}  // namespace bars
