#include "engine/deal/foundation_start.h"

#include <algorithm>

#include "engine/model/card_codes.h"
#include "engine/model/card_table.h"
#include "engine/deal/deal_context.h"
#include "engine/deal/deal_to_pile.h"
#include "engine/deal/foundation_play.h"
#include "engine/model/pile_text.h"

namespace engine {

namespace {

constexpr std::string_view kUpFlag = "1";

// Pre-fill mode 4: foundations 1-3 share the first card's rank, 4-7 the rank above it.
constexpr int kSameRankFirst = 1;
constexpr int kSameRankLast = 3;
constexpr int kNextRankFirst = 4;
constexpr int kNextRankLast = 7;

// Start code 95 puts Kings on the first four foundations and Aces on the rest.
constexpr int kKingFoundations = 4;

constexpr bool IsCard(int code) {
    return code >= kFirstCard && code <= kCardCount;
}

int BottomCard(const DealContext& deal, PileListId list, int line) {
    const std::string& pile = deal.piles.Pile(list, line);
    return pile.empty() ? kNoCard : PileCardAt(pile, 0);
}

template <typename Pred>
int FirstInList(const DealList& list, Pred pred) {
    const auto it = std::find_if(list.begin(), list.end(), pred);
    return it == list.end() ? kNoCard : *it;
}

// The card a start code names for foundation i; kNoCard for none.
int StartCard(DealContext& deal, const DealList& list, int i, int code) {
    namespace sc = start_code;
    const int front = list.empty() ? kNoCard : list.front();
    if (code == sc::kFrontCard) return front;
    if (code == sc::kFirstOfNewSuit) {
        return FirstInList(list, [&](int card) {
            for (int f = 0; f < i; ++f) {
                const int bottom = BottomCard(deal, PileListId::kDest, f);
                if (bottom >= kFirstCard && CardSuit(bottom) == CardSuit(card)) return false;
            }
            return true;
        });
    }
    if (code >= sc::kFirstRankCode && code <= sc::kLastRankCode) {
        return FirstInList(list, [&](int card) { return CardRank(card) == code - sc::kRankCodeBase; });
    }
    if (code == sc::kFirstCardShifted) {
        if (front == kNoCard) return kNoCard;
        const int cardCount = deal.game[words::kCardCount];
        int card = front + (i + 1) * kSuitSize;
        // Folded into 1 .. count, so the last card of the deck is reachable and no code 0 is laid.
        if (cardCount > 0 && card > cardCount) card = (card - 1) % cardCount + 1;
        return card;
    }
    if (code == sc::kSharedBase) {
        deal.game.SetAt(words::kFoundationBase, i, deal.game.At(words::kFoundationBase, 0));
        return kNoCard;
    }
    if (code == sc::kAceOfSuit || code == sc::kAceOfSuitOwnPile) return i * kSuitSize + kAce;
    if (code == sc::kKingsThenAces) {
        return i < kKingFoundations ? (i + 1) * kSuitSize : (i - kKingFoundations) * kSuitSize + kAce;
    }
    if (code == sc::kAcesRefilledFromStock || code == 0) return kNoCard;
    if (code < sc::kCardCodeBase) return code + i * kSuitSize;
    return code - sc::kCardCodeBase;
}

// Lays a card from the deal list face up on a foundation; kNoCard when the list is empty.
int DealOntoFoundation(DealContext& deal, DealList& list, int i) {
    const int card = TakeFrontCard(list);
    if (card != kNoCard) deal.piles.AddCardToPile(PileListId::kDest, i, card, kUpFlag);
    return card;
}

void SetBases(DealContext& deal, int first, int last, int base) {
    for (int i = first; i <= last; ++i) deal.game.SetAt(words::kFoundationBase, i, base);
}

}  // namespace

void PlaceFoundationStartCards(DealContext& deal, DealList& list) {
    for (int i = 0; i < deal.FoundationCount(); ++i) {
        const int card = StartCard(deal, list, i, deal.game.At(words::kFoundationStartCode, i));
        if (!IsCard(card)) continue;
        deal.piles.AddCardToPile(PileListId::kDest, i, card, kUpFlag);
        deal.game.SetAt(words::kFoundationBase, i, CardRank(card));
        TakeFromDealList(list, card);
    }
}

void PlaceThirdPileStartCard(DealContext& deal, DealList& list) {
    int card = deal.game[words::kThirdPileStartCard];
    if (card == 0) return;
    if (card > start_code::kCardCodeBase) card -= start_code::kCardCodeBase;
    if (!IsCard(card)) return;
    deal.piles.AddCardToPile(PileListId::kMazzo, kThirdStockLine, card, kUpFlag);
    TakeFromDealList(list, card);
}

void PrefillFoundations(DealContext& deal, DealList& list) {
    switch (deal.game[words::kFoundationPrefillMode]) {
        case prefill_mode::kOneSetsEveryBase: {
            const int card = DealOntoFoundation(deal, list, 0);
            if (card == kNoCard) return;
            SetBases(deal, 0, kDestLineCount - 1, IsJoker(card) ? kJokerBase : CardRank(card));
            return;
        }
        case prefill_mode::kOneOnEach: {
            for (int i = 0; i < deal.FoundationCount(); ++i) DealOntoFoundation(deal, list, i);
            const int bottom = BottomCard(deal, PileListId::kDest, 0);
            if (bottom != kNoCard) SetBases(deal, 0, deal.FoundationCount() - 1, CardRank(bottom));
            return;
        }
        case prefill_mode::kBasesFromReserves: {
            const int count = std::min(deal.FoundationCount(), kAppoggLineCount);
            for (int i = 0; i < count; ++i) {
                const int bottom = BottomCard(deal, PileListId::kAppogg, i);
                if (bottom >= kFirstCard) deal.game.SetAt(words::kFoundationBase, i, NextRank(CardRank(bottom)));
            }
            return;
        }
        case prefill_mode::kTwoBaseGroups: {
            const int card = DealOntoFoundation(deal, list, 0);
            if (card == kNoCard) return;
            SetBases(deal, kSameRankFirst, kSameRankLast, CardRank(card));
            SetBases(deal, kNextRankFirst, kNextRankLast, NextRank(CardRank(card)));
            return;
        }
        default:
            return;
    }
}

void SetBelowBaseRules(DealContext& deal) {
    const int below = PrevRank(deal.game.At(words::kFoundationBase, 0));
    for (int i = 0; i < words::kTableauRuleA.count; ++i) {
        if (deal.game.At(words::kTableauRuleA, i) == kBelowFoundationBase) deal.game.SetAt(words::kTableauRuleA, i, below);
    }
}

void PlaceExtraFoundationCard(DealContext& deal, DealList& list) {
    if (deal.game[words::kExtraFoundationCard] == 1) DealOntoFoundation(deal, list, 0);
}

void PlayReserveAcesAndWaste(DealContext& deal) {
    if (deal.game[words::kGameKind] != kReserveAcesGameKind) return;
    PileStore& piles = deal.piles;

    // The reserve's Aces start foundations 1, 2, ...; each is owed back from the waste.
    const std::string reserve = piles.Pile(PileListId::kAppogg, 0);
    std::string kept;
    int owed = 0;
    int target = 1;
    for (int i = 0; i < PileCardCount(reserve); ++i) {
        const int card = PileCardAt(reserve, i);
        if (CardRank(card) == kAce && target < deal.FoundationCount()) {
            piles.SetPile(PileListId::kDest, target++, CardCodeText(card));
            piles.Cards().SetCardFaceFlag(card, kFaceUp);
            ++owed;
        } else {
            kept += reserve.substr(static_cast<std::size_t>(i) * kCardCodeWidth, kCardCodeWidth);
        }
    }
    piles.SetPile(PileListId::kAppogg, 0, kept);

    std::string waste = piles.Pile(PileListId::kMazzo, kWasteLine);
    bool aceOnFirst = false;
    int position = 0;
    while (position < PileCardCount(waste) && !(aceOnFirst && owed == 0)) {
        const int card = PileCardAt(waste, position);
        const auto at = static_cast<std::size_t>(position) * kCardCodeWidth;
        if (CardRank(card) == kAce) {
            waste.erase(at, kCardCodeWidth);
            piles.AddCardToPile(PileListId::kDest, 0, card, kUpFlag);
            aceOnFirst = true;
        } else if (owed > 0) {
            waste.erase(at, kCardCodeWidth);
            piles.AddCardToPile(PileListId::kAppogg, 0, card, kUpFlag);
            const std::string& refilled = piles.Pile(PileListId::kAppogg, 0);
            piles.Cards().SetPileFaceFlags(refilled, PileCardCount(refilled), kFaceUp);
            --owed;
        } else {
            ++position;
        }
    }
    piles.SetPile(PileListId::kMazzo, kWasteLine, waste);
}

}  // namespace engine
