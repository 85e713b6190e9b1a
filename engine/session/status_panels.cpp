#include "engine/session/status_panels.h"

#include <string_view>

#include "engine/model/preference_fields.h"
#include "engine/files/preference_file.h"
#include "engine/files/preference_keys.h"
#include "engine/base/rounding.h"
#include "engine/ports/shell_port.h"
#include "engine/model/status_context.h"

namespace engine {

namespace {

constexpr std::string_view kYes = "Y";
constexpr std::string_view kNo = "N";

// A maximised window reaches past the screen by its frame.
constexpr int kMaximizedFrameAllowance = 8;
constexpr int kRightMargin = 15;     // from the window's right edge to the outer panel
constexpr int kPanelGap = 5;         // between the score and the clock panel
constexpr int kButtonClearance = 3;  // a panel shows only this far right of the last button

// One switchable panel with its command, its settings field and its preference key.
struct StatusPanel {
    ShellPanel panel;
    ShellCommand command;
    fields::Field field;
    std::string_view key;
};

constexpr StatusPanel kClockPanel{ShellPanel::kTempo, ShellCommand::kShowTime, fields::kShowTime, "Show_Time"};
constexpr StatusPanel kScorePanel{ShellPanel::kScore, ShellCommand::kShowScore, fields::kShowScore, "Show_Score"};

bool IsSwitchedOn(const SettingsBlock& settings, fields::Field field) {
    return settings.GetField(field.position, field.width) == kYes;
}

void SetShowPanel(StatusContext& ctx, const StatusPanel& status, bool show, bool save) {
    IShellPort* shell = ctx.services.shellPort;
    if (shell != nullptr) {
        shell->SetPanelVisible(status.panel, show);
        shell->SetCommandEnabled(status.command, !show);
    }
    if (save) {
        const std::string_view letter = show ? kYes : kNo;
        ctx.settings.SetField(status.field.position, status.field.width, letter);
        // A failing write leaves the old value in the file; the game goes on.
        if (ctx.services.paths != nullptr) {
            PreferenceFile(*ctx.services.paths).WriteString(kSectionPreference, status.key, letter);
        }
    }
    LayoutStatus(ctx);
}

ShellPanel VisibleToolbar(const IShellPort& shell) {
    return shell.IsPanelVisible(ShellPanel::kLargeToolbar) ? ShellPanel::kLargeToolbar : ShellPanel::kSmallToolbar;
}

// Moving a visible panel would leave a trail, so it is hidden before it moves.
void MovePanelLeft(IShellPort& shell, ShellPanel panel, int left) {
    ShellRect bounds = shell.PanelBounds(panel);
    if (bounds.left == left) return;
    shell.SetPanelVisible(panel, false);
    bounds.left = left;
    shell.SetPanelBounds(panel, bounds);
}

void SetPanelTop(IShellPort& shell, ShellPanel panel, int top) {
    ShellRect bounds = shell.PanelBounds(panel);
    bounds.top = top;
    shell.SetPanelBounds(panel, bounds);
}

void PlaceLine(IShellPort& shell, ShellPanel line, int top, int width) {
    shell.SetPanelBounds(line, {0, top, width, shell.PanelBounds(line).height});
}

}  // namespace

void SetShowTime(StatusContext& ctx, bool show, bool save) {
    SetShowPanel(ctx, kClockPanel, show, save);
}

void SetShowScore(StatusContext& ctx, bool show, bool save) {
    SetShowPanel(ctx, kScorePanel, show, save);
}

void LayoutStatus(StatusContext& ctx) {
    IShellPort* shell = ctx.services.shellPort;
    if (shell == nullptr) return;

    // Before the first activation a maximised window may not have its final size yet.
    int w = shell->WindowBounds().width;
    if (ctx.registers.GetFlag(flag::kStartupPending) != 0 && shell->IsMaximized()) {
        w = shell->ScreenWidth() + kMaximizedFrameAllowance;
    }

    const bool showTime = IsSwitchedOn(ctx.settings, fields::kShowTime);
    const bool showScore = IsSwitchedOn(ctx.settings, fields::kShowScore);

    const int tempoLeft = w - shell->PanelBounds(ShellPanel::kTempo).width - kRightMargin;
    MovePanelLeft(*shell, ShellPanel::kTempo, tempoLeft);
    const int scoreLeft = (showTime ? tempoLeft : w) - shell->PanelBounds(ShellPanel::kScore).width -
                          (showTime ? kPanelGap : kRightMargin);
    MovePanelLeft(*shell, ShellPanel::kScore, scoreLeft);

    const ShellPanel toolbar = VisibleToolbar(*shell);
    const ShellRect toolbarBounds = shell->PanelBounds(toolbar);
    const int tempoHeight = shell->PanelBounds(ShellPanel::kTempo).height;
    const int top = toolbarBounds.top + DivideRoundHalfEven(toolbarBounds.height - tempoHeight, 2);
    SetPanelTop(*shell, ShellPanel::kTempo, top);
    SetPanelTop(*shell, ShellPanel::kScore, top);

    PlaceLine(*shell, ShellPanel::kGreyLine, toolbarBounds.Bottom(), w);
    PlaceLine(*shell, ShellPanel::kBlackLine, toolbarBounds.Bottom() + 1, w);

    const int buttonsRight = shell->LastToolbarButtonRight(toolbar);
    shell->SetPanelVisible(ShellPanel::kScore, scoreLeft > buttonsRight + kButtonClearance && showScore);
    shell->SetPanelVisible(ShellPanel::kTempo, tempoLeft > buttonsRight + kButtonClearance && showTime);
}

bool IsCursorInTable(const IShellPort& shell) {
    const ShellRect window = shell.WindowBounds();
    const ShellPoint cursor = shell.CursorPos();
    const int frameAndMenu = window.height - shell.ClientHeight();
    const int tableTop = window.top + frameAndMenu + shell.PanelBounds(VisibleToolbar(shell)).Bottom();
    return cursor.x > window.left && cursor.x < window.Right() && cursor.y > tableTop && cursor.y < window.Bottom();
}

}  // namespace engine
