#include "engine/play/press_rules.h"

#include <string>

#include "engine/model/card_codes.h"
#include "engine/model/pile_text.h"
#include "engine/play/pairing.h"
#include "engine/rules/pile_sequences.h"
#include "engine/rules/rule_checker.h"
#include "engine/state/game.h"

namespace engine {

namespace {

// Game kinds whose tableau presses play onto the third stock-row pile.
constexpr int kKindPlayUpDown = 2;       // no King-Ace wrap
constexpr int kKindPlayNeighbour = 12;   // one rank up or down, King and Ace touching
constexpr int kKindPlayUpDownWrap = 15;  // as 2, King and Ace touching

// The pairing test of kinds 2 and 15 (the click-to-pair row of the rule checker): base and
// start -1, building up, rule 2, no foundation, no past start, no stock test.
constexpr int kPairAnyBase = -1;
constexpr int kPairAnyStart = -1;
constexpr int kPairDirection = 1;
constexpr int kPairRule = 2;

// TableauFanMode: the special row modes lift single cards from anywhere.
constexpr int kFanRowMode = 8;
constexpr int kFanRowModeReverse = 9;
// ReserveFanning: reserve cards are never lifted, or any card of a fanned reserve is.
constexpr int kReserveNeverLifted = -14;
constexpr int kReserveFannedOpen = -11;
// FoundationTakeBack: any card, from two cards up, or jokers.
constexpr int kTakeBackAny = 1;
constexpr int kTakeBackFromTwo = 2;
constexpr int kTakeBackJokers = 3;

bool IsFaceUp(const Game& game, int card) { return !game.board.cards.IsFaceDown(card); }

int ThirdPileTop(const Game& game) {
    return PileTopCard(game.board.piles.Pile(PileListId::kMazzo, kThirdStockLine));
}

bool IsKingOnAce(int a, int b) { return CardRank(a) == kKing && CardRank(b) == kAce; }

}  // namespace

bool IsTableauPileOpen(const GameDefRecord& game, int pileIndex) {
    const int openRowStart = game[words::kOpenRowStart];
    return openRowStart <= 0 || pileIndex + 1 >= openRowStart * game[words::kOpenRowStartFactor];
}

TableauPress TableauCardPress(Game& game, int card, int pileIndex, bool left) {
    const GameDefRecord& def = game.gameDef;
    const int fan = def[words::kTableauFanMode];
    if (fan == kFanRowMode || fan == kFanRowModeReverse) return TableauPress::kLiftCard;
    if (!left || !IsTableauPileOpen(def, pileIndex)) return TableauPress::kNothing;
    const RuleContext rules = game.Rules();
    if (IsTopCard(rules, card)) {
        if (!IsFaceUp(game, card)) return TableauPress::kTurnUp;
        return CanMoveSequence(rules, game.mainGame, card, false) ? TableauPress::kLiftCard : TableauPress::kNothing;
    }
    const bool movable = IsFaceUp(game, card) && IsValidSequence(rules, card, pileIndex) &&
                         CanMoveSequence(rules, game.mainGame, card, false);
    return movable ? TableauPress::kLiftStack : TableauPress::kNothing;
}

bool PlaysOntoDiscard(int kind) {
    return kind == kKindPlayUpDown || kind == kKindPlayNeighbour || kind == kKindPlayUpDownWrap;
}

DiscardPress PressOntoDiscard(const Game& game, int card, int pileIndex) {
    const int kind = game.gameDef[words::kGameKind];
    const RuleContext rules = game.Rules();
    const int third = ThirdPileTop(game);
    if (kind == kKindPlayNeighbour) {
        const int rank = CardRank(card);
        const int thirdRank = CardRank(third);
        const bool neighbour = rank == NextRank(thirdRank) || rank == PrevRank(thirdRank);
        return IsTopCard(rules, card) && neighbour ? DiscardPress::kPlays : DiscardPress::kRefused;
    }
    if (!IsTopCard(rules, card)) return DiscardPress::kIgnored;
    if (IsKingOnAce(card, third) || IsKingOnAce(third, card))
        return kind == kKindPlayUpDown ? DiscardPress::kRefused : DiscardPress::kPlays;
    const auto pairs = [&](int top, int placed) {
        return CanPlaceCard(rules, top, placed, kPairAnyBase, kPairAnyStart, kPairDirection, kPairRule, false, false,
                            pileIndex, false);
    };
    return pairs(card, third) || pairs(third, card) ? DiscardPress::kPlays : DiscardPress::kRefused;
}

bool IsPairingSelectable(Game& game, int card) {
    return game.gameDef[words::kGameKind] == pairing_kind::kPairsOf14 ? IsTopCard(game.Rules(), card)
                                                                       : IsCardUncovered(game, card);
}

bool MayLiftFromFoundation(const Game& game, int foundationIndex, int card) {
    if (card < kFirstCard) return false;
    const int takeBack = game.gameDef[words::kFoundationTakeBack];
    const std::string& pile = game.board.piles.Pile(PileListId::kDest, foundationIndex);
    return takeBack == kTakeBackAny || (takeBack == kTakeBackFromTwo && PileCardCount(pile) >= 2) ||
           (takeBack == kTakeBackJokers && IsJoker(card));
}

ReservePress LeftReservePress(const Game& game, int card) {
    const int fanning = game.gameDef[words::kReserveFanning];
    if (fanning == kReserveNeverLifted || card < kFirstCard) return ReservePress::kNothing;
    if (IsTopCard(game.Rules(), card)) return IsFaceUp(game, card) ? ReservePress::kLiftTop : ReservePress::kNothing;
    return fanning == kReserveFannedOpen ? ReservePress::kLiftFromFan : ReservePress::kNothing;
}

bool MayLiftFromWaste(const Game& game, int card) {
    return card >= kFirstCard && game.gameDef[words::kWasteFaceDown] == 0;
}

}  // namespace engine
