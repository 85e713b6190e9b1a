#include "engine/session/table_mouse_move.h"

#include <cstdint>

#include "engine/files/preferences.h"
#include "engine/model/preference_fields.h"
#include "engine/ports/shell_port.h"
#include "engine/model/status_context.h"
#include "engine/session/status_panels.h"
#include "engine/ports/status_view.h"
#include "engine/play/stock_highlight.h"
#include "platform/core/clock.h"

namespace engine {

namespace {

// The table cursor's dragging form is numbered 10 higher; the default cursor drags as itself.
constexpr int kDragCursorOffset = 10;

int DragCursor(const SettingsBlock& settings) {
    const int cursor = TableCursor(settings);
    return cursor == kDefaultCursor ? cursor : cursor + kDragCursorOffset;
}

void DragLiftedCards(StatusContext& ctx, int x, int y) {
    ctx.table.DragMoved = 1;
    if (IShellPort* shell = ctx.services.shellPort) shell->SetCursor(DragCursor(ctx.settings));
    if (ctx.view != nullptr) ctx.view->MoveDragImageToPointer(x, y);
}

bool IsOverMarkedCard(const StatusContext& ctx, int x, int y) {
    if (ctx.view == nullptr) return false;
    const int line = ctx.game[words::kStockLineFlag] == 1 ? kStockLine : kWasteLine;
    const int left = ctx.table.GetStockX(line);
    const int top = ctx.table.GetStockY(line);
    return x >= left && x < left + ctx.view->CardWidth() && y >= top && y < top + ctx.view->CardHeight();
}

void NoteMoveInGame(StatusContext& ctx, int x, int y) {
    if (ctx.services.clock != nullptr) {
        ctx.registers.SetIntReg(kLastMouseMoveReg, static_cast<std::int32_t>(ctx.services.clock->TickCount()));
    }
    const Point16 point{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
    if (IShellPort* shell = ctx.services.shellPort) {
        const bool moved = point.x != ctx.table.MovePoint.x || point.y != ctx.table.MovePoint.y;
        if (moved || !IsCursorInTable(*shell)) shell->SetPanelVisible(ShellPanel::kPilesSize, false);
    }
    ctx.table.MovePoint = point;
}

}  // namespace

void TableMouseMove(StatusContext& ctx, int x, int y) {
    ctx.registers.SetIntReg(kLastMouseMoveReg, kNoMouseMove);
    if (ctx.table.LiftedCard != 0) {
        DragLiftedCards(ctx, x, y);
    } else if (ctx.table.StockHighlightShown == 1) {
        if (!IsOverMarkedCard(ctx, x, y)) {
            HideStockHighlight(ctx);
            ctx.table.StockHighlightShown = 0;
        }
    } else if (ctx.registers.GetFlag(flag::kGameInProgress) != 0) {
        NoteMoveInGame(ctx, x, y);
    }
}

}  // namespace engine
