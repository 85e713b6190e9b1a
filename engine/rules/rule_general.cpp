#include "engine/rules/rule_general.h"

#include <array>

#include "engine/rules/rule_build.h"
#include "engine/rules/rule_companions.h"
#include "engine/rules/rule_support.h"

namespace engine {

namespace {

using namespace rules;

// ---- The base table -------------------------------------------------------------------

using BaseHandler = bool (*)(const RuleContext&, const PlaceQuery&);

bool StartsByColour(const RuleContext& ctx, const PlaceQuery& q) {
    return CanStartFoundationByColour(ctx, q.base, q.card);
}

bool TakesNothing(const RuleContext&, const PlaceQuery&) {
    return false;
}

bool TakesSingleCard(const RuleContext& ctx, const PlaceQuery&) {
    return ctx.lift.singleCard;
}

bool TakesFromStockRow(const RuleContext& ctx, const PlaceQuery& q) {
    const CardSource source = SourceOf(ctx, q);
    return source == CardSource::kStock || source == CardSource::kWaste || source == CardSource::kNowhere;
}

bool TakesNotFromTableau(const RuleContext& ctx, const PlaceQuery& q) {
    return SourceOf(ctx, q) != CardSource::kTableau;
}

// Every started foundation shows the same bottom rank; the first card of all may be
// required to come from a reserve.
bool TakesFoundationRank(const RuleContext& ctx, const PlaceQuery& q) {
    bool anyStarted = false;
    for (int f = 0; f < board::FoundationCount(ctx); ++f) {
        const std::string& pile = board::Foundation(ctx, f);
        if (!Holds(pile)) continue;
        anyStarted = true;
        if (R(PileCardAt(pile, 0)) != R(q.card)) return false;
    }
    if (!anyStarted && q.base == base_code::kFoundationRankFirstFromReserve) {
        return SourceOf(ctx, q) == CardSource::kReserve;
    }
    return true;
}

bool TakesReserveThenWaste(const RuleContext& ctx, const PlaceQuery& q) {
    const CardSource source = SourceOf(ctx, q);
    if (source == CardSource::kTableau) return false;
    for (int k = 0; k < board::ReserveCount(ctx); ++k) {
        if (Holds(board::Reserve(ctx, k))) return source == CardSource::kReserve;
    }
    return source == CardSource::kWaste;
}

bool TakesAnyCard(const RuleContext&, const PlaceQuery&) {
    return true;
}

struct BaseRow {
    std::array<int, 4> codes;  // 0 ends a shorter list
    BaseHandler handler;
};

constexpr BaseRow kBaseRows[] = {
    {{base_code::kAceByColour, base_code::kKingByColourAndSuit, base_code::kAceByColourAndSuit,
      base_code::kTwoByColourAndSuit},
     &StartsByColour},
    {{base_code::kNothingA, base_code::kNothingB}, &TakesNothing},
    {{base_code::kSingleCard}, &TakesSingleCard},
    {{base_code::kFromStockRow}, &TakesFromStockRow},
    {{base_code::kNotFromTableau}, &TakesNotFromTableau},
    {{base_code::kFoundationRank, base_code::kFoundationRankFirstFromReserve}, &TakesFoundationRank},
    {{base_code::kReserveThenWaste}, &TakesReserveThenWaste},
    {{base_code::kAnyCard}, &TakesAnyCard},
};

// Base codes run from kAnyCard (-1) to kReserveThenWaste; every other word is a rank.
constexpr int kLowestBaseCode = base_code::kAnyCard;
constexpr int kHighestBaseCode = base_code::kReserveThenWaste;

constexpr auto kBaseHandlerByCode = [] {
    std::array<BaseHandler, kHighestBaseCode - kLowestBaseCode + 1> byCode{};
    for (const BaseRow& row : kBaseRows) {
        for (const int code : row.codes) {
            // 0 ends the code lists, so it is a plain rank here; the first row naming a code holds.
            BaseHandler& handler = byCode[static_cast<std::size_t>(code - kLowestBaseCode)];
            if (code != 0 && handler == nullptr) handler = row.handler;
        }
    }
    return byCode;
}();

BaseHandler FindBaseHandler(int base) {
    if (base < kLowestBaseCode || base > kHighestBaseCode) return nullptr;
    return kBaseHandlerByCode[static_cast<std::size_t>(base - kLowestBaseCode)];
}

// ---- The rank condition ---------------------------------------------------------------

// Start arguments that block building down from an Ace as a start rank would.
constexpr bool IsAceStartCode(int start) {
    return start == base_code::kAceByColour || start == base_code::kNothingA || start == base_code::kNothingB;
}

bool UpFits(const RuleContext& ctx, const PlaceQuery& q) {
    const int t = R(q.top);
    const int c = R(q.card);
    if (q.foundation) {
        if (t == kKing && c == kAce && q.base != kAce) return true;
    } else if (IsQueenOrTwoPile(ctx, q.pileIndex)) {
        if (IsAceOnTwoOrKingOnQueen(ctx, q.top, q.card, q.pileIndex)) return true;
    } else {
        if (t == q.start && !q.pastStart) return false;
        if (t == kKing && c == kAce) return true;
    }
    return c == t + 1;
}

bool DownFits(const RuleContext& ctx, const PlaceQuery& q) {
    const int t = R(q.top);
    const int c = R(q.card);
    if (q.foundation) {
        if (t == kAce) return c == kKing && q.base != kKing;
    } else if (IsQueenOrTwoPile(ctx, q.pileIndex)) {
        if (IsAceOnTwoOrKingOnQueen(ctx, q.top, q.card, q.pileIndex)) return true;
    } else {
        if (!q.pastStart && (t == q.start || (t == kAce && IsAceStartCode(q.start)))) return false;
        if (t == kAce) return c == kKing;
    }
    return c == t - 1;
}

}  // namespace

bool EmptyPileAccepts(const RuleContext& ctx, const PlaceQuery& q) {
    if (const BaseHandler handler = FindBaseHandler(q.base)) return handler(ctx, q);
    return R(q.card) == q.base || q.start == base_code::kAnyCard;
}

bool rules::build::RankFits(const RuleContext& ctx, const PlaceQuery& q) {
    switch (q.direction) {
        case direction::kUp: return UpFits(ctx, q);
        case direction::kDown: return DownFits(ctx, q);
        case direction::kEither: return UpFits(ctx, q) || DownFits(ctx, q);
        default: return false;
    }
}

}  // namespace engine
