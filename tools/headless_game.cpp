#include "tools/headless_game.h"

#include "engine/base/text_utils.h"
#include "engine/files/game_definitions.h"
#include "engine/model/preference_fields.h"
#include "engine/state/game.h"

namespace tools {

namespace {

constexpr int kGameIdWidth = 4;

void SetField(engine::Game& game, const engine::fields::Field& field, std::string_view value) {
    game.settings.SetField(field.position, field.width, value);
}

}  // namespace

bool HeadlessShellPort::IsCommandEnabled(engine::ShellCommand command) const {
    const auto it = m_commands.find(command);
    return it == m_commands.end() || it->second.enabled;
}

bool HeadlessShellPort::IsCommandDown(engine::ShellCommand command) const {
    const auto it = m_commands.find(command);
    return it != m_commands.end() && it->second.down;
}

engine::ShellRect HeadlessShellPort::PanelBounds(engine::ShellPanel panel) const {
    const auto it = m_panels.find(panel);
    return it == m_panels.end() ? engine::ShellRect{} : it->second.bounds;
}

bool HeadlessShellPort::IsPanelVisible(engine::ShellPanel panel) const {
    const auto it = m_panels.find(panel);
    return it != m_panels.end() && it->second.visible;
}

HeadlessGame::HeadlessGame(const std::filesystem::path& folder) : m_paths(folder) {
    engine::Services services;
    services.clock = &m_clock;
    services.random = &m_random;
    services.messages = &m_messages;
    services.paths = &m_paths;
    services.shellPort = &m_shell;
    services.tableView = &m_view;
    m_game = std::make_unique<engine::Game>(services);
    SetField(*m_game, engine::fields::kDealAnimation, "N");
}

HeadlessGame::~HeadlessGame() = default;

bool HeadlessGame::LoadList() { return engine::LoadGameList(m_game->services, m_game->mainGame); }

bool HeadlessGame::LoadGame(int gameId, const std::string& name) {
    SetField(*m_game, engine::fields::kGame, engine::IntToZeroPad(gameId, kGameIdWidth));
    SetField(*m_game, engine::fields::kGameName, name);
    m_game->gameDef.Clear();
    return engine::LoadGameDefinition(m_game->services, m_game->settings, m_game->mainGame, m_game->gameDef);
}

}  // namespace tools
