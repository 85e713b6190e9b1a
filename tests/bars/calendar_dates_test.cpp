#include "bars/extended/calendar_dates.h"
#include "bars/extended/colour_table.h"

#include <gtest/gtest.h>

#include <string>

namespace bars::testing {
namespace {

constexpr int kMonday = 1;

int D(int y, int m, int d) { return DateOf(y, m, d); }

TEST(CalendarDates, DayCountsRoundTrip) {
    EXPECT_EQ(D(1899, 12, 30), 0);
    EXPECT_EQ(D(1900, 1, 1), 2);
    EXPECT_EQ(WeekdayOf(D(2026, 3, 1)), 0);  // a Sunday
    EXPECT_EQ(WeekdayOf(D(2026, 6, 1)), 1);  // a Monday
    for (int date : {D(2000, 2, 29), D(2026, 12, 31), D(1600, 3, 1), D(1800, 1, 1)})
        EXPECT_EQ(DateOf(DayOf(date).year, DayOf(date).month, DayOf(date).day), date);
    EXPECT_EQ(DayOf(D(2100, 3, 1) - 1), (CalendarDay{2100, 2, 28}));
}

struct MonthStep {
    const char* name;
    CalendarDay from;
    int months;
    CalendarDay to;
};
void PrintTo(const MonthStep& c, std::ostream* out) { *out << c.name; }

class MonthArithmetic : public ::testing::TestWithParam<MonthStep> {};

TEST_P(MonthArithmetic, WrapsTheYearAndCutsTheDay) {
    const MonthStep& step = GetParam();
    EXPECT_EQ(DayOf(AddMonths(D(step.from.year, step.from.month, step.from.day), step.months)), step.to);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, MonthArithmetic,
    ::testing::Values(MonthStep{"Thirteen_after_December_2026", {2026, 12, 15}, 13, {2028, 1, 15}},
                      MonthStep{"One_before_January_2026", {2026, 1, 15}, -1, {2025, 12, 15}},
                      MonthStep{"Jan31_plus_one_2027", {2027, 1, 31}, 1, {2027, 2, 28}},
                      MonthStep{"Jan31_plus_one_2028", {2028, 1, 31}, 1, {2028, 2, 29}},
                      MonthStep{"Mar31_back_one_2100_not_leap", {2100, 3, 31}, -1, {2100, 2, 28}},
                      MonthStep{"Back_25_months", {2026, 1, 10}, -25, {2023, 12, 10}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalendarDates, LocaleFirstDay) {
    EXPECT_EQ(FirstDayFromLocaleSetting(6), 0);  // Sunday
    EXPECT_EQ(FirstDayFromLocaleSetting(0), kMonday);
    EXPECT_EQ(FirstDayFromLocaleSetting(3, false), 0);
}

TEST(CalendarDates, MonthGridWithMondayFirst) {
    EXPECT_EQ(FirstShownDate(D(2026, 3, 1), kMonday), D(2026, 2, 23));
    EXPECT_EQ(LastShownDate(D(2026, 3, 1), kMonday), D(2026, 4, 5));
    // A month that starts the week shows a whole week of the month before.
    EXPECT_EQ(FirstShownDate(D(2026, 6, 1), kMonday), D(2026, 5, 25));
    EXPECT_EQ(LastShownDate(D(2026, 6, 1), kMonday), D(2026, 7, 5));
    EXPECT_EQ(FirstShownDate(D(2026, 3, 1), 0), D(2026, 2, 22));
}

TEST(CalendarDates, KeysMoveFromTheLowerEnd) {
    const int d = D(2026, 3, 4);  // a Wednesday, column 2 with Monday first
    EXPECT_EQ(KeyTarget(d, CalendarKey::Home, false, kMonday), D(2026, 3, 2));
    EXPECT_EQ(KeyTarget(d, CalendarKey::End, false, kMonday), D(2026, 3, 8));
    EXPECT_EQ(KeyTarget(d, CalendarKey::Home, true, kMonday), D(2026, 3, 1));
    EXPECT_EQ(KeyTarget(d, CalendarKey::End, true, kMonday), D(2026, 3, 31));
    EXPECT_EQ(KeyTarget(D(2026, 3, 31), CalendarKey::PageUp, false, kMonday), D(2026, 2, 28));
    EXPECT_EQ(KeyTarget(d, CalendarKey::Up, false, kMonday), D(2026, 2, 25));
}

TEST(ColourEntries, TableLookups) {
    ColourEntries entries;
    EXPECT_EQ(entries.IndexOf(0x0000FF), 9);
    EXPECT_EQ(ComboColourName(9), "Red");
    EXPECT_EQ(entries.IndexOf(0x123456), -1);
    EXPECT_EQ(entries.ColourOf(16, 0x123456), 0x123456u);
    entries.showAuto = true;
    entries.autoColour = 0x80000008;  // the window-text colour
    EXPECT_EQ(entries.IndexOf(0x80000008), 0);
    EXPECT_EQ(entries.IndexOf(0x0000FF), 10);
    EXPECT_EQ(entries.ColourOf(1, 0), 0u);
    EXPECT_TRUE(IsValidColour(0x80000008));
    EXPECT_FALSE(IsValidColour(0x1F000000));
}

}  // namespace
}  // namespace bars::testing
