#include "engine/model/card_codes.h"

#include "engine/base/text_utils.h"

namespace engine {

namespace {

struct RankLetter {
    int rank;
    std::string_view text;
};

constexpr RankLetter kRankLetters[] = {
    {kAce, "A"}, {kJack, "J"}, {kQueen, "Q"}, {kKing, "K"},
};

// Longer texts are no card code and would overflow an int anyway.
constexpr std::size_t kMaxNumberDigits = 9;

// The codes whose text is their three digits; others are padded or starred.
constexpr int kLargestCodeText = 999;

}  // namespace

std::string RankText(int rank) {
    for (const RankLetter& letter : kRankLetters) {
        if (letter.rank == rank) return std::string(letter.text);
    }
    return std::to_string(rank);
}

std::string CardCodeText(int code) {
    if (code < 0 || code > kLargestCodeText) return IntToZeroPad(code, kCardCodeWidth);
    std::string text;
    AppendCardCode(text, code);
    return text;
}

std::optional<int> ReadCardNumber(std::string_view text) {
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.size() > kMaxNumberDigits) return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

}  // namespace engine
