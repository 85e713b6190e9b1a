#include "engine/rules/pile_acceptance.h"

#include <array>

#include "engine/model/game_kinds.h"
#include "engine/model/card_codes.h"
#include "engine/model/card_table.h"
#include "engine/rules/pile_sequences.h"
#include "engine/model/pile_text.h"
#include "engine/rules/rule_checker.h"
#include "engine/model/table_object.h"

namespace engine {

namespace {

// Foundation rule codes that the drop test decides before the rule checker.
constexpr int kQueenStartsFoundation = 10;
constexpr int kBelowTableauTopInSuit = 22;
// Codes that may pass MaxFoundationCards; 20 stops at a whole deck instead.
constexpr int kUpAnySuitRule = 20;
constexpr int kColourStartRule = 29;

constexpr int kStackOnlyToEmptyRule = 34;  // a stack goes only onto an empty pile
constexpr int kNoMoveVariant = 0;

// Reserves 8 and 13 measure the first reserve, as the games that use them have one.
constexpr int kKingsReserveLimit = 3;
constexpr int kAnyReserveLimit = 5;

int CardsIn(const PileList& list, int index) {
    return PileCardCount(list[static_cast<std::size_t>(index)]);
}

bool InList(const PileList& list, int index) {
    return index >= 0 && index < static_cast<int>(list.size());
}

bool SeveralLifted(const DropContext& ctx) {
    return !ctx.rules.lift.singleCard;
}

// Code 22: a card goes up only below a tableau top of its suit (an Ace there stands above
// every rank).
bool BelowSomeTableauTop(const DropContext& ctx, int card) {
    if (CardRank(card) == kAce) return false;
    for (int t = 0; t < board::TableauCount(ctx.rules); ++t) {
        const std::string& pile = board::Tableau(ctx.rules, t);
        if (PileCardCount(pile) == 0) continue;
        const int top = PileTopCard(pile);
        if (CardSuit(top) == CardSuit(card) && (CardRank(top) > CardRank(card) || CardRank(top) == kAce)) return true;
    }
    return false;
}

// ---- Reserve codes ------------------------------------------------------------------

struct ReserveDrop {
    const DropContext& ctx;
    int index;
    int card;
    int code;

