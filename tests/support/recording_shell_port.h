#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/ports/shell_port.h"

namespace test_support {

// One change the engine made to the main window, in order.
struct ShellEvent {
    enum class Kind { LabelText, LabelRepaint, CommandEnabled, CommandDown, Caption, PanelBounds, PanelVisible, Cursor, Glyph };
    Kind kind = Kind::LabelText;
    int target = 0;  // the label, command or panel as its enum's value; the cursor id
    std::string text;
    bool on = false;
    engine::ShellRect bounds;
};

// A main window that keeps what the engine sets and answers with what the test arranged.
// It starts as the window opens: the large toolbar 751 wide and 46 high, the panels at
// their design sizes, both status panels visible, every command enabled and up.
class RecordingShellPort : public engine::IShellPort {
public:
    RecordingShellPort();

    void SetLabelText(engine::ShellLabel label, std::string_view text) override;
    void RepaintLabel(engine::ShellLabel label) override;
    bool IsCommandEnabled(engine::ShellCommand command) const override;
    void SetCommandEnabled(engine::ShellCommand command, bool enabled) override;
    bool IsCommandDown(engine::ShellCommand command) const override;
    void SetCommandDown(engine::ShellCommand command, bool down) override;
    std::string Caption() const override { return m_caption; }
    void SetCaption(std::string_view caption) override;
    engine::ShellRect PanelBounds(engine::ShellPanel panel) const override;
    void SetPanelBounds(engine::ShellPanel panel, const engine::ShellRect& bounds) override;
    bool IsPanelVisible(engine::ShellPanel panel) const override;
    void SetPanelVisible(engine::ShellPanel panel, bool visible) override;
    int LastToolbarButtonRight(engine::ShellPanel toolbar) const override;
    engine::ShellRect WindowBounds() const override { return m_window; }
    int ClientHeight() const override { return m_clientHeight; }
    bool IsMaximized() const override { return m_maximized; }
    int ScreenWidth() const override { return m_screenWidth; }
    engine::ShellPoint CursorPos() const override { return m_cursorPos; }
    void SetCursor(int cursorId) override;
    std::string TimeSeparator() const override { return m_timeSeparator; }
    void SetCommandGlyph(engine::ShellCommand command, std::string_view bitmapName) override;
    int CurrentCursor() const override { return m_cursor; }
    void UpdateMainWindow() override;
    void InstallMessageFilter(engine::MessageFilter filter) override;
    void RestoreMessageHandler() override;
    void OpenGameChooser() override;
    void CloseMainWindow() override;

    // Arrangement.
    void ArrangeWindow(const engine::ShellRect& bounds, int clientHeight) {
        m_window = bounds;
        m_clientHeight = clientHeight;
    }
    void ArrangeMaximized(bool maximized, int screenWidth) {
        m_maximized = maximized;
        m_screenWidth = screenWidth;
    }
    void ArrangeCursorPos(engine::ShellPoint point) { m_cursorPos = point; }
    void ArrangeLastButtonRight(engine::ShellPanel toolbar, int right) { m_lastButtonRight[toolbar] = right; }
    void ArrangeTimeSeparator(std::string separator) { m_timeSeparator = std::move(separator); }
    // Sets a panel without recording it.
    void ArrangePanel(engine::ShellPanel panel, const engine::ShellRect& bounds, bool visible);

    // Observation.
    std::string LabelText(engine::ShellLabel label) const;
    int RepaintCount(engine::ShellLabel label) const;
    int Cursor() const { return m_cursor; }
    const std::vector<ShellEvent>& Events() const { return m_events; }
    std::size_t Count(ShellEvent::Kind kind) const;
    void ClearEvents() { m_events.clear(); }
    // The bitmap name last given to a button; empty when none was.
    std::string Glyph(engine::ShellCommand command) const;
    // The window-level calls in order: "update", "filter:win", "filter:swallow", "restore",
    // "chooser", "close".
    const std::vector<std::string>& WindowCalls() const { return m_windowCalls; }
    std::size_t CountWindowCalls(std::string_view call) const;
    void ClearWindowCalls() { m_windowCalls.clear(); }
    // The filter now installed; empty when the ordinary handler runs.
    const std::optional<engine::MessageFilter>& ActiveFilter() const { return m_activeFilter; }
    // Runs during OpenGameChooser and CloseMainWindow, as the real window's handlers would
    // (a chooser that starts a game, a close that ends one).
    void OnOpenGameChooser(std::function<void()> action) { m_onChooser = std::move(action); }
    void OnCloseMainWindow(std::function<void()> action) { m_onClose = std::move(action); }
    // Records "autoplay click" in the window calls, then runs the action when one is set.
    void RunAutoPlayClick() override;
    void OnAutoPlayClick(std::function<void()> action) { m_onAutoPlayClick = std::move(action); }

private:
    struct PanelState {
        engine::ShellRect bounds;
        bool visible = true;
    };
    struct CommandState {
        bool enabled = true;
        bool down = false;
    };

    std::map<engine::ShellLabel, std::string> m_labels;
    std::map<engine::ShellLabel, int> m_repaints;
    std::map<engine::ShellCommand, CommandState> m_commands;
    std::map<engine::ShellPanel, PanelState> m_panels;
    std::map<engine::ShellPanel, int> m_lastButtonRight;
    std::string m_caption;
    engine::ShellRect m_window;
    int m_clientHeight = 0;
    bool m_maximized = false;
    int m_screenWidth = 0;
    engine::ShellPoint m_cursorPos;
    int m_cursor = engine::kDefaultCursor;
    std::string m_timeSeparator = ":";
    std::vector<ShellEvent> m_events;
    std::map<engine::ShellCommand, std::string> m_glyphs;
    std::vector<std::string> m_windowCalls;
    std::optional<engine::MessageFilter> m_activeFilter;
    std::function<void()> m_onChooser;
    std::function<void()> m_onClose;
    std::function<void()> m_onAutoPlayClick;
};

}  // namespace test_support
