// The game's counters travel with the boards of the undo store: a redeal undone gives its
// pass back, and redone takes it again.
#include <cstdint>

#include <gtest/gtest.h>

#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/session/undo_commands.h"
#include "tests/engine/play_fixture.h"
#include "tests/support/auto_player_moves.h"

namespace engine::play_test {
namespace {

constexpr int kKlondike = 2;
constexpr const char* kNumber = "1000829348951";

class UndoCountersTest : public ::testing::Test {
protected:
    void SetUp() override {
        fix.SetField(fields::kDealAnimation, "N");
        ASSERT_TRUE(fix.LoadGame(kKlondike));
        fix.Deal(kNumber);
    }

    Game& G() { return fix.G(); }
    bool StockEmpty() { return G().board.piles.Pile(PileListId::kMazzo, kStockLine).empty(); }
    bool PressStock() { return test_support::PerformAction(G(), press); }

    PlayFixture fix;
    const test_support::PlayerAction press{test_support::ActionKind::kStock, 0, 0, {}, false};
};

TEST_F(UndoCountersTest, UndoOfAKlondikeRedealGivesThePassBack) {
    while (!StockEmpty()) ASSERT_TRUE(PressStock());
    const std::int16_t redeals = G().mainGame.RedealCount;
    const std::int32_t deals = G().registers.GetIntReg(kStockDealCountReg);
    ASSERT_TRUE(PressStock());
    ASSERT_EQ(G().mainGame.RedealCount, redeals + 1);

    ASSERT_TRUE(UndoMove(G()));
    EXPECT_TRUE(StockEmpty());
    EXPECT_EQ(G().mainGame.RedealCount, redeals);
    EXPECT_EQ(G().registers.GetIntReg(kStockDealCountReg), deals);
    EXPECT_EQ(G().mainGame.StockHighlightShown, 0);

    ASSERT_TRUE(RedoMove(G()));
    EXPECT_FALSE(StockEmpty());
    EXPECT_EQ(G().mainGame.RedealCount, redeals + 1);
}

}  // namespace
}  // namespace engine::play_test
