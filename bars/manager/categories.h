#pragma once

#include "bars/core/bar_types.h"

#include <optional>
#include <string>
#include <vector>

namespace bars {

// The manager's item categories: names in order, each with its visibility record. Items
// refer to their category by index, so every change of order renumbers the items.
class TcbBarManagerCategories {
public:
    struct Record {
        TcbBarItemVisible itemsVisible = ivAlways;
        TcbBarItemVisible loadedItemsVisible = ivAlways;  // read from a description, applied by Loaded
        bool visible = true;
    };

    // A list made while the manager is built from a description starts empty, otherwise
    // with the one category "Default".
    TcbBarManagerCategories(TcbBarManager& manager, bool loading);

    int Count() const { return static_cast<int>(m_names.size()); }
    // Empty out of range.
    std::string Name(int index) const;
    void SetName(int index, const std::string& name);
    int IndexOf(const std::string& name) const;

    int Add(const std::string& name);
    void Insert(int index, const std::string& name);
    void Delete(int index);
    void Exchange(int i, int j);
    void Move(int from, int to);
    void Assign(const std::vector<std::string>& names);

    // Present only once something was stored for the category.
    const Record* FindRecord(int index) const;
    // Made on first need; out of range gives none.
    Record* RecordOf(int index);

    // "ItemsVisibles" and "Visibles" of a description: one value per category, in order;
    // values beyond the categories are ignored.
    std::vector<int> ItemsVisibles() const;
    void ReadItemsVisibles(const std::vector<int>& values);
    std::vector<bool> Visibles() const;
    void ReadVisibles(const std::vector<bool>& values);

private:
    bool InRange(int index) const { return index >= 0 && index < Count(); }
    std::vector<TcbBarItem*> ItemsOf(int category) const;
    void Renumber(int from, int to);
    void Changed();

    TcbBarManager& m_manager;
    std::vector<std::string> m_names;
    std::vector<std::optional<Record>> m_records;
    bool m_moving = false;
};

}  // namespace bars
