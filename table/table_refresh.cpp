#include "table/table_refresh.h"

#include "engine/board_measures.h"
#include "platform/qt/canvas.h"
#include "table/background.h"
#include "table/card_drawing.h"
#include "table/draw_context.h"
#include "table/layout/table_layout.h"
#include "table/layout/table_window.h"
#include "table/selection_redraw.h"
#include "table/table_repaint.h"

namespace table {

void RefreshTable(DrawContext& context) {
    context.geometry.Setup().LayoutTable();
    PaintConfiguredBackground(context, context.Buffer());
    RepaintTable(context, context.Buffer(), false);
    CopyBufferToScreen(context);
    if (engine::TableauCountOf(context.gameDef) > 0) {
        RedrawSelectionLine(context, context.Buffer(), false);
        RedrawSelectionLine(context, context.Window(), true);
    }
    context.window.UpdateWindow();
}

}  // namespace table
