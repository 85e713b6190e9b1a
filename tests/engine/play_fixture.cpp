#include "tests/engine/play_fixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "engine/files/game_definitions.h"
#include "engine/model/game_list.h"
#include "engine/session/new_game.h"
#include "engine/model/preference_fields.h"
#include "engine/base/text_utils.h"

namespace engine::play_test {

namespace {

constexpr int kGameIdWidth = 4;

// The row above the tableau: the stock row from the left, then the reserves, then the
// foundations, a column apart.
constexpr int kRowTop = 10;
constexpr int kColumnStep = 80;
constexpr int kRowLeft = 10;

void LayOutRow(TMainGame& mainGame) {
    int x = kRowLeft;
    const auto next = [&x] { return static_cast<std::int16_t>(std::exchange(x, x + kColumnStep)); };
    for (int line = 0; line < kMazzoLineCount; ++line) {
        mainGame.SetStockX(line, next());
        mainGame.SetStockY(line, kRowTop);
    }
    for (int i = 0; i < kAppoggLineCount; ++i) {
        mainGame.SetReserveX(i, next());
        mainGame.SetReserveY(i, kRowTop);
    }
    for (int i = 0; i < kDestLineCount; ++i) {
        mainGame.SetFoundationX(i, next());
        mainGame.SetFoundationY(i, kRowTop);
    }
}

}  // namespace

bool RecordingTableView::SetupTable() {
    m_calls.emplace_back("setup");
    if (m_onSetup) m_onSetup();
    return true;
}

void RecordingTableView::PlayWinningAnimation(std::string_view, int) {
    m_calls.emplace_back("win animation");
    if (m_onWin) m_onWin();
}

int RecordingTableView::Count(std::string_view call) const {
    int count = 0;
    for (const std::string& entry : m_calls) count += entry == call ? 1 : 0;
    return count;
}

PlayFixture::PlayFixture(const std::filesystem::path& programFolder) : m_programPaths(programFolder) {
    Services services = m_fake.Services();
    services.paths = &m_programPaths;
    services.shellPort = &m_shell;
    services.tableView = &m_view;
    services.sound = &m_sound;
    m_game = std::make_unique<Game>(services);
    m_game->media.SetCardLibraryHandle(&m_library);
    m_geometry = std::make_unique<moves_test::TestGeometry>(*m_game);
    m_view.SetGeometry(m_geometry.get());
    LayOutRow(m_game->mainGame);
}

std::vector<int> PlayFixture::GameIds() {
    std::vector<int> ids;
    if (!LoadGameList(m_game->services, m_game->mainGame)) {
        ADD_FAILURE() << "GAMES.DAT cannot be read in " << CORVANET_PROGRAM_DIR << " (build the games_dat target)";
        return ids;
    }
    for (const std::string& line : m_game->mainGame.GameList) {
        if (const std::optional<int> id = GameIdOfLine(line)) ids.push_back(*id);
    }
    return ids;
}

bool PlayFixture::LoadGame(int gameId) {
    if (m_game->mainGame.GameList.empty() && GameIds().empty()) return false;
    const int index = m_game->mainGame.GetGameIndex(gameId);
    if (index < 0) return false;
    SetField(fields::kGame, IntToZeroPad(gameId, kGameIdWidth));
    SetField(fields::kGameName, GameNameOfLine(m_game->mainGame.GameList[static_cast<std::size_t>(index)]));
    m_game->gameDef.Clear();
    return LoadGameDefinition(m_game->services, m_game->settings, m_game->mainGame, m_game->gameDef);
}

void PlayFixture::Deal(std::string_view gameNumber) {
    SetField(fields::kGameNumber, gameNumber);
    StartNewGame(*m_game, 0);
}

void PlayFixture::SetField(fields::Field field, std::string_view value) {
    m_game->settings.SetField(field.position, field.width, value);
}

std::string PlayFixture::Field(fields::Field field) const {
    return m_game->settings.GetField(field.position, field.width);
}

}  // namespace engine::play_test
