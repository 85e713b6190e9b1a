#include "tests/support/mutations.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <random>

namespace test_support {

namespace {

constexpr std::array<std::string_view, 12> kNumbers = {
    "-1", "0", "17", "29", "-32768", "32767", "32768", "65535", "65536", "99999", "-99999", "2147483648",
};

enum class Damage { kFlip, kCut, kNumber, kRemoveLine, kDoubleLine, kCount };

std::size_t Pick(std::mt19937& random, std::size_t from, std::size_t to) {
    return from + static_cast<std::size_t>(random()) % (to - from);
}

// Start and end (after the line break) of the line that holds the offset.
std::pair<std::size_t, std::size_t> LineAround(std::string_view content, std::size_t at) {
    const std::size_t before = content.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t start = at == 0 || before == std::string_view::npos ? 0 : before + 1;
    const std::size_t after = content.find('\n', at);
    return {start, after == std::string_view::npos ? content.size() : after + 1};
}

Mutant Make(std::string_view content, Damage damage, std::mt19937& random, std::size_t from) {
    std::string copy(content);
    const std::size_t at = Pick(random, from, content.size());
    switch (damage) {
        case Damage::kFlip: {
            const int bit = static_cast<int>(random() % 8);
            copy[at] = static_cast<char>(copy[at] ^ (1 << bit));
            return {"flip bit " + std::to_string(bit) + " at " + std::to_string(at), copy};
        }
        case Damage::kCut:
            return {"cut at " + std::to_string(at), copy.substr(0, at)};
        case Damage::kNumber: {
            // The next run of digits (with its sign) from the offset, else the offset itself.
            std::size_t start = at;
            while (start < copy.size() && std::isdigit(static_cast<unsigned char>(copy[start])) == 0) ++start;
            if (start == copy.size()) start = at;
            if (start > 0 && copy[start - 1] == '-') --start;
            std::size_t end = start + 1;
            while (end < copy.size() && std::isdigit(static_cast<unsigned char>(copy[end])) != 0) ++end;
            const std::string_view number = kNumbers[random() % kNumbers.size()];
            copy.replace(start, std::min(end, copy.size()) - start, number);
            return {"number at " + std::to_string(start) + " -> " + std::string(number), copy};
        }
        case Damage::kRemoveLine: {
            const auto [start, end] = LineAround(content, at);
            copy.erase(start, end - start);
            return {"remove the line at " + std::to_string(start), copy};
        }
        case Damage::kDoubleLine:
        case Damage::kCount: {
            const auto [start, end] = LineAround(content, at);
            std::string line(content.substr(start, end - start));
            if (line.empty() || line.back() != '\n') line += '\n';
            copy.insert(start, line);
            return {"double the line at " + std::to_string(start), copy};
        }
    }
    return {};
}

}  // namespace

void ForEachMutant(std::string_view content, int count, unsigned seed, const std::function<void(const Mutant&)>& visit,
                   std::size_t from) {
    if (content.size() <= from) return;
    std::mt19937 random(seed);
    constexpr int kKinds = static_cast<int>(Damage::kCount);
    for (int i = 0; i < count; ++i) visit(Make(content, static_cast<Damage>(i % kKinds), random, from));
}

}  // namespace test_support
