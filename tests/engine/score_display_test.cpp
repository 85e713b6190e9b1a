#include "engine/rules/score_display.h"

#include <gtest/gtest.h>

#include "tests/engine/status_fixture.h"

namespace {

using engine::PileListId;
using engine::ShellLabel;
using status_test::Cards;

class ScoreDisplayTest : public ::testing::Test, protected status_test::StatusFixture {};

TEST_F(ScoreDisplayTest, ComputeScoreShowsAndStores) {
    SetPile(PileListId::kDest, 0, Cards(10));
    engine::ComputeScore(ctx);
    EXPECT_EQ(shell.LabelText(ShellLabel::kScore), "-2");
    EXPECT_EQ(shell.RepaintCount(ShellLabel::kScore), 1);
    EXPECT_EQ(Field(engine::fields::kScore), "-2");
    EXPECT_EQ(view.pileSizeRedraws, 0);
}

TEST_F(ScoreDisplayTest, KindNineLeavesLabelAndField) {
    SetKind(9);
    SetField(engine::fields::kScore, "17");
    SetPile(PileListId::kDest, 0, Cards(10));
    engine::ComputeScore(ctx);
    EXPECT_EQ(shell.LabelText(ShellLabel::kScore), "0");
    EXPECT_EQ(shell.Count(test_support::ShellEvent::Kind::LabelText), 0u);
    EXPECT_EQ(Field(engine::fields::kScore), "17");
}

TEST_F(ScoreDisplayTest, JokerFoundationGamesRedrawPileSizes) {
    for (int rule : {72, 75}) {
        game.SetWord(engine::words::kFoundationRuleCode[0], rule);
        engine::ComputeScore(ctx);
    }
    EXPECT_EQ(view.pileSizeRedraws, 2);
    game.SetWord(engine::words::kFoundationRuleCode[0], 73);
    engine::ComputeScore(ctx);
    EXPECT_EQ(view.pileSizeRedraws, 2);
}

TEST_F(ScoreDisplayTest, WorksWithoutWindowOrTable) {
    services.shellPort = nullptr;
    ctx.view = nullptr;
    game.SetWord(engine::words::kFoundationRuleCode[0], 72);
    SetPile(PileListId::kDest, 0, Cards(12));
    engine::ComputeScore(ctx);
    EXPECT_EQ(Field(engine::fields::kScore), "8");
}

TEST_F(ScoreDisplayTest, UpdateScoreAddsFivePerCardInVegasMode) {
    SetField(engine::fields::kScore, "-52");
    engine::UpdateScore(ctx, 4);
    EXPECT_EQ(Field(engine::fields::kScore), "-32");
    EXPECT_EQ(shell.LabelText(ShellLabel::kScore), "-32");
    EXPECT_EQ(shell.RepaintCount(ShellLabel::kScore), 1);
}

TEST_F(ScoreDisplayTest, UpdateScoreInOtherModesOnlyShowsTheScore) {
    SetField(engine::fields::kScoringMode, "00");
    SetField(engine::fields::kScore, "12");
    engine::UpdateScore(ctx, 4);
    EXPECT_EQ(Field(engine::fields::kScore), "12");
    EXPECT_EQ(shell.LabelText(ShellLabel::kScore), "12");
}

TEST_F(ScoreDisplayTest, UpdateScoreDoesNothingInKindNine) {
    SetKind(9);
    engine::UpdateScore(ctx, 4);
    EXPECT_EQ(Field(engine::fields::kScore), "0");
    EXPECT_TRUE(shell.Events().empty());
}

}  // namespace
