#include "engine/play/end_game.h"

#include <cstdint>
#include <string>

#include "engine/state/game.h"
#include "engine/state/game_clock.h"
#include "engine/base/text_utils.h"
#include "engine/files/preference_file.h"
#include "engine/files/preference_keys.h"
#include "engine/model/preference_fields.h"
#include "engine/rules/score.h"
#include "engine/ports/shell_port.h"
#include "engine/base/system_utils.h"
#include "engine/ports/table_port.h"
#include "platform/core/clock.h"
#include "platform/core/messages.h"

// The end of a game, and the question before one is abandoned.
namespace engine {

namespace {

// The pause before the winning animation, during which the window may still repaint.
constexpr std::uint32_t kPauseBeforeWinMs = 200;

constexpr std::string_view kWonSound = "Won";
constexpr std::string_view kFlagOn = "Y";
constexpr std::string_view kFlagOff = "N";

bool FieldIs(const Game& game, fields::Field field, std::string_view value) {
    return game.settings.GetField(field.position, field.width) == value;
}

bool Flag(const Game& game, int index) {
    return game.registers.GetFlag(index) != 0;
}

void StopGameCommands(Game& game) {
    IShellPort* shell = game.services.shellPort;
    if (shell == nullptr) return;
    shell->SetCommandEnabled(ShellCommand::kPause, false);
    shell->SetCommandEnabled(ShellCommand::kQuitGame, false);
    shell->SetCommandEnabled(ShellCommand::kSnapshotPosition, false);
}

void PlayWinningAnimation(Game& game, int cursor) {
    IShellPort* shell = game.services.shellPort;
    if (shell != nullptr) shell->SetCursor(cursor);
    if (game.services.clock != nullptr) DelayProcessing(*game.services.clock, kPauseBeforeWinMs);
    if (shell != nullptr) shell->InstallMessageFilter(MessageFilter::kWinAnimation);
    game.media.PlaySoundAsync(kWonSound, FieldIs(game, fields::kSoundsGameWon, kFlagOn));
    // The player may have switched the animation off in the options.
    if (game.services.paths != nullptr &&
        PreferenceFile(*game.services.paths).ReadString(kSectionPreference, kWinningAnimationKey, kFlagOn) == kFlagOff)
        return;
    // An empty name: the animation and its time come from the preferences.
    if (game.services.tableView != nullptr) game.services.tableView->PlayWinningAnimation({}, 0);
}

}  // namespace

bool ConfirmQuitGame(Game& game, std::string_view text) {
    if (Flag(game, flag::kWinAnimationRunning)) return false;
    if (FieldIs(game, fields::kConfirmQuitGame, kFlagOff)) return true;
    bool result = true;
    if (Flag(game, flag::kGameInProgress) && !Flag(game, flag::kGameWon)) {
        if (game.services.messages != nullptr) {
            const std::string question(text.empty() ? kQuitGameQuestion : text);
            result = game.services.messages->Confirm(question, std::string(kProductName));
        }
        if (game.services.shellPort != nullptr) game.services.shellPort->UpdateMainWindow();
    }
    return result;
}

bool EndGame(Game& game) {
    if (!Flag(game, flag::kGameInProgress)) return false;

    IShellPort* shell = game.services.shellPort;
    const int cursor = shell != nullptr ? shell->CurrentCursor() : kDefaultCursor;
    if (shell != nullptr) {
        shell->SetCursor(kHourglassCursor);
        if (shell->IsPanelVisible(ShellPanel::kPilesSize)) shell->SetPanelVisible(ShellPanel::kPilesSize, false);
    }

    const int target = game.gameDef[words::kTargetScore];
    if (target != 0) game.registers.SetFlag(flag::kGameWon, CurrentScore(game.settings) >= target ? 1 : 0);
    const bool won = Flag(game, flag::kGameWon);

    game.registers.SetFlag(flag::kClockRunning, 0);
    StopGameCommands(game);
    game.mainGame.LiftedCard = 0;
    game.mainGame.LiftedTopCard = 0;
    RefreshClock(game);

    game.registers.SetFlag(flag::kGameWon, 0);
    game.registers.SetFlag(flag::kGameInProgress, 0);
    game.registers.SetFlag(flag::kStopAutoplay, 1);
    game.mainGame.CloseRequested = 0;

    if (won) PlayWinningAnimation(game, cursor);
    if (shell != nullptr) shell->SetCursor(cursor);

    // Only the winning animation replaced the handler; a game ended while another filter
    // runs (a pairing's completed selection) keeps that filter for its caller to remove.
    if (won && shell != nullptr) shell->RestoreMessageHandler();
    if (game.mainGame.CloseRequested == 1) {
        if (shell != nullptr) shell->CloseMainWindow();
    } else if (won && !Flag(game, flag::kGameInProgress)) {
        if (ITableView* view = game.services.tableView) {
            view->PaintBackground();
            view->CopyBufferToScreen();
        }
        if (shell != nullptr) shell->OpenGameChooser();
    }
    return won;
}

void RefreshClock(Game& game) {
    IShellPort* shell = game.services.shellPort;
    if (shell == nullptr) return;
    if (game.services.clock != nullptr) ClockTick(game.registers, *game.services.clock, *shell);
    shell->RepaintLabel(ShellLabel::kTempo);
}

}  // namespace engine
