#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/grid/sort_grid_model.h"

namespace {

using shell::SortGridModel;
using shell::TSearchOptions;
using shell::TSortDirection;
using shell::TSortOptions;
using shell::TSortStyle;

// A grid with a heading row and one data row per name, the name in column 0 and its
// number in column 1.
SortGridModel GridOf(const std::vector<std::string>& names) {
    SortGridModel grid;
    grid.SetColCount(2);
    grid.SetRowCount(static_cast<int>(names.size()) + 1);
    grid.SetCell(0, 0, "Name");
    grid.SetCell(1, 0, "Number");
    for (std::size_t i = 0; i < names.size(); ++i) {
        grid.SetCell(0, static_cast<int>(i) + 1, names[i]);
        grid.SetCell(1, static_cast<int>(i) + 1, std::to_string(i + 1));
    }
    return grid;
}

std::vector<std::string> Names(const SortGridModel& grid) {
    std::vector<std::string> names = grid.Column(0);
    names.erase(names.begin(), names.begin() + grid.FixedRows());
    return names;
}

TSearchOptions Filter(bool on, std::string text, int col = 0) {
    TSearchOptions search;
    search.Filtered = on;
    search.SearchCol = col;
    search.SearchText = std::move(text);
    return search;
}

TEST(SortGridModel, StartsWithTheFirstDataRowCurrentAndMarked) {
    const SortGridModel grid;
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Marks(), (std::vector<std::string>{"N", "Y", "N", "N", "N"}));
}

TEST(SortGridModel, SortsDataRowsAndKeepsTheCurrentRowOnItsData) {
    SortGridModel grid = GridOf({"pear", "apple", "fig"});
    grid.SetRow(1);  // pear
    grid.SetRowMarked(3, true);  // fig
    int begun = -1, ended = -1;
    grid.Events().OnBeginSort = [&](int col) { begun = col; };
    grid.Events().OnEndSort = [&](int col) { ended = col; };
    grid.Sort();
    EXPECT_EQ(grid.Cell(0, 0), "Name");
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"apple", "fig", "pear"}));
    EXPECT_EQ(grid.Cell(0, grid.Row()), "pear");
    // The marks travel with their rows.
    EXPECT_EQ(grid.Marks(), (std::vector<std::string>{"N", "N", "Y", "Y"}));
    EXPECT_EQ(begun, 0);
    EXPECT_EQ(ended, 0);
}

TEST(SortGridModel, AutomaticStyleSortsANumberColumnByValue) {
    SortGridModel grid = GridOf({"a", "b", "c"});
    grid.SetCell(1, 1, "10");
    grid.SetCell(1, 2, "9");
    grid.SetCell(1, 3, "100");
    grid.SetSortOptions(TSortOptions{TSortStyle::ssAutomatic, false, 1, TSortDirection::sdDescending});
    grid.Sort();
    EXPECT_EQ(grid.LastSortStyle(), TSortStyle::ssNumeric);
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"c", "a", "b"}));
}

TEST(SortGridModel, ColumnsOutsideTheGridDoNothing) {
    SortGridModel grid = GridOf({"b", "a"});
    bool fired = false;
    grid.Events().OnBeginSort = [&](int) { fired = true; };
    for (int col : {-1, 2, 99}) {
        grid.SetSortOptions(TSortOptions{TSortStyle::ssNormal, false, col, TSortDirection::sdAscending});
        grid.Sort();
        grid.SetSearchOptions(Filter(true, "zzz", col));
        EXPECT_EQ(Names(grid), (std::vector<std::string>{"b", "a"})) << col;
    }
    EXPECT_FALSE(fired);
    EXPECT_FALSE(grid.IsSorted());
    EXPECT_EQ(grid.Cell(5, 1), "");
    grid.SetCell(-1, 1, "x");
    grid.SetCell(0, 7, "x");
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"b", "a"}));
}

TEST(SortGridModel, MarksStayInStepWhenTheRowCountIsSetDirectly) {
    SortGridModel grid = GridOf({"a", "b", "c"});
    grid.SetRowMarked(3, true);
    grid.SetRowCount(6);
    EXPECT_EQ(grid.Marks(), (std::vector<std::string>{"N", "Y", "N", "Y", "N", "N"}));
    grid.SetRowCount(3);
    EXPECT_EQ(grid.Marks(), (std::vector<std::string>{"N", "Y", "N"}));
    EXPECT_EQ(grid.Row(), 1);
    grid.SetRowMarked(2, true);
    grid.SetRow(2);
    grid.SetRowCount(2);
    EXPECT_EQ(grid.Marks().size(), 2u);
    EXPECT_EQ(grid.Row(), 1);  // the current row went with the rows
}

