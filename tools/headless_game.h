#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "engine/ports/shell_port.h"
#include "engine/ports/table_port.h"
#include "platform/core/clock.h"
#include "platform/core/messages.h"
#include "platform/core/paths.h"
#include "platform/core/random.h"

namespace engine {
class Game;
}

namespace tools {

// Message boxes nobody sees: every question is answered OK; errors are kept for the report.
class SilentMessages : public platform::IMessages {
public:
    void ShowInfo(const std::string&) override {}
    bool Confirm(const std::string&, const std::string&) override { return true; }
    void ShowError(const std::string&, const std::string& text) override { m_errors += text + '\n'; }
    void Beep(unsigned) override {}

    const std::string& Errors() const { return m_errors; }

private:
    std::string m_errors;
};

// A main window that is never shown: it keeps the commands' states, the labels and the
// caption the engine sets, with every command enabled and up at the start.
class HeadlessShellPort : public engine::IShellPort {
public:
    void SetLabelText(engine::ShellLabel label, std::string_view text) override { m_labels[label] = text; }
    void RepaintLabel(engine::ShellLabel) override {}
    bool IsCommandEnabled(engine::ShellCommand command) const override;
    void SetCommandEnabled(engine::ShellCommand command, bool enabled) override { m_commands[command].enabled = enabled; }
    bool IsCommandDown(engine::ShellCommand command) const override;
    void SetCommandDown(engine::ShellCommand command, bool down) override { m_commands[command].down = down; }
    std::string Caption() const override { return m_caption; }
    void SetCaption(std::string_view caption) override { m_caption = caption; }
    engine::ShellRect PanelBounds(engine::ShellPanel panel) const override;
    void SetPanelBounds(engine::ShellPanel panel, const engine::ShellRect& bounds) override { m_panels[panel].bounds = bounds; }
    bool IsPanelVisible(engine::ShellPanel panel) const override;
    void SetPanelVisible(engine::ShellPanel panel, bool visible) override { m_panels[panel].visible = visible; }
    int LastToolbarButtonRight(engine::ShellPanel) const override { return 0; }
    engine::ShellRect WindowBounds() const override { return {}; }
    int ClientHeight() const override { return 0; }
    bool IsMaximized() const override { return false; }
    int ScreenWidth() const override { return 0; }
    engine::ShellPoint CursorPos() const override { return {}; }
    void SetCursor(int cursorId) override { m_cursor = cursorId; }
    std::string TimeSeparator() const override { return ":"; }
    void SetCommandGlyph(engine::ShellCommand, std::string_view) override {}
    int CurrentCursor() const override { return m_cursor; }
    void UpdateMainWindow() override {}
    void InstallMessageFilter(engine::MessageFilter) override {}
    void RestoreMessageHandler() override {}
    void OpenGameChooser() override {}
    void CloseMainWindow() override {}
    void RunAutoPlayClick() override {}

private:
    struct CommandState {
        bool enabled = true;
        bool down = false;
    };
    struct PanelState {
        engine::ShellRect bounds;
        bool visible = false;
    };

    std::map<engine::ShellLabel, std::string> m_labels;
    std::map<engine::ShellCommand, CommandState> m_commands;
    std::map<engine::ShellPanel, PanelState> m_panels;
    std::string m_caption;
    int m_cursor = 0;
};

// The engine with a game state of its own over ports that draw nothing, ask nobody and
// never wait, reading GAMES.DAT from a program folder.
class HeadlessGame {
public:
    explicit HeadlessGame(const std::filesystem::path& folder);
    ~HeadlessGame();
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    engine::Game& G() { return *m_game; }

    // The game list of GAMES.DAT; false when it cannot be read.
    bool LoadList();
    // The definition of one game of the list; false when it cannot be loaded.
    bool LoadGame(int gameId, const std::string& name);
    // What the engine told the player was wrong, one message a line.
    const std::string& Errors() const { return m_messages.Errors(); }

private:
    platform::VirtualClock m_clock;
    platform::RandomGenerator m_random{0};
    SilentMessages m_messages;
    platform::PathResolver m_paths;
    HeadlessShellPort m_shell;
    engine::NullTableView m_view;
    std::unique_ptr<engine::Game> m_game;
};

}  // namespace tools
