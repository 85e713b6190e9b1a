#include "bars/registry/item_class_registry.h"

#include "bars/edits/edit_controls.h"
#include "bars/extended/extended_items.h"
#include "bars/items/bar_button.h"
#include "bars/items/bar_item.h"
#include "bars/items/bar_sub_item.h"
#include "bars/items/container_items.h"
#include "bars/popups/quick_cust_items.h"

#include <algorithm>

namespace bars {

void TcbBarItemClassRegistry::RegisterBarItemClass(Entry entry) { m_entries.push_back(std::move(entry)); }

void TcbBarItemClassRegistry::UnregisterBarItemClass(std::type_index itemClass) {
    auto it = std::find_if(m_entries.begin(), m_entries.end(),
                           [&](const Entry& e) { return e.itemClass == itemClass; });
    if (it != m_entries.end()) {
        m_entries.erase(it);
    }
}

int TcbBarItemClassRegistry::OfferedCount() const {
    return static_cast<int>(std::count_if(m_entries.begin(), m_entries.end(), [](const Entry& e) { return e.offered; }));
}

const TcbBarItemClassRegistry::Entry* TcbBarItemClassRegistry::OfferedItemClass(int index) const {
    if (index < 0) {
        return nullptr;
    }
    for (const Entry& entry : m_entries) {
        if (entry.offered && index-- == 0) {
            return &entry;
        }
    }
    return nullptr;
}

void TcbBarItemClassRegistry::SetControlClass(std::type_index itemClass, BarItemControlFactory makeControl) {
    for (Entry& entry : m_entries) {
        if (entry.itemClass == itemClass) {
            entry.makeControl = std::move(makeControl);
            return;
        }
    }
}

const BarItemControlFactory* TcbBarItemClassRegistry::ControlClassOf(const TcbBarItem& item) const {
    return ControlClassOf(std::type_index(typeid(item)));
}

const BarItemControlFactory* TcbBarItemClassRegistry::ControlClassOf(std::type_index itemClass) const {
    for (const Entry& entry : m_entries) {
        if (entry.itemClass == itemClass) {
            return entry.makeControl ? &entry.makeControl : nullptr;
        }
    }
    return nullptr;
}

const TcbBarItemClassRegistry::Entry* TcbBarItemClassRegistry::FindClass(std::string_view className) const {
    for (const Entry& entry : m_entries) {
        if (entry.className == className) {
            return &entry;
        }
    }
    return nullptr;
}

TcbBarItemClassRegistry& BarItemClasses() {
    // The controls of these classes come with the bar windows that draw them; until then
    // their links get none.
    static TcbBarItemClassRegistry registry = [] {
        TcbBarItemClassRegistry framework;
        framework.RegisterBarItemClass<TcbBarButton>(nullptr, true);
        RegisterEditItemClasses(framework);
        framework.RegisterBarItemClass<TcbBarSubItem>(nullptr, true);
        framework.RegisterBarItemClass<TcbBarListItem>(nullptr, true);
        framework.RegisterBarItemClass<TcbBarContainerItem>(nullptr, true);
        // Only the more-buttons drop-down makes these; the user is never offered them.
        framework.RegisterBarItemClass<TcbBarQuickCustExtButton>(ControlFactory<TcbBarQuickCustExtButtonControl>(),
                                                                  false);
        framework.RegisterBarItemClass<TcbBarQuickCustItem>(ControlFactory<TcbBarQuickCustItemControl>(), false);
        RegisterExtendedItemClasses(framework);
        return framework;
    }();
    return registry;
}

}  // namespace bars
