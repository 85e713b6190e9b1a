#include <optional>

#include "engine/play/autoplay.h"
#include "engine/model/card_codes.h"
#include "engine/play/card_move_support.h"
#include "engine/play/card_moves.h"
#include "engine/state/game.h"
#include "engine/play/end_game.h"
#include "engine/rules/pile_sequences.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/undo/undo_move_group.h"

// The click moves: a right click or a double click sends a card where the options allow.
namespace engine {

namespace {

// FoundationTakeBack: a foundation card may be taken back always, or while another lies under it.
constexpr int kTakeBackAlways = 1;
constexpr int kTakeBackAboveOther = 2;
// ReserveFanning: every card of a fanned reserve may be taken.
constexpr int kReserveFannedOpen = -11;
// ClickToMove: a click sends the card to foundations and tableau alike.
constexpr int kClickSendsEverywhere = 1;

// Which cards a click may send, and whether the stack above goes with the card.
struct Sendable {
    bool allowed = false;
    bool single = true;
};

bool IsTopOf(const std::string& pile, int card) {
    return PileCardCount(pile) > 0 && PileTopCard(pile) == card;
}

Sendable TableauCard(Game& game, int card, int pileIndex, const std::string& pile, bool allowStacks) {
    if (game.gameDef[words::kSequenceLimit] == 0 || FindPileCard(pile, card) < 0) return {};
    if (IsTopOf(pile, card)) return {game.board.cards.FaceFlag(card) == kFaceUp, true};
    // A deeper card goes only with the cards above it, never pulled out from under them,
    // and only as a stack that could be dragged.
    if (!allowStacks) return {};
    const RuleContext rules = game.Rules();
    const bool stack = IsValidSequence(rules, card, pileIndex) && CanMoveSequence(rules, game.mainGame, card, false);
    return {stack, false};
}

Sendable WhatMayBeSent(Game& game, std::string_view pileName, int card, bool allowStacks) {
    const std::optional<PileRef> pile = ParsePileName(pileName);
    if (!pile || card < kFirstCard) return {};
    const std::string& text = game.board.piles.Pile(*pile);
    switch (PileKindOf(*pile)) {
    case pile_kind::kFoundation: {
        const int takeBack = game.gameDef[words::kFoundationTakeBack];
        const bool allowed =
            takeBack == kTakeBackAlways || (takeBack == kTakeBackAboveOther && PileCardCount(text) > 1);
        return {allowed && IsTopOf(text, card), true};
    }
    case pile_kind::kWaste:
        return {IsTopOf(text, card), true};
    case pile_kind::kTableau:
        if (pile->line >= moves::PileCount(game, pile_kind::kTableau)) return {};
        return TableauCard(game, card, pile->line, text, allowStacks);
    case pile_kind::kReserve: {
        if (pile->line >= moves::PileCount(game, pile_kind::kReserve)) return {};
        const bool open = game.gameDef[words::kReserveFanning] == kReserveFannedOpen;
        const bool faceUpTop = IsTopOf(text, card) && game.board.cards.FaceFlag(card) == kFaceUp;
        return {faceUpTop || (open && FindPileCard(text, card) >= 0), true};
    }
    default:
        return {};
    }
}

bool AnyOptionOn(const Game& game, fields::Field foundations, fields::Field tableaus) {
    return moves::SettingIs(game, foundations, moves::kYes) || moves::SettingIs(game, tableaus, moves::kYes);
}

}  // namespace

void ClickMove(Game& game, bool doubleClick, bool rightClick, bool allowStacks, std::string_view pileName,
               int card, const TableRect& rect) {
    if (card >= kFirstCard && game.board.cards.IsFaceDown(card)) return;
    const Sendable sendable = WhatMayBeSent(game, pileName, card, allowStacks);
    if (doubleClick) game.registers.SetFlag(flag::kSecondClickPending, 1);

    if (sendable.allowed) {
        bool toFoundations = false;
        bool toTableaus = false;
        if (doubleClick) {
            toFoundations = moves::SettingIs(game, fields::kDoubleClickToFoundations, moves::kYes);
            toTableaus = moves::SettingIs(game, fields::kDoubleClickToTableaus, moves::kYes);
        } else if (rightClick) {
            toFoundations = moves::SettingIs(game, fields::kRightClickToFoundations, moves::kYes);
            toTableaus = moves::SettingIs(game, fields::kRightClickToTableaus, moves::kYes);
        }
        if (game.gameDef[words::kClickToMove] == kClickSendsEverywhere) toFoundations = toTableaus = true;
        if (toFoundations || toTableaus) {
            // The move and the automatic moves it sets off are one undo step.
            UndoMoveGroup group(game.undo);
            if (AutoMoveCard(game, card, rect.left, rect.top, sendable.single, false, toTableaus, toFoundations,
                             toFoundations, rect.bottom, rect.right))
                FollowUpMoves(game);
        }
    }
    if (game.registers.GetFlag(flag::kGameWon) != 0) EndGame(game);
}

void RightClickMove(Game& game, std::string_view pileName, int card, const TableRect& rect) {
    if (AnyOptionOn(game, fields::kRightClickToFoundations, fields::kRightClickToTableaus))
        ClickMove(game, false, true, true, pileName, card, rect);
}

void DoubleClickMove(Game& game, bool doubleClick, bool allowStacks) {
    const IGeometry* geometry = moves::Geometry(game);
    if (geometry == nullptr) return;
    const PileHit hit = geometry->PileAtPoint(game.mainGame.PressPoint.x, game.mainGame.PressPoint.y);
    if (hit.name == kStockName) {
        game.registers.SetFlag(flag::kSecondClickPending, 0);
        return;
    }
    if (AnyOptionOn(game, fields::kDoubleClickToFoundations, fields::kDoubleClickToTableaus))
        ClickMove(game, doubleClick, false, allowStacks, hit.name, hit.card, hit.rect);
}

}  // namespace engine
