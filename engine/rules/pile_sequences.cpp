#include "engine/rules/pile_sequences.h"

#include <algorithm>
#include <optional>

#include "engine/model/card_codes.h"
#include "engine/model/pile_text.h"
#include "engine/rules/rule_checker.h"
#include "engine/model/table_object.h"
#include "engine/model/board_measures.h"

namespace engine {

namespace {

constexpr int kVariantByPileRule = 1;
constexpr int kVariantBySuit = 10;
constexpr int kSameSuitRule = 0;

int GameTableauCount(const GameDefRecord& game) {
    return TableauCountOf(game);
}

int GameReserveCount(const GameDefRecord& game) {
    return ReserveCountOf(game);
}

// The game's tableau piles, then its reserves: the first that holds the card.
std::optional<PileRef> FindHoldingPile(const PileStore& piles, const GameDefRecord& game, int card) {
    if (card < kFirstCard) return std::nullopt;
    for (int line = 0; line < GameTableauCount(game); ++line) {
        if (FindPileCard(piles.Pile(PileListId::kFila, line), card) >= 0) return PileRef{PileListId::kFila, line};
    }
    for (int line = 0; line < GameReserveCount(game); ++line) {
        if (FindPileCard(piles.Pile(PileListId::kAppogg, line), card) >= 0) return PileRef{PileListId::kAppogg, line};
    }
    return std::nullopt;
}

int EmptyPiles(const RuleContext& ctx, PileListId list, int count) {
    int empty = 0;
    for (int line = 0; line < count; ++line) {
        if (PileCardCount(ctx.piles.Pile(list, line)) == 0) ++empty;
    }
    return empty;
}

// The most cards a stack may hold under a limit counted from empty piles.
int FreeCellCapacity(int limit, int emptyTableaus, int emptyReserves, bool toEmptyPile) {
    const int e = emptyTableaus;
    const int r = emptyReserves;
    if (limit == sequence_limit::kByFreeCells) {
        if (e == 0) return r + 1;
        return toEmptyPile ? r + e : r + e + 1;
    }
    if (limit == sequence_limit::kByFreeCellsFlat) return e > 0 ? r + e : r + 1;
    return std::max(e, 1);
}

}  // namespace

bool CardsFromCardInPile(const PileStore& piles, PileListId list, int line, int card, CardList& out) {
    const std::string& pile = piles.Pile(list, line);
    const int at = FindPileCard(pile, card);
    if (at < 0) return false;
    const int count = PileCardCount(pile);
    for (int p = at; p < count; ++p) out.push_back(PileCardAt(pile, p));
    return true;
}

bool CardsFromCardInPile(PileStore& piles, PileListId list, int line, int card, bool remove, CardList& out) {
    if (!remove) return CardsFromCardInPile(static_cast<const PileStore&>(piles), list, line, card, out);
    std::string pile = piles.Pile(list, line);
    const int at = FindPileCard(pile, card);
    if (at < 0) return false;
    pile.erase(static_cast<std::size_t>(at) * kCardCodeWidth);
    piles.SetPile(list, line, std::move(pile));
    return true;
}

void GetCardsAbove(const PileStore& piles, const GameDefRecord& game, CardList& list, int card) {
    list.clear();
    if (const auto pile = FindHoldingPile(piles, game, card)) {
        CardsFromCardInPile(piles, pile->list, pile->line, card, list);
    }
}

bool CardsFromCard(PileStore& piles, const GameDefRecord& game, CardList& list, int card, bool remove) {
    const auto pile = FindHoldingPile(piles, game, card);
    return pile.has_value() && CardsFromCardInPile(piles, pile->list, pile->line, card, remove, list);
}

bool IsTopCard(const RuleContext& ctx, int card) {
    if (card < kFirstCard) return false;  // an empty pile's "top" is no card
    for (int line = 0; line < board::TableauCount(ctx); ++line) {
        if (PileTopCard(board::Tableau(ctx, line)) == card) return true;
    }
    for (int line = 0; line < board::ReserveCount(ctx); ++line) {
        if (PileTopCard(board::Reserve(ctx, line)) == card) return true;
    }
    return false;
}

bool IsValidSequence(const RuleContext& ctx, int card, int tableauIndex) {
    const int i = tableauIndex;
    if (!board::HasWord(words::kTableauRuleA, i)) return false;
    const int variant = ctx.game[words::kTableauMoveVariant];
    if (variant != kVariantByPileRule && variant != kVariantBySuit) return true;

    CardList stack;
    GetCardsAbove(ctx.piles, ctx.game, stack, card);
    PlaceQuery q;
    q.base = ctx.game.At(words::kTableauRuleA, i);
    q.start = ctx.game.At(words::kFoundationBase, 0);
    q.direction = ctx.game.At(words::kTableauRuleB, i);
    q.rule = variant == kVariantBySuit ? kSameSuitRule : ctx.game.At(words::kTableauRuleC, i);
    q.foundation = false;
    q.pastStart = ctx.game.At(words::kTableauRuleD, i) > 0;
    q.pileIndex = i;
    q.stockTest = false;
    for (std::size_t k = 1; k < stack.size(); ++k) {
        q.top = stack[k - 1];
        q.card = stack[k];
        if (!CanPlaceCard(ctx, q)) return false;
    }
    return true;
}

bool CanMoveSequence(const RuleContext& ctx, TMainGame& mainGame, int card, bool toEmptyPile) {
    const auto holder = FindHoldingPile(ctx.piles, ctx.game, card);
    CardList stack;
    if (holder) CardsFromCardInPile(ctx.piles, holder->list, holder->line, card, stack);
    mainGame.LiftedTopCard = static_cast<std::int16_t>(stack.empty() ? kNoCard : stack.back());

    const int n = static_cast<int>(stack.size());
    const int limit = ctx.game[words::kSequenceLimit];
    if (limit >= 0) return n <= limit;
    switch (limit) {
        case sequence_limit::kAny:
            return true;
        case sequence_limit::kFromKing:
            return n == 1 || (n > 1 && CardRank(stack.front()) == kKing);
        case sequence_limit::kWholePile:
            return n == 1 || (holder && holder->list == PileListId::kFila &&
                              FindPileCard(ctx.piles.Pile(*holder), card) == 0);
        default: {
            const int e = EmptyPiles(ctx, PileListId::kFila, board::TableauCount(ctx));
            const int r = EmptyPiles(ctx, PileListId::kAppogg, board::ReserveCount(ctx));
            return n <= FreeCellCapacity(limit, e, r, toEmptyPile);
        }
    }
}

}  // namespace engine
