#include "engine/startup/startup_steps.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "engine/base/decimal_text.h"
#include "engine/state/game.h"
#include "engine/ports/help_viewer.h"
#include "engine/files/media.h"
#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "engine/files/required_files.h"
#include "engine/session/rules_help.h"
#include "engine/ports/services.h"
#include "engine/model/settings_block.h"
#include "engine/ports/startup_shell.h"
#include "engine/ports/table_globals.h"
#include "engine/model/table_object.h"
#include "engine/base/text_utils.h"
#include "engine/ports/window_items.h"
#include "platform/core/messages.h"
#include "platform/core/paths.h"
#include "platform/core/process.h"
#include "platform/core/resource_library.h"

namespace engine {

namespace {

constexpr std::string_view kErrorTitle = "Error";
constexpr int kNoGame = -1;

constexpr std::array<std::string_view, 6> kMacroCaptionItems = {
    "mnuAbout", "mnuUpdate", "mnuProductNews", "mnuQuendrixHomePage", "mnuQuendrixontheWeb", "mnuSeeChampions",
};
constexpr std::array<std::string_view, 2> kSnapshotCommands = {"mnuSnapshotPosition", "mnuUndoToSnapshot"};
constexpr std::array<std::string_view, 5> kHiddenButtons = {"tbRestart", "tbRestart1", "tbSave1", "tbStat", "tbStat1"};

// Flags that no run carries over into the next start.
constexpr std::array<int, 6> kClearedFlags = {
    flag::kHoldAndExit, flag::kSecondClickPending, flag::kGameInProgress,
    flag::kGameWon,     flag::kUnusedMark,         flag::kWinAnimationRunning,
};

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

void Stop(const Services& services, const std::string& text) {
    if (services.messages != nullptr) services.messages->ShowError(std::string(kErrorTitle), text);
    if (services.process != nullptr) services.process->Terminate(kMissingFileExitCode);
}

}  // namespace

bool OpenCardLibrary(const Services& services, Media& media) {
    const std::filesystem::path path = services.paths->Resolve(kCardLibraryFile);
    if (services.resources == nullptr || !services.resources->Open(path)) {
        std::string text = std::string(kCannotLoadLibrary) + LowerCase(path.string());
        if (services.resources != nullptr && !services.resources->Problem().empty())
            text += std::string(kLineBreak) + services.resources->Problem();
        Stop(services, text);
        return false;
    }
    media.SetCardLibraryHandle(services.resources);
    return true;
}

void PrepareMainWindow(const Services& services) {
    if (IWindowItems* items = services.windowItems) {
        for (const std::string_view item : kMacroCaptionItems)
            items->SetItemCaption(item, ExpandMacros(items->ItemCaption(item)));
        for (const std::string_view item : kSnapshotCommands) items->SetItemEnabled(item, false);
    }
    if (services.startupShell != nullptr) services.startupShell->SetApplicationTitle(kProductName);
    if (IWindowItems* items = services.windowItems) {
        for (const std::string_view button : kHiddenButtons) items->SetItemVisible(button, false);
    }
    if (services.startupShell != nullptr) services.startupShell->HideUnofferedCommands();
}

void ResetRunState(Game& game) {
    for (const int index : kClearedFlags) game.registers.SetFlag(index, 0);
    game.mainGame.LiftedCard = 0;
    game.mainGame.LiftedTopCard = 0;
    game.lift = LiftState{};
    if (game.services.tableGlobals != nullptr) game.services.tableGlobals->ClearDragState();
    game.registers.SetFlag(flag::kStartupPending, 1);
    game.registers.SetFlag(flag::kClockRunning, 0);
    game.registers.SetIntReg(kLastMouseMoveReg, kNoMouseMove);
}

void SetStartupHelpFile(const Services& services) {
    if (services.help == nullptr) return;
    services.help->SetHelpFile(services.paths->Resolve(kHelpFileName).string() + ">" +
                               std::string(kStartupHelpWindow));
}

std::string LowColourAdviceText() {
    return "At this time your video driver supports 256 colors or less. This program takes advantage of the 16 bit "
           "(65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. " +
           std::string(kLineBreak) +
           "If your video driver allows High or True color mode settings (16 bit or 24 bit), modify your screen "
           "resolution using the Display Properties Settings in the Control Panel.";
}

bool CheckCurrentGame(SettingsBlock& settings, const TMainGame& mainGame) {
    const auto [position, width] = fields::kGame;
    const std::optional<int> gameId = ReadDecimal(settings.GetField(position, width));
    if (!gameId || *gameId < 0 || !mainGame.GetGameName(*gameId).empty()) return false;
    settings.SetField(position, width, IntToZeroPad(kNoGame, width));
    settings.SetField(fields::kGameName.position, fields::kGameName.width, "");
    return true;
}

void ResetAdviceState(TMainGame& mainGame) {
    mainGame.Advice640Shown = 0;
    mainGame.Advice800Shown = 0;
    mainGame.StockHighlightShown = 0;
    mainGame.JokerCaptionKey = kNoJokerCaption;
}

}  // namespace engine
