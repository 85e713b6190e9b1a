#include "engine/model/board_measures.h"

#include <algorithm>

#include "engine/model/card_codes.h"
#include "engine/model/game_record.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"
#include "engine/base/rounding.h"
#include "engine/model/pile_names.h"

namespace engine {

namespace {

constexpr int kRunLength = 9;

int CountOf(const GameDefRecord& game, int word, int lines) {
    return std::clamp(static_cast<int>(game[word]), 0, lines);
}

}  // namespace

int CardsOnLine(std::string_view line) {
    return DivideRoundHalfEven(static_cast<int>(line.size()), kCardCodeWidth);
}

int LongestTableauLength(const PileStore& piles, const GameDefRecord& game) {
    // Rounding keeps the order of the lengths, so the longest text has the most cards.
    std::size_t longest = 0;
    const int count = TableauCountOf(game);
    for (int i = 0; i < count; ++i) longest = std::max(longest, piles.Pile(PileListId::kFila, i).size());
    return DivideRoundHalfEven(static_cast<int>(longest), kCardCodeWidth);
}

bool IsNineToAceRun(std::string_view pile) {
    if (pile.size() != static_cast<std::size_t>(kRunLength * kCardCodeWidth)) return false;
    for (int i = 0; i < kRunLength; ++i) {
        const int card = PileCardAt(pile, i);
        if (card < kFirstCard || CardRank(card) != kRunLength - i) return false;
    }
    return true;
}

int TableauCountOf(const GameDefRecord& game) {
    return CountOf(game, words::kTableauCount, kFilaLineCount);
}

int FoundationCountOf(const GameDefRecord& game) {
    return CountOf(game, words::kFoundationCount, kDestLineCount);
}

int ReserveCountOf(const GameDefRecord& game) {
    return CountOf(game, words::kReserveCount, kAppoggLineCount);
}

}  // namespace engine
