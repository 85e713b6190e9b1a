#include "engine/session/undo_commands.h"

#include <gtest/gtest.h>

#include "engine/rules/score.h"
#include "engine/undo/undo_buttons.h"
#include "tests/engine/executor_fixture.h"

namespace {

using engine::PileListId;
namespace words = engine::words;

constexpr int kAceOfSpades = 40;
constexpr int kTwoOfSpades = 41;
constexpr int kKingOfClubs = 39;

class UndoCommandsTest : public executor_test::ExecutorFixture {
protected:
    UndoCommandsTest() {
        SetField(engine::fields::kScoringMode, engine::kVegasScoringMode);
        Word(words::kCardCount, 52);
        Set(PileListId::kDest, 0, {kAceOfSpades});
        Set(PileListId::kFila, 0, {kKingOfClubs, kTwoOfSpades});
    }

    int Score() const { return engine::CurrentScore(game.settings); }
};

TEST_F(UndoCommandsTest, ScoreFollowsTheRestoredBoard) {
    ASSERT_TRUE(Run(kTwoOfSpades, "Dest01"));
    const auto after = Board();
    const int scoreAfter = Score();

    ASSERT_TRUE(engine::UndoMove(game));
    EXPECT_EQ(Pile(PileListId::kFila, 0), Codes({kKingOfClubs, kTwoOfSpades}));
    // Vegas: -52 + 5 for the one card left up.
    EXPECT_EQ(Score(), -52 + 5);
    EXPECT_EQ(shell.LabelText(engine::ShellLabel::kScore), "-47");

    ASSERT_TRUE(engine::RedoMove(game));
    EXPECT_EQ(Board(), after);
    EXPECT_EQ(Score(), scoreAfter);
    EXPECT_FALSE(engine::RedoMove(game)) << "nothing more to redo";
}

TEST_F(UndoCommandsTest, NothingOutsideAGameOrWithUndoOff) {
    ASSERT_TRUE(Run(kTwoOfSpades, "Dest01"));
    const auto after = Board();

    game.registers.SetFlag(engine::flag::kGameInProgress, 0);
    EXPECT_FALSE(engine::UndoMove(game));
    game.registers.SetFlag(engine::flag::kGameInProgress, 1);

    Word(words::kUndoDisabled, 1);
    EXPECT_FALSE(engine::UndoMove(game));
    Word(words::kUndoDisabled, 0);

    SetField(engine::fields::kUndoEnabled, engine::kUndoOptionOff);
    EXPECT_FALSE(engine::UndoMove(game));
    EXPECT_EQ(Board(), after);
    EXPECT_EQ(UndoSteps(), 1);
}

}  // namespace
