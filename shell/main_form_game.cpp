// The main window's commands: games, autoplay, help, links and dialogs.

#include <optional>

#include "engine/base/decimal_text.h"
#include "engine/base/text_utils.h"
#include "engine/files/preference_file.h"
#include "engine/files/preference_keys.h"
#include "engine/model/preference_fields.h"
#include "engine/play/autoplay.h"
#include "engine/play/tableau_fill.h"
#include "engine/ports/window_items.h"
#include "engine/session/game_commands.h"
#include "engine/session/new_game.h"
#include "engine/session/rules_help.h"
#include "engine/session/status_panels.h"
#include "engine/session/undo_commands.h"
#include "engine/state/game.h"
#include "engine/undo/undo_move_group.h"
#include "platform/qt/controls.h"
#include "shell/current_game.h"
#include "shell/main_form.h"
#include "shell/table_parts.h"

namespace shell {

namespace {

namespace fields = engine::fields;

constexpr std::string_view kNewGameSound = "New";
constexpr std::string_view kYes = "Y";
constexpr std::string_view kLinkKind = "HTTP";
// The tree position a game started by the program itself is stored with.
constexpr int kProgramTreePosition = -30;

}  // namespace

CommandTable::Handlers TfrmMain::CommandHandlers() {
    auto bind = [this](void (TfrmMain::*handler)()) { return [this, handler] { RunAndPresent([this, handler] { (this->*handler)(); }); }; };
    return {
        {"mnuNewClick", bind(&TfrmMain::mnuNewClick)},
        {"mnuOpenClick", bind(&TfrmMain::mnuOpenClick)},
        {"mnuEsciClick", bind(&TfrmMain::mnuEsciClick)},
        {"mnuHoldAndExitClick", bind(&TfrmMain::mnuHoldAndExitClick)},
        {"mnuUndoClick", bind(&TfrmMain::mnuUndoClick)},
        {"mnuRedoClick", bind(&TfrmMain::mnuRedoClick)},
        {"mnuAutoPlayClick", bind(&TfrmMain::mnuAutoPlayClick)},
        {"mnuCustomizeClick", bind(&TfrmMain::mnuCustomizeClick)},
        {"mnuRulesClick", bind(&TfrmMain::mnuRulesClick)},
        {"Sommario1Click", bind(&TfrmMain::Sommario1Click)},
        {"mnuNewsletterClick", bind(&TfrmMain::mnuNewsletterClick)},
        {"mnuQuendrixHomePageClick", bind(&TfrmMain::mnuQuendrixHomePageClick)},
        {"mnuProductNewsClick", bind(&TfrmMain::mnuProductNewsClick)},
        {"mnuUpdateClick", bind(&TfrmMain::mnuUpdateClick)},
        {"mnuAboutClick", bind(&TfrmMain::mnuAboutClick)},
    };
}

void TfrmMain::RunAndPresent(const std::function<void()>& handler) {
    if (m_freed) return;
    handler();
    if (!m_freed) Present();
}

void TfrmMain::RunFromButton(void (TfrmMain::*handler)()) {
    UpdateMainWindow();
    RunAndPresent([this, handler] { (this->*handler)(); });
}

void TfrmMain::tbAutoPlayClick(const platform::SpeedButton& button) {
    m_commands.Find("mnuAutoPlay")->SetDown(button.IsDown());
    UpdateMainWindow();
    RunAndPresent([this] { mnuAutoPlayClick(); });
}

bool TfrmMain::EndGameClosing() {
    engine::EndGame(m_game);
    return m_closing || m_freed;
}

void TfrmMain::mnuNewClick() {
    const BusyScope busy(*this);
    if (!engine::ConfirmQuitGame(m_game)) return;
    // A won game ends with the chooser, and the next game is the one chosen there.
    const bool won = engine::EndGame(m_game);
    if (won || m_closing || m_freed) return;
    const int cursor = CurrentCursor();
    SetCursor(engine::kHourglassCursor);
    m_game.media.PlaySoundSync(kNewGameSound,
                               m_game.settings.GetField(fields::kSoundsNewGame.position, fields::kSoundsNewGame.width) == kYes);
    SetCursor(cursor);
    engine::StartNewGame(m_game, engine::kNewNumberMode);
}

void TfrmMain::mnuOpenClick() {
    if (m_chooser == nullptr) return;
    const BusyScope busy(*this);
    const std::optional<GameChoice> choice = m_chooser->ShowModalChoice();
    if (choice && !m_freed)
        StartChosenGame(choice->gameId, choice->gameName, choice->player, false, engine::kNewNumberMode);
}

void TfrmMain::SetGameChooser(std::unique_ptr<IGameChooser> chooser) { m_chooser = std::move(chooser); }

bool TfrmMain::StartChosenGame(int gameId, const std::string& gameName, const std::string& player, bool save,
                               int dealMode) {
    const BusyScope busy(*this);
    engine::SettingsBlock& settings = m_game.settings;
    const auto field = [&](fields::Field f) { return settings.GetField(f.position, f.width); };
    const int cursor = CurrentCursor();
    SetCursor(engine::kHourglassCursor);
    const bool changedGame = engine::ReadDecimal(field(fields::kGame)) != gameId;
    const bool changedPlayer = field(fields::kUserDefault) != player;
    if (!changedGame && !changedPlayer && Flag(engine::flag::kGameInProgress)) {
        SetCursor(cursor);
        return false;
    }
    if (!engine::ConfirmQuitGame(m_game)) {
        SetCursor(cursor);
        return false;
    }
    if (EndGameClosing()) {
        if (!m_freed) SetCursor(cursor);
        return true;
    }
    if (changedGame || changedPlayer) settings.ResetSessionCounters();
    engine::PreferenceFile file(*m_game.services.paths);
    if (changedPlayer) {
        settings.SetField(fields::kUserDefault.position, fields::kUserDefault.width, player);
        file.WriteString(engine::kSectionPreference, "UserDefault", player);
        engine::UpdateMainTitle(m_game);
    }
    if (changedGame || m_game.mainGame.SmallScreenHandled == 2) m_game.mainGame.SmallScreenHandled = 0;
    settings.SetField(fields::kGame.position, fields::kGame.width, engine::IntToZeroPad(gameId, fields::kGame.width));
    settings.SetField(fields::kGameName.position, fields::kGameName.width, gameName);
    if (changedGame && m_game.services.tableView != nullptr) m_game.services.tableView->SetupTable();
    if (!IsItemEnabled("tbNew")) engine::EnableGameCommands(m_game.services, true);
    if (changedGame) engine::ApplyAutoplay(m_game, gameId);
    engine::StartNewGame(m_game, dealMode);
    if (save) SaveCurrentGame(file, gameId, gameName, kProgramTreePosition);
    SetCursor(cursor);
    return true;
}

void TfrmMain::SaveCurrentGame(engine::PreferenceFile& file, int gameId, const std::string& gameName,
                               int treePosition) {
    shell::SaveCurrentGame(file, gameId, gameName, treePosition);
}

void TfrmMain::mnuEsciClick() { close(); }

void TfrmMain::mnuHoldAndExitClick() {
    m_game.registers.SetFlag(engine::flag::kHoldAndExit, 1);
    close();
}

void TfrmMain::mnuUndoClick() {
    const BusyScope busy(*this);
    engine::UndoMove(m_game);
}

void TfrmMain::mnuRedoClick() {
    const BusyScope busy(*this);
    engine::RedoMove(m_game);
}

void TfrmMain::mnuAutoPlayClick() {
    const BusyScope busy(*this);
    Command* autoPlay = m_commands.Find("mnuAutoPlay");
    platform::SpeedButton* large = Button("tbAutoPlay");
    platform::SpeedButton* small = Button("tbAutoPlay1");
    large->SetDown(autoPlay->IsDown());
    small->SetDown(autoPlay->IsDown());
    if (autoPlay->IsDown() && Flag(engine::flag::kGameInProgress)) {
        engine::UndoMoveGroup group(m_game.undo);
        engine::AutoPlayToFoundations(m_game, false);
        do {
            engine::AutoFillTableau(m_game);
        } while (!m_freed && engine::AutoPlayToFoundations(m_game, false));
    }
    if (m_freed) return;
    const std::optional<int> gameId =
        engine::ReadDecimal(m_game.settings.GetField(fields::kGame.position, fields::kGame.width));
    engine::SaveAutoplay(m_game, gameId.value_or(-1));
}

void TfrmMain::mnuRulesClick() { engine::ShowRulesHelp(m_game.services, m_game.settings, m_parts.help, -1); }

void TfrmMain::Sommario1Click() {
    if (m_parts.showHelpContents) m_parts.showHelpContents();
}

void TfrmMain::mnuNewsletterClick() {
    const int cursor = CurrentCursor();
    SetCursor(engine::kHourglassCursor);
    SetCursor(cursor);
    m_parts.dialogs.ShowNewsletter(*this, true);
}

void TfrmMain::mnuQuendrixHomePageClick() { m_game.media.OpenLink(kLinkKind, kHomePage); }
void TfrmMain::mnuProductNewsClick() { m_game.media.OpenLink(kLinkKind, kProductNewsPage); }
void TfrmMain::mnuUpdateClick() { m_game.media.OpenLink(kLinkKind, kDownloadPage); }

void TfrmMain::mnuAboutClick() {
    const int cursor = CurrentCursor();
    SetCursor(engine::kHourglassCursor);
    SetCursor(cursor);
    m_parts.dialogs.ShowAbout(*this);
}

void TfrmMain::OpenOptionsDialog(int) {
    if (m_freed) return;
    m_parts.dialogs.OpenOptionsDialog(*this);
    if (!m_freed) Present();
}

void TfrmMain::SetShowTime(bool show) {
    if (m_freed) return;
    engine::StatusContext status = m_game.Status();
    engine::SetShowTime(status, show, true);
}

void TfrmMain::SetShowScore(bool show) {
    if (m_freed) return;
    engine::StatusContext status = m_game.Status();
    engine::SetShowScore(status, show, true);
}

bool TfrmMain::StopWinningAnimation() {
    if (!Flag(engine::flag::kWinAnimationRunning)) return false;
    m_game.registers.SetFlag(engine::flag::kWinAnimationRunning, 0);
    return true;
}

namespace {

bool IsOneOf(unsigned message, std::initializer_list<unsigned> messages) {
    for (unsigned m : messages)
        if (m == message) return true;
    return false;
}

}  // namespace

bool TfrmMain::WinAnimationMessageFilter(const platform::AppMessage& message) {
    if (!IsOneOf(message.message, {platform::WM_LBUTTONDOWN, platform::WM_RBUTTONDOWN, platform::WM_MBUTTONDOWN,
                                   platform::WM_NCLBUTTONDOWN, platform::WM_KEYDOWN, platform::WM_SYSKEYDOWN}))
        return false;
    StopWinningAnimation();
    return true;
}

bool TfrmMain::SwallowInputMessageFilter(const platform::AppMessage& message) {
    return IsOneOf(message.message, {platform::WM_KEYDOWN, platform::WM_LBUTTONDOWN, platform::WM_RBUTTONDOWN});
}

}  // namespace shell
