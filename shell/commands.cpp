#include "shell/commands.h"

#include "bars/items/bar_button.h"
#include "bars/manager/bar_manager.h"

namespace shell {

namespace {

constexpr CommandKind kCheck = CommandKind::kCheck;
constexpr CommandKind kSub = CommandKind::kSubMenu;
constexpr CommandKind kPlain = CommandKind::kButton;

// clang-format off
const CommandDesign kMainCommandList[] = {
    {"mnuFile", "&File", "", "Menus", "", kSub, "", false, true},
    {"mnuNew", "&New game", "F2", "File", "mnuNewClick", kPlain, "mnuFile", false, true},
    {"mnuRestartGame", "&Restart game", "Ctrl+F2", "File", "", kPlain, "mnuFile", false, false},
    {"mnuSelect", "S&elect a game number...", "F3", "File", "", kPlain, "mnuFile", false, false},
    {"mnuRandomGame", "R&andom game", "", "Menus", "", kSub, "mnuFile", false, false},
    {"mnuRandomFavorite", "From &favorite games", "Ctrl+Shift+F", "File", "", kPlain, "mnuRandomGame", false, false},
    {"mnuRandomAll", "From &all games", "Ctrl+Shift+A", "File", "", kPlain, "mnuRandomGame", false, false},
    {"mnuOpen", "&Open a game...", "Ctrl+F12", "File", "mnuOpenClick", kPlain, "mnuFile", false, true},
    {"mnuSave", "&Save...", "Ctrl+Shift+F12", "File", "", kPlain, "mnuFile", false, false},
    {"mnuPlayers", "&Players...", "Ctrl+L", "File", "", kPlain, "mnuFile", false, false},
    // Shown only while the favourites list is not empty, and nothing fills it.
    {"mnuFavorites", "Fa&vorite games", "", "Menus", "", kSub, "mnuFile", true, false},
    {"mnuFavoriteList", "(favorite games)", "", "File", "", CommandKind::kList, "mnuFavorites", false, false},
    {"mnuHoldAndExit", "&Hold and exit...", "", "File", "mnuHoldAndExitClick", kPlain, "mnuFile", true, false},
    {"mnuEsci", "E&xit", "", "File", "mnuEsciClick", kPlain, "mnuFile", true, true},

    {"mnuGame", "&Game", "", "Menus", "", kSub, "", false, true},
    {"mnuUndo", "&Undo", "Ctrl+Z", "Game", "mnuUndoClick", kPlain, "mnuGame", false, true},
    {"mnuRedo", "&Redo", "Ctrl+Y", "Game", "mnuRedoClick", kPlain, "mnuGame", false, true},
    {"mnuPause", "P&ause", "Ctrl+P", "Game", "", kCheck, "mnuGame", true, false},
    {"mnuQuitGame", "&Quit game", "Ctrl+Q", "Game", "", kPlain, "mnuGame", false, false},
    {"mnuAutoPlay", "Au&toplay", "F7", "Game", "mnuAutoPlayClick", kCheck, "mnuGame", true, true},
    {"mnuFastSearch", "Games Fast Search...", "", "Game", "", kPlain, "mnuGame", false, false},

    // Nothing of the next three menus is offered.
    {"mnuBookmarks", "&Bookmarks", "", "Menus", "", kSub, "", false, false},
    {"mnuSnapshotPosition", "Insert &bookmark", "", "Bookmarks", "", kPlain, "mnuBookmarks", false, false},
    {"mnuUndoToSnapshot", "Go &to bookmark", "", "Bookmarks", "", kPlain, "mnuBookmarks", false, false},

    {"mnuStatistics", "&Statistics", "", "Menus", "", kSub, "", false, false},
    {"mnuGameStatistics", "&Game statistics...", "F4", "Statistics", "", kPlain, "mnuStatistics", false, false},
    {"mnuPlayersStatistics", "&Players' statistics...", "", "Statistics", "", kPlain, "mnuStatistics", false, false},
    {"mnuAllGamesStatistics", "&All games statistics...", "", "Statistics", "", kPlain, "mnuStatistics", false, false},
    {"mnuLogStatistics", "&Log statistics...", "", "Statistics", "", kPlain, "mnuStatistics", false, false},
    {"mnuHiScores", "&Hi-Scores...", "F9", "Statistics", "", kPlain, "mnuStatistics", true, false},
    {"mnuOverallScore", "O&verall score...", "", "Statistics", "", kPlain, "mnuStatistics", false, false},
    {"mnuGameInformation", "Game &information...", "F5", "Statistics", "", kPlain, "mnuStatistics", true, false},

    {"mnuOptions", "O&ptions", "", "Menus", "", kSub, "", false, false},
    {"mnuCardCounter", "&Card counter...", "F8", "Options", "", kCheck, "mnuOptions", false, false},

    {"mnuTools", "&Tools", "", "Menus", "", kSub, "", false, true},
    {"mnuCustomize", "C&ustomize...", "Ctrl+U", "Tools", "mnuCustomizeClick", kPlain, "mnuTools", false, true},
    {"mnuCustomizeRules", "Customize &rules...", "Ctrl+R", "Tools", "", kPlain, "mnuTools", false, false},
    {"mnuFavoriteGames", "&Favorite games...", "Ctrl+F", "Tools", "", kPlain, "mnuTools", false, false},
    {"mnuComments", "&Comments...", "", "Tools", "", kPlain, "mnuTools", false, false},

    {"mnuHelp", "&Help", "", "Menus", "", kSub, "", false, true},
    {"mnuRules", "&Rules", "F1", "Help", "mnuRulesClick", kPlain, "mnuHelp", false, true},
    {"Sommario1", "&Contents", "", "Help", "Sommario1Click", kPlain, "mnuHelp", false, true},
    {"mnuTipOfTheDay", "&Tip of the Day...", "", "Help", "", kPlain, "mnuHelp", false, false},
    {"mnuNewsletter", "&Free Newsletter...", "", "Help", "mnuNewsletterClick", kPlain, "mnuHelp", true, true},
    {"mnuQuendrixontheWeb", "[Program] on the &Web...", "", "Menus", "", kSub, "mnuHelp", false, true},
    {"mnuQuendrixHomePage", "[Program] &Home Page", "", "Help", "mnuQuendrixHomePageClick", kPlain, "mnuQuendrixontheWeb", false, true},
    {"mnuProductNews", "&Product News", "", "Help", "mnuProductNewsClick", kPlain, "mnuQuendrixontheWeb", false, false},
    {"mnuUpdate", "[Program] &Update", "", "Help", "mnuUpdateClick", kPlain, "mnuQuendrixontheWeb", false, false},
    {"mnuPublishScore", "Publishing your O&verall Score...", "", "Help", "", kPlain, "mnuHelp", false, false},
    {"mnuAbout", "A&bout [Program]...", "", "Help", "mnuAboutClick", kPlain, "mnuHelp", true, true},
};
// clang-format on

}  // namespace

std::span<const CommandDesign> MainCommands() { return kMainCommandList; }

const std::string& Command::Caption() const { return m_item != nullptr ? m_item->Caption() : m_caption; }

void Command::SetCaption(std::string_view caption) {
    m_caption = std::string(caption);
    if (m_item != nullptr) m_item->SetCaption(m_caption);
}

bool Command::IsEnabled() const { return m_item != nullptr ? m_item->StoredEnabled() : m_enabled; }

void Command::SetEnabled(bool enabled) {
    m_enabled = enabled;
    if (m_item != nullptr) m_item->SetEnabled(enabled);
}

bool Command::IsVisible() const { return m_item != nullptr ? m_item->Visible() == bars::ivAlways : m_visible; }

void Command::SetVisible(bool visible) {
    m_visible = visible;
    if (m_item != nullptr) m_item->SetVisible(visible ? bars::ivAlways : bars::ivNever);
}

bool Command::IsDown() const {
    if (const auto* button = dynamic_cast<const bars::TcbBarButton*>(m_item)) return button->Down();
    return m_down;
}

void Command::SetDown(bool down) {
    if (design->kind != CommandKind::kCheck) return;
    m_down = down;
    if (auto* button = dynamic_cast<bars::TcbBarButton*>(m_item)) button->SetDown(down);
}

void Command::Bind(bars::TcbBarItem& item) {
    m_item = &item;
    SetCaption(m_caption);
    SetEnabled(m_enabled);
    SetVisible(m_visible);
    SetDown(m_down);
}

CommandTable::CommandTable(std::span<const CommandDesign> designs, const Handlers& handlers) {
    for (const CommandDesign& entry : designs) {
        auto command = std::make_unique<Command>();
        command->design = &entry;
        command->SetCaption(entry.caption);
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
    if (command == nullptr || !command->IsVisible() || !command->IsEnabled()) return false;
    // A bound command is clicked as its menu entry is: the item toggles a check, then runs it.
    if (bars::TcbBarItem* item = command->Item()) {
        item->Click();
        return true;
    }
    if (command->design->kind == CommandKind::kCheck) command->SetDown(!command->IsDown());
    if (command->handler) command->handler();
    return true;
}

void CommandTable::HideUnoffered() {
    for (const auto& command : m_commands)
        if (!command->design->offered) {
            command->SetVisible(false);
            command->SetEnabled(false);
        }
}

void CommandTable::Bind(bars::TcbBarManager& manager) {
    for (const auto& command : m_commands) {
        bars::TcbBarItem* item = manager.ItemByName(std::string(command->design->name));
        if (item == nullptr) continue;
        command->Bind(*item);
        item->OnClick = [handler = &command->handler](platform::Component*) {
            if (*handler) (*handler)();
        };
    }
}

}  // namespace shell
