#include "engine/model/pile_text.h"

#include <array>

#include "engine/model/card_codes.h"

namespace engine {

namespace {

constexpr int kNotFound = -1;

}  // namespace

int FindPileCard(std::string_view pile, int card) {
    if (card < kNoCard) return kNotFound;  // -1 also marks damaged groups
    const int count = PileCardCount(pile);
    for (int i = 0; i < count; ++i) {
        if (ReadCardGroup(pile.data() + static_cast<std::size_t>(i) * kCardCodeWidth) == card) return i;
    }
    return kNotFound;
}

bool AllRanksDistinct(std::string_view pile) {
    std::array<bool, kKing + 1> seen{};
    const int count = PileCardCount(pile);
    for (int i = 0; i < count; ++i) {
        const int code = PileCardAt(pile, i);
        if (code < kFirstCard) continue;  // blanked slots and damaged groups
        const int rank = CardRank(code);
        if (rank < kAce || rank > kKing) continue;
        if (seen[static_cast<std::size_t>(rank)]) return false;
        seen[static_cast<std::size_t>(rank)] = true;
    }
    return true;
}

bool PileContains(std::string_view cardText, std::string_view pile) {
    const auto card = ReadCardNumber(cardText);
    return card.has_value() && FindPileCard(pile, *card) >= 0;
}

bool AllZeros(std::string_view text) {
    return text.find_first_not_of('0') == std::string_view::npos;
}

}  // namespace engine
