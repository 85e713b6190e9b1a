#pragma once

#include <memory>
#include <string_view>

#include "engine/ports/table_globals.h"
#include "platform/qt/resource_bitmaps.h"
#include "table/draw/table_buffer.h"
#include "table/draw/table_surface.h"
#include "table/layout/table_window.h"

namespace engine {
class Game;
}

namespace platform {
class IClock;
class IMessages;
class IResourceLibrary;
class PathResolver;
class RandomGenerator;
}  // namespace platform

namespace table {
class TableImages;
class TableLayout;
class TableMouse;
class TableView;
struct DrawContext;
}  // namespace table

namespace shell {

// The main window as the table sees it, forwarded to the window once it exists: the table
// is made before the main window (start-up creates the globals first). Without a window
// the table sees a screen-sized window with no panels and its repaints go nowhere.
class TableWindowProxy : public table::ITableWindow {
public:
    void SetTarget(table::ITableWindow* target) { m_target = target; }
    table::ITableWindow* Target() const { return m_target; }

    int ScreenWidth() const override;
    int ScreenHeight() const override;
    int WindowWidth() const override { return m_target != nullptr ? m_target->WindowWidth() : ScreenWidth(); }
    int WindowHeight() const override { return m_target != nullptr ? m_target->WindowHeight() : ScreenHeight(); }
    int ClientHeight() const override { return m_target != nullptr ? m_target->ClientHeight() : ScreenHeight(); }
    int ClientWidth() const override { return m_target != nullptr ? m_target->ClientWidth() : ScreenWidth(); }
    int ScrollBarWidth() const override { return m_target != nullptr ? m_target->ScrollBarWidth() : 0; }
    int ScrollPosition() const override { return m_target != nullptr ? m_target->ScrollPosition() : 0; }
    bool IsPanelVisible(table::TablePanel panel) const override {
        return m_target != nullptr && m_target->IsPanelVisible(panel);
    }
    int PanelBottom(table::TablePanel panel) const override {
        return m_target != nullptr ? m_target->PanelBottom(panel) : 0;
    }
    void SetCommandEnabled(table::TableCommand command, bool enabled) override {
        if (m_target != nullptr) m_target->SetCommandEnabled(command, enabled);
    }
    void EnableAutoPlayButtons(bool enabled) override {
        if (m_target != nullptr) m_target->EnableAutoPlayButtons(enabled);
    }
    void EnableUndoRedoButtons(bool enabled) override {
        if (m_target != nullptr) m_target->EnableUndoRedoButtons(enabled);
    }
    void InvalidateRect(const engine::TableRect& rect) override {
        if (m_target != nullptr) m_target->InvalidateRect(rect);
    }
    void InvalidateAll() override {
        if (m_target != nullptr) m_target->InvalidateAll();
    }
    void UpdateWindow() override {
        if (m_target != nullptr) m_target->UpdateWindow();
    }

private:
    table::ITableWindow* m_target = nullptr;
};

// The platform services the table draws with.
struct TableServices {
    const platform::IResourceLibrary& library;
    const platform::PathResolver& paths;
    platform::IClock& clock;
    platform::IMessages& messages;
    platform::RandomGenerator& random;
    platform::RequireImageFile requireImageFile;
};

// The card table's global objects: its layout, images, off-screen images, the window's
// surface, the drawing context, the view with its animations and the mouse. The engine
// creates and frees them through ITableGlobals; Attach builds them over the game state
// once that exists.
class TableParts : public engine::ITableGlobals {
public:
    explicit TableParts(const TableServices& services);
    ~TableParts() override;
    TableParts(const TableParts&) = delete;
    TableParts& operator=(const TableParts&) = delete;

    // Builds the table over the game and makes it the game's table view.
    void Attach(engine::Game& game);
    bool IsAttached() const { return m_parts != nullptr; }

    TableWindowProxy& Window() { return m_window; }
    // The card library's bitmaps, for the dialogs' pictures.
    const platform::ResourceBitmaps& Bitmaps() const { return m_bitmaps; }
    table::ImageSurface& Surface() { return m_surface; }
    table::TableBuffers& Buffers() { return m_buffers; }
    // None before Attach and after FreeTableGlobals.
    table::DrawContext* Context();
    table::TableMouse* Mouse();
    table::TableView* View();
    table::TableLayout* Layout();

    // engine::ITableGlobals
    void CreateTableGlobals() override;
    void FreeTableGlobals() override;
    void ClearDragState() override;
    void SetShadowOffset(int pixels) override;
    void SetCardSize(std::string_view cardSize) override;

    // Turns system colours of the background into colours (the gradient's default colour is one).
    void SetDisplayColours(int colours);

private:
    struct Parts;

    TableServices m_services;
    TableWindowProxy m_window;
    table::ImageSurface m_surface{0, 0};
    table::TableBuffers m_buffers;
    platform::ResourceBitmaps m_bitmaps;
    std::unique_ptr<Parts> m_parts;
    int m_displayColours;
};

}  // namespace shell
