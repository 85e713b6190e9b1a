#include "table/mouse/ordinary_press.h"

#include <optional>
#include <string>
#include <string_view>

#include "engine/play/action_executor.h"
#include "engine/model/card_codes.h"
#include "engine/play/face_up.h"
#include "engine/state/game.h"
#include "engine/play/pairing.h"
#include "engine/play/press_rules.h"
#include "engine/rules/pile_sequences.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/rules/rule_checker.h"
#include "engine/base/system_utils.h"
#include "engine/undo/undo_move_group.h"
#include "table/draw/card_drawing.h"
#include "table/mouse/card_lift.h"
#include "table/draw/drag_image.h"
#include "table/draw/draw_context.h"
#include "table/layout/table_layout.h"
#include "table/mouse/stock_press.h"

namespace table {

namespace {

namespace words = engine::words;
using engine::PileListId;

// Game kinds with their own tableau press.
constexpr int kKindNoTableauA = 32;      // the right button does nothing more on the tableau
constexpr int kKindNoTableauB = 46;
constexpr int kKindsTableauUntouched[] = {36, 37, 39, 40};

// ReserveFanMode: fanned reserves whose face-up cards a right press shows in full.
constexpr int kReserveFanDown = 1;
constexpr int kReserveFanRight = 2;

constexpr unsigned kDefaultBeep = 0;
constexpr std::string_view kYes = "Y";

int Kind(const engine::Game& game) { return game.gameDef[words::kGameKind]; }

bool IsFaceUp(engine::Game& game, int card) { return !game.Cards().IsFaceDown(card); }

void Beep(engine::Game& game) {
    if (game.services.messages != nullptr) engine::SystemBeep(*game.services.messages, kDefaultBeep);
}

void LiftAlone(MouseParts& parts, const TablePress& press, bool fannedReserve = false) {
    LiftCards(parts, press, {press.hit.card, press.hit.rect, true, fannedReserve});
}

// The card is drawn in full on the window only, until the release.
void Reveal(MouseParts& parts, const TablePress& press, int pileIndex) {
    const engine::TableRect& r = press.hit.rect;
    DrawCardFace(parts.context, press.hit.card, r.left, r.top, false, parts.context.Window(), pileIndex);
    parts.revealed = {r.left, r.top};
}

// The card and every card above it, down to the pile's lower edge.
void LiftStack(MouseParts& parts, const TablePress& press, int pileIndex) {
    TableLayout& geometry = parts.context.geometry;
    LiftedCards lift{press.hit.card, press.hit.rect, false, false};
    const std::string pile = engine::PileName({PileListId::kFila, pileIndex}, engine::PileNumberForm::kNoLeadingZero);
    lift.rect.bottom = geometry.PileBottomY(pile);
    geometry.SetDragHeight(lift.rect.bottom - lift.rect.top);
    SizeDragBitmap(parts.context, geometry.DragHeight());
    LiftCards(parts, press, lift);
}

// The common tableau press: lift a card or a stack, turn a face-down top, or show in full.
void PressTableauCard(MouseParts& parts, const TablePress& press, int pileIndex) {
    engine::Game& game = parts.game;
    const int card = press.hit.card;
    switch (engine::TableauCardPress(game, card, pileIndex, press.Left())) {
    case engine::TableauPress::kTurnUp:
        engine::TurnCardFaceUp(game, card, press.hit.rect.left, press.hit.rect.top, pileIndex);
        return;
    case engine::TableauPress::kLiftCard:
        LiftAlone(parts, press);
        return;
    case engine::TableauPress::kLiftStack:
        LiftStack(parts, press, pileIndex);
        return;
    case engine::TableauPress::kNothing:
        break;
    }
    const bool showHidden = game.settings.GetField(engine::fields::kShowPartialHiddenCard.position,
                                                   engine::fields::kShowPartialHiddenCard.width) == kYes;
    if (press.Right() && IsFaceUp(game, card) && showHidden) Reveal(parts, press, pileIndex);
}

bool IsUntouchedKind(int kind) {
    for (const int k : kKindsTableauUntouched) {
        if (k == kind) return true;
    }
    return false;
}

// The tests of a press on a tableau card. False when the press stops here.
bool PressTableau(MouseParts& parts, const TablePress& press, int pileIndex) {
    engine::Game& game = parts.game;
    const int kind = Kind(game);
    if (engine::PlaysOntoDiscard(kind) && press.Left()) {
        switch (engine::PressOntoDiscard(game, press.hit.card, pileIndex)) {
        case engine::DiscardPress::kPlays:
            LiftAlone(parts, press);
            return true;
        case engine::DiscardPress::kRefused:
            Beep(game);
            return false;
        case engine::DiscardPress::kIgnored:
            return false;
        }
    }
    if ((kind == engine::pairing_kind::kPairsOf14 || kind == engine::pairing_kind::kPairsOf13) && press.Left()) {
        if (engine::IsPairingSelectable(game, press.hit.card))
            engine::SelectPairingCard(game, press.hit.card, press.hit.rect);
        return false;
    }
    if (kind == engine::pairing_kind::kHighlightOnly) {
        engine::SelectPairingCard(game, press.hit.card, press.hit.rect);
        return false;
    }
    const bool rightInNoTableauKind = (kind == kKindNoTableauA || kind == kKindNoTableauB) && press.Right();
    if (rightInNoTableauKind || IsUntouchedKind(kind)) return true;
    PressTableauCard(parts, press, pileIndex);
    return true;
}

// Right and middle presses: a fanned reserve's face-up card is shown in full too; a
// press that shows nothing beeps.
void RevealStep(MouseParts& parts, const TablePress& press) {
    engine::Game& game = parts.game;
    const std::optional<engine::PileRef> pile = engine::ParsePileName(press.hit.name);
    const int fan = game.gameDef[words::kReserveFanMode];
    if (press.Right() && pile && pile->list == PileListId::kAppogg && press.hit.card >= engine::kFirstCard &&
        IsFaceUp(game, press.hit.card) && (fan == kReserveFanDown || fan == kReserveFanRight))
        Reveal(parts, press, pile->line);
    if (!parts.revealed.IsShown()) Beep(game);
}

void PressWaste(MouseParts& parts, const TablePress& press) {
    engine::Game& game = parts.game;
    const engine::GameDefRecord& def = game.gameDef;
    if (engine::MayLiftFromWaste(game, press.hit.card)) {
        if (Kind(game) == engine::pairing_kind::kPairsOf13)
            engine::SelectPairingCard(game, press.hit.card, press.hit.rect);
        else
            LiftAlone(parts, press);
        return;
    }
    const engine::PileStore& piles = game.Piles();
    if (def[words::kRedeals] > 0 && piles.Pile(PileListId::kMazzo, engine::kStockLine).empty() &&
        piles.Pile(PileListId::kMazzo, engine::kWasteLine).empty()) {
        engine::UndoMoveGroup group(game.undo);
        engine::ExecuteAction(game, engine::kNoCard, "Mazzo_Redeal");
    }
}

void PressFoundation(MouseParts& parts, const TablePress& press, int index) {
    if (engine::MayLiftFromFoundation(parts.game, index, press.hit.card)) LiftAlone(parts, press);
}

void PressReserve(MouseParts& parts, const TablePress& press) {
    switch (engine::LeftReservePress(parts.game, press.hit.card)) {
    case engine::ReservePress::kLiftTop:
        LiftAlone(parts, press);
        break;
    case engine::ReservePress::kLiftFromFan:
        LiftAlone(parts, press, true);
        break;
    case engine::ReservePress::kNothing:
        break;
    }
}

// Left presses act on the pile under the point.
void PileStep(MouseParts& parts, const TablePress& press) {
    const std::string& name = press.hit.name;
    if (name == engine::kStockName) {
        StockPress(parts.game, press);
        return;
    }
    if (name == engine::kWasteName) {
        PressWaste(parts, press);
        return;
    }
    const std::optional<engine::PileRef> pile = engine::ParsePileName(name);
    if (!pile) return;
    if (pile->list == PileListId::kDest) PressFoundation(parts, press, pile->line);
    if (pile->list == PileListId::kAppogg) PressReserve(parts, press);
}

}  // namespace

void OrdinaryPress(MouseParts& parts, const TablePress& press) {
    const std::optional<engine::PileRef> pile = engine::ParsePileName(press.hit.name);
    if (press.hit.card != engine::kNoCard && pile && pile->list == PileListId::kFila) {
        if (!PressTableau(parts, press, pile->line)) return;
    }
    if (press.Left())
        PileStep(parts, press);
    else
        RevealStep(parts, press);
}

}  // namespace table
