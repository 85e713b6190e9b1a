#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/grid/sort_types.h"

// Sort keys of the sortable grid: how a cell's text reads as a number, a date-time or a
// time, and the ordering of the rows by one column.
namespace shell {

struct TSortedListEntry {
    std::string Str;  // the key: the row's cell in the sort column
    int RowNum = 0;   // the row's place before the sort
};
using TSortedList = std::vector<TSortedListEntry>;

// The text with ASCII letters lower-cased: keys compared without regard to case.
std::string LowerCased(std::string_view text);

// A decimal number with an optional sign, fraction and exponent, blanks around it allowed.
std::optional<double> NumericKey(std::string_view text);
// Days since 30 December 1899 plus the fraction of the day. Dates are "YYYY-MM-DD" or
// "DD/MM/YYYY", optionally followed by a blank or "T" and a time "H:MM" or "H:MM:SS";
// a time alone lies on day 0.
std::optional<double> DateTimeKey(std::string_view text);
// The fraction of the day of a time, or of the time part of a date-time.
std::optional<double> TimeKey(std::string_view text);

// The style ssAutomatic stands for with this column: ssNumeric when every non-empty cell
// is a number, else ssDateTime when every one is a date-time, else ssNormal.
TSortStyle DetectSortStyle(const std::vector<std::string>& cells);

// Orders the entries. Text keys are lower-cased first unless the sort is case sensitive.
// Numeric, date-time and time styles put the keys that convert first, in key order, and
// the others after them in text order, so the order stays total whatever the column holds.
// Equal keys keep their RowNum order in both directions.
void SortEntries(TSortedList& list, TSortStyle style, TSortDirection direction, bool caseSensitive);

}  // namespace shell
