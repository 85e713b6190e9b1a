#include "engine/rules/rule_codes.h"

#include <array>

#include "engine/rules/rule_rows.h"

namespace engine {

namespace {

// Up to three codes share a row; 0 ends a shorter list (codes up to 3 never reach the table).
struct RuleRow {
    std::array<int, 3> codes;
    RuleHandler handler;
};

using namespace rules;

constexpr RuleRow kRuleRows[] = {
    {{4, 5}, &Refuse},
    {{7}, &EmptyPileFromEmptyStock},
    {{8, 13}, &General},
    {{11}, &NoQueenOnKingOrJack},
    {{12}, &Accept},
    {{14, 15, 16}, &StepAnySuit},
    {{17}, &NotFromTableau},
    {{18}, &FromTableauOnlyToEmptyPile},
    {{19}, &NotFromTableauOrReserve},
    {{20}, &UpAnySuitAceOnKing},
    {{21}, &OtherSuitThenGeneral},
    {{23}, &UpSameSuitWasteEmpty},
    {{24}, &SuitNoKingQueenMeeting},
    {{25}, &StepTwoSameSuit},
    {{26}, &EitherWayOntoShortPile},
    {{27}, &AlternatingNotFromFoundationOrReserve},
    {{28}, &EitherWayTurnAtEnds},
    {{29}, &ColourStartThenUpTurnDown},
    {{30}, &SuitFollowingPileDirection},
    {{31}, &DownSameSuitNotOnAce},
    {{32}, &UpSameSuitNotOnKing},
    {{33}, &OntoSmallPileNotFromTableau},
    {{34}, &DownAnySuit},
    {{35}, &EitherWayWrapping},
    {{36}, &DownAfterPreviousFoundation},
    {{37}, &DoublingRank},
    {{38}, &KingThenAnyLowCard},
    {{39}, &UpFromAceNoCourt},
    {{40}, &ByCallCounter},
    {{41}, &BaseOfSuitGroupThenPlusTwo},
    {{42}, &UpSameSuitKingAfterPartner},
    {{43}, &PlusTwoSameSuit},
    {{44}, &UpFromAceNoKing},
    {{45}, &KingThenDown},
    {{46, 49, 51}, &UpFromBaseBesideTableau},
    {{47, 50, 52}, &DownFromBaseBesideTableau},
    {{48}, &QueenThenAnyOther},
    {{53}, &UpAfterFirstFoundation},
    {{54}, &DownOrBaseNotFromPiles},
    {{55}, &UpSameColourWasteLast},
    {{56}, &SameRankFromLaterTableau},
    {{60}, &EitherWayTurnAtEndsSameSuit},
    {{61}, &StepTwoSameSuitWrapping},
    {{70}, &FromGridNeighbour},
    {{71}, &JumpOverRowNeighbour},
    {{72, 75}, &JokerFoundation},
    {{73}, &RankIsPileNumber},
    {{76}, &LowerOntoTableau},
    {{77}, &FourOfEachRank},
    {{78}, &UpSameSuitAnyAceOnKing},
    {{79}, &UpWithOwnReserveLast},
    {{80}, &SuitEitherWayToTableau},
    {{81}, &SuitEitherWayToReserve},
    {{82}, &SuitGroupAfterStock},
    {{83}, &DownStoppingAtOwnRank},
    {{86}, &UpInSuitCycle},
    {{87}, &DownInSuitCycle},
    {{91}, &LearntStep},
    {{92}, &AceOnly},
    {{93}, &BaseGridByThree},
    {{94}, &DownAlternatingFromWasteLast},
    {{95}, &UpSameSuitWrapping},
    {{96}, &SuitGroupThenSameSuit},
};

// The rows spread out by code, so a check costs one index.
constexpr auto kHandlerByCode = [] {
    std::array<RuleHandler, kHighestRuleCode + 1> byCode{};
    for (const RuleRow& row : kRuleRows) {
        for (const int code : row.codes) {
            if (code > kLastGeneralRuleCode && code <= kHighestRuleCode) {
                byCode[static_cast<std::size_t>(code)] = row.handler;
            }
        }
    }
    return byCode;
}();

}  // namespace

RuleHandler FindRuleHandler(int rule) {
    if (rule <= kLastGeneralRuleCode || rule > kHighestRuleCode) return nullptr;
    return kHandlerByCode[static_cast<std::size_t>(rule)];
}

}  // namespace engine
