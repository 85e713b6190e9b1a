#include "bars/extended/calendar_dates.h"

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <cctype>
#include <functional>
#include <vector>

namespace bars {

namespace {
// Days from 1 January of year 1 (proleptic) to the epoch, 30 December 1899.
constexpr int kEpochOffset = 693594;

// Wide, so that any int day count can be taken apart without overflow.
long long DaysBeforeYear(long long year) {
    const long long y = year - 1;
    return y * 365 + y / 4 - y / 100 + y / 400;
}

long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }
}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int DateOf(int year, int month, int day) {
    long long days = DaysBeforeYear(year);
    for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
    return static_cast<int>(days + day - 1 - kEpochOffset + 1);
}

CalendarDay DayOf(int date) {
    // Day number from 1 January of year 1, counted from 0.
    long long n = static_cast<long long>(date) + kEpochOffset - 1;
    long long year = FloorDiv(n, 365) + 1;
    while (DaysBeforeYear(year) > n) --year;
    while (DaysBeforeYear(year + 1) <= n) ++year;
    n -= DaysBeforeYear(year);
    int month = 1;
    while (n >= DaysInMonth(static_cast<int>(year), month)) n -= DaysInMonth(static_cast<int>(year), month++);
    return {static_cast<int>(year), month, static_cast<int>(n) + 1};
}

int WeekdayOf(int date) {
    // The epoch, 30 December 1899, was a Saturday.
    return static_cast<int>(((static_cast<long long>(date) + 6) % 7 + 7) % 7);
}

int AddMonths(int date, int months) {
    const CalendarDay d = DayOf(date);
    const long long index = static_cast<long long>(d.year) * 12 + (d.month - 1) + months;
    const long long year = FloorDiv(index, 12);
    const int month = static_cast<int>(index - year * 12) + 1;
    // Beyond the range of dates the month stays at the range's end.
    if (year < 1) return kFirstValidDate;
    if (year > 9999) return DateOf(9999, 12, std::min(d.day, 31));
    const int day = std::min(d.day, DaysInMonth(static_cast<int>(year), month));
    return DateOf(static_cast<int>(year), month, day);
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

namespace {

enum class DateField { Day, Month, Year };

struct FormatFields {
    std::vector<DateField> order;
    bool monthByName = false;
};

// Which of day, month and year the format names, in its order; quoted text and weekday
// names ("ddd", "dddd") are no fields.
FormatFields FieldsOf(std::string_view format) {
    FormatFields fields;
    const auto add = [&](DateField field) {
        if (std::find(fields.order.begin(), fields.order.end(), field) == fields.order.end()) fields.order.push_back(field);
    };
    for (std::size_t i = 0; i < format.size();) {
        const char c = format[i];
        if (c == '\'') {
            const std::size_t close = format.find('\'', i + 1);
            i = close == std::string_view::npos ? format.size() : close + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < format.size() && format[i + run] == c) ++run;
        if (c == 'd' && run <= 2) add(DateField::Day);
        if (c == 'M') {
            add(DateField::Month);
            if (run >= 3) fields.monthByName = true;
        }
        if (c == 'y') add(DateField::Year);
        i += run;
    }
    return fields;
}

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int ReadDate(std::string_view text, std::string_view format, int thisYear,
             const std::function<int(std::string_view)>& monthOfName) {
    const FormatFields fields = FieldsOf(format);
    int values[3] = {0, 0, 0};
    bool set[3] = {false, false, false};
    int yearDigits = 0;
    std::size_t next = 0;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t run = 1;
        if (IsDigit(text[i])) {
            while (i + run < text.size() && IsDigit(text[i + run])) ++run;
            while (next < fields.order.size() && set[static_cast<int>(fields.order[next])]) ++next;
            // Digits beyond the format's fields, or too many of them, name no date.
            if (next >= fields.order.size() || run > 4) return kNoDate;
            const int field = static_cast<int>(fields.order[next]);
            values[field] = std::stoi(std::string(text.substr(i, run)));
            set[field] = true;
            if (fields.order[next] == DateField::Year) yearDigits = static_cast<int>(run);
        } else if (IsLetter(text[i])) {
            while (i + run < text.size() && IsLetter(text[i + run])) ++run;
            const int month = monthOfName ? monthOfName(text.substr(i, run)) : 0;
            const int field = static_cast<int>(DateField::Month);
            if (month > 0 && !set[field]) {
                values[field] = month;
                set[field] = true;
            }
        }
        i += run;
    }
    const int day = values[static_cast<int>(DateField::Day)];
    const int month = values[static_cast<int>(DateField::Month)];
    int year = set[static_cast<int>(DateField::Year)] ? values[static_cast<int>(DateField::Year)] : thisYear;
    if (!set[static_cast<int>(DateField::Day)] || !set[static_cast<int>(DateField::Month)]) return kNoDate;
    if (set[static_cast<int>(DateField::Year)] && yearDigits <= 2) {
        // Within 50 years of this one.
        const int threshold = thisYear - 50;
        year += threshold - threshold % 100;
        if (year < threshold) year += 100;
    }
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return kNoDate;
    return DateOf(year, month, day);
}

}  // namespace

std::string ShortDateText(int date) {
    if (!IsValidDate(date)) return {};
    const CalendarDay day = DayOf(date);
    return QLocale().toString(QDate(day.year, day.month, day.day), QLocale::ShortFormat).toStdString();
}

int ReadDateInFormat(std::string_view text, std::string_view format, int thisYear) {
    return ReadDate(text, format, thisYear, nullptr);
}

int ReadShortDate(std::string_view text) {
    const QLocale locale;
    const auto monthOfName = [&locale](std::string_view name) {
        const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        // Short names may end in a full stop, which is no letter of the text.
        const auto same = [&wanted](QString name) {
            if (name.endsWith('.')) name.chop(1);
            return wanted.compare(name, Qt::CaseInsensitive) == 0;
        };
        for (int month = 1; month <= 12; ++month)
            for (QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat})
                if (same(locale.monthName(month, type)) || same(locale.standaloneMonthName(month, type))) return month;
        return 0;
    };
    return ReadDate(text, locale.dateFormat(QLocale::ShortFormat).toStdString(), QDate::currentDate().year(),
                    monthOfName);
}

}  // namespace bars
