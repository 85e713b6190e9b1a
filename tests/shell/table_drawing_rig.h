#pragma once

#include "engine/state/game.h"
#include "platform/qt/resource_bitmaps.h"
#include "table/draw/draw_context.h"
#include "table/draw/offscreen_window.h"
#include "table/draw/table_buffer.h"
#include "table/draw/table_images.h"
#include "table/draw/table_surface.h"
#include "table/layout/table_layout.h"
#include "table/layout/table_window.h"

namespace shell_test {

// A main window of a fixed size with nothing on it but the table.
class FixedTableWindow : public table::OffscreenTableWindow {
public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;
    FixedTableWindow() : OffscreenTableWindow(kWidth, kHeight) {}
};

// The table's drawing over a game state, for dialogs that paint table backgrounds.
struct TableDrawingRig {
    TableDrawingRig(engine::Game& game, const platform::ResourceBitmaps& bitmaps);

    FixedTableWindow window;
    table::TableLayout layout;
    table::TableImages images;
    table::TableBuffers buffers;
    table::ImageSurface surface{FixedTableWindow::kWidth, FixedTableWindow::kHeight};
    table::DrawContext context;
};

}  // namespace shell_test
