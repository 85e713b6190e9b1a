// The rows of the rule table that look at other piles of the board.
#include "engine/rules/rule_companions.h"
#include "engine/rules/rule_build.h"
#include "engine/rules/rule_rows.h"
#include "engine/rules/rule_support.h"

namespace engine::rules {

namespace {

constexpr int kTwoStep = 2;
constexpr int kShortPileLimit = 3;          // rule 26
constexpr int kOneSuitCount = 13;           // a foundation holding one full suit
constexpr int kKingsAfterCards = 48;        // rule 37: foundation 0 holding this many lets Kings in
constexpr int kPartnerFoundationOffset = 6;  // rule 42
constexpr int kPartnerTableauOffset = 8;    // rules 50 and 52
constexpr int kFourCardsText = 12;          // rule 77: characters of four card codes
constexpr int kUnlimitedFoundation = 6;     // rule 83: the foundation that may pass its own rank
constexpr int kSameSuitRule = 0;

// The rule codes that share the base rows but differ in their tableau partner's tests.
constexpr int kUpFromBaseOnly = 46;
constexpr int kUpFromBaseSuitOfPartner = 51;
constexpr int kDownFromBaseOnly = 47;
constexpr int kDownFromBaseSuitOfPartner = 52;

bool WasteHolds(const RuleContext& ctx) {
    return Holds(board::Waste(ctx));
}

bool FoundationBaseFits(const RuleContext& ctx, const PlaceQuery& q) {
    return HasPileWord(words::kFoundationBase, q.pileIndex) &&
           CardRankOf(q) == PileWord(ctx, words::kFoundationBase, q.pileIndex);
}

bool SuitGroupFree(const RuleContext& ctx, const PlaceQuery& q, int slot) {
    const int g = SuitGroupStart(q.pileIndex);
    return SuitsAllDifferent(ctx, g, g + 1, g + 2, g + 3, q.card, slot);
}

// Tableau pile i holding exactly one card of the given rank.
bool HoldsSingle(const RuleContext& ctx, int i, int rank) {
    const std::string& pile = board::Tableau(ctx, i);
    return Count(pile) == 1 && R(PileCardAt(pile, 0)) == rank;
}

}  // namespace

Verdict UpSameSuitWasteEmpty(const RuleContext& ctx, const PlaceQuery& q) {
    if (WasteHolds(ctx) || IsEmpty(q)) return Verdict::kRefuse;
    return Answer(SameSuit(q) && UpByOne(q));
}

Verdict EitherWayOntoShortPile(const RuleContext& ctx, const PlaceQuery& q) {
    if (IsEmpty(q) || Count(board::Tableau(ctx, q.pileIndex)) >= kShortPileLimit) return Verdict::kRefuse;
    return Answer(OneApart(q));
}

Verdict ColourStartThenUpTurnDown(const RuleContext& ctx, const PlaceQuery& q) {
    if (IsEmpty(q)) return Answer(CanStartFoundationByColour(ctx, q.base, q.card));
    if (!SameSuit(q)) return Verdict::kRefuse;
    const int held = Count(board::Foundation(ctx, q.pileIndex));
    if (held < kOneSuitCount) return Answer(UpByOne(q));
    if (held == kOneSuitCount) return Answer(CardRankOf(q) == kKing);
    return Answer(DownByOne(q));
}

Verdict SuitFollowingPileDirection(const RuleContext& ctx, const PlaceQuery& q) {
    if (Is(q, kKing, kAce) || Is(q, kAce, kKing)) return Verdict::kRefuse;
    if (!IsEmpty(q) && !SameSuit(q)) return Verdict::kRefuse;
    const std::string& pile = board::Tableau(ctx, q.pileIndex);
    const int held = Count(pile);
    if (held <= 1) return Answer(OneApart(q));
    const bool goingDown = R(PileCardAt(pile, held - 2)) > R(PileCardAt(pile, held - 1));
    return Answer(goingDown ? DownByOne(q) : UpByOne(q));
}

Verdict DownAfterPreviousFoundation(const RuleContext& ctx, const PlaceQuery& q) {
    if (IsEmpty(q)) {
        const bool previousStarted = q.pileIndex == 0 || Holds(board::Foundation(ctx, q.pileIndex - 1));
        return Answer(CardRankOf(q) == q.start && previousStarted);
    }
    return Answer(DownByOne(q) || Is(q, kKing, kAce));
}

Verdict DoublingRank(const RuleContext& ctx, const PlaceQuery& q) {
    if (IsEmpty(q)) return Verdict::kGeneral;
    if (CardRankOf(q) == (2 * TopRank(q)) % kSuitSize) return Verdict::kAccept;
    return Answer(CardRankOf(q) == kKing && Count(board::Foundation(ctx, 0)) >= kKingsAfterCards);
}

Verdict KingThenAnyLowCard(const RuleContext& ctx, const PlaceQuery& q) {
    if (WasteHolds(ctx)) return Verdict::kRefuse;
    if (IsEmpty(q)) return Answer(CardRankOf(q) == kKing);
    if (!HoldsSingle(ctx, q.pileIndex, kKing)) return Verdict::kRefuse;
    return Answer(CardRankOf(q) != kQueen && CardRankOf(q) != kKing);
}

Verdict ByCallCounter(const RuleContext& ctx, const PlaceQuery& q) {
    const int called = ((ctx.registers.GetIntReg(kStockDealCountReg) % kSuitSize) + kSuitSize) % kSuitSize;
    const int wanted = called == 0 ? kKing : called;
    if (CardRankOf(q) == wanted) return Verdict::kAccept;
    return Answer(Count(board::Stock(ctx)) + Count(board::Waste(ctx)) == 1);
}

Verdict BaseOfSuitGroupThenPlusTwo(const RuleContext& ctx, const PlaceQuery& q) {
    if (IsEmpty(q)) return Answer(FoundationBaseFits(ctx, q) && SuitGroupFree(ctx, q, -1));
    const int next = TopRank(q) + kTwoStep;
    return Answer(SameSuit(q) && (CardRankOf(q) == next || CardRankOf(q) == next % kSuitSize));
}

// A foundation the lists do not have holds no King, so the King waits.
Verdict UpSameSuitKingAfterPartner(const RuleContext& ctx, const PlaceQuery& q) {
    if (!SameSuit(q) || !UpByOne(q)) return Verdict::kRefuse;
    if (CardRankOf(q) != kKing) return Verdict::kAccept;
    const std::string& partner = board::Foundation(ctx, q.pileIndex + kPartnerFoundationOffset);
    return Answer(Holds(partner) && R(PileTopCard(partner)) == kKing);
}

Verdict KingThenDown(const RuleContext& ctx, const PlaceQuery& q) {
    if (WasteHolds(ctx)) return Verdict::kRefuse;
    if (IsEmpty(q)) return Answer(CardRankOf(q) == kKing);
    if (CardRankOf(q) == kKing) return Verdict::kRefuse;
    if (Count(board::Tableau(ctx, q.pileIndex)) == 1) return Verdict::kAccept;
    return Answer(DownByOne(q));
}

Verdict UpFromBaseBesideTableau(const RuleContext& ctx, const PlaceQuery& q) {
    if (IsEmpty(q)) {
        if (!FoundationBaseFits(ctx, q)) return Verdict::kRefuse;
        if (q.rule == kUpFromBaseOnly) return Verdict::kAccept;
        const std::string& beside = board::Tableau(ctx, q.pileIndex);
        if (!Holds(beside)) return Verdict::kRefuse;
        return Answer(q.rule != kUpFromBaseSuitOfPartner || S(q.card) == S(PileCardAt(beside, 0)));
    }
    if (CardRankOf(q) == kQueen || CardRankOf(q) == kKing) return Verdict::kRefuse;
    return Answer(UpByOne(q));
}

// Foundations below the eighth have no tableau partner; for them the partner's tests drop.
Verdict DownFromBaseBesideTableau(const RuleContext& ctx, const PlaceQuery& q) {
    if (IsEmpty(q)) {
        if (!FoundationBaseFits(ctx, q)) return Verdict::kRefuse;
        const int partner = q.pileIndex - kPartnerTableauOffset;
        if (q.rule == kDownFromBaseOnly || partner < 0 || partner >= kFilaLineCount) return Verdict::kAccept;
        const std::string& beside = board::Tableau(ctx, partner);
        if (!Holds(beside)) return Verdict::kRefuse;
        return Answer(q.rule != kDownFromBaseSuitOfPartner || S(q.card) == S(PileCardAt(beside, 0)));
    }
    if (CardRankOf(q) == kQueen) return Verdict::kRefuse;
    return Answer(DownByOne(q) || Is(q, kKing, kAce));
}

Verdict QueenThenAnyOther(const RuleContext& ctx, const PlaceQuery& q) {
    if (WasteHolds(ctx)) return Verdict::kRefuse;
    if (IsEmpty(q)) return Answer(CardRankOf(q) == kQueen);
    if (!HoldsSingle(ctx, q.pileIndex, kQueen)) return Verdict::kRefuse;
    return Answer(CardRankOf(q) != kQueen);
}

Verdict UpAfterFirstFoundation(const RuleContext& ctx, const PlaceQuery& q) {
    if (q.pileIndex > 0 && Count(board::Foundation(ctx, 0)) != kOneSuitCount) return Verdict::kRefuse;
    if (IsEmpty(q)) return Answer(FoundationBaseFits(ctx, q));
    return Answer(UpByOne(q) || Is(q, kAce, kKing));
}

Verdict UpSameColourWasteLast(const RuleContext& ctx, const PlaceQuery& q) {
    bool fits = false;
    if (IsEmpty(q)) {
        if (HasPileWord(words::kTableauRuleA, q.pileIndex)) {
            const int word = PileWord(ctx, words::kTableauRuleA, q.pileIndex);
            fits = CardRankOf(q) == word || word == base_code::kAnyCard;
        }
    } else {
        fits = UpByOne(q) && SameColour(q);
    }
    const std::string& waste = board::Waste(ctx);
    const int waiting = Count(waste);
    if (waiting > 1) return Verdict::kRefuse;
    if (waiting == 1) return Answer(fits && q.card == PileTopCard(waste));
    return Answer(fits);
}

Verdict LowerOntoTableau(const RuleContext& ctx, const PlaceQuery& q) {
    return Answer(!Holds(board::Tableau(ctx, q.pileIndex)) || CardRankOf(q) < TopRank(q));
}

Verdict FourOfEachRank(const RuleContext& ctx, const PlaceQuery& q) {
    const std::string& pile = board::Foundation(ctx, q.pileIndex);
    if (!Holds(pile)) return Answer(CardRankOf(q) == kAce);
    return Answer(CardRankOf(q) == static_cast<int>(pile.size()) / kFourCardsText + 1);
}

Verdict UpSameSuitAnyAceOnKing(const RuleContext& ctx, const PlaceQuery& q) {
    if (!Holds(board::Foundation(ctx, q.pileIndex))) return Answer(CardRankOf(q) == kAce);
    if (TopRank(q) == kKing) return Answer(CardRankOf(q) == kAce);
    return Answer(SameSuit(q) && UpByOne(q));
}

Verdict SuitGroupAfterStock(const RuleContext& ctx, const PlaceQuery& q) {
    if (Holds(board::Stock(ctx)) || WasteHolds(ctx)) return Verdict::kRefuse;
    if (Holds(board::Foundation(ctx, q.pileIndex))) return SameSuit(q) ? Verdict::kGeneral : Verdict::kRefuse;
    return SuitGroupFree(ctx, q, -1) ? Verdict::kGeneral : Verdict::kRefuse;
}

Verdict DownStoppingAtOwnRank(const RuleContext& ctx, const PlaceQuery& q) {
    if (!DownByOne(q) && !Is(q, kKing, kAce)) return Verdict::kRefuse;
    const std::string& pile = board::Foundation(ctx, q.pileIndex);
    const bool atOwnRank = Holds(pile) && R(PileTopCard(pile)) == q.pileIndex + 1;
    const bool mayPass = q.pileIndex == kUnlimitedFoundation && Count(pile) != kOneSuitCount;
    return Answer(!atOwnRank || mayPass);
}

// One rank up wraps from a King to an Ace, as every rule that meets the ends does.
Verdict UpSameSuitWrapping(const RuleContext& ctx, const PlaceQuery& q) {
    if (!Holds(board::Foundation(ctx, q.pileIndex))) return Answer(CardRankOf(q) == kAce);
    return Answer(SameSuit(q) && CardRankOf(q) == NextRank(TopRank(q)));
}

Verdict SuitGroupThenSameSuit(const RuleContext& ctx, const PlaceQuery& q) {
    if (!Holds(board::Foundation(ctx, q.pileIndex)) && !SuitGroupFree(ctx, q, q.pileIndex)) return Verdict::kRefuse;
    return Answer(GeneralBuildTest(ctx, q, kSameSuitRule));
}

}  // namespace engine::rules
