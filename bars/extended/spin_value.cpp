#include "bars/extended/spin_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace bars {

double MakeWhole(double value, TcbBarSpinEditValueType type) {
    if (type != svtInteger || !std::isfinite(value)) return value;
    return std::clamp(std::trunc(value), static_cast<double>(std::numeric_limits<std::int32_t>::min()),
                      static_cast<double>(std::numeric_limits<std::int32_t>::max()));
}

double ClampToLimits(double value, double minValue, double maxValue) {
    if (minValue == 0 && maxValue == 0) return value;
    if (value < minValue) return minValue;
    if (value > maxValue) return maxValue;
    return value;
}

std::string SpinDisplayText(double value, const SpinNumberFormat& format) {
    // Written without the C library's locale: the separator is the format's alone.
    char buffer[64];
    std::to_chars_result written{};
    if (format.valueType == svtInteger)
        written = std::to_chars(buffer, buffer + sizeof buffer,
                                std::isfinite(value) ? static_cast<long long>(MakeWhole(value, svtInteger)) : 0LL);
    else
        written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string number(buffer, written.ec == std::errc() ? written.ptr : buffer);
    if (number == "-0") number = "0";
    std::replace(number.begin(), number.end(), '.', format.decimalSeparator);
    return format.prefixPlace == ppStart ? format.prefix + number : number + format.prefix;
}

std::string WithoutPrefix(std::string_view text, std::string_view prefix) {
    std::string result(text);
    if (prefix.empty()) return result;
    if (const auto at = result.find(prefix); at != std::string::npos) result.erase(at, prefix.size());
    return result;
}

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::optional<double> ReadInteger(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> ReadAnyNumber(std::string_view text, char decimalSeparator) {
    std::string number(Trimmed(text));
    // Only the locale's separator makes a fraction; a full stop elsewhere is no number.
    if (decimalSeparator != '.' && number.find('.') != std::string::npos) return std::nullopt;
    std::replace(number.begin(), number.end(), decimalSeparator, '.');
    std::string_view digits = number;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    if (digits.empty()) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> ReadSpinNumber(std::string_view text, const SpinNumberFormat& format) {
    return format.valueType == svtInteger ? ReadInteger(text) : ReadAnyNumber(text, format.decimalSeparator);
}

double SpinValueOfText(std::string_view text, const SpinNumberFormat& format, double minValue) {
    return ReadSpinNumber(WithoutPrefix(text, format.prefix), format).value_or(minValue);
}

SpinButtonsLayout LayoutSpinButtons(const platform::Rect& rect) {
    SpinButtonsLayout layout;
    layout.field = rect;
    const int a = (rect.Height() / 2 - 2) / 2;
    const int width = 4 * a + 3;
    // A field too low for an arrow, or too narrow, shows no buttons at all.
    if (a < 1 || rect.Width() / 2 <= width) return layout;
    layout.shown = true;
    layout.a = a;
    layout.arrowWidth = 2 * a - 1;
    layout.strip = {rect.right - width, rect.top, rect.right, rect.bottom};
    layout.field.right = layout.strip.left;
    layout.buttons = {layout.strip.left + 1, rect.top, layout.strip.right - 1, rect.bottom};
    const int upHeight = layout.buttons.Height() / 2;
    layout.up = {layout.buttons.left, layout.buttons.top, layout.buttons.right, layout.buttons.top + upHeight};
    layout.down = {layout.buttons.left, layout.up.bottom, layout.buttons.right, layout.buttons.bottom};
    return layout;
}

platform::Point SpinArrowOrigin(const platform::Rect& filled, int a, bool up) {
    const int y = (filled.top + filled.bottom - a) / 2;
    return {filled.left + a, up ? y + a - 1 : y};
}

}  // namespace bars
