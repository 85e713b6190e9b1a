#include "shell/grid/sort_grid_model.h"

#include <algorithm>

namespace shell {

namespace {

constexpr std::string_view kMarked = "Y";
constexpr std::string_view kUnmarked = "N";

// Moves element from to place to, the others keeping their order.
template <typename T>
void MoveElement(std::vector<T>& items, std::size_t from, std::size_t to) {
    if (from < to)
        std::rotate(items.begin() + from, items.begin() + from + 1, items.begin() + to + 1);
    else
        std::rotate(items.begin() + to, items.begin() + from, items.begin() + from + 1);
}

// Where an index lands when the element at from moves to to.
int IndexAfterMove(int index, int from, int to) {
    if (index == from) return to;
    if (from < index && index <= to) return index - 1;
    if (to <= index && index < from) return index + 1;
    return index;
}

}  // namespace

SortGridModel::SortGridModel() : m_colWidths(kDefaultColCount, kDefaultColWidth) {
    m_rows.assign(kDefaultRowCount, NewRow());
    // The current row starts marked.
    m_rows[m_row].marked = true;
    RebuildVisible();
}

SortGridModel::GridRow SortGridModel::NewRow() const {
    GridRow row;
    row.cells.assign(m_colWidths.size(), std::string());
    return row;
}

bool SortGridModel::IsCell(int col, int row) const { return col >= 0 && col < ColCount() && IsRow(row); }

void SortGridModel::SetColCount(int count) {
    if (count < 1 || count == ColCount()) return;
    const int oldCols = ColCount();
    m_colWidths.resize(count, kDefaultColWidth);
    for (GridRow& row : m_rows) row.cells.resize(count);
    SizeChanged(oldCols, RowCount());
}

void SortGridModel::SetRowCount(int count) {
    const int oldRows = RowCount();
    if (count < m_fixedRows || count == oldRows) return;
    if (count > oldRows) {
        m_rows.insert(m_rows.end(), count - oldRows, NewRow());
    } else {
        // The last rows shown go, hidden ones among them stay.
        for (int row = oldRows - 1; row >= count; --row)
            m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(m_visible[row]));
    }
    RebuildVisible();
    KeepRowInRange();
    SizeChanged(ColCount(), oldRows);
}

void SortGridModel::SetFixedRows(int count) {
    if (count < 0 || count > static_cast<int>(m_rows.size())) return;
    m_fixedRows = count;
    ApplyFilter();
    KeepRowInRange();
}

std::string SortGridModel::Cell(int col, int row) const { return IsCell(col, row) ? RowAt(row).cells[col] : ""; }

void SortGridModel::SetCell(int col, int row, std::string_view text) {
    if (IsCell(col, row)) RowAt(row).cells[col] = text;
}

std::vector<std::string> SortGridModel::Column(int col) const {
    std::vector<std::string> cells;
    if (col < 0 || col >= ColCount()) return cells;
    for (std::size_t index : m_visible) cells.push_back(m_rows[index].cells[col]);
    return cells;
}

int SortGridModel::ColWidth(int col) const { return col >= 0 && col < ColCount() ? m_colWidths[col] : 0; }

void SortGridModel::SetColWidth(int col, int width) {
    if (col < 0 || col >= ColCount() || width < 0 || m_colWidths[col] == width) return;
    m_colWidths[col] = width;
    if (m_events.OnColumnWidthsChanged) m_events.OnColumnWidthsChanged();
}

void SortGridModel::SetDefaultRowHeight(int height) {
    if (height <= 0 || height == m_rowHeight) return;
    m_rowHeight = height;
    if (m_events.OnRowHeightsChanged) m_events.OnRowHeightsChanged();
}

void SortGridModel::SetRow(int row) {
    if (row >= m_fixedRows && IsRow(row)) m_row = row;
}

bool SortGridModel::IsRowMarked(int row) const { return IsRow(row) && RowAt(row).marked; }

void SortGridModel::SetRowMarked(int row, bool marked) {
    if (IsRow(row)) RowAt(row).marked = marked;
}

std::vector<std::string> SortGridModel::Marks() const {
    std::vector<std::string> marks;
    for (std::size_t index : m_visible) marks.emplace_back(m_rows[index].marked ? kMarked : kUnmarked);
    return marks;
}

