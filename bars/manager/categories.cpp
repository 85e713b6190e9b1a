#include "bars/manager/categories.h"

#include "bars/items/bar_item.h"
#include "bars/manager/bar_manager.h"
#include "platform/core/bar_strings.h"

#include <utility>

namespace bars {

namespace {
std::string DefaultCategoryName() { return std::string(platform::BarString(platform::bar_string::kDefaultCategory)); }
}  // namespace

TcbBarManagerCategories::TcbBarManagerCategories(TcbBarManager& manager, bool loading) : m_manager(manager) {
    if (!loading) {
        m_names.push_back(DefaultCategoryName());
        m_records.emplace_back();
    }
}

std::string TcbBarManagerCategories::Name(int index) const {
    return InRange(index) ? m_names[static_cast<std::size_t>(index)] : std::string();
}

void TcbBarManagerCategories::SetName(int index, const std::string& name) {
    if (InRange(index)) {
        m_names[static_cast<std::size_t>(index)] = name;
        Changed();
    }
}

int TcbBarManagerCategories::IndexOf(const std::string& name) const {
    for (int i = 0; i < Count(); ++i) {
        if (m_names[static_cast<std::size_t>(i)] == name) {
            return i;
        }
    }
    return -1;
}

std::vector<TcbBarItem*> TcbBarManagerCategories::ItemsOf(int category) const {
    std::vector<TcbBarItem*> items;
    for (int i = 0; i < m_manager.ItemCount(); ++i) {
        if (TcbBarItem* item = m_manager.Items(i); item->Category() == category) {
            items.push_back(item);
        }
    }
    return items;
}

// Moves the items of one category to another index without the range test of the
// item's own setter.
void TcbBarManagerCategories::Renumber(int from, int to) {
    for (TcbBarItem* item : ItemsOf(from)) {
        item->AssignCategoryIndex(to);
    }
}

int TcbBarManagerCategories::Add(const std::string& name) {
    Insert(Count(), name);
    return Count() - 1;
}

void TcbBarManagerCategories::Insert(int index, const std::string& name) {
    if (index < 0 || index > Count()) {
        return;
    }
    if (InRange(index) && !m_moving) {
        for (int k = Count() - 1; k >= index; --k) {
            Renumber(k, k + 1);
        }
    }
    m_names.insert(m_names.begin() + index, name);
    m_records.insert(m_records.begin() + index, std::nullopt);
    Changed();
}

void TcbBarManagerCategories::Delete(int index) {
    if (!InRange(index)) {
        return;
    }
    if (!m_moving) {
        for (TcbBarItem* item : ItemsOf(index)) {
            m_manager.FreeItem(*item);
        }
        for (int k = index + 1; k < Count(); ++k) {
            Renumber(k, k - 1);
        }
    }
    m_names.erase(m_names.begin() + index);
    m_records.erase(m_records.begin() + index);
    if (m_names.empty() && !m_moving) {
        m_names.push_back(DefaultCategoryName());
        m_records.emplace_back();
    }
    Changed();
}

void TcbBarManagerCategories::Exchange(int i, int j) {
    if (!InRange(i) || !InRange(j)) {
        return;
    }
    // Both lists first: changing one category's items must not move the other's.
    auto itemsOfI = ItemsOf(i);
    auto itemsOfJ = ItemsOf(j);
    for (TcbBarItem* item : itemsOfI) {
        item->AssignCategoryIndex(j);
    }
    for (TcbBarItem* item : itemsOfJ) {
        item->AssignCategoryIndex(i);
    }
    std::swap(m_names[static_cast<std::size_t>(i)], m_names[static_cast<std::size_t>(j)]);
    std::swap(m_records[static_cast<std::size_t>(i)], m_records[static_cast<std::size_t>(j)]);
    Changed();
}

void TcbBarManagerCategories::Move(int from, int to) {
    if (from == to || !InRange(from) || !InRange(to)) {
        return;
    }
    constexpr int kMovingMark = -1000;
    Renumber(from, kMovingMark);
    if (from > to) {
        for (int k = from - 1; k >= to; --k) {
            Renumber(k, k + 1);
        }
    } else {
        for (int k = from + 1; k <= to; ++k) {
            Renumber(k, k - 1);
        }
    }
    Renumber(kMovingMark, to);
    m_moving = true;
    auto name = std::move(m_names[static_cast<std::size_t>(from)]);
    auto record = std::move(m_records[static_cast<std::size_t>(from)]);
    m_names.erase(m_names.begin() + from);
    m_records.erase(m_records.begin() + from);
    m_names.insert(m_names.begin() + to, std::move(name));
    m_records.insert(m_records.begin() + to, std::move(record));
    m_moving = false;
    Changed();
}

void TcbBarManagerCategories::Assign(const std::vector<std::string>& names) {
    m_names = names;
    m_records.assign(names.size(), std::nullopt);
    Changed();
}

const TcbBarManagerCategories::Record* TcbBarManagerCategories::FindRecord(int index) const {
    if (!InRange(index)) {
        return nullptr;
    }
    const auto& record = m_records[static_cast<std::size_t>(index)];
    return record ? &*record : nullptr;
}

TcbBarManagerCategories::Record* TcbBarManagerCategories::RecordOf(int index) {
    if (!InRange(index)) {
        return nullptr;
    }
    auto& record = m_records[static_cast<std::size_t>(index)];
    if (!record) {
        record.emplace();
    }
    return &*record;
}

std::vector<int> TcbBarManagerCategories::ItemsVisibles() const {
    std::vector<int> values;
    for (int i = 0; i < Count(); ++i) {
        values.push_back(m_manager.CategoryItemsVisible(i));
    }
    return values;
}

void TcbBarManagerCategories::ReadItemsVisibles(const std::vector<int>& values) {
    for (int i = 0; i < Count() && i < static_cast<int>(values.size()); ++i) {
        int value = values[static_cast<std::size_t>(i)];
        if (value >= ivNever && value <= ivAlways) {
            m_manager.SetCategoryItemsVisible(i, static_cast<TcbBarItemVisible>(value));
        }
    }
}

std::vector<bool> TcbBarManagerCategories::Visibles() const {
    std::vector<bool> values;
    for (int i = 0; i < Count(); ++i) {
        values.push_back(m_manager.CategoryVisible(i));
    }
    return values;
}

void TcbBarManagerCategories::ReadVisibles(const std::vector<bool>& values) {
    for (int i = 0; i < Count() && i < static_cast<int>(values.size()); ++i) {
        m_manager.SetCategoryVisible(i, values[static_cast<std::size_t>(i)]);
    }
}

void TcbBarManagerCategories::Changed() { m_manager.NotifyCustomizingDialog(); }

}  // namespace bars
