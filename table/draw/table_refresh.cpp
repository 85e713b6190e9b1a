#include "table/draw/table_refresh.h"

#include "engine/model/board_measures.h"
#include "platform/qt/canvas.h"
#include "table/draw/background.h"
#include "table/draw/card_drawing.h"
#include "table/draw/draw_context.h"
#include "table/layout/table_layout.h"
#include "table/layout/table_window.h"
#include "table/draw/selection_redraw.h"
#include "table/draw/table_repaint.h"

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