void SortGridModel::ClearMarks() {
    for (GridRow& row : m_rows) row.marked = false;
}

void SortGridModel::ClickRow(int row, bool control) {
    if (!m_multiSelect || row < m_fixedRows || !IsRow(row)) return;
    if (control) {
        RowAt(row).marked = !RowAt(row).marked;
    } else {
        ClearMarks();
        RowAt(row).marked = true;
    }
    m_row = row;
}

void SortGridModel::NavigateTo(int row) {
    if (row < m_fixedRows || !IsRow(row)) return;
    m_row = row;
    if (m_multiSelect) RowAt(row).marked = true;
}

void SortGridModel::InsertRow(int row) {
    if (row < m_fixedRows || row > RowCount()) return;
    const int oldRows = RowCount();
    const std::size_t index = row < oldRows ? m_visible[row] : m_rows.size();
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(index), NewRow());
    RebuildVisible();
    if (m_row >= row) ++m_row;
    KeepRowInRange();
    if (m_events.OnRowInsert) m_events.OnRowInsert(row);
    SizeChanged(ColCount(), oldRows);
}

void SortGridModel::DeleteRow(int row) {
    if (row < m_fixedRows || !IsRow(row)) return;
    const int oldRows = RowCount();
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(m_visible[row]));
    RebuildVisible();
    if (m_row > row) --m_row;
    KeepRowInRange();
    if (m_events.OnRowDelete) m_events.OnRowDelete(row);
    SizeChanged(ColCount(), oldRows);
}

void SortGridModel::MoveRow(int from, int to) {
    if (from < m_fixedRows || to < m_fixedRows || !IsRow(from) || !IsRow(to) || from == to) return;
    // The shown rows change places among themselves; hidden rows keep theirs.
    std::vector<GridRow> shown;
    for (std::size_t index : m_visible) shown.push_back(std::move(m_rows[index]));
    MoveElement(shown, from, to);
    for (std::size_t i = 0; i < m_visible.size(); ++i) m_rows[m_visible[i]] = std::move(shown[i]);
    m_row = IndexAfterMove(m_row, from, to);
}

void SortGridModel::InsertColumn(int col) {
    if (col < 0 || col > ColCount()) return;
    const int oldCols = ColCount();
    m_colWidths.insert(m_colWidths.begin() + col, kDefaultColWidth);
    for (GridRow& row : m_rows) row.cells.insert(row.cells.begin() + col, std::string());
    if (m_events.OnColumnInsert) m_events.OnColumnInsert(col);
    SizeChanged(oldCols, RowCount());
}

void SortGridModel::DeleteColumn(int col) {
    if (col < 0 || col >= ColCount() || ColCount() == 1) return;
    const int oldCols = ColCount();
    m_colWidths.erase(m_colWidths.begin() + col);
    for (GridRow& row : m_rows) row.cells.erase(row.cells.begin() + col);
    if (m_events.OnColumnDelete) m_events.OnColumnDelete(col);
    SizeChanged(oldCols, RowCount());
}

void SortGridModel::MoveColumn(int from, int to) {
    if (from < 0 || to < 0 || from >= ColCount() || to >= ColCount() || from == to) return;
    MoveElement(m_colWidths, from, to);
    for (GridRow& row : m_rows) MoveElement(row.cells, from, to);
}

void SortGridModel::RebuildVisible() {
    m_visible.clear();
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (!m_rows[i].hidden) m_visible.push_back(i);
}

int SortGridModel::ShownPlaceOf(std::size_t index) const {
    const auto place = std::lower_bound(m_visible.begin(), m_visible.end(), index);
    if (place == m_visible.end()) return RowCount() - 1;
    return static_cast<int>(place - m_visible.begin());
}

void SortGridModel::KeepRowInRange() { m_row = std::max(m_fixedRows, std::min(m_row, RowCount() - 1)); }

void SortGridModel::SizeChanged(int oldCols, int oldRows) {
    if (m_updateOnSizeChange && m_events.OnSizeChanged) m_events.OnSizeChanged(oldCols, oldRows);
}

}  // namespace shell
