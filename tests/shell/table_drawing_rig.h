#pragma once

#include "engine/state/game.h"
#include "platform/qt/resource_bitmaps.h"
#include "table/draw/draw_context.h"
#include "table/draw/table_buffer.h"
#include "table/draw/table_images.h"
#include "table/draw/table_surface.h"
#include "table/layout/table_layout.h"
#include "table/layout/table_window.h"

namespace shell_test {

// A main window of a fixed size with nothing on it but the table.
class FixedTableWindow : public table::ITableWindow {
public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;

    int ScreenWidth() const override { return kWidth; }
    int ScreenHeight() const override { return kHeight; }
    int WindowWidth() const override { return kWidth; }
    int WindowHeight() const override { return kHeight; }
    int ClientHeight() const override { return kHeight; }
    int ScrollBarWidth() const override { return 16; }
    int ScrollPosition() const override { return 0; }
    bool IsPanelVisible(table::TablePanel) const override { return false; }
    int PanelBottom(table::TablePanel) const override { return 0; }
    void SetCommandEnabled(table::TableCommand, bool) override {}
    void EnableAutoPlayButtons(bool) override {}
    void EnableUndoRedoButtons(bool) override {}
    void InvalidateRect(const engine::TableRect&) override {}
    void InvalidateAll() override {}
    void UpdateWindow() override {}
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
