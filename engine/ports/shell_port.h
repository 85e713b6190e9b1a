#pragma once

#include <string>
#include <string_view>

namespace engine {

// The main window's labels that the engine writes.
enum class ShellLabel {
    kTempo,  // lblTempo: the clock
    kScore,  // lblScore
};

// Menu commands whose enabled or down state the engine sets.
enum class ShellCommand {
    kShowTime,   // mnuShowTime
    kShowScore,  // mnuShowScore
    // Undo and Redo: the menu items and both toolbars' buttons.
    kUndoMenu,          // mnuUndo
    kRedoMenu,          // mnuRedo
    kUndoButton,        // tbUndo, large toolbar
    kRedoButton,        // tbRedo
    kUndoSmallButton,   // tbUndo1, small toolbar
    kRedoSmallButton,   // tbRedo1
    kAutoPlay,          // mnuAutoPlay: its down state is the AutoPlay option
    kPause,             // mnuPause
    kQuitGame,          // mnuQuitGame
    kSnapshotPosition,  // mnuSnapshotPosition
};

// Panels of the main window that the engine places, shows or hides.
enum class ShellPanel {
    kTempo,         // pnlTempo: the clock panel
    kScore,         // pnlScore
    kPilesSize,     // pnlPilesSize: the pile-size tip
    kLargeToolbar,  // pnlTB
    kSmallToolbar,  // pnlTB1
    kGreyLine,      // pnlLineaGrigia, under the toolbar
    kBlackLine,     // pnlLineaNera, one pixel lower
};

struct ShellRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int Right() const { return left + width; }
    constexpr int Bottom() const { return top + height; }
    friend constexpr bool operator==(const ShellRect&, const ShellRect&) = default;
};

struct ShellPoint {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const ShellPoint&, const ShellPoint&) = default;
};

// The platform's ordinary arrow; the table's own cursors are numbered from 10.
inline constexpr int kDefaultCursor = 0;
// The hourglass shown during long operations.
inline constexpr int kHourglassCursor = -11;

// Application message handlers that replace the ordinary one while an animation runs.
enum class MessageFilter {
    kWinAnimation,  // WinAnimationMessageFilter: clicks and keys stop the winning animation
    kSwallowInput,  // SwallowInputMessageFilter: clicks and keys are dropped
};

// The main window as the engine sees it: its labels, commands, panels, caption and the
// screen cursor. The shell implements it; tests record it (tests/support).
class IShellPort {
public:
    virtual ~IShellPort() = default;

    virtual void SetLabelText(ShellLabel label, std::string_view text) = 0;
    // Paints the label now rather than at the next idle moment.
    virtual void RepaintLabel(ShellLabel label) = 0;

    virtual bool IsCommandEnabled(ShellCommand command) const = 0;
    virtual void SetCommandEnabled(ShellCommand command, bool enabled) = 0;
    virtual bool IsCommandDown(ShellCommand command) const = 0;
    virtual void SetCommandDown(ShellCommand command, bool down) = 0;

    virtual std::string Caption() const = 0;
    virtual void SetCaption(std::string_view caption) = 0;

    // Panel bounds in the window's client coordinates.
    virtual ShellRect PanelBounds(ShellPanel panel) const = 0;
    virtual void SetPanelBounds(ShellPanel panel, const ShellRect& bounds) = 0;
    virtual bool IsPanelVisible(ShellPanel panel) const = 0;
    virtual void SetPanelVisible(ShellPanel panel, bool visible) = 0;
    // The right edge of a toolbar's last button (tbExit, tbExit1), in client coordinates.
    virtual int LastToolbarButtonRight(ShellPanel toolbar) const = 0;

    // The window's outer bounds and the cursor, in screen coordinates.
    virtual ShellRect WindowBounds() const = 0;
    virtual int ClientHeight() const = 0;
    virtual bool IsMaximized() const = 0;
    virtual int ScreenWidth() const = 0;
    virtual ShellPoint CursorPos() const = 0;
    // The screen cursor: kDefaultCursor or a number of the program's cursor table.
    virtual void SetCursor(int cursorId) = 0;

    // The locale's time separator, as the clock label writes it.
    virtual std::string TimeSeparator() const = 0;

    // A toolbar button's image: a bitmap of the card resource library, by name.
    virtual void SetCommandGlyph(ShellCommand command, std::string_view bitmapName) = 0;

    // The screen cursor now showing, to be put back after a long operation.
    virtual int CurrentCursor() const = 0;
    // UpdateMainWindow: the main window paints its pending invalid areas at once.
    virtual void UpdateMainWindow() = 0;
    // Makes the filter the application's message handler; the handler it replaces is kept
    // (SavedOnMessage) until RestoreMessageHandler puts it back.
    virtual void InstallMessageFilter(MessageFilter filter) = 0;
    virtual void RestoreMessageHandler() = 0;
    // The Open a game command (TfrmMain.mnuOpenClick): the game chooser, then the chosen game.
    virtual void OpenGameChooser() = 0;
    // Closes the main window, as its close button would once the close is allowed.
    virtual void CloseMainWindow() = 0;
    // TfrmMain.mnuAutoPlayClick: the AutoPlay handler, for the Down state that mnuAutoPlay
    // has now (the toolbar buttons follow it, the autoplay runs, the switch is saved).
    virtual void RunAutoPlayClick() = 0;
};

}  // namespace engine
