#pragma once

#include "engine/ports/geometry_port.h"

namespace table {

// The panels above the table whose lower edge is the table's top.
enum class TablePanel {
    kDemo,          // pnlDemo
    kLargeToolbar,  // pnlTB
    kSmallToolbar,  // pnlTB1
};

// Commands that the table's setup enables by the game.
enum class TableCommand {
    kCustomize,         // mnuCustomize
    kSave,              // mnuSave
    kSaveButton,        // tbSave1
    kSnapshotPosition,  // mnuSnapshotPosition
    kHoldAndExit,       // mnuHoldAndExit
};

// The main window as the table's setup and layout see it. The shell implements it;
// tests record it.
class ITableWindow {
public:
    virtual ~ITableWindow() = default;

    // The screen's size in pixels (not the window's).
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    // The main window's outer size, its client height, the width of its vertical scroll
    // bar scrBarMain and that bar's position.
    virtual int WindowWidth() const = 0;
    virtual int WindowHeight() const = 0;
    virtual int ClientHeight() const = 0;
    // The client area's width: the window's inside, which no scroll bar takes from.
    virtual int ClientWidth() const = 0;
    virtual int ScrollBarWidth() const = 0;
    virtual int ScrollPosition() const = 0;

    virtual bool IsPanelVisible(TablePanel panel) const = 0;
    // The panel's lower edge (top + height) in client coordinates.
    virtual int PanelBottom(TablePanel panel) const = 0;

    virtual void SetCommandEnabled(TableCommand command, bool enabled) = 0;
    // The autoplay commands on the visible toolbar, and the undo and redo commands.
    virtual void EnableAutoPlayButtons(bool enabled) = 0;
    virtual void EnableUndoRedoButtons(bool enabled) = 0;

    // Marks a part of the client area, or all of it, for repainting without erasing it.
    virtual void InvalidateRect(const engine::TableRect& rect) = 0;
    virtual void InvalidateAll() = 0;
    // Repaints what is marked, now.
    virtual void UpdateWindow() = 0;
};

// Invalidates the whole client area of the main window and updates it.
void InvalidateTable(ITableWindow& window);
// Invalidates the rectangle and updates the main window.
void InvalidateTableRect(ITableWindow& window, const engine::TableRect& rect);

}  // namespace table
