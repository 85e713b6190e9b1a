// Every game of the shipped GAMES.DAT laid out on the screens a player may have: each pile
// the game uses lies on the table, and no two piles of the top rows lie on each other.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/files/game_definitions.h"
#include "engine/model/board_measures.h"
#include "engine/model/game_list.h"
#include "engine/model/game_words.h"
#include "engine/model/pile_names.h"
#include "engine/model/table_object.h"
#include "engine/ports/services.h"
#include "engine/state/game.h"
#include "platform/core/paths.h"
#include "table/draw/table_snapshot.h"
#include "table/layout/table_layout.h"
#include "tests/support/fake_services.h"

namespace {

namespace words = engine::words;

struct Screen {
    int width;
    int height;
};

constexpr Screen kScreens[] = {{640, 480}, {800, 600}, {1024, 768}};

void PrintTo(const Screen& screen, std::ostream* out) { *out << screen.width << "x" << screen.height; }

struct PlacedPile {
    std::string name;
    engine::TableRect rect;
};

bool Overlap(const engine::TableRect& a, const engine::TableRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::vector<std::string> ShippedGameList() {
    test_support::ScriptedMessages messages;
    const platform::PathResolver paths(CORVANET_PROGRAM_DIR);
    engine::Services services;
    services.messages = &messages;
    services.paths = &paths;
    engine::TMainGame mainGame;
    if (!engine::LoadGameList(services, mainGame)) return {};
    return mainGame.GameList;
}

class ShippedLayoutsTest : public ::testing::TestWithParam<Screen> {
protected:
    // The game's piles as laid out: stock row, foundations and reserves first, then the tableau.
    std::vector<PlacedPile> TopRowPiles() const {
        const engine::Game& game = snapshot.Game();
        const engine::TMainGame& main = game.mainGame;
        std::vector<PlacedPile> piles;
        const auto add = [&](std::string name, int x, int y) { piles.push_back({std::move(name), Rect(x, y)}); };
        const int stockRow = game.gameDef[words::kStockRowPiles];
        for (int line = 0; line < engine::kMazzoLineCount; ++line) {
            const bool used =
                line < stockRow || (line == engine::kThirdStockLine && game.gameDef[words::kThirdPileInUse] > 0);
            if (used) add("stock row " + std::to_string(line), main.GetStockX(line), main.GetStockY(line));
        }
        for (int i = 0; i < engine::FoundationCountOf(game.gameDef); ++i)
            add("foundation " + std::to_string(i), main.GetFoundationX(i), main.GetFoundationY(i));
        for (int i = 0; i < engine::ReserveCountOf(game.gameDef); ++i)
            add("reserve " + std::to_string(i), main.GetReserveX(i), main.GetReserveY(i));
        return piles;
    }
    std::vector<PlacedPile> TableauPiles() const {
        const table::TableLayout& layout = snapshot.Layout();
        std::vector<PlacedPile> piles;
        for (int i = 0; i < engine::TableauCountOf(snapshot.Game().gameDef); ++i)
            piles.push_back({"tableau " + std::to_string(i), Rect(layout.TableauX(i), layout.GetTableauY(i))});
        return piles;
    }
    engine::TableRect Rect(int x, int y) const {
        const table::TableLayout& layout = snapshot.Layout();
        return {x, y, x + layout.CardWidth(), y + layout.CardHeight()};
    }

    test_support::ScriptedMessages messages;
    table::TableSnapshot snapshot{messages};
};

// The layout keeps a strip for the vertical scroll bar, which the main window never shows:
// the table a player sees is the whole window.
TEST_P(ShippedLayoutsTest, EveryPileOfEveryGameLiesOnTheTable) {
    const Screen screen = GetParam();
    const std::vector<std::string> list = ShippedGameList();
    ASSERT_FALSE(list.empty());
    for (const std::string& line : list) {
        const std::optional<int> id = engine::GameIdOfLine(line);
        ASSERT_TRUE(id);
        ASSERT_EQ(snapshot.Draw({CORVANET_PROGRAM_DIR, *id, "1234567", 'B', screen.width, screen.height}),
                  table::SnapshotResult::kDrawn)
            << line;
        const engine::TableRect table{0, 0, screen.width, screen.height};
        std::vector<PlacedPile> piles = TopRowPiles();
        for (const PlacedPile& pile : TableauPiles()) piles.push_back(pile);
        for (const PlacedPile& pile : piles) {
            const engine::TableRect& r = pile.rect;
            EXPECT_TRUE(r.left >= table.left && r.top >= table.top && r.right <= table.right &&
                        r.bottom <= table.bottom)
                << engine::GameNameOfLine(line) << " at " << screen.width << "x" << screen.height << ": " << pile.name
                << " at " << r.left << "," << r.top << " to " << r.right << "," << r.bottom;
        }
        const std::vector<PlacedPile> top = TopRowPiles();
        for (std::size_t a = 0; a < top.size(); ++a)
            for (std::size_t b = a + 1; b < top.size(); ++b)
                EXPECT_FALSE(Overlap(top[a].rect, top[b].rect))
                    << engine::GameNameOfLine(line) << " at " << screen.width << "x" << screen.height << ": "
                    << top[a].name << " lies on " << top[b].name;
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, ShippedLayoutsTest, ::testing::ValuesIn(kScreens),
                         [](const ::testing::TestParamInfo<Screen>& info) {
                             return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

}  // namespace
