#include "engine/deal/special_deals.h"

#include <algorithm>
#include <string>

#include "engine/model/card_codes.h"
#include "engine/model/card_table.h"
#include "engine/deal/deal_context.h"
#include "engine/deal/deal_kinds.h"
#include "engine/deal/foundation_play.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"
#include "platform/core/random.h"

namespace engine {

namespace {

constexpr std::string_view kUpFlag = "1";
constexpr std::string_view kBlankSlot = "000";

// Deal kind 15 keeps every tableau pile at least nine slots long.
constexpr std::size_t kKingsBlankedPileText = 27;
// Deal kind 9 with more piles than this empties the pile under the diamond of its count.
constexpr int kLowCardsSuitShift = 13;
// Deal kinds 5 and 6 lay a card of rank r on tableau pile r - 2 or r - 1.
constexpr int kRankLessTwo = 2;
constexpr int kRankLessOne = 1;
// The Queen and King of hearts of game kind 22.
constexpr int kQueenOfHearts = kQueen;
constexpr int kKingOfHearts = kKing;

constexpr std::size_t At(int index) {
    return static_cast<std::size_t>(index) * kCardCodeWidth;
}

void SetFaceUp(PileStore& piles, int card) {
    piles.Cards().SetCardFaceFlag(card, kFaceUp);
}

// Replaces every card that matches by a blanked slot in the game's tableau piles.
template <typename Pred>
void BlankTableauCards(DealContext& deal, Pred pred) {
    for (int line = 0; line < deal.TableauCount(); ++line) {
        std::string pile = deal.piles.Pile(PileListId::kFila, line);
        for (int i = 0; i < PileCardCount(pile); ++i) {
            const int card = PileCardAt(pile, i);
            if (card >= kFirstCard && pred(card)) pile.replace(At(i), kCardCodeWidth, kBlankSlot);
        }
        deal.piles.SetPile(PileListId::kFila, line, std::move(pile));
    }
}

void EmptyTableauPile(DealContext& deal, int line) {
    if (line >= 0 && line < deal.TableauCount()) deal.piles.SetPile(PileListId::kFila, line, {});
}

// Kinds 2 and 4: the first court card opens tableau pile 0, each further one the next
// pile, and every other undealt card follows on the pile opened last, all face up.
void PilesFromCourtCards(DealContext& deal, DealList& list, int courtRank) {
    const int piles = deal.TableauCount();
    const auto first = std::find_if(list.begin(), list.end(), [&](int card) { return CardRank(card) == courtRank; });
    if (piles > 0 && first != list.end()) {
        int current = 0;
        deal.piles.AddCardToPile(PileListId::kFila, current, *first, kUpFlag);
        list.erase(first);
        for (const int card : list) {
            // More court cards than piles: the extra ones stay on the last pile.
            if (CardRank(card) == courtRank && current + 1 < piles) ++current;
            deal.piles.AddCardToPile(PileListId::kFila, current, card, kUpFlag);
        }
        list.clear();
    }
    PlayDealtCardsToFoundations(deal);
}

// Kind 3: the tableau is dealt again so that no pile holds two cards of one rank.
void SpreadRanksOverPiles(DealContext& deal) {
    const int piles = deal.TableauCount();
    DealList pool;
    for (int line = 0; line < piles; ++line) {
        const std::string& pile = deal.piles.Pile(PileListId::kFila, line);
        for (int i = 0; i < PileCardCount(pile); ++i) {
            const int card = PileCardAt(pile, i);
            if (card >= kFirstCard) pool.push_back(card);
        }
        std::string blanks;
        for (int i = 0; i < PileCardCount(pile); ++i) blanks += kBlankSlot;
        deal.piles.SetPile(PileListId::kFila, line, std::move(blanks));
    }
    for (int line = 0; line < piles; ++line) {
        for (std::size_t i = 0; i < pool.size();) {
            if (PlaceInBlankSlot(deal.piles, PileListId::kFila, line, pool[i])) {
                pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(i));
                i = 0;
            } else {
                ++i;
            }
        }
    }
    // When the ranks left over cannot be spread (the last piles would repeat a rank), the
    // cards still fill the remaining slots rather than drop out of the game.
    for (int line = 0; line < piles && !pool.empty(); ++line) {
        std::string pile = deal.piles.Pile(PileListId::kFila, line);
        for (int i = 0; i < PileCardCount(pile) && !pool.empty(); ++i) {
            if (PileCardAt(pile, i) != kNoCard) continue;
            pile.replace(At(i), kCardCodeWidth, CardCodeText(pool.front()));
            pool.erase(pool.begin());
        }
        deal.piles.SetPile(PileListId::kFila, line, std::move(pile));
    }
}

// Kinds 5 and 6: each undealt card goes onto the pile of its rank less an offset. A card
// whose pile the game does not have stays undealt.
void PilesByRank(DealContext& deal, DealList& list, int offset) {
    DealList left;
    for (const int card : list) {
        const int line = CardRank(card) - offset;
        if (line >= 0 && line < deal.TableauCount()) {
            deal.piles.AddCardToPile(PileListId::kFila, line, card, kUpFlag);
        } else {
            left.push_back(card);
        }
    }
    list = std::move(left);
}

void OfferBottomCards(DealContext& deal) {
    for (int line = 0; line < deal.TableauCount(); ++line) {
        const std::string& pile = deal.piles.Pile(PileListId::kFila, line);
        if (pile.empty()) continue;
        const int bottom = PileCardAt(pile, 0);
        if (bottom >= kFirstCard) PlaceOnFoundation(deal, bottom, line);
    }
}

void EmptyPileOfLowCard(DealContext& deal) {
    const int piles = deal.TableauCount();
    const int target = piles > kLowCardsSuitShift ? piles + kLowCardsSuitShift : piles;
    for (int line = 0; line < piles; ++line) {
        const std::string& pile = deal.piles.Pile(PileListId::kFila, line);
        if (!pile.empty() && PileCardAt(pile, 0) == target) {
            EmptyTableauPile(deal, line);
            return;
        }
    }
}

void EmptyRandomPile(DealContext& deal) {
    if (deal.random == nullptr) return;
    EmptyTableauPile(deal, deal.random->Random(deal.TableauCount() - 1));
}

void CleanFoundations(DealContext& deal) {
    for (int line = 0; line < kDestLineCount; ++line) {
        const std::string& pile = deal.piles.Pile(PileListId::kDest, line);
        std::string clean;
        for (int i = 0; i < PileCardCount(pile); ++i) {
            const int card = std::max(PileCardAt(pile, i), kNoCard);
            clean += CardCodeText(card);
            SetFaceUp(deal.piles, card);
        }
        deal.piles.SetPile(PileListId::kDest, line, std::move(clean));
    }
}

void BlankKings(DealContext& deal) {
    BlankTableauCards(deal, [](int card) { return CardRank(card) == kKing; });
    for (int line = 0; line < deal.TableauCount(); ++line) {
        std::string pile = deal.piles.Pile(PileListId::kFila, line);
        if (pile.size() < kKingsBlankedPileText) pile.resize(kKingsBlankedPileText, '0');
        deal.piles.SetPile(PileListId::kFila, line, std::move(pile));
    }
}

}  // namespace

