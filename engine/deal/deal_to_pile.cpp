#include "engine/deal/deal_to_pile.h"

#include <algorithm>
#include <span>

#include "engine/model/card_codes.h"
#include "engine/model/card_table.h"
#include "engine/model/pile_store.h"

namespace engine {

namespace {

constexpr std::string_view kDownFlag = "0";
constexpr std::string_view kUpFlag = "1";

}  // namespace

bool TakeFromDealList(DealList& list, int card) {
    const auto it = std::find(list.begin(), list.end(), card);
    if (it == list.end()) return false;
    list.erase(it);
    return true;
}

int TakeFrontCard(DealList& list) {
    if (list.empty()) return kNoCard;
    const int card = list.front();
    list.erase(list.begin());
    return card;
}

void DealToPile(int countCode, DealList& list, PileStore& piles, PileListId pileList, int line) {
    if (countCode >= deal_code::kFirstRank && countCode <= deal_code::kLastRank) {
        const int rank = countCode - deal_code::kRankBase;
        const auto it = std::find_if(list.begin(), list.end(), [rank](int card) { return CardRank(card) == rank; });
        if (it == list.end()) return;
        const int card = *it;
        list.erase(it);
        piles.AddCardToPile(pileList, line, card, kDownFlag);
        return;
    }
    if (countCode >= deal_code::kFirstJoker && countCode <= deal_code::kLastJoker) {
        // The joker is laid whether or not the shuffle held it: a game may keep its
        // jokers out of the deal and name their piles here.
        const int joker = kFirstJoker + (countCode - deal_code::kFirstJoker);
        TakeFromDealList(list, joker);
        piles.AddCardToPile(pileList, line, joker, kUpFlag);
        return;
    }
    const int count = std::min(countCode, static_cast<int>(list.size()));
    if (count <= 0) return;
    piles.AddCardsToPile(pileList, line, std::span<const int>(list.data(), static_cast<std::size_t>(count)), kDownFlag);
    list.erase(list.begin(), list.begin() + count);
}

}  // namespace engine
