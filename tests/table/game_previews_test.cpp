// The resource library the build lays in the program folder holds the chooser's preview of
// each game of GAMES.DAT, drawn from a real deal, and of no other game id.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>

#include "engine/files/game_definitions.h"
#include "engine/model/game_list.h"
#include "engine/model/table_object.h"
#include "engine/ports/services.h"
#include "platform/core/paths.h"
#include "platform/core/resource_names.h"
#include "platform/qt/resource_bundle.h"
#include "tests/support/fake_services.h"

namespace {

namespace res = platform::resources;

constexpr int kLastGameId = 999;

TEST(GamePreviewsTest, TheLibraryHoldsOnePreviewForEachGameAndNoOther) {
    test_support::ScriptedMessages messages;
    const platform::PathResolver paths(CORVANET_PROGRAM_DIR);
    engine::Services services;
    services.messages = &messages;
    services.paths = &paths;
    engine::TMainGame mainGame;
    ASSERT_TRUE(engine::LoadGameList(services, mainGame));
    std::set<int> games;
    for (const std::string& line : mainGame.GameList) {
        const std::optional<int> id = engine::GameIdOfLine(line);
        ASSERT_TRUE(id.has_value()) << line;
        games.insert(*id);
    }
    ASSERT_FALSE(games.empty());

    platform::ResourceBundle library;
    ASSERT_TRUE(library.Open(std::filesystem::path(CORVANET_PROGRAM_DIR) / "QND.RGF"));
    for (int id = 0; id <= kLastGameId; ++id)
        EXPECT_EQ(library.HasBitmap(res::GamePreviewName(id)), games.count(id) == 1) << res::GamePreviewName(id);
}

}  // namespace
