#pragma once

#include <string>
#include <string_view>

namespace bars {

// Dates are the platform's day counts: whole days since 30 December 1899.
inline constexpr int kNoDate = -700000;
// The platform's range of dates: 1 January of year 1 to 31 December 9999.
inline constexpr int kFirstValidDate = -693593;
inline constexpr int kLastValidDate = 2958465;
inline bool IsValidDate(int date) { return date >= kFirstValidDate && date <= kLastValidDate; }

struct CalendarDay {
    int year = 0;
    int month = 0;  // 1 .. 12
    int day = 0;
    bool operator==(const CalendarDay&) const = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
int DateOf(int year, int month, int day);
CalendarDay DayOf(int date);
// 0 Sunday .. 6 Saturday.
int WeekdayOf(int date);
// The same day n months later (earlier for negative n), cut to the target month's length.
int AddMonths(int date, int months);
int FirstOfMonth(int date);
int LastOfMonth(int date);

// The first day of the week, 0 Sunday .. 6 Saturday, from the locale's setting (0 Monday ..
// 6 Sunday); unreadable settings give 0.
int FirstDayFromLocaleSetting(int setting, bool readable = true);
// The column of a date in a week row that starts on firstDay.
int ColumnOf(int date, int firstDay);
// The month grid: 6 rows of 7 from the first shown date; a month that starts in column 0
// shows a whole week of the month before.
int FirstShownDate(int firstOfMonth, int firstDay);
inline int LastShownDate(int firstOfMonth, int firstDay) { return FirstShownDate(firstOfMonth, firstDay) + 41; }

// The calendar's movement keys: the date a key selects starting from `from`.
enum class CalendarKey { Left, Right, Up, Down, Home, End, PageUp, PageDown };
// ctrlOnly: Ctrl held without Shift or Alt (Ctrl+Home and Ctrl+End need that).
int KeyTarget(int from, CalendarKey key, bool ctrlOnly, int firstDay);

// Today's date from the clock.
int Today();

// A date in the locale's short date format; empty for a date out of range.
std::string ShortDateText(int date);
// A text in the locale's short date format (numbers or month names in the format's order,
// any separators; a two-digit year lies within 50 years of this one); kNoDate when it names
// no date in range.
int ReadShortDate(std::string_view text);
// The same for a given format and this year, without the locale's month names.
int ReadDateInFormat(std::string_view text, std::string_view format, int thisYear);

}  // namespace bars
