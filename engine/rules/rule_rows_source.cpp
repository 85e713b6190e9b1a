// The rows of the rule table that ask where the card to place lies now.
#include "engine/rules/rule_companions.h"
#include "engine/rules/rule_build.h"
#include "engine/rules/rule_rows.h"
#include "engine/rules/rule_support.h"

namespace engine::rules {

namespace {

constexpr int kAlternatingRule = 3;
constexpr int kSmallPileLimit = 2;      // rule 33: a pile of this many cards takes no more
constexpr int kOwnReserveCount = 12;    // rule 79: the foundation's last card comes from its reserve
constexpr int kBuildsPastStart = 1;     // TableauRuleD value that lets a King onto an Ace under rule 54

bool IsTableauIndex(int i) {
    return i >= 0 && i < kFilaLineCount;
}

bool AnyReserveHolds(const RuleContext& ctx) {
    for (int k = 0; k < board::ReserveCount(ctx); ++k) {
        if (Holds(board::Reserve(ctx, k))) return true;
    }
    return false;
}

// Equal suits, one rank apart, King and Ace meeting both ways.
bool SuitEitherWayWrapping(const PlaceQuery& q) {
    return SameSuit(q) && (OneApart(q) || WrapEitherWay(q));
}

// The base rank of a pile's word, when the run has one for the pile.
bool RankMatchesWord(const RuleContext& ctx, GameWordRun run, const PlaceQuery& q, bool minusOneTakesAny) {
    if (!HasPileWord(run, q.pileIndex)) return false;
    const int word = PileWord(ctx, run, q.pileIndex);
    return CardRankOf(q) == word || (minusOneTakesAny && word == base_code::kAnyCard);
}

}  // namespace

Verdict EmptyPileFromEmptyStock(const RuleContext& ctx, const PlaceQuery& q) {
    if (!q.stockTest) return Verdict::kGeneral;
    return Answer(IsEmpty(q) && !Holds(board::Stock(ctx)));
}

Verdict NotFromTableau(const RuleContext& ctx, const PlaceQuery& q) {
    return Answer(SourceOf(ctx, q) != CardSource::kTableau);
}

Verdict FromTableauOnlyToEmptyPile(const RuleContext& ctx, const PlaceQuery& q) {
    if (SourceOf(ctx, q) != CardSource::kTableau) return Verdict::kAccept;
    return Answer(!Holds(board::Tableau(ctx, q.pileIndex)));
}

Verdict NotFromTableauOrReserve(const RuleContext& ctx, const PlaceQuery& q) {
    const CardSource source = SourceOf(ctx, q);
    return Answer(source != CardSource::kTableau && source != CardSource::kReserve);
}

Verdict AlternatingNotFromFoundationOrReserve(const RuleContext& ctx, const PlaceQuery& q) {
    const CardSource source = SourceOf(ctx, q);
    if (source == CardSource::kFoundation || source == CardSource::kReserve) return Verdict::kRefuse;
    return Answer(GeneralBuildTest(ctx, q, kAlternatingRule));
}

Verdict OntoSmallPileNotFromTableau(const RuleContext& ctx, const PlaceQuery& q) {
    if (SourceOf(ctx, q) == CardSource::kTableau) return Verdict::kRefuse;
    return Answer(Count(board::Tableau(ctx, q.pileIndex)) < kSmallPileLimit);
}

Verdict DownOrBaseNotFromPiles(const RuleContext& ctx, const PlaceQuery& q) {
    if (IsEmpty(q)) {
        const CardSource source = SourceOf(ctx, q);
        if (source == CardSource::kReserve || source == CardSource::kTableau) return Verdict::kRefuse;
        return Answer(RankMatchesWord(ctx, words::kTableauRuleA, q, true));
    }
    const bool kingOnAce = HasPileWord(words::kTableauRuleD, q.pileIndex) &&
                           PileWord(ctx, words::kTableauRuleD, q.pileIndex) == kBuildsPastStart && Is(q, kKing, kAce);
    return Answer(DownByOne(q) || kingOnAce);
}

Verdict SameRankFromLaterTableau(const RuleContext& ctx, const PlaceQuery& q) {
    if (IsEmpty(q) || CardRankOf(q) != TopRank(q)) return Verdict::kRefuse;
    const CardPlace place = board::PlaceOf(ctx, q.card);
    return Answer(place.source == CardSource::kTableau && place.index >= q.pileIndex);
}

Verdict FromGridNeighbour(const RuleContext& ctx, const PlaceQuery& q) {
    const int i = q.pileIndex;
    const int w = ctx.game[words::kRowWidth];
    if (w < 1 || !IsTableauIndex(i) || Holds(board::Tableau(ctx, i))) return Verdict::kRefuse;
    const CardPlace place = board::PlaceOf(ctx, q.card);
    if (place.source != CardSource::kTableau) return Verdict::kRefuse;
    const int j = place.index;
    if (j == i - w || j == i + w) return Verdict::kAccept;
    if (i % w == 0) return Answer(j == i + 1);
    if ((i + 1) % w == 0) return Answer(j == i - 1);
    return Answer(j == i + 1 || j == i - 1);
}

Verdict JumpOverRowNeighbour(const RuleContext& ctx, const PlaceQuery& q) {
    if (!IsTableauIndex(q.pileIndex) || Holds(board::Tableau(ctx, q.pileIndex))) return Verdict::kRefuse;
    int jumped = -1;
    return Answer(FindRowNeighbour(ctx, board::Locate(ctx, q.card), q.pileIndex, jumped));
}

Verdict UpWithOwnReserveLast(const RuleContext& ctx, const PlaceQuery& q) {
    const std::string& pile = board::Foundation(ctx, q.pileIndex);
    const bool rankFits = Holds(pile) ? UpByOne(q) || Is(q, kAce, kKing)
                                      : RankMatchesWord(ctx, words::kFoundationBase, q, false);
    if (!rankFits) return Verdict::kRefuse;
    const CardPlace place = board::PlaceOf(ctx, q.card);
    const bool lastCardDue = Count(pile) == kOwnReserveCount;
    const bool fromOwnReserve = place.source == CardSource::kReserve && place.index == q.pileIndex;
    if (place.source == CardSource::kReserve && !(lastCardDue && fromOwnReserve)) return Verdict::kRefuse;
    return Answer(!lastCardDue || fromOwnReserve);
}

Verdict SuitEitherWayToTableau(const RuleContext& ctx, const PlaceQuery& q) {
    if (SourceOf(ctx, q) == CardSource::kTableau) return Verdict::kRefuse;
    if (!Holds(board::Tableau(ctx, q.pileIndex))) return Verdict::kAccept;
    return Answer(SuitEitherWayWrapping(q));
}

Verdict SuitEitherWayToReserve(const RuleContext& ctx, const PlaceQuery& q) {
    const CardSource source = SourceOf(ctx, q);
    if (source == CardSource::kTableau || source == CardSource::kReserve) return Verdict::kRefuse;
    if (!Holds(board::Reserve(ctx, q.pileIndex))) return Verdict::kAccept;
    return Answer(SuitEitherWayWrapping(q));
}

// One rank down wraps from an Ace to a King, as every rule that meets the ends does.
Verdict DownAlternatingFromWasteLast(const RuleContext& ctx, const PlaceQuery& q) {
    if (!Holds(board::Tableau(ctx, q.pileIndex))) {
        const CardSource source = SourceOf(ctx, q);
        if (source == CardSource::kTableau) return Verdict::kRefuse;
        if (source == CardSource::kWaste) return Answer(!AnyReserveHolds(ctx));
        return Verdict::kAccept;
    }
    if (SameColour(q)) return Verdict::kRefuse;
    return Answer(CardRankOf(q) == PrevRank(TopRank(q)));
}

}  // namespace engine::rules
