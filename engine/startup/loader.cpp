#include "engine/startup/loader.h"

#include <cstdint>
#include <optional>
#include <string>

#include "engine/session/advice.h"
#include "engine/base/decimal_text.h"
#include "engine/state/game.h"
#include "engine/files/game_definitions.h"
#include "engine/files/games_file.h"
#include "engine/model/preference_fields.h"
#include "engine/files/preference_file.h"
#include "engine/files/preferences.h"
#include "engine/files/program_folder.h"
#include "engine/files/required_files.h"
#include "engine/ports/startup_shell.h"
#include "engine/startup/startup_steps.h"
#include "engine/session/status_panels.h"
#include "engine/ports/table_globals.h"
#include "engine/undo/undo_buttons.h"
#include "engine/ports/window_items.h"
#include "platform/core/paths.h"
#include "platform/core/process.h"
#include "platform/core/random.h"

namespace engine {

namespace {

constexpr std::string_view kYes = "Y";
constexpr std::string_view kNo = "N";
constexpr std::string_view kStatusBarPanel = "pnlStatusBar";

bool FieldIs(const SettingsBlock& settings, fields::Field field, std::string_view value) {
    return settings.GetField(field.position, field.width) == value;
}

// Reads the preference file into the settings block and the table object; the toolbar
// and the colour advice are applied while the keys are read, as each comes up.
StartupPreferences ReadStartupPreferences(Game& game, const PreferenceFile& file) {
    const Services& services = game.services;
    PreferenceReading reading;
    if (IStartupShell* shell = services.startupShell) {
        reading.lowColourScreen = shell->ScreenColourCount() <= kLowColourLimit;
        reading.applyToolbar = [shell](bool large, bool flat) { shell->ApplyToolbar(large, flat); };
    }
    reading.showLowColourAdvice = [&game] {
        ShowAdvice(game.services, game.settings, LowColourAdviceText(), kLowColourAdviceSection,
                   kLowColourAdvicePage);
    };
    const StartupPreferences read = ReadPreferences(game.settings, file, reading);
    game.mainGame.FastSearchType = static_cast<std::int16_t>(read.fastSearchType);
    game.mainGame.FoundationMarkStyle = static_cast<std::int16_t>(read.foundationMarkStyle);
    game.mainGame.RandomGameType = static_cast<std::int16_t>(read.randomGameType);
    game.mainGame.AutoplaySaveMode = static_cast<std::int16_t>(read.autoplaySaveMode);
    if (IStartupShell* shell = services.startupShell) shell->SetTableCursor(TableCursor(game.settings));
    return read;
}

void ApplyAutoplayAtStart(Game& game, const StartupPreferences& read, const StartupHooks& hooks) {
    if (read.autoplaySaveMode == kAutoplayAllGames) {
        if (read.autoPlay && game.services.startupShell != nullptr) game.services.startupShell->SwitchAutoPlayOn();
        return;
    }
    if (!hooks.applyAutoplay) return;
    const auto [position, width] = fields::kGame;
    if (const std::optional<int> gameId = ReadDecimal(game.settings.GetField(position, width)))
        hooks.applyAutoplay(*gameId);
}

// The settings read, put to work: the status panels, the players, the run counter, the
// small-screen state, AutoPlay and the run's counters.
void ApplyStartupPreferences(Game& game, PreferenceFile& file, const StartupPreferences& read,
                             const StartupHooks& hooks) {
    StatusContext status = game.Status();
    SetShowTime(status, FieldIs(game.settings, fields::kShowTime, kYes), false);
    SetShowScore(status, FieldIs(game.settings, fields::kShowScore, kYes), false);
    CreateDefaultPlayers(game.settings, file);
    AdvanceRunCount(file);
    game.mainGame.SmallScreenHandled = kSmallScreenSetAtStartup;
    ApplyAutoplayAtStart(game, read, hooks);
    game.settings.ResetSessionCounters();

    if (FieldIs(game.settings, fields::kStatusBar, kNo) && game.services.windowItems != nullptr)
        game.services.windowItems->SetItemVisible(kStatusBarPanel, false);
    if (game.services.tableGlobals != nullptr)
        game.services.tableGlobals->SetShadowOffset(CardShadowOffset(game.settings));
}

// The card table in code order, every card face up, and every pile line empty.
void PrepareBoard(Game& game) {
    game.Cards().FillCardTable();
    game.Piles().ClearPiles();
}

// GAMES.DAT must be there and sound: without the game list there is nothing to play.
// The reader has told the player which line of a damaged file is wrong.
bool LoadGames(Game& game) {
    const Services& services = game.services;
    if (!RequireFile(services, services.paths->Resolve(kGamesFileName))) return false;
    if (services.messages != nullptr && LoadGameList(services, game.mainGame)) return true;
    if (services.process != nullptr) services.process->Terminate(kMissingFileExitCode);
    return false;
}

}  // namespace

bool LoadTable(Game& game, const StartupHooks& hooks) {
    const Services& services = game.services;
    if (services.paths == nullptr) return false;

    if (!OpenCardLibrary(services, game.media)) return false;
    PrepareMainWindow(services);
    game.media.LoadTableCursors();
    ResetRunState(game);
    SetStartupHelpFile(services);
    EnsureDataFolder(*services.paths);

    PreferenceFile file(*services.paths);
    const StartupPreferences read = ReadStartupPreferences(game, file);
    ApplyStartupPreferences(game, file, read, hooks);

    PrepareBoard(game);
    if (!LoadGames(game)) return false;
    if (hooks.afterGameListLoaded) hooks.afterGameListLoaded();
    CheckCurrentGame(game.settings, game.mainGame);

    if (services.tableGlobals != nullptr)
        services.tableGlobals->SetCardSize(game.settings.GetField(fields::kCardSize.position, fields::kCardSize.width));
    if (services.shellPort != nullptr) ApplyUndoOption(*services.shellPort, game.settings);
    if (services.startupShell != nullptr) services.startupShell->InstallActivationHandler();
    if (services.random != nullptr && services.clock != nullptr) services.random->SeedFromClock(*services.clock);

    WriteVersionMarker(*services.paths);
    RemoveObsoleteFiles(*services.paths);
    ResetAdviceState(game.mainGame);
    return true;
}

}  // namespace engine
