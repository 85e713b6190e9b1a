#pragma once

#include "engine/rules/rule_codes.h"

// The rows of the rule table (rule_codes.cpp binds each to its codes). T is the target's
// top card, C the card to place, i the pile index.
namespace engine::rules {

// rule_rows_rank.cpp: rows that look only at the two cards.
Verdict Refuse(const RuleContext&, const PlaceQuery&);                 // 4, 5
Verdict General(const RuleContext&, const PlaceQuery&);                // 8, 13
Verdict Accept(const RuleContext&, const PlaceQuery&);                 // 12
Verdict NoQueenOnKingOrJack(const RuleContext&, const PlaceQuery&);    // 11
Verdict StepAnySuit(const RuleContext&, const PlaceQuery&);            // 14, 15, 16
Verdict UpAnySuitAceOnKing(const RuleContext&, const PlaceQuery&);     // 20
Verdict OtherSuitThenGeneral(const RuleContext&, const PlaceQuery&);   // 21
Verdict SuitNoKingQueenMeeting(const RuleContext&, const PlaceQuery&); // 24
Verdict StepTwoSameSuit(const RuleContext&, const PlaceQuery&);        // 25
Verdict EitherWayTurnAtEnds(const RuleContext&, const PlaceQuery&);    // 28
Verdict DownSameSuitNotOnAce(const RuleContext&, const PlaceQuery&);   // 31
Verdict UpSameSuitNotOnKing(const RuleContext&, const PlaceQuery&);    // 32
Verdict DownAnySuit(const RuleContext&, const PlaceQuery&);            // 34
Verdict EitherWayWrapping(const RuleContext&, const PlaceQuery&);      // 35
Verdict UpFromAceNoCourt(const RuleContext&, const PlaceQuery&);       // 39
Verdict PlusTwoSameSuit(const RuleContext&, const PlaceQuery&);        // 43
Verdict UpFromAceNoKing(const RuleContext&, const PlaceQuery&);        // 44
Verdict EitherWayTurnAtEndsSameSuit(const RuleContext&, const PlaceQuery&);  // 60
Verdict StepTwoSameSuitWrapping(const RuleContext&, const PlaceQuery&);      // 61
Verdict RankIsPileNumber(const RuleContext&, const PlaceQuery&);       // 73
Verdict UpInSuitCycle(const RuleContext&, const PlaceQuery&);          // 86
Verdict DownInSuitCycle(const RuleContext&, const PlaceQuery&);        // 87
Verdict AceOnly(const RuleContext&, const PlaceQuery&);                // 92

// rule_rows_source.cpp: rows that ask where C comes from.
Verdict EmptyPileFromEmptyStock(const RuleContext&, const PlaceQuery&);      // 7
Verdict NotFromTableau(const RuleContext&, const PlaceQuery&);               // 17
Verdict FromTableauOnlyToEmptyPile(const RuleContext&, const PlaceQuery&);   // 18
Verdict NotFromTableauOrReserve(const RuleContext&, const PlaceQuery&);      // 19
Verdict AlternatingNotFromFoundationOrReserve(const RuleContext&, const PlaceQuery&);  // 27
Verdict OntoSmallPileNotFromTableau(const RuleContext&, const PlaceQuery&);  // 33
Verdict DownOrBaseNotFromPiles(const RuleContext&, const PlaceQuery&);       // 54
Verdict SameRankFromLaterTableau(const RuleContext&, const PlaceQuery&);     // 56
Verdict FromGridNeighbour(const RuleContext&, const PlaceQuery&);            // 70
Verdict JumpOverRowNeighbour(const RuleContext&, const PlaceQuery&);         // 71
Verdict UpWithOwnReserveLast(const RuleContext&, const PlaceQuery&);         // 79
Verdict SuitEitherWayToTableau(const RuleContext&, const PlaceQuery&);       // 80
Verdict SuitEitherWayToReserve(const RuleContext&, const PlaceQuery&);       // 81
Verdict DownAlternatingFromWasteLast(const RuleContext&, const PlaceQuery&); // 94

// rule_rows_piles.cpp: rows that look at other piles of the board.
Verdict UpSameSuitWasteEmpty(const RuleContext&, const PlaceQuery&);         // 23
Verdict EitherWayOntoShortPile(const RuleContext&, const PlaceQuery&);       // 26
Verdict ColourStartThenUpTurnDown(const RuleContext&, const PlaceQuery&);    // 29
Verdict SuitFollowingPileDirection(const RuleContext&, const PlaceQuery&);   // 30
Verdict DownAfterPreviousFoundation(const RuleContext&, const PlaceQuery&);  // 36
Verdict DoublingRank(const RuleContext&, const PlaceQuery&);                 // 37
Verdict KingThenAnyLowCard(const RuleContext&, const PlaceQuery&);           // 38
Verdict ByCallCounter(const RuleContext&, const PlaceQuery&);                // 40
Verdict BaseOfSuitGroupThenPlusTwo(const RuleContext&, const PlaceQuery&);   // 41
Verdict UpSameSuitKingAfterPartner(const RuleContext&, const PlaceQuery&);   // 42
Verdict KingThenDown(const RuleContext&, const PlaceQuery&);                 // 45
Verdict UpFromBaseBesideTableau(const RuleContext&, const PlaceQuery&);      // 46, 49, 51
Verdict DownFromBaseBesideTableau(const RuleContext&, const PlaceQuery&);    // 47, 50, 52
Verdict QueenThenAnyOther(const RuleContext&, const PlaceQuery&);            // 48
Verdict UpAfterFirstFoundation(const RuleContext&, const PlaceQuery&);       // 53
Verdict UpSameColourWasteLast(const RuleContext&, const PlaceQuery&);        // 55
Verdict LowerOntoTableau(const RuleContext&, const PlaceQuery&);             // 76
Verdict FourOfEachRank(const RuleContext&, const PlaceQuery&);               // 77
Verdict UpSameSuitAnyAceOnKing(const RuleContext&, const PlaceQuery&);       // 78
Verdict SuitGroupAfterStock(const RuleContext&, const PlaceQuery&);          // 82
Verdict DownStoppingAtOwnRank(const RuleContext&, const PlaceQuery&);        // 83
Verdict UpSameSuitWrapping(const RuleContext&, const PlaceQuery&);           // 95
Verdict SuitGroupThenSameSuit(const RuleContext&, const PlaceQuery&);        // 96

// rule_rows_special.cpp: the longer rows.
Verdict JokerFoundation(const RuleContext&, const PlaceQuery&);              // 72, 75
Verdict LearntStep(const RuleContext&, const PlaceQuery&);                   // 91
Verdict BaseGridByThree(const RuleContext&, const PlaceQuery&);              // 93

}  // namespace engine::rules
