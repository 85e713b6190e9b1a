#include "bars/extended/spin_value.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace bars {

double MakeWhole(double value, TcbBarSpinEditValueType type) {
    return type == svtInteger && std::isfinite(value) ? std::trunc(value) : value;
}

double ClampToLimits(double value, double minValue, double maxValue) {
    if (minValue == 0 && maxValue == 0) return value;
    if (value < minValue) return minValue;
    if (value > maxValue) return maxValue;
    return value;
}

std::string SpinDisplayText(double value, const SpinNumberFormat& format) {
    char buffer[64];
    if (format.valueType == svtInteger)
        std::snprintf(buffer, sizeof buffer, "%.0f", std::trunc(value));
    else
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string number = buffer;
    if (number == "-0") number = "0";
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

std::optional<double> ReadAnyNumber(std::string_view text) {
    const std::string trimmed(Trimmed(text));
    if (trimmed.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(trimmed.c_str(), &end);
    if (end != trimmed.c_str() + trimmed.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> ReadSpinNumber(std::string_view text, TcbBarSpinEditValueType type) {
    return type == svtInteger ? ReadInteger(text) : ReadAnyNumber(text);
}

double SpinValueOfText(std::string_view text, const SpinNumberFormat& format, double minValue) {
    return ReadSpinNumber(WithoutPrefix(text, format.prefix), format.valueType).value_or(minValue);
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
