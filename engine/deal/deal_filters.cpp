#include "engine/deal/deal_filters.h"

#include <algorithm>
#include <array>
#include <limits>

#include "engine/model/card_codes.h"
#include "engine/model/game_record.h"
#include "engine/model/board_measures.h"

namespace engine {

namespace {

// Deal kind 12 keeps these cards; more of them as the game has more tableau piles.
struct ChosenCards {
    int moreThanPiles;  // the group counts when the game has more tableau piles than this
    std::array<int, 16> cards;
    int count;
};

constexpr int kEveryGame = std::numeric_limits<int>::min();

constexpr std::array<ChosenCards, 3> kChosenCards = {{
    {kEveryGame, {1, 53, 15, 67, 29, 81, 43, 95, 5, 57, 19, 71}, 12},
    {3, {33, 85, 47, 99, 9, 61, 23, 75, 37, 89, 51, 103}, 12},
    {4, {10, 62, 24, 76, 38, 90, 52, 104, 2, 54, 16, 68, 30, 82, 44, 96}, 16},
}};

// Deal kind 9 with more piles than this also leaves out the diamonds' low cards.
constexpr int kLowCardsSuitShift = 13;

template <typename Pred>
void RemoveIf(DealList& list, Pred pred) {
    list.erase(std::remove_if(list.begin(), list.end(), pred), list.end());
}

bool IsChosen(int card, int tableauCount) {
    for (const ChosenCards& group : kChosenCards) {
        if (tableauCount <= group.moreThanPiles) continue;
        const auto end = group.cards.begin() + group.count;
        if (std::find(group.cards.begin(), end, card) != end) return true;
    }
    return false;
}

void KeepLowCards(DealList& list, int tableauCount) {
    if (tableauCount > kLowCardsSuitShift) {
        const int diamondsAce = kSuitSize + 1;
        const int diamondsKing = 2 * kSuitSize;
        RemoveIf(list, [&](int card) {
            return (card >= diamondsAce && card <= diamondsKing) || card > tableauCount + kLowCardsSuitShift;
        });
    } else {
        RemoveIf(list, [&](int card) { return card > tableauCount; });
    }
}

// One card of each rank up to top: the first of its rank, or with a suit given, the
// first of its rank in that suit.
void KeepOnePerRank(DealList& list, int top, int suit, bool bySuit) {
    for (int rank = kAce; rank <= std::min(top, kKing); ++rank) {
        const auto kept = std::find_if(list.begin(), list.end(), [&](int card) {
            return CardRank(card) == rank && (!bySuit || CardSuit(card) == suit);
        });
        const int keptCard = kept == list.end() ? kNoCard : *kept;
        bool keptSeen = false;
        RemoveIf(list, [&](int card) {
            if (CardRank(card) != rank) return false;
            if (card == keptCard && !keptSeen) {
                keptSeen = true;
                return false;
            }
            return true;
        });
    }
    RemoveIf(list, [&](int card) {
        const int rank = CardRank(card);
        return rank < kAce || rank > top;
    });
}

}  // namespace

void FilterDealList(DealList& list, const GameDefRecord& game) {
    const int tableauCount = TableauCountOf(game);
    switch (game[words::kDealKind]) {
        case deal_kind::kLowCardsOnly:
            KeepLowCards(list, tableauCount);
            break;
        case deal_kind::kOneCardPerRank:
            KeepOnePerRank(list, tableauCount, kNoSuit, false);
            break;
        case deal_kind::kOneSuitPerRank: {
            const int suit = list.empty() ? kNoSuit : CardSuit(list.front());
            KeepOnePerRank(list, kOneSuitTopRank, suit, true);
            break;
        }
        case deal_kind::kChosenCardsOnly:
            RemoveIf(list, [&](int card) { return !IsChosen(card, tableauCount); });
            break;
        default:
            break;
    }
}

}  // namespace engine
