// A short run of the maintainers' random play (corvanet-random-play): every game of
// GAMES.DAT, random actions of the automatic player's set with undo and redo, and after
// every one each dealt card on the board exactly once.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/model/board_dump.h"
#include "engine/model/preference_fields.h"
#include "tests/engine/game_player.h"
#include "tests/engine/play_fixture.h"
#include "tests/support/auto_player_random_play.h"

namespace engine::play_test {
namespace {

constexpr int kDealsPerGame = 12;
constexpr int kActionsPerDeal = 150;
constexpr unsigned kSeed = 20241208;
constexpr std::string_view kDealPrefix = "deal ";

TEST(RandomPlayTest, EveryGameKeepsEachDealtCardOnceThroughRandomActionsUndoAndRedo) {
    PlayFixture fix;
    fix.SetField(fields::kDealAnimation, "N");
    const std::vector<int> ids = fix.GameIds();
    ASSERT_FALSE(ids.empty());
    std::mt19937 random(kSeed);
    test_support::RandomPlayCount count;
    for (const int id : ids) {
        SCOPED_TRACE("game " + std::to_string(id));
        ASSERT_TRUE(fix.LoadGame(id));
        std::vector<int> dealt;
        std::string number;
        const auto check = [&](const std::string& what, Game& game) {
            if (what.starts_with(kDealPrefix)) {
                number = what.substr(kDealPrefix.size());
                dealt = BoardCodes(game);
                return !dealt.empty();
            }
            // The doubles keep every call; what one action left is enough.
            fix.Shell().ClearEvents();
            fix.View().Clear();
            if (BoardCodes(game) == dealt) return true;
            ADD_FAILURE() << "number " << number << ", after " << what << "\n" << DumpBoard(game.Piles());
            return false;
        };
        const test_support::RandomPlayPlan plan{kDealsPerGame, kActionsPerDeal};
        ASSERT_TRUE(test_support::RandomPlay(fix.G(), plan, random, check, count));
    }
    EXPECT_GT(count.moves, count.actions / 2);
    EXPECT_GT(count.undos, 0);
    EXPECT_GT(count.redos, 0);
}

}  // namespace
}  // namespace engine::play_test
