// The rows of the rule table that look only at the top card and the card to place.
#include <array>

#include "engine/rules/rule_general.h"
#include "engine/rules/rule_rows.h"
#include "engine/rules/rule_support.h"

namespace engine::rules {

namespace {

constexpr int kTwo = 2;
constexpr int kFirstStepRule = 12;  // rules 14, 15 and 16 step by 2, 3 and 4
constexpr int kStepTwo = 2;

// The suit that follows each suit in the cycle hearts, clubs, diamonds, spades.
constexpr std::array<int, kSuitCount> kNextSuitInCycle = {kClubs, kSpades, kDiamonds, kHearts};

bool FollowsInSuitCycle(const PlaceQuery& q) {
    const int from = S(q.top);
    if (from < 0 || from >= kSuitCount) return false;
    return S(q.card) == kNextSuitInCycle[static_cast<std::size_t>(from)];
}

// Rule 28's own test, shared by 60.
bool TurnsAtEnds(const PlaceQuery& q) {
    if (TopRank(q) == kAce) return CardRankOf(q) == kTwo;
    if (TopRank(q) == kKing) return CardRankOf(q) == kQueen;
    return OneApart(q);
}

int StepTwoOfDirection(const PlaceQuery& q) {
    return q.direction == direction::kUp ? kStepTwo : -kStepTwo;
}

}  // namespace

Verdict Refuse(const RuleContext&, const PlaceQuery&) {
    return Verdict::kRefuse;
}

Verdict General(const RuleContext&, const PlaceQuery&) {
    return Verdict::kGeneral;
}

Verdict Accept(const RuleContext&, const PlaceQuery&) {
    return Verdict::kAccept;
}

Verdict NoQueenOnKingOrJack(const RuleContext&, const PlaceQuery& q) {
    if (Is(q, kQueen, kKing) || Is(q, kQueen, kJack)) return Verdict::kRefuse;
    return Verdict::kGeneral;
}

// These games pre-fill or start their piles by the base word, so an empty pile is left
// to the base table rather than to ranks counted from an empty pile's -1.
Verdict StepAnySuit(const RuleContext&, const PlaceQuery& q) {
    if (IsEmpty(q)) return Verdict::kGeneral;
    const int next = TopRank(q) + (q.rule - kFirstStepRule);
    return Answer(CardRankOf(q) == next || CardRankOf(q) == next % kSuitSize);
}

Verdict UpAnySuitAceOnKing(const RuleContext&, const PlaceQuery& q) {
    return Answer(UpByOne(q) || (IsEmpty(q) && CardRankOf(q) == kAce) || Is(q, kAce, kKing));
}

Verdict OtherSuitThenGeneral(const RuleContext&, const PlaceQuery& q) {
    if (!IsEmpty(q) && SameSuit(q)) return Verdict::kRefuse;
    return Verdict::kGeneral;
}

// An empty pile: the base table decides, with no suit to follow yet.
Verdict SuitNoKingQueenMeeting(const RuleContext&, const PlaceQuery& q) {
    if (Is(q, kQueen, kKing) || Is(q, kKing, kQueen)) return Verdict::kRefuse;
    if (!IsEmpty(q) && !SameSuit(q)) return Verdict::kRefuse;
    return Verdict::kGeneral;
}

Verdict StepTwoSameSuit(const RuleContext&, const PlaceQuery& q) {
    if (IsEmpty(q)) return Verdict::kGeneral;
    return Answer(CardRankOf(q) == TopRank(q) + StepTwoOfDirection(q) && SameSuit(q));
}

Verdict EitherWayTurnAtEnds(const RuleContext&, const PlaceQuery& q) {
    if (IsEmpty(q)) return Verdict::kAccept;
    return Answer(TurnsAtEnds(q));
}

Verdict DownSameSuitNotOnAce(const RuleContext&, const PlaceQuery& q) {
    if (TopRank(q) == kAce) return Verdict::kRefuse;
    return Answer(SameSuit(q) && DownByOne(q));
}

Verdict UpSameSuitNotOnKing(const RuleContext&, const PlaceQuery& q) {
    if (TopRank(q) == kKing) return Verdict::kRefuse;
    return Answer(SameSuit(q) && UpByOne(q));
}

Verdict DownAnySuit(const RuleContext&, const PlaceQuery& q) {
    if (IsEmpty(q)) return Verdict::kGeneral;
    return Answer(DownByOne(q));
}

Verdict EitherWayWrapping(const RuleContext&, const PlaceQuery& q) {
    if (IsEmpty(q)) return Verdict::kGeneral;
    return Answer(OneApart(q) || WrapEitherWay(q));
}

Verdict UpFromAceNoCourt(const RuleContext&, const PlaceQuery& q) {
    if (IsEmpty(q)) return Answer(CardRankOf(q) == kAce);
    if (CardRankOf(q) == kQueen || CardRankOf(q) == kKing) return Verdict::kRefuse;
    return Answer(UpByOne(q));
}

// An empty pile: the base table decides, as for the stepping rows.
Verdict PlusTwoSameSuit(const RuleContext&, const PlaceQuery& q) {
    if (IsEmpty(q)) return Verdict::kGeneral;
    return Answer(SameSuit(q) && CardRankOf(q) == TopRank(q) + kStepTwo);
}

Verdict UpFromAceNoKing(const RuleContext&, const PlaceQuery& q) {
    if (IsEmpty(q)) return Answer(CardRankOf(q) == kAce);
    if (CardRankOf(q) == kKing) return Verdict::kRefuse;
    return Answer(UpByOne(q));
}

Verdict EitherWayTurnAtEndsSameSuit(const RuleContext&, const PlaceQuery& q) {
    if (IsEmpty(q)) return Verdict::kAccept;
    return Answer(TurnsAtEnds(q) && SameSuit(q));
}

Verdict StepTwoSameSuitWrapping(const RuleContext&, const PlaceQuery& q) {
    if (IsEmpty(q)) return Verdict::kGeneral;
    if (!SameSuit(q)) return Verdict::kRefuse;
    return Answer(CardRankOf(q) == TopRank(q) + StepTwoOfDirection(q) || Is(q, kTwo, kKing) || Is(q, kAce, kQueen));
}

Verdict RankIsPileNumber(const RuleContext&, const PlaceQuery& q) {
    return Answer(CardRankOf(q) == q.pileIndex + 1);
}

Verdict UpInSuitCycle(const RuleContext&, const PlaceQuery& q) {
    if (IsEmpty(q)) return Answer(CardRankOf(q) == kAce);
    return Answer(UpByOne(q) && FollowsInSuitCycle(q));
}

Verdict DownInSuitCycle(const RuleContext&, const PlaceQuery& q) {
    if (IsEmpty(q)) return Verdict::kAccept;
    return Answer(DownByOne(q) && FollowsInSuitCycle(q));
}

Verdict AceOnly(const RuleContext&, const PlaceQuery& q) {
    return Answer(CardRankOf(q) == kAce);
}

}  // namespace engine::rules
