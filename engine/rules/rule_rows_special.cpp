// The longer rows of the rule table: foundations with jokers, foundations that learn
// their step, and the grid of base cards going up by three.
#include "engine/rules/rule_companions.h"
#include "engine/rules/rule_rows.h"
#include "engine/rules/rule_support.h"

namespace engine::rules {

namespace {

constexpr int kBaseSetByFirstCard = -2;  // FoundationBase word: the first card played decides
constexpr int kJokerRefusedOnEmpty = 72;  // 75 lets a joker start a foundation
constexpr int kSuitGroupOfFour = 4;      // the joker rows keep four foundations in four suits
constexpr int kTwo = 2;
constexpr int kGridStep = 3;

// The base rank once the first card has been played: the first started foundation's
// bottom card, or the rank below its second card when a joker lies under it. A joker is
// no rank to count from, so a foundation of jokers alone is passed over.
int LearntBase(const RuleContext& ctx) {
    for (int f = 0; f < board::FoundationCount(ctx); ++f) {
        const std::string& pile = board::Foundation(ctx, f);
        if (!Holds(pile)) continue;
        const int bottom = PileCardAt(pile, 0);
        if (!IsJoker(bottom)) return R(bottom);
        if (Count(pile) < 2) continue;
        const int second = PileCardAt(pile, 1);
        if (!IsJoker(second)) return PrevRank(R(second));
    }
    return kBaseSetByFirstCard;
}

// A non-joker top: one up in suit, or a card the joker below stands in for.
bool FitsOnCard(const PlaceQuery& q, const std::string& pile, int base, bool wraps) {
    if (UpByOne(q) || (wraps && Is(q, kAce, kKing))) return true;
    const int held = Count(pile);
    for (int p = 0; p < held; ++p) {
        if (!IsJoker(PileCardAt(pile, p))) continue;
        if (p == 0) return CardRankOf(q) == base;
        return CardRankOf(q) == R(PileCardAt(pile, p - 1)) + 1;
    }
    return false;
}

// A joker on top: it stands for the card after the one below it.
bool FitsOnJoker(const PlaceQuery& q, const std::string& pile, int base, bool wraps) {
    const int held = Count(pile);
    if (held == 1) {
        if (base == kBaseSetByFirstCard) return true;
        return base > 0 && (CardRankOf(q) == base || CardRankOf(q) == base + 1);
    }
    const int under = PileCardAt(pile, held - 2);
    if (S(q.card) != S(under)) return false;
    const int c = CardRankOf(q);
    const int x = R(under);
    return c == x + 2 || c == x + 1 || (wraps && x == kKing && (c == kTwo || c == kAce));
}

}  // namespace

Verdict JokerFoundation(const RuleContext& ctx, const PlaceQuery& q) {
    const int i = q.pileIndex;
    if (!HasPileWord(words::kFoundationBase, i)) return Verdict::kRefuse;
    const int ownBase = PileWord(ctx, words::kFoundationBase, i);
    const int base = ownBase == kBaseSetByFirstCard ? LearntBase(ctx) : ownBase;
    const bool wraps = ownBase != kAce;
    const std::string& pile = board::Foundation(ctx, i);

    if (IsJoker(q.card)) return Answer(Holds(pile) || q.rule != kJokerRefusedOnEmpty);

    bool fits = false;
    if (!Holds(pile)) {
        fits = CardRankOf(q) == base || base == kBaseSetByFirstCard;
    } else if (!IsJoker(q.top)) {
        fits = SameSuit(q) && FitsOnCard(q, pile, base, wraps);
    } else {
        fits = FitsOnJoker(q, pile, base, wraps);
    }
    if (fits && board::FoundationCount(ctx) == kSuitGroupOfFour) fits = SuitsAllDifferent(ctx, 0, 1, 2, 3, q.card, i);
    return Answer(fits);
}

Verdict LearntStep(const RuleContext& ctx, const PlaceQuery& q) {
    int step = 0;
    for (int f = 0; f < board::FoundationCount(ctx); ++f) {
        const std::string& pile = board::Foundation(ctx, f);
        if (Count(pile) < 2) continue;
        const int first = R(PileCardAt(pile, 0));
        const int second = R(PileCardAt(pile, 1));
        step = second - first;
        if (step < 0) {
            if (first == kKing && second == kAce) {
                step = 1;
            } else if ((first == kKing && second == kTwo) || (first == kQueen && second == kAce)) {
                step = kTwo;
            }
        }
        break;
    }
    const bool twoOverTheTop = Is(q, kTwo, kKing) || Is(q, kAce, kQueen);
    if (step == 0) {
        return Answer(CardRankOf(q) == TopRank(q) + 1 || CardRankOf(q) == TopRank(q) + kTwo || Is(q, kAce, kKing) ||
                      twoOverTheTop);
    }
    return Answer(CardRankOf(q) == TopRank(q) + step || (step == 1 && Is(q, kAce, kKing)) ||
                  (step == kTwo && twoOverTheTop));
}

Verdict BaseGridByThree(const RuleContext& ctx, const PlaceQuery& q) {
    const int i = q.pileIndex;
    if (!HasPileWord(words::kTableauRuleA, i)) return Verdict::kRefuse;
    const int ownBase = PileWord(ctx, words::kTableauRuleA, i);
    const std::string& pile = board::Tableau(ctx, i);
    const int held = Count(pile);
    if (held == 0) return Answer(CardRankOf(q) == ownBase);

    const int bottomRank = R(PileCardAt(pile, 0));
    if (held == 1 && bottomRank != ownBase) {
        // Two misplaced base cards may change places.
        if (CardRankOf(q) != ownBase) return Verdict::kRefuse;
        const CardPlace place = board::PlaceOf(ctx, q.card);
        if (place.source != CardSource::kTableau || Count(board::Tableau(ctx, place.index)) != 1) {
            return Verdict::kRefuse;
        }
        return Answer(HasPileWord(words::kTableauRuleA, place.index) &&
                      bottomRank == PileWord(ctx, words::kTableauRuleA, place.index));
    }
    if (bottomRank != ownBase) return Verdict::kRefuse;
    const int top = PileTopCard(pile);
    return Answer(S(q.card) == S(top) && CardRankOf(q) == R(top) + kGridStep);
}

}  // namespace engine::rules