TEST(SortGridModel, FilterHidesRowsWithoutLosingThem) {
    SortGridModel grid = GridOf({"red apple", "pear", "green APPLE", "plum"});
    grid.SetSearchOptions(Filter(true, "apple"));
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"red apple", "green APPLE"}));
    TSearchOptions exact = Filter(true, "apple");
    exact.CaseSensitive = true;
    grid.SetSearchOptions(exact);
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"red apple"}));
    grid.SetSearchOptions(Filter(false, "apple"));
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"red apple", "pear", "green APPLE", "plum"}));
}

// Rows edited, inserted, moved, deleted and sorted while the filter hides others all come
// back once, each in its place, when the filter goes off.
TEST(SortGridModel, EditingWhileFilteredLosesAndDoublesNoRow) {
    SortGridModel grid = GridOf({"apple", "pear", "apricot", "plum", "avocado"});
    grid.SetSearchOptions(Filter(true, "a", 0));  // hides nothing but plum
    grid.SetSearchOptions(Filter(true, "ap"));
    ASSERT_EQ(Names(grid), (std::vector<std::string>{"apple", "apricot"}));
    grid.SetCell(0, 1, "grape");  // no longer matches, stays shown until the filter changes
    grid.InsertRow(2);
    grid.SetCell(0, 2, "new");
    grid.MoveRow(1, 3);
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"new", "apricot", "grape"}));
    grid.SetSearchOptions(Filter(false, "ap"));
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"new", "pear", "apricot", "grape", "plum", "avocado"}));

    grid.SetSearchOptions(Filter(true, "p"));
    grid.DeleteRow(2);  // apricot
    grid.Sort();
    grid.SetSearchOptions(Filter(false, "p"));
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"avocado", "grape", "new", "pear", "plum"}));
}

TEST(SortGridModel, RowAndColumnEditsFireTheirEventsWithTheOldCounts) {
    SortGridModel grid = GridOf({"a", "b"});
    std::vector<std::string> log;
    auto& events = grid.Events();
    events.OnRowInsert = [&](int row) { log.push_back("row+" + std::to_string(row)); };
    events.OnRowDelete = [&](int row) { log.push_back("row-" + std::to_string(row)); };
    events.OnColumnInsert = [&](int col) { log.push_back("col+" + std::to_string(col)); };
    events.OnColumnDelete = [&](int col) { log.push_back("col-" + std::to_string(col)); };
    events.OnSizeChanged = [&](int cols, int rows) {
        log.push_back("size " + std::to_string(cols) + "x" + std::to_string(rows));
    };
    grid.InsertRow(1);  // no size events yet: UpdateOnSizeChange is off
    grid.SetUpdateOnSizeChange(true);
    grid.DeleteRow(1);
    grid.InsertColumn(0);
    grid.DeleteColumn(2);
    grid.DeleteRow(0);  // headings are not deleted
    grid.InsertRow(0);  // nor inserted before
    EXPECT_EQ(log, (std::vector<std::string>{"row+1", "row-1", "size 2x4", "col+0", "size 2x3", "col-2",
                                             "size 3x3"}));
    EXPECT_EQ(grid.Cell(1, 0), "Name");
    EXPECT_EQ(grid.ColCount(), 2);
}

TEST(SortGridModel, MovingAColumnMovesItsCellsAndWidth) {
    SortGridModel grid = GridOf({"a", "b"});
    grid.SetColWidth(1, 90);
    grid.MoveColumn(1, 0);
    EXPECT_EQ(grid.Cell(0, 0), "Number");
    EXPECT_EQ(grid.Cell(1, 2), "b");
    EXPECT_EQ(grid.ColWidth(0), 90);
}

TEST(SortGridModel, MultiSelectionByClicksAndKeys) {
    SortGridModel grid = GridOf({"a", "b", "c", "d"});
    grid.ClickRow(3, false);
    EXPECT_EQ(grid.Marks(), (std::vector<std::string>{"N", "Y", "N", "N", "N"})) << "MultiSelect is off";
    grid.SetMultiSelect(true);
    grid.ClickRow(3, false);
    grid.ClickRow(4, true);
    grid.ClickRow(3, true);
    EXPECT_EQ(grid.Marks(), (std::vector<std::string>{"N", "N", "N", "N", "Y"}));
    grid.NavigateTo(2);
    EXPECT_EQ(grid.Marks(), (std::vector<std::string>{"N", "N", "Y", "N", "Y"}));
    EXPECT_EQ(grid.Row(), 2);
    grid.ClickRow(0, false);  // a heading is no row to select
    EXPECT_EQ(grid.Row(), 2);
}

}  // namespace
