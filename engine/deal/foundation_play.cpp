#include "engine/deal/foundation_play.h"

#include <string>

#include "engine/model/board_measures.h"
#include "engine/model/card_codes.h"
#include "engine/model/card_table.h"
#include "engine/deal/deal_context.h"
#include "engine/model/pile_text.h"
#include "engine/rules/rule_checker.h"

namespace engine {

namespace {

constexpr std::string_view kUpFlag = "1";

// PlaceOnFoundationGroup: which foundations a group tries.
constexpr int kLowGroupLast = 3;        // groups 0-3 try foundations 0-3
constexpr int kHighGroupFirst = 6;      // groups 6-9 try foundations 4-7
constexpr int kHighGroupLast = 9;
constexpr int kHighFoundationFirst = 4;
constexpr int kGroupFoundationLast = 7;  // any other group tries 0-7

int CardAt(const DealContext& deal, int pile, int position) {
    return PileCardAt(deal.piles.Pile(PileListId::kFila, pile), position);
}

int CardsIn(const DealContext& deal, int pile) {
    return PileCardCount(deal.piles.Pile(PileListId::kFila, pile));
}

// Offers the card at a place again and again while the foundations take what lies
// there. A success that leaves the same card in place (it was found elsewhere first)
// ends the offers, so a damaged board cannot loop for ever.
template <typename Offer>
void OfferPlace(DealContext& deal, int pile, int position, Offer offer) {
    while (position < CardsIn(deal, pile)) {
        const int card = CardAt(deal, pile, position);
        if (card < kFirstCard || !offer(card)) return;
        if (CardAt(deal, pile, position) == card) return;
    }
}

// The top card of the stock, or of the waste once the stock is empty, taken off its
// pile; kNoCard when both are empty.
int TakeStockTop(DealContext& deal) {
    for (const int line : {kStockLine, kWasteLine}) {
        std::string pile = deal.piles.Pile(PileListId::kMazzo, line);
        const int count = PileCardCount(pile);
        if (count == 0) continue;
        const int card = PileCardAt(pile, count - 1);
        pile.resize(static_cast<std::size_t>(count - 1) * kCardCodeWidth);
        deal.piles.SetPile(PileListId::kMazzo, line, std::move(pile));
        return card;
    }
    return kNoCard;
}

void InsertCard(DealContext& deal, int pile, int position, int card) {
    std::string text = deal.piles.Pile(PileListId::kFila, pile);
    text.insert(static_cast<std::size_t>(position) * kCardCodeWidth, CardCodeText(card));
    deal.piles.SetPile(PileListId::kFila, pile, std::move(text));
    deal.piles.Cards().SetCardFaceFlag(card, kFaceUp);
}

int LongestDealtPile(const DealContext& deal) {
    return LongestTableauLength(deal.piles, deal.game);
}

}  // namespace

bool PlaceOnFoundation(DealContext& deal, int card, int index) {
    const int count = deal.FoundationCount();
    int first = 0;
    int last = count - 1;
    if (index != kAnyFoundation) {
        if (index < 0 || index >= count) return false;
        first = last = index;
    }
    const GameDefRecord& game = deal.game;
    const RuleContext rules{deal.piles, game, deal.registers, LiftState{}, deal.messages};
    for (int i = first; i <= last; ++i) {
        const std::string& pile = deal.piles.Pile(PileListId::kDest, i);
        PlaceQuery query;
        // An empty foundation is offered as empty (-1), so every rule sees it as one.
        query.top = pile.empty() ? -1 : PileTopCard(pile);
        query.card = card;
        query.base = game.At(words::kFoundationBase, i);
        query.start = game.At(words::kFoundationBase, 0);
        query.direction = game.At(words::kFoundationDirection, i);
        query.rule = game.At(words::kFoundationRuleCode, i);
        query.foundation = true;
        query.pastStart = game.At(words::kTableauRuleD, i) > 0;
        query.pileIndex = i;
        query.stockTest = false;
        if (!CanPlaceCard(rules, query)) continue;
        deal.piles.RemoveCardFromBoard(card, deal.TableauCount());
        deal.piles.AddCardToPile(PileListId::kDest, i, card, kUpFlag);
        if (deal.updateScore) deal.updateScore(1);
        return true;
    }
    return false;
}

bool PlaceOnFoundationGroup(DealContext& deal, int card, int group) {
    int first = 0;
    int last = kGroupFoundationLast;
    if (group >= 0 && group <= kLowGroupLast) {
        last = kLowGroupLast;
    } else if (group >= kHighGroupFirst && group <= kHighGroupLast) {
        first = kHighFoundationFirst;
    }
    for (int i = first; i <= last; ++i) {
        if (PlaceOnFoundation(deal, card, i)) return true;
    }
    return false;
}

void PlayDealtCardsToFoundations(DealContext& deal) {
    const int startCode = deal.game.At(words::kFoundationStartCode, 0);
    const bool byPile = deal.game[words::kDealByPile] != 0;
    const auto offerer = [&](int pile, int position) {
        return [&deal, startCode, byPile, pile, position](int card) {
            if (startCode == start_code::kKingsThenAces) {
                return PlaceOnFoundationGroup(deal, card, byPile ? position : pile);
            }
            return PlaceOnFoundation(deal, card, startCode == start_code::kAceOfSuitOwnPile ? pile : kAnyFoundation);
        };
    };
    const int piles = deal.TableauCount();
    if (byPile) {
        for (int pile = 0; pile < piles; ++pile) {
            for (int position = 0; position < CardsIn(deal, pile); ++position) {
                OfferPlace(deal, pile, position, offerer(pile, position));
            }
        }
        return;
    }
    for (int position = 0; position < LongestDealtPile(deal); ++position) {
        for (int pile = 0; pile < piles; ++pile) OfferPlace(deal, pile, position, offerer(pile, position));
    }
}

void PlayAcesRefilledFromStock(DealContext& deal) {
    const int piles = deal.TableauCount();
    for (int position = 0; position < LongestDealtPile(deal); ++position) {
        for (int pile = 0; pile < piles; ++pile) {
            OfferPlace(deal, pile, position, [&](int card) {
                if (CardRank(card) != kAce || !PlaceOnFoundation(deal, card, kAnyFoundation)) return false;
                const int replacement = TakeStockTop(deal);
                if (replacement >= kFirstCard) InsertCard(deal, pile, position, replacement);
                return true;
            });
        }
    }
}

}  // namespace engine
