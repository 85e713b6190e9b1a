#pragma once

#include "table/layout/table_window.h"

namespace table {

// A main window of a fixed size on a screen of the same size, without toolbars or panels:
// what the table is drawn in off the screen (snapshots, tools, benchmarks, tests).
class OffscreenTableWindow : public ITableWindow {
public:
    // The width the main window gives its (hidden) vertical scroll bar.
    static constexpr int kScrollBarWidth = 16;

    OffscreenTableWindow(int width, int height, int clientHeight)
        : m_width(width), m_height(height), m_clientHeight(clientHeight) {}
    OffscreenTableWindow(int width, int height) : OffscreenTableWindow(width, height, height) {}

    int ScreenWidth() const override { return m_width; }
    int ScreenHeight() const override { return m_height; }
    int WindowWidth() const override { return m_width; }
    int WindowHeight() const override { return m_height; }
    int ClientHeight() const override { return m_clientHeight; }
    int ClientWidth() const override { return m_width; }
    int ScrollBarWidth() const override { return kScrollBarWidth; }
    int ScrollPosition() const override { return 0; }
    bool IsPanelVisible(TablePanel) const override { return false; }
    int PanelBottom(TablePanel) const override { return 0; }
    void SetCommandEnabled(TableCommand, bool) override {}
    void EnableAutoPlayButtons(bool) override {}
    void EnableUndoRedoButtons(bool) override {}
    void InvalidateRect(const engine::TableRect&) override {}
    void InvalidateAll() override {}
    void UpdateWindow() override {}

private:
    int m_width;
    int m_height;
    int m_clientHeight;
};

}  // namespace table
