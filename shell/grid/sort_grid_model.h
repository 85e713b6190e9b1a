#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/grid/sort_types.h"

namespace shell {

// What the sortable grid tells its owner. Each fires only when set.
struct SortGridEvents {
    std::function<void(int row)> OnRowInsert;
    std::function<void(int row)> OnRowDelete;
    std::function<void(int col)> OnColumnInsert;
    std::function<void(int col)> OnColumnDelete;
    std::function<void()> OnColumnWidthsChanged;
    std::function<void()> OnRowHeightsChanged;
    // The counts before the change; only while UpdateOnSizeChange is on.
    std::function<void(int oldColCount, int oldRowCount)> OnSizeChanged;
    std::function<void(int col)> OnBeginSort;
    std::function<void(int col)> OnEndSort;
};

// The sortable grid's content: a text grid whose first FixedRows rows are headings, with
// a selection mark on every row, sorting by one column and a search filter. Rows are
// addressed as shown: while the filter hides rows, row n is the n-th row still shown. The
// hidden rows stay in the grid with their cells and marks, and come back in their places
// when the filter goes off, whatever was edited meanwhile.
class SortGridModel {
public:
    static constexpr int kDefaultColCount = 5;
    static constexpr int kDefaultRowCount = 5;
    static constexpr int kDefaultFixedRows = 1;
    static constexpr int kDefaultColWidth = 64;
    static constexpr int kDefaultRowHeight = 24;

    SortGridModel();

    int ColCount() const { return static_cast<int>(m_colWidths.size()); }
    // Below 1 is ignored.
    void SetColCount(int count);
    int RowCount() const { return static_cast<int>(m_visible.size()); }
    // Rows come and go at the end, with their marks; fewer than FixedRows is ignored.
    void SetRowCount(int count);
    int FixedRows() const { return m_fixedRows; }
    // Heading rows are always shown; more headings than rows is ignored.
    void SetFixedRows(int count);

    // Cells outside the grid read empty and ignore writes.
    std::string Cell(int col, int row) const;
    void SetCell(int col, int row, std::string_view text);
    std::vector<std::string> Column(int col) const;

    int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    int DefaultRowHeight() const { return m_rowHeight; }
    void SetDefaultRowHeight(int height);

    // The current row.
    int Row() const { return m_row; }
    void SetRow(int row);

    // Selection marks, one "Y" or "N" per row shown.
    bool IsRowMarked(int row) const;
    void SetRowMarked(int row, bool marked);
    std::vector<std::string> Marks() const;
    void ClearMarks();
    // Multi-selection: a click with Ctrl toggles the row's mark, a plain one marks it
    // alone; both make it the current row. Nothing unless MultiSelect is on.
    void ClickRow(int row, bool control);
    // A navigation key made this row current: it is marked too (with MultiSelect on).
    void NavigateTo(int row);
    bool MultiSelect() const { return m_multiSelect; }
    void SetMultiSelect(bool on) { m_multiSelect = on; }

    // Row and column editing; indexes out of range are ignored. Headings are neither
    // inserted before nor deleted.
    void InsertRow(int row);
    void DeleteRow(int row);
    void MoveRow(int from, int to);
    void InsertColumn(int col);
    void DeleteColumn(int col);
    void MoveColumn(int from, int to);

    const TSortOptions& SortOptions() const { return m_sortOptions; }
    void SetSortOptions(const TSortOptions& options) { m_sortOptions = options; }
    // Sorts the rows below the headings (hidden ones too) by SortCol. Nothing when SortCol
    // is not a column. The current row stays on the same data.
    void Sort();
    // The style the last sort used: ssAutomatic resolved for its column.
    TSortStyle LastSortStyle() const { return m_lastSortStyle; }
    bool IsSorted() const { return m_sorted; }

    const TSearchOptions& SearchOptions() const { return m_searchOptions; }
    // Applies the options: with Filtered on, only the rows whose cell in SearchCol holds
    // SearchText stay shown (a SearchCol that is not a column hides nothing); off, every
    // row comes back.
    void SetSearchOptions(const TSearchOptions& options);

    bool UpdateOnSizeChange() const { return m_updateOnSizeChange; }
    void SetUpdateOnSizeChange(bool on) { m_updateOnSizeChange = on; }
    // A comma-separated list of columns, kept for the owner.
    const std::string& SecondaryIndex() const { return m_secondaryIndex; }
    void SetSecondaryIndex(std::string_view columns) { m_secondaryIndex = columns; }

    SortGridEvents& Events() { return m_events; }

private:
    struct GridRow {
        std::vector<std::string> cells;
        bool marked = false;
        bool hidden = false;
    };

    GridRow NewRow() const;
    bool IsCell(int col, int row) const;
    bool IsRow(int row) const { return row >= 0 && row < RowCount(); }
    GridRow& RowAt(int row) { return m_rows[m_visible[row]]; }
    const GridRow& RowAt(int row) const { return m_rows[m_visible[row]]; }
    void ApplyFilter();
    void RebuildVisible();
    // The shown place of the grid row at this index, or the nearest shown row after it.
    int ShownPlaceOf(std::size_t index) const;
    void KeepRowInRange();
    void SizeChanged(int oldCols, int oldRows);

    std::vector<GridRow> m_rows;     // every row, headings first, hidden ones too
    std::vector<std::size_t> m_visible;  // indexes into m_rows of the rows shown
    std::vector<int> m_colWidths;
    int m_rowHeight = kDefaultRowHeight;
    int m_fixedRows = kDefaultFixedRows;
    int m_row = kDefaultFixedRows;
    bool m_multiSelect = false;
    bool m_updateOnSizeChange = false;
    bool m_sorted = false;
    TSortStyle m_lastSortStyle = TSortStyle::ssNormal;
    std::string m_secondaryIndex;
    TSortOptions m_sortOptions;
    TSearchOptions m_searchOptions;
    SortGridEvents m_events;
};

}  // namespace shell
