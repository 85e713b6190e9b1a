#include "engine/play/action_executor.h"

#include <optional>
#include <string>

#include "engine/play/action_selection.h"
#include "engine/play/action_single_card.h"
#include "engine/play/action_stock.h"
#include "engine/play/action_stock_deals.h"
#include "engine/play/action_support.h"
#include "engine/play/action_tableau.h"
#include "engine/play/face_up.h"
#include "engine/play/first_action.h"
#include "engine/state/game.h"
#include "engine/model/pile_text.h"
#include "engine/rules/score_display.h"
#include "engine/ports/shell_port.h"
#include "engine/undo/undo_move_group.h"

namespace engine {

namespace {

constexpr std::string_view kStockPrefix = "Mazzo";
constexpr std::string_view kFillTableaus = "Fill_Tableaus";
// Where the pile number stands (1-based) after "Fila".
constexpr std::size_t kFilaNumberPosition = 5;
// ActionCount stops counting here: only the first action and the one after it matter.
constexpr int kActionsCounted = 2;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The pile an action names: the number after its prefix, within the list's lines.
std::optional<int> TargetIndex(std::string_view action, std::size_t position, PileListId list) {
    const std::optional<int> number = action::PileNumberAt(action, position);
    if (!number.has_value() || *number > PileLineCount(list)) return std::nullopt;
    return *number - 1;
}

bool IsStockEmptyWithBareWaste(const Game& game) {
    return action::StockLine(game).empty() && PileCardCount(action::WasteLine(game)) <= 1;
}

bool IsAutoplayButtonDown(const Game& game) {
    const IShellPort* shell = game.services.shellPort;
    return shell != nullptr && shell->IsCommandDown(ShellCommand::kAutoPlay) &&
           shell->IsCommandEnabled(ShellCommand::kAutoPlay);
}

// Games whose first action must take a tableau card to a foundation.
bool PassesFirstActionGate(Game& game, int card, std::string_view action) {
    if (game.gameDef[words::kFoundationsOnlyMoves] == 0 || game.mainGame.ActionCount != 0) return true;
    MoveKinds kinds{pile_kind::kNoTarget, pile_kind::kNoTarget, pile_kind::kNoTarget, pile_kind::kNoTarget};
    return RestrictToFoundations(game, card, action, kinds);
}

// The branch the action names; false when it names none (or a pile there is not).
bool RunBranch(ActionRun& run) {
    const std::string_view a = run.action;
    if (StartsWith(a, kStockPrefix)) {
        RunStockAction(run);
        return true;
    }
    if (StartsWith(a, kFilaPrefix)) {
        const auto index = TargetIndex(a, kFilaNumberPosition, PileListId::kFila);
        if (!index.has_value()) return false;
        MoveCardsToTableau(run, *index);
        return true;
    }
    if (RunSingleCardAction(run)) return true;
    if (IsStockToPilesAction(a)) return DealStockToPiles(run);
    if (a == "Selezionate_Dest") {
        RemoveSelectedCards(run);
        return true;
    }
    if (a == "Selezionate_Fila") {
        FillEmptyTableausFromStock(run);
        return true;
    }
    if (a == "Stock_To_Pile_Monte_Carlo") {
        CloseTableauGaps(run);
        return true;
    }
    return false;
}

// The actions that take a given card refuse one that lies on no pile: it would be added
// to the target while no pile gives it up.
bool TakesGivenCard(std::string_view action) {
    return StartsWith(action, kDestPrefix) || StartsWith(action, kFilaPrefix) || StartsWith(action, kAppoggPrefix) ||
           action == "Waste" || action == "Stock02";
}

bool IsSelectionRemoval(std::string_view action) {
    return action == "Selezionate_Dest";
}

// What follows every action, whether it matched a branch or not: the empty-stock mark,
// the score, the uncovered cards turned up, the redo store emptied, the action counted.
void CloseAction(ActionRun& run, bool stockWasBare) {
    Game& game = run.game;
    if (!stockWasBare && IsStockEmptyWithBareWaste(game)) {
        if (ITableView* view = action::View(game)) {
            const action::Place stock = action::StockPlace(game, kStockLine);
            view->DrawEmptyPileMarker(action::kStockMark, stock.x, stock.y, TableSurface::kWindow, action::kNoPileIndex);
            view->DrawEmptyPileMarker(action::kStockMark, stock.x, stock.y, TableSurface::kBuffer, action::kNoPileIndex);
        }
    }
    const int kind = action::GameKind(game);
    if (run.moved && kind != action::kind::kNoScore) {
        StatusContext status = game.Status();
        ComputeScore(status);
    }
    const bool selectionTurnsUp = IsSelectionRemoval(run.action) &&
                                  (kind == action::kind::kFaceUpAfterSelection25 || kind == action::kind::kFaceUpAfterSelection26);
    if ((run.leftTableau || selectionTurnsUp) && !IsAutoplayButtonDown(game)) AutoTurnFaceUp(game);
    if (run.moved) game.undo.PushUndoSnapshot(false, kClearRedo);
    if (game.mainGame.ActionCount < kActionsCounted) ++game.mainGame.ActionCount;
    if (game.gameDef[words::kOneTimeFill] != 0 && game.mainGame.ActionCount == 1) RunFillTableaus(game);
    if (kind == action::kind::kWonAfterEveryAction31 || kind == action::kind::kWonAfterEveryAction34 ||
        kind == action::kind::kWonAfterEveryAction35) {
        action::SetWonFlag(game);
    }
}

bool Execute(Game& game, int card, std::string_view action) {
    if (!PassesFirstActionGate(game, card, action)) return false;
    if (TakesGivenCard(action) && !action::IsOnBoard(game, card)) return false;
    const bool stockWasBare = IsStockEmptyWithBareWaste(game);
    ActionRun run{game, card, action};
    RunBranch(run);
    CloseAction(run, stockWasBare);
    return run.moved;
}

}  // namespace

bool ExecuteAction(Game& game, int card, std::string_view action) {
    // The fill runs inside the action that called it and shares its undo step.
    if (action == kFillTableaus) return Execute(game, card, action);
    // However many snapshots the action and the face-up turns it causes push, it is one step.
    UndoMoveGroup group(game.undo);
    return Execute(game, card, action);
}

}  // namespace engine
