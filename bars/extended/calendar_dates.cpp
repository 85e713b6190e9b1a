#include "bars/extended/calendar_dates.h"

#include <QDate>

#include <algorithm>

namespace bars {

namespace {
// Days from 1 January of year 1 (proleptic) to the epoch, 30 December 1899.
constexpr int kEpochOffset = 693594;

int DaysBeforeYear(int year) {
    const int y = year - 1;
    return y * 365 + y / 4 - y / 100 + y / 400;
}

int FloorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }
}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int DateOf(int year, int month, int day) {
    int days = DaysBeforeYear(year);
    for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
    return days + day - 1 - kEpochOffset + 1;
}

CalendarDay DayOf(int date) {
    // Day number from 1 January of year 1, counted from 0.
    int n = date + kEpochOffset - 1;
    int year = FloorDiv(n, 365) + 1;
    while (DaysBeforeYear(year) > n) --year;
    while (DaysBeforeYear(year + 1) <= n) ++year;
    n -= DaysBeforeYear(year);
    int month = 1;
    while (n >= DaysInMonth(year, month)) n -= DaysInMonth(year, month++);
    return {year, month, n + 1};
}

int WeekdayOf(int date) {
    // The epoch, 30 December 1899, was a Saturday.
    return ((date + 6) % 7 + 7) % 7;
}

int AddMonths(int date, int months) {
    const CalendarDay d = DayOf(date);
    int index = d.year * 12 + (d.month - 1) + months;
    const int year = FloorDiv(index, 12);
    const int month = index - year * 12 + 1;
    const int day = std::min(d.day, DaysInMonth(year, month));
    return DateOf(year, month, day);
}

int FirstOfMonth(int date) {
    const CalendarDay d = DayOf(date);
    return date - d.day + 1;
}

int LastOfMonth(int date) {
    const CalendarDay d = DayOf(date);
    return date - d.day + DaysInMonth(d.year, d.month);
}

int FirstDayFromLocaleSetting(int setting, bool readable) {
    if (!readable) return 0;
    const int day = setting + 1;
    return day > 6 ? 0 : day;
}

int ColumnOf(int date, int firstDay) { return (WeekdayOf(date) - firstDay + 7) % 7; }

int FirstShownDate(int firstOfMonth, int firstDay) {
    const int column = ColumnOf(firstOfMonth, firstDay);
    return firstOfMonth - (column == 0 ? 7 : column);
}

int KeyTarget(int from, CalendarKey key, bool ctrlOnly, int firstDay) {
    switch (key) {
    case CalendarKey::Left: return from - 1;
    case CalendarKey::Right: return from + 1;
    case CalendarKey::Up: return from - 7;
    case CalendarKey::Down: return from + 7;
    case CalendarKey::Home: return ctrlOnly ? FirstOfMonth(from) : from - ColumnOf(from, firstDay);
    case CalendarKey::End: return ctrlOnly ? LastOfMonth(from) : from + 6 - ColumnOf(from, firstDay);
    case CalendarKey::PageUp: return AddMonths(from, -1);
    case CalendarKey::PageDown: return AddMonths(from, 1);
    }
    return from;
}

int Today() {
    const QDate today = QDate::currentDate();
    return DateOf(today.year(), today.month(), today.day());
}

}  // namespace bars
