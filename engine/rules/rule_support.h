#pragma once

#include <string_view>

#include "engine/model/card_codes.h"
#include "engine/model/pile_text.h"
#include "engine/rules/rule_context.h"

// Card arithmetic shared by the rows of the rule table. The checker normalises an empty
// top to kEmptyTop before any row sees it.
namespace engine::rules {

inline constexpr int kEmptyTop = -1;

inline int R(int code) { return CardRank(code); }
inline int S(int code) { return CardSuit(code); }

inline bool IsEmpty(const PlaceQuery& q) { return q.top == kEmptyTop; }
inline int TopRank(const PlaceQuery& q) { return R(q.top); }
inline int CardRankOf(const PlaceQuery& q) { return R(q.card); }

inline bool UpByOne(const PlaceQuery& q) { return R(q.card) == R(q.top) + 1; }
inline bool DownByOne(const PlaceQuery& q) { return R(q.card) == R(q.top) - 1; }
inline bool OneApart(const PlaceQuery& q) { return UpByOne(q) || DownByOne(q); }
inline bool SameSuit(const PlaceQuery& q) { return S(q.card) == S(q.top); }
inline bool SameColour(const PlaceQuery& q) { return IsRedCard(q.card) == IsRedCard(q.top); }

// C of rank c on T of rank t.
inline bool Is(const PlaceQuery& q, int cardRank, int topRank) {
    return R(q.card) == cardRank && R(q.top) == topRank;
}
// An Ace after a King going up, or a King after an Ace going down.
inline bool WrapEitherWay(const PlaceQuery& q) { return Is(q, kAce, kKing) || Is(q, kKing, kAce); }

inline int Count(std::string_view pile) { return PileCardCount(pile); }
inline bool Holds(std::string_view pile) { return PileCardCount(pile) > 0; }

inline CardSource SourceOf(const RuleContext& ctx, const PlaceQuery& q) {
    return board::PlaceOf(ctx, q.card).source;
}

// The word of pile i in a per-pile run, and whether the run has one.
inline bool HasPileWord(GameWordRun run, int i) { return board::HasWord(run, i); }
inline int PileWord(const RuleContext& ctx, GameWordRun run, int i) { return ctx.game.At(run, i); }

// The first group of foundation g .. g + 3 for the two suit groups of eight foundations.
inline int SuitGroupStart(int pileIndex) {
    constexpr int kGroupSize = 4;
    return pileIndex < kGroupSize ? 0 : kGroupSize;
}

}  // namespace engine::rules
