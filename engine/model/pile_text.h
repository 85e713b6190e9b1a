#pragma once

#include <string_view>

#include "engine/model/card_codes.h"

namespace engine {

// A pile text is the concatenation of its cards' three-digit codes, bottom card first.
// Only whole groups count: a trailing fragment of a damaged line is never read as a card.

// The number of whole three-character groups.
inline int PileCardCount(std::string_view pile) { return static_cast<int>(pile.size() / kCardCodeWidth); }

// The code of card i (0 = the bottom card) read as a number; -1 when i lies outside the
// pile or the group is no number.
inline int PileCardAt(std::string_view pile, int index) {
    if (index < 0 || index >= PileCardCount(pile)) return -1;
    return ReadCardGroup(pile.data() + static_cast<std::size_t>(index) * kCardCodeWidth);
}

// The top card's code; 0 for an empty pile.
inline int PileTopCard(std::string_view pile) {
    const int count = PileCardCount(pile);
    return count == 0 ? kNoCard : PileCardAt(pile, count - 1);
}

// The 0-based card index of the first group equal (as a number) to the card; -1 when none.
int FindPileCard(std::string_view pile, int card);

// True when no rank 1-13 occurs twice; jokers and blanked slots ("000") are not counted.
bool AllRanksDistinct(std::string_view pile);

// True when some group of the pile, read as a number, equals the card text read as a number.
bool PileContains(std::string_view cardText, std::string_view pile);

// True when the text holds only "0" characters; also for the empty text.
bool AllZeros(std::string_view text);

}  // namespace engine
