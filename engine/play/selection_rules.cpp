#include "engine/play/selection_rules.h"

#include <algorithm>
#include <array>

#include "engine/model/card_codes.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_text.h"

namespace engine {

namespace {

using engine::kJack;
using engine::kKing;
using engine::kQueen;

constexpr int kTen = 10;
constexpr int kNine = 9;
// Face cards count ten in kind 20's totals, which complete at 10, 20 and 30.
constexpr int kFaceCardValue = 10;
constexpr int kTotalStep = 10;
constexpr int kLargestTotal = 30;
// The two cards of kinds 17 and 26 add up to this.
constexpr int kPairTotal = 11;
// Kind 18: four cards, one of them a face card, the others add up to this.
constexpr int kFourCardTotal = 18;
constexpr int kFourCards = 4;
constexpr int kThreeCards = 3;
constexpr int kTwoCards = 2;
// Kind 41's face cards add up to less than this: at most one of them.
constexpr int kFaceSumLimit = 14;
// Kind 1's totals (word 38).
constexpr int kKind1TotalFifteen = 15;
constexpr int kKind1TotalTen = 10;
// Kind 47: the two cards lie two tableau piles apart, both among the first 21.
constexpr int kKind47PileDistance = 2;
constexpr int kKind47LastPile = 21;
// Kind 22 refuses these two codes (the Queen and King of hearts).
constexpr int kKind22RefusedA = 12;
constexpr int kKind22RefusedB = 13;

constexpr int kDefaultRow = -1;

bool IsNumberRank(int rank) { return rank >= engine::kAce && rank <= kTen; }

int Rank(const SelectionCheck& c) { return engine::CardRank(c.card); }

bool Never(const SelectionCheck&) { return false; }

bool ThirdCard(const SelectionCheck& c) { return c.tally.count > kTwoCards; }

bool TwoOfOneRank(const SelectionCheck& c) { return c.tally.count == kTwoCards && c.tally.oneRank; }

bool ThirdCardOrOtherRank(const SelectionCheck& c) { return ThirdCard(c) || !c.tally.oneRank; }

// Kind 20: totals of 10, 20 or 30 with J, Q and K counting ten.
bool Completes20(const SelectionCheck& c) {
    const int total = c.tally.sumFacesAsTen;
    return c.tally.count >= kTwoCards && total > 0 && total <= kLargestTotal && total % kTotalStep == 0;
}

bool Refuses22(const SelectionCheck& c) {
    return ThirdCard(c) || c.card == kKind22RefusedA || c.card == kKind22RefusedB;
}

// Kind 41: number cards N against face cards F.
bool Refuses41(const SelectionCheck& c) {
    if (c.tally.count == 0) return false;
    return !(c.tally.sumTo10 >= 1 && c.tally.sumFaces < kFaceSumLimit);
}

bool Completes41(const SelectionCheck& c) { return c.tally.sumTo10 > 0 && c.tally.sumTo10 == c.tally.sumFaces; }

bool Refuses26(const SelectionCheck& c) {
    const SelectionTally& t = c.tally;
    const int s = t.sumTo10;
    const int rank = Rank(c);
    if (t.numberCards > 0 && t.FaceCards() > 0) return true;
    if (rank == kJack && s + t.jacks > 1) return true;
    if (rank == kQueen && s + t.queens > 1) return true;
    if (rank == kKing && s + t.kings >= kTwoCards) return true;
    if (t.count >= kThreeCards && s >= 1) return true;
    return t.count > kThreeCards;
}

bool OneOfEachFace(const SelectionTally& t) {
    return t.count == kThreeCards && t.jacks == 1 && t.queens == 1 && t.kings == 1;
}

bool CompletesPairOrFaces(const SelectionCheck& c) {
    return (c.tally.count == kTwoCards && c.tally.sumTo10 == kPairTotal) || OneOfEachFace(c.tally);
}

bool Refuses14(const SelectionCheck& c) { return c.coveredTableauCard || ThirdCardOrOtherRank(c); }

bool Refuses1(const SelectionCheck& c) {
    const SelectionTally& t = c.tally;
    const int s = t.sumTo9;
    const int rank = Rank(c);
    if (rank >= engine::kAce && rank <= kNine && t.tens + t.FaceCards() > 0) return true;
    if (rank == kTen && s + t.jacks + t.queens + t.kings > 0) return true;
    if (rank == kJack && s + t.tens + t.queens + t.kings > 0) return true;
    if (rank == kQueen && s + t.tens + t.jacks + t.kings > 0) return true;
    if (rank == kKing && s + t.tens + t.jacks + t.queens > 0) return true;
    return c.selectionSum == kKind1TotalTen && t.count >= kThreeCards && s >= 1;
}

bool Completes1(const SelectionCheck& c) {
    const SelectionTally& t = c.tally;
    const bool fourAlike = t.count == kFourCards &&
                           (t.tens == kFourCards || t.jacks == kFourCards || t.queens == kFourCards ||
                            t.kings == kFourCards);
    if (fourAlike) return true;
    if (c.selectionSum == kKind1TotalFifteen && t.sumTo9 == kKind1TotalFifteen) return true;
    return c.selectionSum == kKind1TotalTen && t.sumTo9 == kKind1TotalTen && t.count == kTwoCards;
}

bool Refuses17(const SelectionCheck& c) {
    const SelectionTally& t = c.tally;
    const int s = t.sumTo10;
    const int rank = Rank(c);
    if (t.numberCards > 0 && t.FaceCards() > 0) return true;
    if (rank == kJack && (s > 0 || t.jacks > 1)) return true;
    if (rank == kQueen && (s > 0 || t.queens > 1)) return true;
    if (rank == kKing && (s >= 1 || t.kings >= kTwoCards)) return true;
    return t.count >= kThreeCards && s >= 1;
}

// Kind 18: at most one face card and three others, an Ace only alone, no rank twice.
bool Refuses18(const SelectionCheck& c) {
    const SelectionTally& t = c.tally;
    const bool accepted = t.count <= kFourCards && t.FaceCards() < kTwoCards &&
                          t.count - t.FaceCards() <= kThreeCards && (t.aces == 0 || t.count == 1) &&
                          t.distinctRanks;
    return !accepted;
}

bool Completes18(const SelectionCheck& c) {
    const SelectionTally& t = c.tally;
    if (t.count == 1 && t.aces == 1) return true;
    const int numberCards = t.count - t.FaceCards() - t.aces;
    return t.count == kFourCards && t.FaceCards() == 1 && numberCards == kThreeCards && t.sum2To10 == kFourCardTotal;
}

bool Refuses24(const SelectionCheck& c) {
    const SelectionTally& t = c.tally;
    const int s = t.sumTo9;
    const int rank = Rank(c);
    if (rank >= engine::kAce && rank <= kNine && t.tens + t.FaceCards() > 0) return true;
    if (rank == kTen && (s > 0 || t.tens > 1)) return true;
    if (rank == kJack && (s > 0 || t.jacks > 1)) return true;
    if (rank == kQueen && (s > 0 || t.queens > 1)) return true;
    if (rank == kKing && (s >= 1 || t.kings >= kTwoCards)) return true;
    return t.count >= kThreeCards && s >= 1;
}

bool Completes24(const SelectionCheck& c) {
    const SelectionTally& t = c.tally;
    const bool nine = t.sumTo9 == kNine && t.tens + t.FaceCards() == 0 && t.count <= kTwoCards;
    const bool tenToKing =
        t.count == kFourCards && t.tens == 1 && t.jacks == 1 && t.queens == 1 && t.kings == 1;
    return nine || tenToKing;
}

bool Refuses45(const SelectionCheck& c) {
    return Rank(c) == engine::kAce || ThirdCard(c) || !c.tally.oneSuit;
}

bool CompletesTwoOfOneSuit(const SelectionCheck& c) { return c.tally.count == kTwoCards && c.tally.oneSuit; }

bool Refuses47(const SelectionCheck& c) {
    if (c.faceDown || ThirdCard(c) || !c.tally.oneRank) return true;
    if (c.tally.count < kTwoCards) return false;
    if (c.firstCardPile > kKind47LastPile || c.cardPile > kKind47LastPile) return true;
    const int distance = c.cardPile - c.firstCardPile;
    return distance != kKind47PileDistance && distance != -kKind47PileDistance;
}

bool TwoCards(const SelectionCheck& c) { return c.tally.count == kTwoCards; }

bool Refuses7(const SelectionCheck& c) { return ThirdCard(c); }

bool CompletesRankTotal(const SelectionCheck& c) { return c.tally.sumAll == c.selectionSum; }

using P = SelectablePlaces;
using S = SelectionStockPress;

// kind, places, stock, turns face-down tops, other piles to the waste, highlights the
// first card, refused when, complete when.
constexpr std::array kRules{
    SelectionKindRule{8, P::kNone, S::kMonteCarlo, false, false, true, Never, Never},
    SelectionKindRule{20, P::kTableau, S::kAddTableaus, false, false, true, Never, Completes20},
    SelectionKindRule{21, P::kTableau, S::kAddTableaus, false, false, true, ThirdCard, Never},
    SelectionKindRule{22, P::kTableau, S::kAddTableaus, false, false, true, Refuses22, Never},
    SelectionKindRule{23, P::kTableau, S::kAddTableaus, false, false, true, Never, Never},
    SelectionKindRule{41, P::kTableauOrFoundation, S::kAddTableaus, false, false, true, Refuses41, Completes41},
    SelectionKindRule{25, P::kTableau, S::kNone, true, false, true, ThirdCardOrOtherRank, TwoOfOneRank},
    SelectionKindRule{26, P::kTableau, S::kNone, true, false, true, Refuses26, CompletesPairOrFaces},
    SelectionKindRule{14, P::kTableauOrWaste, S::kNone, false, true, true, Refuses14, TwoOfOneRank},
    SelectionKindRule{16, P::kTableauOrWaste, S::kNone, false, true, true, Refuses14, TwoOfOneRank},
    SelectionKindRule{1, P::kAny, S::kNone, false, false, true, Refuses1, Completes1},
    SelectionKindRule{17, P::kAny, S::kNone, false, false, true, Refuses17, CompletesPairOrFaces},
    SelectionKindRule{18, P::kAny, S::kNone, false, false, true, Refuses18, Completes18},
    SelectionKindRule{24, P::kAny, S::kNone, false, false, true, Refuses24, Completes24},
    SelectionKindRule{45, P::kTableau, S::kMonteCarlo, false, false, true, Refuses45, CompletesTwoOfOneSuit},
    SelectionKindRule{47, P::kTableau, S::kClearThenAddTableaus, false, false, true, Refuses47, TwoCards},
    SelectionKindRule{48, P::kTableau, S::kAddTableaus, false, false, false, Never, TwoCards},
    SelectionKindRule{7, P::kAny, S::kNone, false, false, true, Refuses7, CompletesRankTotal},
    SelectionKindRule{kDefaultRow, P::kAny, S::kNone, false, false, true, Never, CompletesRankTotal},
};

// A left press passes on any pile in these kinds, not only on a tableau pile.
constexpr std::array kAnyPileKinds{8, 16, 20, 21, 22, 23, 45, 47, 48};
// Every press passes in this kind.
constexpr int kKindEveryPress = 41;

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool IsTableauName(std::string_view name) { return StartsWith(name, engine::kFilaPrefix); }
bool IsFoundationName(std::string_view name) { return StartsWith(name, engine::kDestPrefix); }

}  // namespace

SelectionTally TallySelection(std::string_view selection) {
    SelectionTally t;
    int firstRank = engine::kNoRank;
    int firstSuit = engine::kNoSuit;
    const int cards = engine::PileCardCount(selection);
    for (int i = 0; i < cards; ++i) {
        const int card = engine::PileCardAt(selection, i);
        if (card < engine::kFirstCard) continue;
        ++t.count;
        if (engine::IsJoker(card) || card > engine::kCardCount) continue;
        const int rank = engine::CardRank(card);
        const int suit = engine::CardSuit(card);
        if (firstRank == engine::kNoRank) {
            firstRank = rank;
            firstSuit = suit;
        }
        t.oneRank = t.oneRank && rank == firstRank;
        t.oneSuit = t.oneSuit && suit == firstSuit;
        t.aces += rank == engine::kAce ? 1 : 0;
        t.tens += rank == kTen ? 1 : 0;
        t.jacks += rank == kJack ? 1 : 0;
        t.queens += rank == kQueen ? 1 : 0;
        t.kings += rank == kKing ? 1 : 0;
        t.numberCards += IsNumberRank(rank) ? 1 : 0;
        t.sumTo9 += rank <= kNine ? rank : 0;
        t.sumTo10 += IsNumberRank(rank) ? rank : 0;
        t.sum2To10 += rank >= 2 && rank <= kTen ? rank : 0;
        t.sumAll += rank;
        t.sumFaces += rank >= kJack ? rank : 0;
        t.sumFacesAsTen += std::min(rank, kFaceCardValue);
    }
    t.distinctRanks = engine::AllRanksDistinct(selection);
    return t;
}

const SelectionKindRule& SelectionRuleOf(int kind) {
    for (const SelectionKindRule& rule : kRules) {
        if (rule.kind == kind) return rule;
    }
    return kRules.back();
}

bool PassesSelectionGate(int kind, bool leftButton, std::string_view pileName) {
    if (leftButton) {
        if (IsTableauName(pileName)) return true;
        const bool anyPile = std::find(kAnyPileKinds.begin(), kAnyPileKinds.end(), kind) != kAnyPileKinds.end();
        if (anyPile && !pileName.empty()) return true;
    }
    return IsFoundationName(pileName) || kind == kKindEveryPress;
}

bool IsSelectablePlace(SelectablePlaces places, std::string_view pileName) {
    switch (places) {
    case SelectablePlaces::kNone:
        return false;
    case SelectablePlaces::kTableau:
        return IsTableauName(pileName);
    case SelectablePlaces::kTableauOrFoundation:
        return IsTableauName(pileName) || IsFoundationName(pileName);
    case SelectablePlaces::kTableauOrWaste:
        return IsTableauName(pileName) || pileName == engine::kWasteName;
    case SelectablePlaces::kAny:
        return !pileName.empty();
    }
    return false;
}

}  // namespace engine
