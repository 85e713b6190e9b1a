#pragma once

#include <optional>
#include <string_view>

#include "engine/model/card_codes.h"

// Reading a pile's text: three-digit card codes, bottom card first.
namespace table {

constexpr int PileCardCount(std::string_view pile) { return static_cast<int>(pile.size()) / engine::kCardCodeWidth; }

// The cards that remain when the top k are left out; none when k leaves nothing.
constexpr int CountedCards(std::string_view pile, int cardsLeftOut) {
    const int counted =
        (static_cast<int>(pile.size()) - engine::kCardCodeWidth * cardsLeftOut) / engine::kCardCodeWidth;
    return counted > 0 ? counted : 0;
}

// Card i from the bottom; nothing past the end or for a group that is no number.
inline std::optional<int> PileCodeAt(std::string_view pile, int i) {
    if (i < 0 || i >= PileCardCount(pile)) return std::nullopt;
    return engine::ReadCardNumber(
        pile.substr(static_cast<std::size_t>(i) * engine::kCardCodeWidth, engine::kCardCodeWidth));
}

// The top card's code; 0 for an empty pile.
inline int PileTopCard(std::string_view pile) {
    return PileCodeAt(pile, PileCardCount(pile) - 1).value_or(engine::kNoCard);
}

// True when one of the pile's codes is the card.
inline bool PileHoldsCard(std::string_view pile, int card) {
    for (int i = 0; i < PileCardCount(pile); ++i) {
        if (PileCodeAt(pile, i) == card) return true;
    }
    return false;
}

}  // namespace table