    bool Single() const { return ctx.rules.lift.singleCard; }
    bool Empty() const { return PileCardCount(board::Reserve(ctx.rules, index)) == 0; }
    int FirstReserveCards() const { return PileCardCount(board::Reserve(ctx.rules, 0)); }
};

using ReserveHandler = bool (*)(const ReserveDrop&);

bool TakesNothing(const ReserveDrop&) {
    return false;
}

bool TakesKingsWhileShort(const ReserveDrop& d) {
    return d.Single() && CardRank(d.card) == kKing && d.FirstReserveCards() < kKingsReserveLimit;
}

bool TakesAnything(const ReserveDrop&) {
    return true;
}

bool TakesFromWaste(const ReserveDrop& d) {
    return board::PlaceOf(d.ctx.rules, d.card).source == CardSource::kWaste;
}

bool TakesAnyWhileShort(const ReserveDrop& d) {
    return d.Single() && d.FirstReserveCards() < kAnyReserveLimit;
}

bool TakesCourtCardOnEmpty(const ReserveDrop& d) {
    int rank = kKing;
    if (d.code == reserve_rule::kJackOnEmpty) rank = kJack;
    if (d.code == reserve_rule::kQueenOnEmpty) rank = kQueen;
    return d.Single() && d.Empty() && CardRank(d.card) == rank;
}

bool TakesFaceCardOnEmpty(const ReserveDrop& d) {
    return d.Single() && d.Empty() && IsFaceCard(d.card);
}

bool TakesByRuleChecker(const ReserveDrop& d) {
    return d.Single() && d.Empty() &&
           CanPlaceCard(d.ctx.rules, -1, d.card, -1, -1, -1, reserve_rule::kByRuleChecker, true, true, d.index, true);
}

bool TakesSingleOnEmpty(const ReserveDrop& d) {
    return d.Single() && d.Empty();
}

struct ReserveRow {
    std::array<int, 3> codes;  // 0 ends a shorter list
    ReserveHandler handler;
};

constexpr ReserveRow kReserveRows[] = {
    {{reserve_rule::kNothing}, &TakesNothing},
    {{reserve_rule::kKingsWhileShort}, &TakesKingsWhileShort},
    {{reserve_rule::kAnything}, &TakesAnything},
    {{reserve_rule::kFromWaste}, &TakesFromWaste},
    {{reserve_rule::kAnyWhileShort}, &TakesAnyWhileShort},
    {{reserve_rule::kJackOnEmpty, reserve_rule::kQueenOnEmpty, reserve_rule::kKingOnEmpty}, &TakesCourtCardOnEmpty},
    {{reserve_rule::kFaceCardOnEmpty}, &TakesFaceCardOnEmpty},
    {{reserve_rule::kByRuleChecker}, &TakesByRuleChecker},
};

ReserveHandler FindReserveHandler(int code) {
    if (code == 0) return &TakesSingleOnEmpty;  // 0 ends the code lists
    for (const ReserveRow& row : kReserveRows) {
        for (const int c : row.codes) {
            if (c == code) return row.handler;
        }
    }
    return &TakesSingleOnEmpty;
}

bool CanDropOnReserve(DropContext& ctx, int index, int card) {
    if (!board::HasWord(words::kReserveRule, index)) return false;
    const int code = ctx.rules.game.At(words::kReserveRule, index);
    return FindReserveHandler(code)(ReserveDrop{ctx, index, card, code});
}

}  // namespace

bool CanDropOnFoundation(DropContext& ctx, const PileList& list, int index, int card) {
    const int i = index;
    if (!InList(list, i) || !board::HasWord(words::kFoundationRuleCode, i)) return false;
    if (SeveralLifted(ctx)) return false;
    const GameDefRecord& game = ctx.rules.game;
    // Foundation 1 of a selection game is its selection line, which undo never restores:
    // a card put there would be lost.
    if (i == 0 && KeepsSelectionInFoundation(game)) return false;
    const int rule = game.At(words::kFoundationRuleCode, i);
    const int held = CardsIn(list, i);
    if (rule == kQueenStartsFoundation) return held == 0 && CardRank(card) == kQueen;
    if (rule == kBelowTableauTopInSuit) return BelowSomeTableauTop(ctx, card);

    const int top = held > 0 ? PileTopCard(list[static_cast<std::size_t>(i)]) : -1;
    const int most = game[words::kMaxFoundationCards];
    if (most != GameDefRecord::kNoLimitWord && held >= most && rule != kUpAnySuitRule && rule != kColourStartRule) {
        return false;
    }
    const int base = game.At(words::kFoundationBase, i);
    const bool ok = CanPlaceCard(ctx.rules, top, card, base, base, game.At(words::kFoundationDirection, i), rule, true,
                                 true, i, true);
    if (ok && rule == kUpAnySuitRule) return held < kDeckSize;
    return ok;
}

bool CanDropOnTableau(DropContext& ctx, const PileList& list, int index, int card) {
    const int i = index;
    if (!InList(list, i) || !board::HasWord(words::kTableauRuleA, i)) return false;
    const GameDefRecord& game = ctx.rules.game;
    const int held = CardsIn(list, i);
    int top = -1;
    if (held > 0) {
        top = PileTopCard(list[static_cast<std::size_t>(i)]);
        if (ctx.rules.piles.Cards().IsFaceDown(top) && game[words::kGameKind] != game_kind::kFaceDownBuild) return false;
        const int most = game[words::kMaxTableauCards];
        if (most != GameDefRecord::kNoLimitWord && held >= most) return false;
    }

    const int rule = game.At(words::kTableauRuleC, i);
    const bool pastStart = game.At(words::kTableauRuleD, i) > 0;
    bool ok = CanPlaceCard(ctx.rules, top, card, game.At(words::kTableauRuleA, i), game.At(words::kFoundationBase, 0),
                           game.At(words::kTableauRuleB, i), rule, false, pastStart, i, true);
    if (rule == kStackOnlyToEmptyRule && held > 0 && SeveralLifted(ctx)) ok = false;
    if (ok && game[words::kTableauMoveVariant] != kNoMoveVariant && SeveralLifted(ctx)) {
        ok = IsValidSequence(ctx.rules, card, i);
    }
    if (ok && game[words::kSequenceLimit] == sequence_limit::kByFreeCells && SeveralLifted(ctx) && held == 0) {
        // Notes the stack's top card again, the same card as at the lift.
        ok = CanMoveSequence(ctx.rules, ctx.mainGame, card, true);
    }
    // A stack never goes back onto its own top card (0 is no stack at all).
    if (held > 0 && ctx.mainGame.LiftedTopCard != kNoCard && top == ctx.mainGame.LiftedTopCard) return false;
    return ok;
}

bool CanDropOnPile(DropContext& ctx, int card, std::string_view name) {
    const auto pile = ParsePileName(name);
    if (!pile) return false;
    switch (pile->list) {
        case PileListId::kDest:
            return CanDropOnFoundation(ctx, ctx.rules.piles.List(PileListId::kDest), pile->line, card);
        case PileListId::kFila:
            return CanDropOnTableau(ctx, ctx.rules.piles.List(PileListId::kFila), pile->line, card);
        case PileListId::kAppogg: return CanDropOnReserve(ctx, pile->line, card);
        case PileListId::kMazzo: return false;
    }
    return false;
}

}  // namespace engine
