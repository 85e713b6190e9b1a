#include "table/mouse/table_mouse.h"

#include <cstdint>
#include <string_view>

#include "engine/model/game_kinds.h"
#include "engine/play/action_executor.h"
#include "engine/play/autoplay.h"
#include "engine/model/card_codes.h"
#include "engine/play/card_moves.h"
#include "engine/files/preferences.h"
#include "engine/state/game.h"
#include "engine/session/new_game.h"
#include "engine/play/pairing.h"
#include "engine/play/stock_press.h"
#include "engine/model/preference_fields.h"
#include "engine/ports/shell_port.h"
#include "engine/session/table_mouse_move.h"
#include "engine/undo/undo_move_group.h"
#include "platform/qt/canvas.h"
#include "table/draw/draw_context.h"
#include "table/layout/table_layout.h"
#include "table/mouse/ordinary_press.h"
#include "table/mouse/put_back.h"
#include "table/mouse/selection_press.h"

namespace table {

namespace {

namespace words = engine::words;

// Kinds whose right press is not a click move.
// ClickToMove: a press sends the card at once instead of lifting it.
constexpr int kPressMovesCard = 1;

std::int16_t To16(int value) { return static_cast<std::int16_t>(value); }

bool Flag(const engine::Game& game, int index) { return game.registers.GetFlag(index) != 0; }

bool RightIsClickMove(int kind) {
    return kind != engine::game_kind::kNoTableauMoves && kind != engine::game_kind::kOffTableSource && kind != engine::game_kind::kHighlightAndFill;
}

}  // namespace

TableMouse::TableMouse(engine::Game& game, DrawContext& context) : m_game(game), m_context(context) {}

void TableMouse::TableMouseDown(MouseButton button, ShiftState shift, int x, int y) {
    engine::Game& game = m_game;
    engine::TMainGame& mainGame = game.mainGame;
    game.registers.SetIntReg(engine::kLastMouseMoveReg, engine::kNoMouseMove);
    if (engine::IShellPort* shell = game.services.shellPort)
        shell->SetPanelVisible(engine::ShellPanel::kPilesSize, false);
    if (!Flag(game, engine::flag::kGameInProgress) || mainGame.LiftedCard != 0) return;
    mainGame.DragMoved = 0;
    if (Flag(game, engine::flag::kSecondClickPending)) {
        game.registers.SetFlag(engine::flag::kSecondClickPending, 0);
        return;
    }
    engine::RefreshClock(game);
    mainGame.PressPoint = {To16(x), To16(y)};

    TableLayout& geometry = m_context.geometry;
    const TablePress press{button, shift.ctrl, x, y, geometry.PileAtPoint(x, y)};
    const engine::PileHit& hit = press.hit;
    const int kind = game.gameDef[words::kGameKind];
    if (press.Right() && !press.ctrl && RightIsClickMove(kind)) {
        engine::RightClickMove(game, hit.name, hit.card, hit.rect);
        return;
    }
    if (press.Right() && press.ctrl && hit.name.empty()) return;
    if (game.gameDef[words::kClickToMove] == kPressMovesCard) {
        engine::ClickMove(game, false, false, true, hit.name, hit.card, hit.rect);
        return;
    }

    geometry.SetDragHeight(geometry.CardHeight());
    game.lift.singleCard = true;
    MouseParts parts{game, m_context, m_revealed};
    if (game.gameDef[words::kSelectionSum] != 0)
        SelectionPress(parts, press);
    else
        OrdinaryPress(parts, press);
}

void TableMouse::TableMouseMove(int x, int y) {
    engine::StatusContext status = m_game.Status();
    engine::TableMouseMove(status, x, y);
}

void TableMouse::DropLiftedCards(bool& won) {
    engine::TMainGame& mainGame = m_game.mainGame;
    const int card = mainGame.LiftedCard;
    if (card == 0) return;
    const engine::TableRect r = m_context.geometry.DragRect();
    if (mainGame.DragMoved == 0) {
        PutBackLiftedCards(m_context, card);
    } else if (engine::TryMoveToTargets(m_game, card, r.left, r.top, r.right, r.bottom, false, true, false,
                                        engine::pile_kind::kNoTarget, engine::pile_kind::kNoTarget)) {
        won = Flag(m_game, engine::flag::kGameWon);
    } else {
        PutBackLiftedCards(m_context, card);
    }
    mainGame.LiftedCard = 0;
    mainGame.LiftedTopCard = 0;
    m_game.lift.singleCard = true;
}

void TableMouse::TableMouseUp() {
    engine::Game& game = m_game;
    {
        // The drop and everything it sets off are one undo step.
        engine::UndoMoveGroup group(game.undo);
        engine::ReleaseStockMark(game);
        bool won = false;
        DropLiftedCards(won);
        if (won) {
            // The game is over: nothing follows the winning move.
            group.Close();
            engine::EndGame(game);
            HideRevealedCard();
            return;
        }
        HideRevealedCard();
        engine::FollowUpMoves(game);
    }
    if (Flag(game, engine::flag::kGameWon)) engine::EndGame(game);
}

void TableMouse::TableDoubleClick() { engine::DoubleClickMove(m_game, true, true); }

void TableMouse::RestoreTableCursor() {
    engine::IShellPort* shell = m_game.services.shellPort;
    if (shell == nullptr) return;
    shell->SetCursor(engine::TableCursor(m_game.settings));
}

void TableMouse::HideRevealedCard() {
    if (!m_revealed.IsShown()) return;
    m_context.Window().BlockCopy(m_revealed.x, m_revealed.y, m_context.CardWidth(), m_context.CardHeight(),
                                 m_context.Buffer().Image(), m_revealed.x, m_revealed.y + m_context.ScrollOffset());
    m_revealed = {};
}

}  // namespace table
