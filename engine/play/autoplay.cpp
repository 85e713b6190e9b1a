#include "engine/play/autoplay.h"

#include <string>

#include "engine/model/card_codes.h"
#include "engine/play/card_move_support.h"
#include "engine/play/card_moves.h"
#include "engine/play/face_up.h"
#include "engine/state/game.h"
#include "engine/play/end_game.h"
#include "engine/base/text_utils.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/ports/shell_port.h"
#include "engine/play/tableau_fill.h"
#include "engine/undo/undo_move_group.h"
#include "platform/core/messages.h"

namespace engine {

namespace {

// AutoTurnFaceUp: face-down tableau tops are turned up by the tableau pass.
constexpr int kTurnUpDuringAutoplay = 1;
// Each cycle that is not idle puts a card on a foundation, so a run has at most this many;
// the bound only guards against a move that reports success and changes nothing.
constexpr int kMaxCycles = kCardCount + 1;

bool StopRequested(const Game& game) {
    return game.registers.GetFlag(flag::kStopAutoplay) != 0;
}

// The card's place on the table, or, where no press could reach it, its pile's top place.
TableRect PlaceOf(Game& game, const IGeometry& geometry, int card, int kind, int index) {
    TableRect rect;
    if (geometry.FindCardPosition(card, rect)) return rect;
    return moves::TopCardPlace(game, geometry, kind, index).value_or(TableRect{});
}

// The top card of one pile offered to the foundations alone.
bool SendUp(Game& game, int card, const TableRect& place) {
    return AutoMoveCard(game, card, place.left, place.top, true, true, false, false, true, place.bottom, place.right);
}

bool SendTopUp(Game& game, PileListId list, int line, int kind, int index) {
    const IGeometry* geometry = moves::Geometry(game);
    const int card = PileTopCard(game.board.piles.Pile(list, line));
    if (geometry == nullptr || card < kFirstCard) return false;
    return SendUp(game, card, PlaceOf(game, *geometry, card, kind, index));
}

// Cycles of the passes until one moves nothing or the run is told to stop: the reserves
// emptied first, then one waste card, then the tableau. Ends nothing.
bool RunCycles(Game& game) {
    const bool once = moves::PileCount(game, pile_kind::kReserve) >= 1;
    game.registers.SetFlag(flag::kStopAutoplay, 0);
    bool result = false;
    bool stop = false;
    for (int cycle = 0; cycle < kMaxCycles; ++cycle) {
        bool idle = true;
        bool reservesMoved = true;
        while (reservesMoved && !stop) reservesMoved = AutoPlayReserves(game, idle, stop, false);
        if (stop) break;
        AutoPlayWaste(game, idle, stop);
        if (stop) break;
        AutoPlayTableau(game, idle, stop, once);
        if (stop || idle) break;
        result = true;
    }
    return result;
}

bool MayRun(const Game& game) {
    return IsAutoPlayActive(game) && game.registers.GetFlag(flag::kGameInProgress) != 0;
}

}  // namespace

bool IsAutoPlayActive(const Game& game) {
    const IShellPort* shell = game.services.shellPort;
    return shell != nullptr && shell->IsCommandDown(ShellCommand::kAutoPlay) &&
           shell->IsCommandEnabled(ShellCommand::kAutoPlay);
}

bool AutoPlayToFoundations(Game& game, bool ask) {
    if (!MayRun(game)) return false;
    if (ask && (game.services.messages == nullptr ||
                !game.services.messages->Confirm(std::string(kCompleteQuestion), std::string(kProductName))))
        return false;

    UndoMoveGroup group(game.undo);
    const bool result = RunCycles(game);
    group.Close();
    if (game.registers.GetFlag(flag::kGameWon) != 0) EndGame(game);
    game.registers.SetFlag(flag::kStopAutoplay, 0);
    return result;
}

bool AutoPlayReserves(Game& game, bool& idle, bool& stop, bool once) {
    bool moved = false;
    for (int r = 0; r < moves::PileCount(game, pile_kind::kReserve); ++r) {
        const bool thisMoved = SendTopUp(game, PileListId::kAppogg, r, pile_kind::kReserve, r);
        if (thisMoved) {
            idle = false;
            moved = true;
        }
        if (StopRequested(game)) {
            stop = true;
            break;
        }
        if (thisMoved && once) break;
    }
    return moved;
}

bool AutoPlayWaste(Game& game, bool& idle, bool& stop) {
    const bool takesPart = game.gameDef[words::kWasteFaceDown] == 0;
    const bool moved = takesPart && SendTopUp(game, PileListId::kMazzo, kWasteLine, pile_kind::kWaste, 0);
    if (moved) idle = false;
    if (StopRequested(game)) stop = true;
    return moved;
}

bool AutoPlayTableau(Game& game, bool& idle, bool& stop, bool once) {
    const IGeometry* geometry = moves::Geometry(game);
    if (geometry == nullptr) return false;
    const bool turnUp = !moves::SettingIs(game, fields::kAutomaticFaceUp, moves::kNo) &&
                        game.gameDef[words::kAutoTurnFaceUp] == kTurnUpDuringAutoplay;
    bool moved = false;
    for (int t = 0; t < moves::PileCount(game, pile_kind::kTableau); ++t) {
        const int card = PileTopCard(game.board.piles.Pile(PileListId::kFila, t));
        bool thisMoved = false;
        if (card >= kFirstCard) {
            const TableRect place = PlaceOf(game, *geometry, card, pile_kind::kTableau, t);
            if (turnUp && game.board.cards.IsFaceDown(card)) {
                // The turn belongs to the autoplay: the step it pushed goes again.
                const int steps = game.undo.UndoStepCount();
                TurnCardFaceUp(game, card, place.left, place.top, t);
                game.undo.DeleteStepsSince(steps);
            }
            thisMoved = SendUp(game, card, place);
        }
        if (thisMoved) {
            idle = false;
            moved = true;
        }
        if (StopRequested(game)) {
            stop = true;
            break;
        }
        if (thisMoved && once) break;
    }
    return moved;
}

bool FollowUpMoves(Game& game) {
    AutoFillTableau(game);
    if (!MayRun(game)) return false;
    bool result = false;
    for (int cycle = 0; cycle < kMaxCycles && RunCycles(game); ++cycle) {
        result = true;
        AutoFillTableau(game);
    }
    game.registers.SetFlag(flag::kStopAutoplay, 0);
    return result;
}

}  // namespace engine
