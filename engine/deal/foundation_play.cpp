#include "engine/deal/foundation_play.h"

#include <array>
#include <optional>
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

int CardsIn(const DealContext& deal, int pile) {
    return PileCardCount(deal.piles.Pile(PileListId::kFila, pile));
}

// Offers the card at a place again and again while the foundations take what lies
// there. A success that leaves the same card in place (it was found elsewhere first)
// ends the offers, so a damaged board cannot loop for ever. The offer is taken by
// reference: it runs for every dealt card.
template <typename Offer>
void OfferPlace(DealContext& deal, int pile, int position, const Offer& offer) {
    // The line itself, read afresh after each offer; a place past its end reads -1.
    const std::string& text = deal.piles.Pile(PileListId::kFila, pile);
    for (;;) {
        const int card = PileCardAt(text, position);
        if (card < kFirstCard || !offer(card, pile, position)) return;
        if (PileCardAt(text, position) == card) return;
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

// The foundations' placement questions, asked of the rule checker for every card a
// play-off offers. The deal does not change the words they are made of while it plays
// cards off, so they are made once. A foundation's top card changes only when a card is
// played onto it here (the played card always comes off a tableau pile or the waste,
// which the board search tries first), so it is read again only then.
class FoundationOffers {
public:
    explicit FoundationOffers(DealContext& deal)
        : m_deal(deal),
          m_rules{deal.piles, deal.game, deal.registers, LiftState{}, deal.messages},
          m_count(deal.FoundationCount()),
          m_tableaus(deal.TableauCount()) {
        const GameDefRecord& game = deal.game;
        for (int i = 0; i < m_count; ++i) {
            PlaceQuery query;
            query.base = game.At(words::kFoundationBase, i);
            query.start = game.At(words::kFoundationBase, 0);
            query.direction = game.At(words::kFoundationDirection, i);
            query.rule = game.At(words::kFoundationRuleCode, i);
            query.foundation = true;
            query.pastStart = game.At(words::kTableauRuleD, i) > 0;
            query.pileIndex = i;
            query.stockTest = false;
            m_questions[static_cast<std::size_t>(i)].emplace(m_rules, query);
            ReadTop(i);
        }
    }

    // PlaceOnFoundation.
    bool Place(int card, int index) {
        int first = 0;
        int last = m_count - 1;
        if (index != kAnyFoundation) {
            if (index < 0 || index >= m_count) return false;
            first = last = index;
        }
        for (int i = first; i <= last; ++i) {
            const auto at = static_cast<std::size_t>(i);
            if (!m_questions[at]->CanPlace(m_tops[at], card)) continue;
            m_deal.piles.RemoveCardFromBoard(card, m_tableaus);
            m_deal.piles.AddCardToPile(PileListId::kDest, i, card, kUpFlag);
            ReadTop(i);
            ++m_played;
            if (m_deal.updateScore) m_deal.updateScore(1);
            return true;
        }
        return false;
    }

    // PlaceOnFoundationGroup.
    bool PlaceInGroup(int card, int group) {
        int first = 0;
        int last = kGroupFoundationLast;
        if (group >= 0 && group <= kLowGroupLast) {
            last = kLowGroupLast;
        } else if (group >= kHighGroupFirst && group <= kHighGroupLast) {
            first = kHighFoundationFirst;
        }
        for (int i = first; i <= last; ++i) {
            if (Place(card, i)) return true;
        }
        return false;
    }

    // How many cards went to the foundations so far; the tableau changes only with it.
    int Played() const { return m_played; }

private:
    void ReadTop(int i) {
        const std::string& pile = m_deal.piles.Pile(PileListId::kDest, i);
        // An empty foundation is offered as empty (-1), so every rule sees it as one.
        m_tops[static_cast<std::size_t>(i)] = pile.empty() ? -1 : PileTopCard(pile);
    }

    DealContext& m_deal;
    const RuleContext m_rules;
    const int m_count;
    const int m_tableaus;
    std::array<std::optional<PlacementQuestion>, kDestLineCount> m_questions;
    std::array<int, kDestLineCount> m_tops{};
    int m_played = 0;
};

// The longest dealt pile, as the row-by-row play-off asks before every row. Only a card
// played off shortens a pile, so the piles are measured again only after one was.
class LongestPile {
public:
    LongestPile(const DealContext& deal, const FoundationOffers& offers) : m_deal(deal), m_offers(offers) {}

    int Length() {
        if (m_measuredAt != m_offers.Played()) {
            m_measuredAt = m_offers.Played();
            m_length = LongestDealtPile(m_deal);
        }
        return m_length;
    }

private:
    const DealContext& m_deal;
    const FoundationOffers& m_offers;
    int m_measuredAt = -1;
    int m_length = 0;
};

}  // namespace

bool PlaceOnFoundation(DealContext& deal, int card, int index) {
    return FoundationOffers(deal).Place(card, index);
}

bool PlaceOnFoundationGroup(DealContext& deal, int card, int group) {
    return FoundationOffers(deal).PlaceInGroup(card, group);
}

void PlayDealtCardsToFoundations(DealContext& deal) {
    const int startCode = deal.game.At(words::kFoundationStartCode, 0);
    const bool byPile = deal.game[words::kDealByPile] != 0;
    FoundationOffers offers(deal);
    const auto offer = [&offers, startCode, byPile](int card, int pile, int position) {
        if (startCode == start_code::kKingsThenAces) return offers.PlaceInGroup(card, byPile ? position : pile);
        return offers.Place(card, startCode == start_code::kAceOfSuitOwnPile ? pile : kAnyFoundation);
    };
    const int piles = deal.TableauCount();
    if (byPile) {
        for (int pile = 0; pile < piles; ++pile) {
            for (int position = 0; position < CardsIn(deal, pile); ++position) OfferPlace(deal, pile, position, offer);
        }
        return;
    }
    LongestPile longest(deal, offers);
    for (int position = 0; position < longest.Length(); ++position) {
        for (int pile = 0; pile < piles; ++pile) {
            // Most rows pass the ends of the shorter piles; no call is spent there.
            if (position < CardsIn(deal, pile)) OfferPlace(deal, pile, position, offer);
        }
    }
}

void PlayAcesRefilledFromStock(DealContext& deal) {
    const int piles = deal.TableauCount();
    FoundationOffers offers(deal);
    // A refill follows a card played off, so the measure after a play sees it too.
    const auto offer = [&](int card, int pile, int position) {
        if (CardRank(card) != kAce || !offers.Place(card, kAnyFoundation)) return false;
        const int replacement = TakeStockTop(deal);
        if (replacement >= kFirstCard) InsertCard(deal, pile, position, replacement);
        return true;
    };
    LongestPile longest(deal, offers);
    for (int position = 0; position < longest.Length(); ++position) {
        for (int pile = 0; pile < piles; ++pile) OfferPlace(deal, pile, position, offer);
    }
}

}  // namespace engine
