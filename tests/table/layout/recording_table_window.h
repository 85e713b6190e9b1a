#pragma once

#include <map>
#include <optional>
#include <vector>

#include "table/layout/table_window.h"

namespace layout_test {

// A main window of a given size that records what the table's setup asks of it.
class RecordingTableWindow : public table::ITableWindow {
public:
    int ScreenWidth() const override { return screenWidth; }
    int ScreenHeight() const override { return screenHeight; }
    int WindowWidth() const override { return windowWidth; }
    int WindowHeight() const override { return windowHeight; }
    int ClientHeight() const override { return clientHeight; }
    int ClientWidth() const override { return clientWidth; }
    int ScrollBarWidth() const override { return scrollBarWidth; }
    int ScrollPosition() const override { return scrollPosition; }
    bool IsPanelVisible(table::TablePanel panel) const override { return panelBottoms.contains(panel); }
    int PanelBottom(table::TablePanel panel) const override {
        const auto it = panelBottoms.find(panel);
        return it == panelBottoms.end() ? 0 : it->second;
    }
    void SetCommandEnabled(table::TableCommand command, bool enabled) override { commands[command] = enabled; }
    void EnableAutoPlayButtons(bool enabled) override { autoplay = enabled; }
    void EnableUndoRedoButtons(bool enabled) override { undoRedo = enabled; }
    void InvalidateRect(const engine::TableRect& rect) override { invalidated.push_back(rect); }
    void InvalidateAll() override { ++invalidatedAll; }
    void UpdateWindow() override { ++updates; }

    int screenWidth = 1024;
    int screenHeight = 768;
    int windowWidth = 820;
    int windowHeight = 600;
    int clientHeight = 561;
    int clientWidth = 812;
    int scrollBarWidth = 20;
    int scrollPosition = 0;
    std::map<table::TablePanel, int> panelBottoms;  // the visible panels

    std::map<table::TableCommand, bool> commands;
    std::optional<bool> autoplay;
    std::optional<bool> undoRedo;
    std::vector<engine::TableRect> invalidated;
    int invalidatedAll = 0;
    int updates = 0;
};

}  // namespace layout_test
