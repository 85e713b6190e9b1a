#include <string>

#include "engine/play/autoplay.h"
#include "engine/play/autoplay_buttons.h"
#include "engine/state/game.h"
#include "engine/model/game_list.h"
#include "engine/files/preference_file.h"
#include "engine/files/preference_keys.h"
#include "engine/ports/shell_port.h"
#include "engine/base/text_utils.h"

// The AutoPlay controls and the per-game switch in the preference file.
namespace engine {

namespace {

constexpr std::string_view kGamesKey = "Games";
constexpr std::string_view kCustomKeyPrefix = "Cust_";
constexpr int kCustomIdDigits = 4;
// TMainGame.AutoplaySaveMode: one switch per game.
constexpr int kAutoplayPerGame = 2;
// Padding given to the "Games" text when it is too short for a game.
constexpr int kGamesPadding = 10;
constexpr char kOn = 'Y';
constexpr char kOff = 'N';

std::string CustomKey(int gameId) {
    return std::string(kCustomKeyPrefix) + IntToZeroPad(gameId, kCustomIdDigits);
}

// The per-game store is in use and the AutoPlay command can be switched.
IShellPort* PerGameSwitch(Game& game) {
    IShellPort* shell = game.services.shellPort;
    if (shell == nullptr || game.services.paths == nullptr) return nullptr;
    if (!shell->IsCommandEnabled(ShellCommand::kAutoPlay) || game.mainGame.AutoplaySaveMode != kAutoplayPerGame)
        return nullptr;
    return shell;
}

}  // namespace

void EnableAutoPlayButtons(Game& game, bool enabled) {
    if (game.services.windowItems != nullptr) EnableAutoPlayButtons(*game.services.windowItems, enabled);
}

bool IsAutoplayOn(Game& game, int gameId) {
    if (game.services.paths == nullptr || gameId < 0) return true;
    const PreferenceFile file(*game.services.paths);
    if (gameId >= kFirstCustomGameId) {
        const std::string value = file.ReadString(kSectionAutoplay, CustomKey(gameId), std::string(1, kOn));
        return value.empty() || value.front() != kOff;
    }
    const std::string games = file.ReadString(kSectionAutoplay, kGamesKey, "");
    return gameId >= static_cast<int>(games.size()) || games[static_cast<std::size_t>(gameId)] != kOff;
}

// The toolbar buttons mirror mnuAutoPlay's Down state, which is read for them here.
void ApplyAutoplay(Game& game, int gameId) {
    IShellPort* shell = PerGameSwitch(game);
    if (shell == nullptr) return;
    const bool on = IsAutoplayOn(game, gameId);
    if (on == shell->IsCommandDown(ShellCommand::kAutoPlay)) return;
    shell->SetCommandDown(ShellCommand::kAutoPlay, on);
    shell->RunAutoPlayClick();
}

void SaveAutoplay(Game& game, int gameId) {
    IShellPort* shell = PerGameSwitch(game);
    if (shell == nullptr || gameId < 0) return;
    const char c = shell->IsCommandDown(ShellCommand::kAutoPlay) ? kOn : kOff;
    PreferenceFile file(*game.services.paths);
    if (gameId >= kFirstCustomGameId) {
        file.WriteString(kSectionAutoplay, CustomKey(gameId), std::string(1, c));
        return;
    }
    std::string games = file.ReadString(kSectionAutoplay, kGamesKey, "");
    const auto index = static_cast<std::size_t>(gameId);
    if (games.size() <= index + 1) {
        games.append(index + kGamesPadding, kOn);
        games.resize(index + kGamesPadding);
    }
    games[index] = c;
    file.WriteString(kSectionAutoplay, kGamesKey, games);
}

}  // namespace engine
