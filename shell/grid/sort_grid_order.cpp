#include "shell/grid/sort_grid_model.h"

#include <algorithm>

#include "shell/grid/sort_keys.h"

// Sorting and the search filter of the sortable grid.
namespace shell {

namespace {

bool Holds(std::string_view cell, std::string_view text, bool caseSensitive) {
    if (caseSensitive) return cell.find(text) != std::string_view::npos;
    return LowerCased(cell).find(LowerCased(text)) != std::string::npos;
}

}  // namespace

void SortGridModel::Sort() {
    const int col = m_sortOptions.SortCol;
    if (col < 0 || col >= ColCount()) return;
    if (m_events.OnBeginSort) m_events.OnBeginSort(col);

    const std::size_t fixed = static_cast<std::size_t>(m_fixedRows);
    TSortedList list;
    for (std::size_t i = fixed; i < m_rows.size(); ++i) list.push_back({m_rows[i].cells[col], static_cast<int>(i)});
    TSortStyle style = m_sortOptions.SortStyle;
    if (style == TSortStyle::ssAutomatic) {
        std::vector<std::string> keys;
        for (const TSortedListEntry& entry : list) keys.push_back(entry.Str);
        style = DetectSortStyle(keys);
    }
    SortEntries(list, style, m_sortOptions.SortDirection, m_sortOptions.SortCaseSensitive);

    const bool hasCurrent = IsRow(m_row) && m_row >= m_fixedRows;
    const std::size_t current = hasCurrent ? m_visible[m_row] : 0;
    std::vector<GridRow> sorted(std::make_move_iterator(m_rows.begin()),
                                std::make_move_iterator(m_rows.begin() + static_cast<std::ptrdiff_t>(fixed)));
    std::size_t currentAfter = current;
    for (const TSortedListEntry& entry : list) {
        if (hasCurrent && static_cast<std::size_t>(entry.RowNum) == current) currentAfter = sorted.size();
        sorted.push_back(std::move(m_rows[entry.RowNum]));
    }
    m_rows = std::move(sorted);
    RebuildVisible();
    if (hasCurrent) m_row = ShownPlaceOf(currentAfter);
    KeepRowInRange();
    m_sorted = true;
    m_lastSortStyle = style;
    if (m_events.OnEndSort) m_events.OnEndSort(col);
}

void SortGridModel::SetSearchOptions(const TSearchOptions& options) {
    const bool hasCurrent = IsRow(m_row);
    const std::size_t current = hasCurrent ? m_visible[m_row] : 0;
    m_searchOptions = options;
    ApplyFilter();
    if (hasCurrent) m_row = ShownPlaceOf(current);
    KeepRowInRange();
}

void SortGridModel::ApplyFilter() {
    const TSearchOptions& search = m_searchOptions;
    const bool filtering = search.Filtered && search.SearchCol >= 0 && search.SearchCol < ColCount();
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const bool heading = i < static_cast<std::size_t>(m_fixedRows);
        m_rows[i].hidden =
            !heading && filtering && !Holds(m_rows[i].cells[search.SearchCol], search.SearchText, search.CaseSensitive);
    }
    RebuildVisible();
}

}  // namespace shell
