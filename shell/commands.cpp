#include "shell/commands.h"

namespace shell {

namespace {

constexpr CommandKind kCheck = CommandKind::kCheck;
constexpr CommandKind kSub = CommandKind::kSubMenu;
constexpr CommandKind kPlain = CommandKind::kButton;

// clang-format off
const CommandDesign kMainCommandList[] = {
    // File
    {"mnuNew", "&New game", "F2", "File", "mnuNewClick", kPlain, "", false, true},
    {"mnuRestartGame", "&Restart game", "Ctrl+F2", "File", "", kPlain, "", false, false},
    {"mnuSelect", "S&elect a game number...", "F3", "File", "", kPlain, "", false, false},
    {"mnuRandomGame", "R&andom game", "", "Menus", "", kSub, "", false, false},
    {"mnuRandomFavorite", "From &favorite games", "Ctrl+Shift+F", "File", "", kPlain, "mnuRandomGame", false, false},
    {"mnuRandomAll", "From &all games", "Ctrl+Shift+A", "File", "", kPlain, "mnuRandomGame", false, false},
    {"mnuOpen", "&Open a game...", "Ctrl+F12", "File", "mnuOpenClick", kPlain, "", false, true},
    {"mnuSave", "&Save...", "Ctrl+Shift+F12", "File", "", kPlain, "", false, false},
    {"mnuPlayers", "&Players...", "Ctrl+L", "File", "", kPlain, "", false, false},
    // Shown only while the favourites list is not empty, and nothing fills it.
    {"mnuFavorites", "Fa&vorite games", "", "Menus", "", kSub, "", true, false},
    {"mnuFavoriteList", "(favorite games)", "", "File", "", kPlain, "mnuFavorites", false, false},
    {"mnuSnapshotPosition", "Insert &bookmark", "", "File", "", kPlain, "", true, false},
    {"mnuUndoToSnapshot", "Go &to bookmark", "", "File", "", kPlain, "", false, false},
    {"mnuHoldAndExit", "&Hold and exit...", "", "File", "mnuHoldAndExitClick", kPlain, "", true, false},
    {"mnuEsci", "E&xit", "", "File", "mnuEsciClick", kPlain, "", true, true},
    // Game
    {"mnuUndo", "&Undo", "Ctrl+Z", "Game", "mnuUndoClick", kPlain, "", false, true},
    {"mnuRedo", "&Redo", "Ctrl+Y", "Game", "mnuRedoClick", kPlain, "", false, true},
    {"mnuPause", "P&ause", "Ctrl+P", "Game", "", kCheck, "", true, false},
    {"mnuQuitGame", "&Quit game", "Ctrl+Q", "Game", "", kPlain, "", false, false},
    {"mnuAutoPlay", "Au&toplay", "F7", "Game", "mnuAutoPlayClick", kCheck, "", true, true},
    {"mnuCardCounter", "&Card counter...", "F8", "Game", "", kCheck, "", false, false},
    {"mnuFastSearch", "Games Fast Search...", "", "Game", "", kPlain, "", false, false},
    // Statistics: nothing of it is offered.
    {"mnuGameStatistics", "&Game statistics...", "F4", "Statistics", "", kPlain, "", false, false},
    {"mnuPlayersStatistics", "&Players' statistics...", "", "Statistics", "", kPlain, "", false, false},
    {"mnuAllGamesStatistics", "&All games statistics...", "", "Statistics", "", kPlain, "", false, false},
    {"mnuLogStatistics", "&Log statistics...", "", "Statistics", "", kPlain, "", false, false},
    {"mnuHiScores", "&Hi-Scores...", "F9", "Statistics", "", kPlain, "", true, false},
    {"mnuOverallScore", "O&verall score...", "", "Statistics", "", kPlain, "", false, false},
    {"mnuGameInformation", "Game &information...", "F5", "Statistics", "", kPlain, "", true, false},
    // Tools
    {"mnuCustomize", "C&ustomize...", "Ctrl+U", "Tools", "mnuCustomizeClick", kPlain, "", false, true},
    {"mnuCustomizeRules", "Customize &rules...", "Ctrl+R", "Tools", "", kPlain, "", false, false},
    {"mnuFavoriteGames", "&Favorite games...", "Ctrl+F", "Tools", "", kPlain, "", false, false},
    {"mnuComments", "&Comments...", "", "Tools", "", kPlain, "", false, false},
    // Help
    {"mnuRules", "&Rules", "F1", "Help", "mnuRulesClick", kPlain, "", false, true},
    {"Sommario1", "&Contents", "", "Help", "Sommario1Click", kPlain, "", false, true},
    {"mnuTipOfTheDay", "&Tip of the Day...", "", "Help", "", kPlain, "", false, false},
    {"mnuNewsletter", "&Free Newsletter...", "", "Help", "mnuNewsletterClick", kPlain, "", true, true},
    {"mnuQuendrixontheWeb", "[Program] on the &Web...", "", "Menus", "", kSub, "", false, true},
    {"mnuQuendrixHomePage", "[Program] &Home Page", "", "Help", "mnuQuendrixHomePageClick", kPlain, "mnuQuendrixontheWeb", false, true},
    {"mnuProductNews", "&Product News", "", "Help", "mnuProductNewsClick", kPlain, "mnuQuendrixontheWeb", false, false},
    {"mnuUpdate", "[Program] &Update", "", "Help", "mnuUpdateClick", kPlain, "mnuQuendrixontheWeb", false, false},
    {"mnuPublishScore", "Publishing your O&verall Score...", "", "Help", "", kPlain, "", false, false},
    {"mnuAbout", "A&bout [Program]...", "", "Help", "mnuAboutClick", kPlain, "", true, true},
};
// clang-format on

}  // namespace

std::span<const CommandDesign> MainCommands() { return kMainCommandList; }

CommandTable::CommandTable(std::span<const CommandDesign> designs, const Handlers& handlers) {
    for (const CommandDesign& entry : designs) {
        auto command = std::make_unique<Command>();
        command->design = &entry;
        command->caption = std::string(entry.caption);
        if (!entry.handler.empty()) {
            const auto bound = handlers.find(entry.handler);
            if (bound != handlers.end()) command->handler = bound->second;
        }
        m_commands.push_back(std::move(command));
    }
}

Command* CommandTable::Find(std::string_view name) {
    for (const auto& command : m_commands)
        if (command->design->name == name) return command.get();
    return nullptr;
}

const Command* CommandTable::Find(std::string_view name) const {
    return const_cast<CommandTable*>(this)->Find(name);
}

bool CommandTable::Click(std::string_view name) {
    Command* command = Find(name);
    if (command == nullptr || !command->visible || !command->enabled) return false;
    if (command->design->kind == CommandKind::kCheck) command->down = !command->down;
    if (command->handler) command->handler();
    return true;
}

void CommandTable::HideUnoffered() {
    for (const auto& command : m_commands)
        if (!command->design->offered) {
            command->visible = false;
            command->enabled = false;
        }
}

}  // namespace shell
