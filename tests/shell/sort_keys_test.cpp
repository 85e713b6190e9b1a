#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "shell/grid/sort_keys.h"

namespace {

using shell::TSortDirection;
using shell::TSortedList;
using shell::TSortStyle;

TSortedList Entries(const std::vector<std::string>& keys) {
    TSortedList list;
    for (std::size_t i = 0; i < keys.size(); ++i) list.push_back({keys[i], static_cast<int>(i + 1)});
    return list;
}

std::vector<int> RowsOf(const TSortedList& list) {
    std::vector<int> rows;
    for (const auto& entry : list) rows.push_back(entry.RowNum);
    return rows;
}

TSortedList Sorted(const std::vector<std::string>& keys, TSortStyle style, TSortDirection direction,
                   bool caseSensitive = false) {
    TSortedList list = Entries(keys);
    shell::SortEntries(list, style, direction, caseSensitive);
    return list;
}

TEST(SortKeys, EqualKeysKeepTheirOrderInBothDirections) {
    const std::vector<std::string> keys{"b", "a", "b", "a", "c"};
    EXPECT_EQ(RowsOf(Sorted(keys, TSortStyle::ssNormal, TSortDirection::sdAscending)),
              (std::vector<int>{2, 4, 1, 3, 5}));
    EXPECT_EQ(RowsOf(Sorted(keys, TSortStyle::ssNormal, TSortDirection::sdDescending)),
              (std::vector<int>{5, 1, 3, 2, 4}));
}

TEST(SortKeys, CaseMattersOnlyWhenAskedFor) {
    const std::vector<std::string> keys{"abc", "ABC", "Abd"};
    for (TSortDirection direction : {TSortDirection::sdAscending, TSortDirection::sdDescending}) {
        const auto rows = RowsOf(Sorted(keys, TSortStyle::ssNormal, direction));
        // "abc" and "ABC" are equal: row 1 stays before row 2 whichever way the sort goes.
        EXPECT_LT(std::find(rows.begin(), rows.end(), 1), std::find(rows.begin(), rows.end(), 2));
    }
    EXPECT_EQ(RowsOf(Sorted(keys, TSortStyle::ssNormal, TSortDirection::sdAscending, true)),
              (std::vector<int>{2, 3, 1}));
}

TEST(SortKeys, NumbersSortByValueNotByText) {
    const std::vector<std::string> keys{"10", "9", "-2.5", "1e1", " 3 "};
    EXPECT_EQ(RowsOf(Sorted(keys, TSortStyle::ssNumeric, TSortDirection::sdAscending)),
              (std::vector<int>{3, 5, 2, 1, 4}));
}

// Keys that do not convert follow the ones that do, in text order; the converted ones keep
// their place at the front in both directions.
TEST(SortKeys, UnconvertibleKeysFollowInTextOrder) {
    const std::vector<std::string> keys{"b", "10", "a", "2", "10", "nan"};
    EXPECT_EQ(RowsOf(Sorted(keys, TSortStyle::ssNumeric, TSortDirection::sdAscending)),
              (std::vector<int>{4, 2, 5, 3, 1, 6}));
    EXPECT_EQ(RowsOf(Sorted(keys, TSortStyle::ssNumeric, TSortDirection::sdDescending)),
              (std::vector<int>{2, 5, 4, 6, 1, 3}));
}

// A comparison that is no ordering gives results that depend on the input order; a total
// order sorts every arrangement of the same rows alike.
TEST(SortKeys, MixedColumnsSortAlikeFromAnyArrangement) {
    const std::vector<std::string> keys{"5", "x", "12:00", "2024-01-02", "abc", "5", "", "-1", "07/03/2023", "Z"};
    for (TSortStyle style : {TSortStyle::ssNumeric, TSortStyle::ssDateTime, TSortStyle::ssTime}) {
        const TSortedList reference = Sorted(keys, style, TSortDirection::sdAscending);
        std::mt19937 shuffle(7);
        for (int round = 0; round < 50; ++round) {
            TSortedList list = Entries(keys);
            std::shuffle(list.begin(), list.end(), shuffle);
            shell::SortEntries(list, style, TSortDirection::sdAscending, false);
            ASSERT_EQ(RowsOf(list), RowsOf(reference)) << "style " << static_cast<int>(style);
        }
    }
}

TEST(SortKeys, DatesAndTimesSortByTheMomentTheyName) {
    const std::vector<std::string> keys{"2024-01-31", "01/02/2024 10:00", "1999-12-31T23:59:59", "2024-02-30",
                                        "01/02/2024 09:30"};
    EXPECT_EQ(RowsOf(Sorted(keys, TSortStyle::ssDateTime, TSortDirection::sdAscending)),
              (std::vector<int>{3, 1, 5, 2, 4}));
    // Times compare the time of day alone.
    EXPECT_EQ(RowsOf(Sorted({"2024-01-01 18:00", "7:15", "1990-06-01 12:00"}, TSortStyle::ssTime,
                            TSortDirection::sdAscending)),
              (std::vector<int>{2, 3, 1}));
}

TEST(SortKeys, ConversionsRefuseWhatIsNoValue) {
    EXPECT_EQ(shell::NumericKey(" +4.5 "), 4.5);
    for (const char* text : {"", " ", "4,5", "1e", "nan", "inf", "12abc"}) EXPECT_FALSE(shell::NumericKey(text)) << text;
    EXPECT_EQ(shell::DateTimeKey("1899-12-30"), 0.0);
    EXPECT_EQ(shell::DateTimeKey("2000-02-29"), 36585.0);
    EXPECT_EQ(shell::DateTimeKey("06:00"), 0.25);
    for (const char* text : {"2001-02-29", "13/13/2020", "24:00", "10:5", "2020-01-01 x", "2020-01-0110:00"})
        EXPECT_FALSE(shell::DateTimeKey(text)) << text;
}

struct StyleCase {
    const char* name;
    std::vector<std::string> cells;
    TSortStyle style;
};
void PrintTo(const StyleCase& c, std::ostream* out) { *out << c.name; }

class DetectSortStyleTest : public testing::TestWithParam<StyleCase> {};

TEST_P(DetectSortStyleTest, ChoosesFromEveryNonEmptyCell) {
    EXPECT_EQ(shell::DetectSortStyle(GetParam().cells), GetParam().style);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, DetectSortStyleTest,
    testing::Values(StyleCase{"Numbers", {"1", " 2.5  ", "", "-3"}, TSortStyle::ssNumeric},
                    StyleCase{"DatesAndTimes", {"2020-01-01", "", "10:00", "31/12/2019 08:00"}, TSortStyle::ssDateTime},
                    StyleCase{"OneWordAmongNumbers", {"1", "2", "two"}, TSortStyle::ssNormal},
                    StyleCase{"NumbersAndDates", {"1", "2020-01-01"}, TSortStyle::ssNormal}),
    [](const testing::TestParamInfo<StyleCase>& info) { return std::string(info.param.name); });

}  // namespace
