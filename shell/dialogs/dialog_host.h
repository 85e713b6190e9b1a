#pragma once

class QWidget;

namespace engine {
class Game;
}

namespace platform {
class ResourceBitmaps;
}

namespace table {
struct DrawContext;
}

namespace shell {

// What the game chooser and the dialogs ask of the main window and the table it shows.
// The main window implements it; tests record the calls.
class IDialogHost {
public:
    virtual ~IDialogHost() = default;

    // The window the dialogs belong to (the main window; the splash while it shows), or none.
    virtual QWidget* OwnerWindow() = 0;
    // UpdateMainWindow: the main window paints its pending invalid areas at once.
    virtual void UpdateMainWindow() = 0;
    // RedrawSelectionLine on the off-screen table image, then on the window.
    virtual void RedrawSelectionLine() = 0;
    // The toolbar's size and flatness, as the main window's pop-up sets them.
    virtual void SetToolbarLarge(bool large, bool save) = 0;
    virtual void SetToolbarFlat(bool flat, bool save) = 0;
    // The table after a change of its look: the chosen back, the card size and layout,
    // the configured background, every card, copied to the window, painted at once.
    virtual void RefreshTableLook() = 0;
    // The main window's newsletter command.
    virtual void RunNewsletterCommand() = 0;
    // Colours the display shows (engine NumColors).
    virtual int DisplayColours() const = 0;
    // The table's drawing, for the background samples; none where no table is drawn.
    virtual table::DrawContext* TableDrawing() = 0;
    // The bottom of the main window's large toolbar, in its client coordinates.
    virtual int LargeToolbarBottom() const = 0;
};

// What every dialog stands on: the game state, the card library's bitmaps and the host.
struct DialogContext {
    engine::Game& game;
    const platform::ResourceBitmaps& bitmaps;
    IDialogHost& host;
};

}  // namespace shell
