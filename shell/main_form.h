#pragma once

#include <QRegion>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/ports/shell_port.h"
#include "engine/ports/startup_shell.h"
#include "engine/ports/window_items.h"
#include "platform/qt/application.h"
#include "shell/advanced_form.h"
#include "shell/commands.h"
#include "shell/dialogs.h"
#include "table/layout/table_window.h"
#include "table/table_presenter.h"

namespace bars {
class TcbBarManager;
}

namespace engine {
class Game;
class IHelpViewer;
class PreferenceFile;
}  // namespace engine

namespace platform {
class FormTimer;
class IResourceLibrary;
class Label;
class Panel;
class PopupMenu;
class ScreenCursor;
class ScrollBar;
class SpeedButton;
struct PopupItem;
}  // namespace platform

namespace shell {

class TableParts;

inline constexpr std::string_view kExitQuestion = "Exit Corvanet Solitaire?";

// What the main window stands on; all of it outlives the window.
struct MainWindowParts {
    engine::Game& game;
    TableParts& table;
    platform::Application& application;
    platform::ScreenCursor& cursor;
    engine::IHelpViewer& help;
    IDialogs& dialogs;
    // The card resource library, for the toolbar glyphs once it is open.
    const platform::IResourceLibrary& library;
    // Runs the application's help finder (help command 11): the help file's contents.
    std::function<void()> showHelpContents;
    // FreeGlobals: the game state and the table go; the window must not touch them after.
    std::function<void()> freeGlobals;
    FontFallback* fontFallback = nullptr;
};

// The program's main window: the card table in its client area, the toolbars with the
// clock and score, the command table that the menu bar is made from, the window's side
// of the engine's and the table's ports, and the start-up work that needs a window.
class TfrmMain : public C_TAdvancedForm,
                 public engine::IShellPort,
                 public engine::IWindowItems,
                 public engine::IStartupShell,
                 public table::ITableWindow {
    Q_OBJECT
public:
    explicit TfrmMain(const MainWindowParts& parts);
    ~TfrmMain() override;

    // False when the table could not be loaded (the player has been told; the program ends).
    bool IsLoaded() const { return m_loaded; }

    // The menu bar's manager and the commands its items are bound to.
    bars::TcbBarManager& BarManager() const { return *m_barManager; }
    CommandTable& Commands() { return m_commands; }
    // Runs a command of the menu bar by its name, as a click on its item would.
    bool RunCommand(std::string_view name) { return m_commands.Click(name); }
    void SetGameChooser(std::unique_ptr<IGameChooser> chooser);
    IGameChooser* GameChooser() const { return m_chooser.get(); }

    // Form events.
    void FormCreate();
    void FormShow();
    void m_AppActivate();
    // The off-screen table over the region that the window system (not a present of the
    // table's changes) asks to have painted.
    void FormPaint(const QRegion& region);
    void FormResize();
    void imgSfondoMouseDown(platform::FormMouseButton button, platform::FormShift shift, int x, int y);
    void imgSfondoMouseMove(int x, int y);
    void imgSfondoMouseUp();
    void imgSfondoDblClick();
    void FormKeyPress(char& key);
    void pnlPilesSizeMouseMove();
    void pnlTB1MouseMove();
    void Timer1Timer();
    void FormCloseQuery(bool& canClose);
    void FormClose(platform::CloseAction& action);

    // Commands.
    void mnuNewClick();
    void mnuOpenClick();
    void mnuEsciClick();
    void mnuHoldAndExitClick();
    void mnuUndoClick();
    void mnuRedoClick();
    void mnuAutoPlayClick();
    void mnuCustomizeClick() { OpenOptionsDialog(0); }
    void mnuRulesClick();
    void Sommario1Click();
    void mnuNewsletterClick();
    void mnuQuendrixHomePageClick();
    void mnuProductNewsClick();
    void mnuUpdateClick();
    void mnuAboutClick();
    void tbAutoPlayClick(const platform::SpeedButton& button);

    // Support operations.
    void SetToolbarLarge(bool large, bool save);
    void SetToolbarFlat(bool flat, bool save);
    void ArrangeToolbarButtons();
    bool StopWinningAnimation();
    void ResizeTable();
    bool StartChosenGame(int gameId, const std::string& gameName, const std::string& player, bool save,
                         int dealMode);
    void SaveCurrentGame(engine::PreferenceFile& file, int gameId, const std::string& gameName, int treePosition);
    void RestoreMainWindow();
    void OpenOptionsDialog(int page);
    void SetShowTime(bool show);
    void SetShowScore(bool show);

    // The message filters that animations install.
    bool WinAnimationMessageFilter(const platform::AppMessage& message);
    bool SwallowInputMessageFilter(const platform::AppMessage& message);

    // Components by the form's names.
    platform::Panel* Panel(std::string_view name) const;
    platform::SpeedButton* Button(std::string_view name) const;
    platform::Label* Label(std::string_view name) const;
    platform::PopupMenu& PopupMenu(std::string_view name) const;
    platform::PopupItem* PopupItem(std::string_view name) const;
    platform::FormTimer& Timer1() const { return *m_timer; }
    platform::ScrollBar& ScrollBarMain() const { return *m_scrollBar; }

    // engine::IShellPort
    void SetLabelText(engine::ShellLabel label, std::string_view text) override;
    void RepaintLabel(engine::ShellLabel label) override;
    bool IsCommandEnabled(engine::ShellCommand command) const override;
    void SetCommandEnabled(engine::ShellCommand command, bool enabled) override;
    bool IsCommandDown(engine::ShellCommand command) const override;
    void SetCommandDown(engine::ShellCommand command, bool down) override;
    std::string Caption() const override { return platform::Form::Caption(); }
    void SetCaption(std::string_view caption) override { platform::Form::SetCaption(caption); }
    engine::ShellRect PanelBounds(engine::ShellPanel panel) const override;
    void SetPanelBounds(engine::ShellPanel panel, const engine::ShellRect& bounds) override;
    bool IsPanelVisible(engine::ShellPanel panel) const override;
    void SetPanelVisible(engine::ShellPanel panel, bool visible) override;
    int LastToolbarButtonRight(engine::ShellPanel toolbar) const override;
    engine::ShellRect WindowBounds() const override;
    int ClientHeight() const override { return height(); }
    bool IsMaximized() const override { return isMaximized(); }
    int ScreenWidth() const override;
    engine::ShellPoint CursorPos() const override;
    void SetCursor(int cursorId) override;
    std::string TimeSeparator() const override { return ":"; }
    void SetCommandGlyph(engine::ShellCommand command, std::string_view bitmapName) override;
    int CurrentCursor() const override;
    void UpdateMainWindow() override;
    void InstallMessageFilter(engine::MessageFilter filter) override;
    void RestoreMessageHandler() override;
    void OpenGameChooser() override { mnuOpenClick(); }
    void CloseMainWindow() override;
    void RunAutoPlayClick() override { mnuAutoPlayClick(); }

    // engine::IWindowItems
    std::string ItemCaption(std::string_view item) const override;
    void SetItemCaption(std::string_view item, std::string_view caption) override;
    bool IsItemEnabled(std::string_view item) const override;
    void SetItemEnabled(std::string_view item, bool enabled) override;
    void SetItemVisible(std::string_view item, bool visible) override;
    void SetItemGlyph(std::string_view item, std::string_view bitmapName) override;

    // engine::IStartupShell
    void HideUnofferedCommands() override { m_commands.HideUnoffered(); }
    void SetApplicationTitle(std::string_view title) override;
    void SetTableCursor(int cursorId) override;
    void ApplyToolbar(bool large, bool flat) override;
    int ScreenColourCount() const override;
    void SwitchAutoPlayOn() override;
    void InstallActivationHandler() override;

    // table::ITableWindow
    int ScreenHeight() const override;
    int WindowWidth() const override { return frameGeometry().width(); }
    int WindowHeight() const override { return frameGeometry().height(); }
    int ClientWidth() const override { return width(); }
    int ScrollBarWidth() const override;
    int ScrollPosition() const override;
    bool IsPanelVisible(table::TablePanel panel) const override;
    int PanelBottom(table::TablePanel panel) const override;
    void SetCommandEnabled(table::TableCommand command, bool enabled) override;
    void EnableAutoPlayButtons(bool enabled) override;
    void EnableUndoRedoButtons(bool enabled) override;
    void InvalidateRect(const engine::TableRect& rect) override;
    void InvalidateAll() override;
    void UpdateWindow() override;

    // Shows now what changed on the table image: what the table drew on it and what it
    // invalidated, which takes the off-screen table's pixels first.
    void Present();
    // Frames closer together than this would not be seen apart: they are shown as one.
    static constexpr std::uint32_t kFrameMs = 10;
    // Before a wait of an animation: shows what changed, unless a frame was shown less than
    // a frame's time ago and the wait is shorter than one, when the next frame shows it.
    void PresentFrame(std::uint32_t waitMs);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void AlignControls() override;
    QRect AlignArea() const override;

private:
    void BuildComponents();
    void BuildMenuBar();
    // The manager goes before the window: nothing of it may call back into a window half gone.
    void ReleaseMenuBar();
    void BuildToolbars();
    void BuildStatusPanels();
    void FitClockPanel();
    void BuildPopupMenus();
    void BindEvents();
    void BindToolbarButtons();
    // After a pointer move: shows what it drew now, or with the next frame.
    void PresentSoon();
    // A frame was shown less than a frame's time ago.
    bool ShownWithinAFrame() const;
    void LoadToolbarGlyphs();
    CommandTable::Handlers CommandHandlers();
    // Each toolbar button lets the window paint first, then runs its menu handler.
    void RunFromButton(void (TfrmMain::*handler)());
    void RunAndPresent(const std::function<void()>& handler);
    bool EndGameClosing();
    // Engine code runs under these; a close that comes meanwhile (an animation's pause lets
    // it through, or the game-end code asks for it) waits until the last one has ended, so
    // the game state is never freed under code that still uses it.
    class BusyScope {
    public:
        explicit BusyScope(TfrmMain& window) : m_window(window) { ++m_window.m_busy; }
        ~BusyScope() {
            --m_window.m_busy;
            m_window.CloseIfDeferred();
        }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        TfrmMain& m_window;
    };
    void CloseIfDeferred();
    bool Flag(int index) const;
    void WriteWindowPlacement();
    void SetPopupChecked(std::string_view name, bool checked);

    MainWindowParts m_parts;
    engine::Game& m_game;
    CommandTable m_commands;
    std::unique_ptr<IGameChooser> m_chooser;
    bars::TcbBarManager* m_barManager = nullptr;
    platform::ScrollBar* m_scrollBar = nullptr;
    platform::FormTimer* m_timer = nullptr;
    // Shows what a pointer move drew once a frame's time has passed since the last frame.
    platform::FormTimer* m_frameTimer = nullptr;
    std::uint32_t m_shownAt = 0;
    platform::AppMessageHandler m_savedOnMessage;
    engine::MessageFilter m_filter = engine::MessageFilter::kSwallowInput;
    bool m_filterInstalled = false;
    // A close that came while a card animation or engine code ran, carried out once it has ended.
    bool m_closeDeferred = false;
    int m_busy = 0;
    bool m_closing = false;
    bool m_loaded = false;
    bool m_freed = false;
    table::TablePresenter m_presenter;
};

}  // namespace shell
