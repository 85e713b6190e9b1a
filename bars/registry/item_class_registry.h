#pragma once

#include "bars/core/bar_types.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

class QWidget;

namespace bars {

// Makes an item of one class for a manager (descriptions name items by class).
using BarItemFactory = std::function<std::unique_ptr<TcbBarItem>(TcbBarManager* manager, QWidget* owner)>;
// Makes the control that shows a link of one item class.
using BarItemControlFactory = std::function<std::unique_ptr<TcbBarItemControl>(TcbBarItemLink& link)>;

// The factory of one control class.
template <class Control>
BarItemControlFactory ControlFactory() {
    return [](TcbBarItemLink& link) -> std::unique_ptr<TcbBarItemControl> { return std::make_unique<Control>(link); };
}

// Which control shows each item class on a bar, and which classes the customizing dialog
// offers. Entries stay in registration order; the first entry for a class wins.
class TcbBarItemClassRegistry {
public:
    struct Entry {
        std::type_index itemClass;
        std::string className;
        BarItemFactory makeItem;
        BarItemControlFactory makeControl;  // none: links of the class get no control
        bool offered = true;
    };

    void RegisterBarItemClass(Entry entry);
    template <class Item>
    void RegisterBarItemClass(BarItemControlFactory makeControl, bool offered);
    // Removes the first entry of the class; nothing when absent.
    void UnregisterBarItemClass(std::type_index itemClass);
    // Gives the first entry of the class its control (the windows bring the controls).
    void SetControlClass(std::type_index itemClass, BarItemControlFactory makeControl);

    int Count() const { return static_cast<int>(m_entries.size()); }
    // Counts offered entries only, in registration order; none out of range.
    int OfferedCount() const;
    const Entry* OfferedItemClass(int index) const;

    // The control class of an item: only an entry for exactly the item's class counts.
    const BarItemControlFactory* ControlClassOf(const TcbBarItem& item) const;
    const BarItemControlFactory* ControlClassOf(std::type_index itemClass) const;
    // The entry a description names.
    const Entry* FindClass(std::string_view className) const;

private:
    std::vector<Entry> m_entries;
};

template <class Item>
void TcbBarItemClassRegistry::RegisterBarItemClass(BarItemControlFactory makeControl, bool offered) {
    RegisterBarItemClass(Entry{typeid(Item), std::string(Item::kClassName),
                               [](TcbBarManager* manager, QWidget* owner) -> std::unique_ptr<TcbBarItem> {
                                   return std::make_unique<Item>(manager, owner);
                               },
                               std::move(makeControl), offered});
}

// The process-wide registry, holding the framework's own classes from its first use.
TcbBarItemClassRegistry& BarItemClasses();

}  // namespace bars
