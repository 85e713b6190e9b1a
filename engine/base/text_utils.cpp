#include "engine/base/text_utils.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace engine {

namespace {

constexpr char kBlank = ' ';
constexpr char kSectionStart = '[';

// Characters below this code move up by the shift, the others down.
constexpr int kScrambleSplit = 80;
constexpr int kScrambleShift = 48;

// Enough for any double in fixed notation (about 310 integer digits) and the sign.
constexpr int kMaxIntegerChars = 330;
constexpr int kMaxDecimals = 40;

constexpr std::string_view kProgramMacro = "[Program]";
constexpr std::string_view kGameCountMacro = "[GameNum_fw]";

// Zero-fills a formatted number to the width, with its sign in front.
std::string ZeroPadFormatted(std::string_view formatted, int width) {
    if (static_cast<int>(formatted.size()) > width) return StrOfChar('*', width);
    std::string text = StrOfChar('0', width - static_cast<int>(formatted.size()));
    text += formatted;
    if (const auto minus = text.find('-'); minus != std::string::npos) {
        text.erase(minus, 1);
        text.insert(text.begin(), '-');
    }
    return text;
}

std::string ReplaceFirst(std::string_view text, std::string_view what, std::string_view with) {
    std::string result(text);
    if (const auto at = result.find(what); at != std::string::npos) result.replace(at, what.size(), with);
    return result;
}

}  // namespace

std::string ReplaceSpan(std::string_view text, int position, int length, std::string_view newText) {
    const auto size = static_cast<long long>(text.size());
    const long long before = std::clamp<long long>(static_cast<long long>(position) - 1, 0, size);
    // A negative length would repeat characters; it removes nothing instead.
    const long long after = std::clamp<long long>(before + std::max(length, 0), before, size);
    std::string result(text.substr(0, static_cast<std::size_t>(before)));
    result += newText;
    result += text.substr(static_cast<std::size_t>(after));
    return result;
}

std::string StrRight(std::string_view text, int n) {
    if (n <= 0) return {};
    if (static_cast<std::size_t>(n) >= text.size()) return std::string(text);
    return std::string(text.substr(text.size() - static_cast<std::size_t>(n)));
}

std::string StrOfChar(char c, int n) {
    if (n <= 0) return {};
    return std::string(static_cast<std::size_t>(n), c);
}

std::string Spaces(int n) { return StrOfChar(kBlank, n); }

std::string PadRight(std::string_view text, int n) {
    if (n <= 0) return {};
    std::string result(text.substr(0, std::min(text.size(), static_cast<std::size_t>(n))));
    result.resize(static_cast<std::size_t>(n), kBlank);
    return result;
}

std::string ReplaceChar(char c, std::string_view replacement, std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char ch : text) {
        if (ch == c)
            result += replacement;
        else
            result += ch;
    }
    return result;
}

std::string TrimRightSpaces(std::string_view text) {
    const auto last = text.find_last_not_of(kBlank);
    if (last == std::string_view::npos) return {};
    return std::string(text.substr(0, last + 1));
}

std::string TrimLeftSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first));
}

std::string FormatFixed(int width, int decimals, double value) {
    // to_chars ignores the C locale, so the separator is always ".".
    const int precision = std::clamp(decimals, 0, kMaxDecimals);
    std::array<char, kMaxIntegerChars + kMaxDecimals + 2> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, precision);
    if (error != std::errc{}) return StrOfChar('*', width);
    return ZeroPadFormatted(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())), width);
}

std::string IntToZeroPad(long long value, int width) {
    // Integers go straight to digits: 13-digit game numbers must not pass through a double.
    std::array<char, 24> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    (void)error;  // 24 characters hold every long long
    return ZeroPadFormatted(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())), width);
}

int PowerInt(int base, int exponent) {
    std::uint32_t result = 1;
    for (int i = 0; i < exponent; ++i) result *= static_cast<std::uint32_t>(base);
    return static_cast<int>(result);
}

int MaxOf(int a, int b) { return a > b ? a : b; }

std::string ScrambleChars(std::string_view text) {
    std::string result(text);
    for (char& ch : result) {
        const int code = static_cast<unsigned char>(ch);
        const int shifted = code < kScrambleSplit ? code + kScrambleShift : code - kScrambleShift;
        ch = static_cast<char>(static_cast<unsigned char>(shifted));
    }
    return result;
}

void CopyIniSection(std::vector<std::string>& destination, const std::vector<std::string>& source,
                    std::string_view header) {
    destination.clear();
    std::size_t i = 0;
    while (i < source.size()) {
        if (!source[i].starts_with(header)) {
            ++i;
            continue;
        }
        // The next header is looked at again: it may be another section of this name.
        for (++i; i < source.size() && !source[i].starts_with(kSectionStart); ++i) destination.push_back(source[i]);
    }
}

std::string ExpandMacros(std::string_view text) {
    return ReplaceFirst(ReplaceFirst(text, kProgramMacro, kProductName), kGameCountMacro, kGameCountText);
}

}  // namespace engine