bool PlaceInBlankSlot(PileStore& piles, PileListId list, int line, int card) {
    std::string pile = piles.Pile(list, line);
    const int rank = CardRank(card);
    int blank = -1;
    for (int i = 0; i < PileCardCount(pile); ++i) {
        const int held = PileCardAt(pile, i);
        if (held >= kFirstCard && CardRank(held) == rank) return false;
        if (held == kNoCard && blank < 0) blank = i;
    }
    if (blank < 0) return false;
    pile.replace(At(blank), kCardCodeWidth, CardCodeText(card));
    piles.SetPile(list, line, std::move(pile));
    return true;
}

void KingToStockBottom(PileStore& piles, PileListId list) {
    for (int line = 0; line < PileLineCount(list); ++line) {
        const std::string& held = piles.Pile(list, line);
        if (held.empty() || CardRank(PileCardAt(held, 0)) != kKing) continue;
        // Only the King leaves; anything above it stays on the line.
        std::string pile = held.substr(0, kCardCodeWidth);
        std::string rest = held.substr(kCardCodeWidth);

        std::string stock = pile + piles.Pile(PileListId::kMazzo, kStockLine);
        piles.Cards().SetCardFaceFlag(PileTopCard(stock), kFaceDown);
        for (int i = 0; i < PileCardCount(stock); ++i) {
            const int card = PileCardAt(stock, i);
            if (CardRank(card) == kKing) continue;
            stock.erase(At(i), kCardCodeWidth);
            rest.insert(0, CardCodeText(card));
            SetFaceUp(piles, card);
            break;
        }
        piles.SetPile(PileListId::kMazzo, kStockLine, std::move(stock));
        piles.SetPile(list, line, std::move(rest));
    }
}

void SetOutHeartsCourt(DealContext& deal) {
    if (deal.game[words::kGameKind] != kHeartsCourtGameKind) return;
    deal.piles.RemoveCardFromBoard(kQueenOfHearts, deal.TableauCount());
    deal.piles.RemoveCardFromBoard(kKingOfHearts, deal.TableauCount());
    deal.piles.SetPile(PileListId::kMazzo, kStockLine,
                       CardCodeText(kKingOfHearts) + deal.piles.Pile(PileListId::kMazzo, kStockLine));
    deal.piles.AddCardToPile(PileListId::kFila, 0, kQueenOfHearts, kUpFlag);
}

void ApplySpecialDeal(DealContext& deal, DealList& list) {
    switch (deal.game[words::kDealKind]) {
        case deal_kind::kKingsToStockBottom:
            KingToStockBottom(deal.piles, PileListId::kFila);
            KingToStockBottom(deal.piles, PileListId::kDest);
            break;
        case deal_kind::kPilesFromKings:
            PilesFromCourtCards(deal, list, kKing);
            break;
        case deal_kind::kPilesFromQueens:
            PilesFromCourtCards(deal, list, kQueen);
            break;
        case deal_kind::kDistinctRanksPerPile:
            SpreadRanksOverPiles(deal);
            break;
        case deal_kind::kPileByRankLessTwo:
            PilesByRank(deal, list, kRankLessTwo);
            break;
        case deal_kind::kPileByRankLessOne:
            PilesByRank(deal, list, kRankLessOne);
            break;
        case deal_kind::kBottomCardsToFoundations:
            OfferBottomCards(deal);
            break;
        case deal_kind::kAcesBlanked:
            BlankTableauCards(deal, [](int card) { return CardRank(card) == kAce; });
            break;
        case deal_kind::kLowCardsOnly:
            EmptyPileOfLowCard(deal);
            break;
        case deal_kind::kRandomPileEmptied:
            EmptyRandomPile(deal);
            break;
        case deal_kind::kCleanFoundations:
            CleanFoundations(deal);
            break;
        case deal_kind::kKingsBlanked:
            BlankKings(deal);
            break;
        default:
            break;
    }
}

}  // namespace engine
