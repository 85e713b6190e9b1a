#include <gtest/gtest.h>

#include <string>

#include "engine/files/game_definitions.h"
#include "shell/chooser/game_description.h"

namespace {

using engine::kNoChooserValue;
using shell::DescribeGame;

engine::ChooserValues Values(int gameTime, int difficulty, int chance, int wins, int games, int cards, int deals,
                             int skill) {
    return {gameTime, difficulty, chance, wins, games, cards, deals, skill, kNoChooserValue};
}

struct NumberCase {
    const char* name;
    int value;
    const char* text;
};
void PrintTo(const NumberCase& c, std::ostream* out) { *out << c.name; }

class RedealTextTest : public testing::TestWithParam<NumberCase> {};
TEST_P(RedealTextTest, CountsTheDealsAfterTheFirst) { EXPECT_EQ(shell::RedealText(GetParam().value), GetParam().text); }
INSTANTIATE_TEST_SUITE_P(Deals, RedealTextTest,
                         testing::Values(NumberCase{"One", 1, "0"}, NumberCase{"Three", 3, "2"},
                                         NumberCase{"None", 0, "0"}, NumberCase{"NoLimit", -1, "Unlimited"},
                                         NumberCase{"NotInTheFile", kNoChooserValue, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

class DecksTextTest : public testing::TestWithParam<NumberCase> {};
TEST_P(DecksTextTest, RoundsTheCardsToDecks) { EXPECT_EQ(shell::DecksText(GetParam().value), GetParam().text); }
INSTANTIATE_TEST_SUITE_P(Cards, DecksTextTest,
                         testing::Values(NumberCase{"OneDeck", 52, "1"}, NumberCase{"TwoDecks", 104, "2"},
                                         NumberCase{"HalfRoundsToEven", 78, "2"},
                                         NumberCase{"NotInTheFile", kNoChooserValue, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GameDescription, NamesEveryRowByItsWordAndGauge) {
    const shell::GameDescription d = DescribeGame(Values(2, 0, 4, 1, 20, 104, 3, 1));
    EXPECT_EQ(d.gameTime, "Quick");
    EXPECT_EQ(d.difficulty, "Easy");
    EXPECT_EQ(d.chance, "Very low (about 1 in 20)");
    EXPECT_EQ(d.skill, "Mostly skill");
    EXPECT_EQ(d.decks, "2");
    EXPECT_EQ(d.redeals, "2");
    EXPECT_EQ(d.gameTimeGauge, "PROG_TIME_QUICK");
    EXPECT_EQ(d.difficultyGauge, "PROG_DIFF_EASY");
    EXPECT_EQ(d.chanceGauge, "PROG_CHAN_VERYLOW");
    EXPECT_EQ(d.skillGauge, "PROG_SKILL_MOSTLYSKILL");
}

TEST(GameDescription, NoOddsClauseWhenTheGamesFigureIsZero) {
    EXPECT_EQ(DescribeGame(Values(0, 0, 1, 7, 0, 52, 1, 0)).chance, "High");
}

// Values outside a word list, and rows the file lacks (-99), show nothing rather than
// whatever lies beyond the list; their gauges stay as they were.
TEST(GameDescription, ValuesOutsideTheListsShowEmptyLabels) {
    for (int bad : {kNoChooserValue, -1, 5, 3000}) {
        const shell::GameDescription d = DescribeGame(Values(bad, bad, bad, 1, 2, 52, 1, bad));
        EXPECT_EQ(d.gameTime, "") << bad;
        EXPECT_EQ(d.difficulty, "") << bad;
        EXPECT_EQ(d.skill, "") << bad;
        EXPECT_EQ(d.chance.rfind(" (about 1 in 2)", 0), 0u) << bad;
        EXPECT_TRUE(d.gameTimeGauge.empty() && d.difficultyGauge.empty() && d.chanceGauge.empty() &&
                    d.skillGauge.empty())
            << bad;
    }
    EXPECT_EQ(DescribeGame(Values(0, 0, 0, kNoChooserValue, kNoChooserValue, 52, 1, 0)).chance, "Very high");
}

}  // namespace
