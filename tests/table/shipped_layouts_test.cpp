// Every game of the shipped GAMES.DAT laid out on the screens a player may have.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/model/board_measures.h"
#include "engine/model/game_list.h"
#include "engine/model/game_words.h"
#include "engine/model/pile_names.h"
#include "engine/model/table_object.h"
#include "engine/state/game.h"
#include "table/draw/table_snapshot.h"
#include "table/layout/table_layout.h"
#include "tests/support/fake_services.h"

namespace {

namespace words = engine::words;

struct Screen {
    int width;
    int height;
};

void PrintTo(const Screen& screen, std::ostream* out) { *out << screen.width << "x" << screen.height; }

struct PlacedPile {
    std::string name;
    engine::TableRect rect;
    bool topRow;  // stock row, foundations and reserves: they lie beside each other
};

std::vector<PlacedPile> PlacedPiles(const table::TableSnapshot& snapshot) {
    const engine::GameDefRecord& def = snapshot.Game().gameDef;
    const engine::TMainGame& main = snapshot.Game().mainGame;
    const table::TableLayout& layout = snapshot.Layout();
    std::vector<PlacedPile> piles;
    const auto add = [&](std::string name, int i, int x, int y, bool topRow) {
        piles.push_back({name + " " + std::to_string(i), {x, y, x + layout.CardWidth(), y + layout.CardHeight()},
                         topRow});
    };
    for (int line = 0; line < engine::kMazzoLineCount; ++line)
        if (line < def[words::kStockRowPiles] || (line == engine::kThirdStockLine && def[words::kThirdPileInUse] > 0))
            add("stock row", line, main.GetStockX(line), main.GetStockY(line), true);
    for (int i = 0; i < engine::FoundationCountOf(def); ++i)
        add("foundation", i, main.GetFoundationX(i), main.GetFoundationY(i), true);
    for (int i = 0; i < engine::ReserveCountOf(def); ++i)
        add("reserve", i, main.GetReserveX(i), main.GetReserveY(i), true);
    for (int i = 0; i < engine::TableauCountOf(def); ++i)
        add("tableau", i, layout.TableauX(i), layout.GetTableauY(i), false);
    return piles;
}

bool Overlap(const engine::TableRect& a, const engine::TableRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

class ShippedLayoutsTest : public ::testing::TestWithParam<Screen> {};

// The layout keeps a strip for the vertical scroll bar, which the main window never shows:
// the table a player sees is the whole window.
TEST_P(ShippedLayoutsTest, EveryPileLiesOnTheTableAndTheTopRowsDoNotOverlap) {
    const Screen screen = GetParam();
    test_support::ScriptedMessages messages;
    table::TableSnapshot snapshot{messages};
    ASSERT_EQ(snapshot.Draw({CORVANET_PROGRAM_DIR, 1, "1", 'B', screen.width, screen.height}),
              table::SnapshotResult::kDrawn);
    const std::vector<std::string> list = snapshot.Game().mainGame.GameList;
    for (const std::string& line : list) {
        const std::optional<int> id = engine::GameIdOfLine(line);
        ASSERT_TRUE(id && snapshot.Draw({CORVANET_PROGRAM_DIR, *id, "1234567", 'B', screen.width, screen.height}) ==
                              table::SnapshotResult::kDrawn)
            << line;
        const std::string game = engine::GameNameOfLine(line);
        const std::vector<PlacedPile> piles = PlacedPiles(snapshot);
        for (const PlacedPile& p : piles) {
            const engine::TableRect& r = p.rect;
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= screen.width && r.bottom <= screen.height)
                << game << ": " << p.name << " at " << r.left << "," << r.top << " to " << r.right << "," << r.bottom;
            for (const PlacedPile& q : piles) {
                if (&q < &p && p.topRow && q.topRow) {
                    EXPECT_FALSE(Overlap(p.rect, q.rect)) << game << ": " << p.name << " lies on " << q.name;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, ShippedLayoutsTest, ::testing::Values(Screen{640, 480}, Screen{800, 600},
                                                                         Screen{1024, 768}));

}  // namespace
