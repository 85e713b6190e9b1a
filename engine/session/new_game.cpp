#include "engine/session/new_game.h"

#include <cstdint>
#include <string>

#include "engine/play/autoplay.h"
#include "engine/deal/deal.h"
#include "engine/state/game.h"
#include "engine/state/game_clock.h"
#include "engine/model/preference_fields.h"
#include "engine/rules/score.h"
#include "engine/ports/shell_port.h"
#include "engine/base/system_utils.h"
#include "engine/ports/table_port.h"
#include "engine/play/tableau_fill.h"
#include "engine/undo/undo_move_group.h"
#include "engine/rules/win_rule.h"
#include "platform/core/clock.h"
#include "platform/core/random.h"

namespace engine {

namespace {

// The two draws whose product is the game number.
constexpr std::int32_t kFirstDrawLimit = 9'999'999;
constexpr std::int32_t kSecondDrawLimit = 999'999;

// Autoplay after a deal waits this long, so the player sees the dealt table first.
constexpr std::uint32_t kAutoplayAfterDealMs = 800;

// The game kind whose win test runs right after the deal.
constexpr int kWinTestAfterDealKind = 44;

constexpr std::string_view kFlagOff = "N";

std::string Field(const Game& game, fields::Field field) {
    return game.settings.GetField(field.position, field.width);
}

// StartNewGame's steps 2-6: a clean board and clock, the rules as the definition has them.
void ResetForNewGame(Game& game) {
    game.mainGame.ActionCount = 0;
    game.mainGame.StockHighlightShown = 0;
    game.registers.SetIntReg(kStockDealCountReg, 0);
    game.undo.ClearBoard(false, true);
    if (game.services.random != nullptr) game.registers.FillWalkTables(*game.services.random);

    if (game.gameDef[words::kCardCount] != 0) {
        game.gameDef.SaveRestoreRuleWords(true);
    } else if (game.services.tableView != nullptr) {
        game.services.tableView->SetupTable();
    }

    game.registers.SetFlag(flag::kClockRunning, 0);
    if (IShellPort* shell = game.services.shellPort) {
        shell->SetLabelText(ShellLabel::kTempo, ZeroClockText(shell->TimeSeparator()));
    }
    game.mainGame.RedealCount = 1;
    StoreScore(game.settings, 0);
}

void DrawDealtTable(Game& game) {
    ITableView* view = game.services.tableView;
    if (view != nullptr) view->PaintBackground();
    if (IShellPort* shell = game.services.shellPort) {
        shell->SetLabelText(ShellLabel::kScore, Field(game, fields::kScore));
        shell->RepaintLabel(ShellLabel::kScore);
    }
    RefreshClock(game);

    if (view == nullptr) return;
    if (Field(game, fields::kDealAnimation) == kFlagOff) {
        view->RepaintTable();
        view->CopyBufferToScreen();
        return;
    }
    view->CopyBufferToScreen();
    IShellPort* shell = game.services.shellPort;
    if (shell != nullptr) shell->InstallMessageFilter(MessageFilter::kSwallowInput);
    view->RepaintTableAnimated();
    if (shell != nullptr) shell->RestoreMessageHandler();
}

void StartClock(Game& game) {
    if (game.registers.GetFlag(flag::kClockRunning) != 0) return;
    if (game.services.clock != nullptr) game.registers.SetTimeReg(kClockStartTimeReg, game.services.clock->Now());
    game.registers.SetFlag(flag::kClockRunning, 1);
    RefreshClock(game);
}

// The automatic moves after the deal leave one undo step, as a player's move does.
void AutoplayAfterDeal(Game& game) {
    if (!IsAutoPlayActive(game)) return;
    if (game.services.clock != nullptr) Delay(*game.services.clock, kAutoplayAfterDealMs);
    UndoMoveGroup group(game.undo);
    AutoPlayToFoundations(game, false);
    do {
        AutoFillTableau(game);
    } while (AutoPlayToFoundations(game, false));
}

void EnableGameRunCommands(Game& game) {
    IShellPort* shell = game.services.shellPort;
    if (shell == nullptr) return;
    shell->SetCommandEnabled(ShellCommand::kPause, true);
    shell->SetCommandEnabled(ShellCommand::kQuitGame, true);
    if (game.gameDef[words::kUndoDisabled] != 1) shell->SetCommandEnabled(ShellCommand::kSnapshotPosition, true);
}

}  // namespace

std::string GameNumberText(std::int64_t a, std::int64_t b) {
    const std::string padded = std::string(kGameNumberDigits, '0') + std::to_string(a * b);
    return padded.substr(padded.size() - kGameNumberDigits);
}

bool StartNewGame(Game& game, int mode) {
    IShellPort* shell = game.services.shellPort;
    const int cursor = shell != nullptr ? shell->CurrentCursor() : kDefaultCursor;
    if (shell != nullptr) {
        shell->SetCursor(kHourglassCursor);
        shell->UpdateMainWindow();
    }
    UpdateMainTitle(game);

    ResetForNewGame(game);
    if (mode == kNewNumberMode) NewGameNumber(game);

    DealContext deal = game.Deal();
    if (!DealCards(deal)) {
        // A record that cannot be dealt (the deal has said why) starts no game: no clock,
        // no moves on an empty table that the win test would call won.
        if (shell != nullptr) shell->SetCursor(cursor);
        return true;
    }
    game.registers.SetFlag(flag::kGameInProgress, 1);
    game.registers.SetFlag(flag::kGameWon, 0);

    DrawDealtTable(game);
    StartClock(game);
    AutoplayAfterDeal(game);

    if (shell != nullptr) shell->SetCursor(cursor);
    EnableGameRunCommands(game);

    if (game.gameDef[words::kGameKind] == kWinTestAfterDealKind &&
        game.registers.GetFlag(flag::kGameInProgress) != 0) {
        const bool won = IsGameWon(game.Piles(), game.gameDef, game.settings);
        game.registers.SetFlag(flag::kGameWon, won ? 1 : 0);
        if (won) EndGame(game);
    }
    return true;
}

void NewGameNumber(Game& game) {
    std::int64_t a = 0;
    std::int64_t b = 0;
    if (platform::RandomGenerator* random = game.services.random) {
        a = random->Random(kFirstDrawLimit);
        b = random->Random(kSecondDrawLimit);
    }
    game.settings.SetField(fields::kGameNumber.position, fields::kGameNumber.width, GameNumberText(a, b));
    UpdateMainTitle(game);
}

std::string MainTitle(std::string_view gameName, std::string_view gameNumber) {
    std::string caption = std::string(kProductName) + " [" + std::string(gameName) + "]";
    if (!gameNumber.empty()) caption += "  [" + std::string(gameNumber) + "]";
    return caption;
}

void UpdateMainTitle(Game& game) {
    IShellPort* shell = game.services.shellPort;
    if (shell == nullptr) return;
    const std::string caption = MainTitle(Field(game, fields::kGameName), Field(game, fields::kGameNumber));
    if (shell->Caption() != caption) shell->SetCaption(caption);
}

}  // namespace engine
