#include "shell/grid/sort_keys.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <compare>

#include "platform/core/ascii_case.h"

namespace shell {

namespace {

constexpr double kSecondsPerDay = 86400.0;
// Day 0 of the date-time keys, as days from 1970-01-01.
constexpr long kDayZeroFromEpoch = -25569;

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// Reads 1..maxDigits decimal digits from the front of the text.
std::optional<int> TakeNumber(std::string_view& text, std::size_t minDigits, std::size_t maxDigits) {
    std::size_t n = 0;
    while (n < text.size() && n < maxDigits && std::isdigit(static_cast<unsigned char>(text[n]))) ++n;
    if (n < minDigits) return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + n, value);
    text.remove_prefix(n);
    return value;
}

bool TakeChar(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) return false;
    text.remove_prefix(1);
    return true;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 to a proleptic Gregorian date.
long DaysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153L * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

std::optional<double> TakeDate(std::string_view& text) {
    std::string_view probe = text;
    int year = 0, month = 0, day = 0;
    if (const auto first = TakeNumber(probe, 1, 4)) {
        if (TakeChar(probe, '-')) {
            const auto m = TakeNumber(probe, 1, 2);
            const auto d = m && TakeChar(probe, '-') ? TakeNumber(probe, 1, 2) : std::nullopt;
            if (!d) return std::nullopt;
            year = *first, month = *m, day = *d;
        } else if (TakeChar(probe, '/')) {
            const auto m = TakeNumber(probe, 1, 2);
            const auto y = m && TakeChar(probe, '/') ? TakeNumber(probe, 4, 4) : std::nullopt;
            if (!y) return std::nullopt;
            year = *y, month = *m, day = *first;
        } else {
            return std::nullopt;
        }
    } else {
        return std::nullopt;
    }
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
    text = probe;
    return static_cast<double>(DaysFromCivil(year, month, day) - kDayZeroFromEpoch);
}

std::optional<double> TakeTime(std::string_view& text) {
    std::string_view probe = text;
    const auto hours = TakeNumber(probe, 1, 2);
    const auto minutes = hours && TakeChar(probe, ':') ? TakeNumber(probe, 2, 2) : std::nullopt;
    if (!minutes) return std::nullopt;
    int seconds = 0;
    if (TakeChar(probe, ':')) {
        const auto s = TakeNumber(probe, 2, 2);
        if (!s) return std::nullopt;
        seconds = *s;
    }
    if (*hours > 23 || *minutes > 59 || seconds > 59) return std::nullopt;
    text = probe;
    return (*hours * 3600.0 + *minutes * 60.0 + seconds) / kSecondsPerDay;
}

// A key converted once, so the comparison never parses.
struct Key {
    std::optional<double> value;
    std::string text;
    int row = 0;
    std::size_t index = 0;  // the entry's place in the list
};

std::optional<double> Convert(TSortStyle style, std::string_view text) {
    switch (style) {
        case TSortStyle::ssNumeric:
            return NumericKey(text);
        case TSortStyle::ssDateTime:
            return DateTimeKey(text);
        case TSortStyle::ssTime:
            return TimeKey(text);
        default:
            return std::nullopt;
    }
}

bool ConvertsKeys(TSortStyle style) {
    return style == TSortStyle::ssNumeric || style == TSortStyle::ssDateTime || style == TSortStyle::ssTime;
}

}  // namespace

std::string LowerCased(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = platform::AsciiLower(c);
    return lower;
}

std::optional<double> NumericKey(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    // "nan" and "inf" parse but are no numbers a column holds; NaN would break the order.
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> DateTimeKey(std::string_view text) {
    text = Trimmed(text);
    std::string_view rest = text;
    if (const auto time = TakeTime(rest); time && rest.empty()) return time;
    rest = text;
    const auto date = TakeDate(rest);
    if (!date) return std::nullopt;
    if (rest.empty()) return date;
    if (!TakeChar(rest, ' ') && !TakeChar(rest, 'T')) return std::nullopt;
    const auto time = TakeTime(rest);
    if (!time || !rest.empty()) return std::nullopt;
    return *date + *time;
}

std::optional<double> TimeKey(std::string_view text) {
    const auto dateTime = DateTimeKey(text);
    if (!dateTime) return std::nullopt;
    return *dateTime - std::floor(*dateTime);
}

TSortStyle DetectSortStyle(const std::vector<std::string>& cells) {
    const auto all = [&](auto convert) {
        return std::all_of(cells.begin(), cells.end(), [&](const std::string& cell) {
            const std::string_view text = Trimmed(cell);
            return text.empty() || convert(text).has_value();
        });
    };
    if (all(NumericKey)) return TSortStyle::ssNumeric;
    if (all(DateTimeKey)) return TSortStyle::ssDateTime;
    return TSortStyle::ssNormal;
}

void SortEntries(TSortedList& list, TSortStyle style, TSortDirection direction, bool caseSensitive) {
    std::vector<Key> keys;
    keys.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        const TSortedListEntry& entry = list[i];
        keys.push_back(Key{ConvertsKeys(style) ? Convert(style, entry.Str) : std::nullopt,
                           caseSensitive ? entry.Str : LowerCased(entry.Str), entry.RowNum, i});
    }
    const bool descending = direction == TSortDirection::sdDescending;
    std::sort(keys.begin(), keys.end(), [descending](const Key& a, const Key& b) {
        if (a.value.has_value() != b.value.has_value()) return a.value.has_value();
        const std::partial_ordering order = a.value ? *a.value <=> *b.value : a.text <=> b.text;
        if (order != 0) return descending ? order > 0 : order < 0;
        return a.row < b.row;
    });
    std::vector<TSortedListEntry> sorted;
    sorted.reserve(list.size());
    for (const Key& key : keys) sorted.push_back(std::move(list[key.index]));
    list = std::move(sorted);
}

}  // namespace shell
