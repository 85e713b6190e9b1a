#include "data/tools/games_source.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <sstream>

#include "data/tools/games_compiler.h"
#include "engine/files/game_definitions.h"
#include "engine/model/game_record.h"
#include "engine/model/preference_fields.h"
#include "engine/model/settings_block.h"
#include "engine/model/table_object.h"
#include "engine/base/text_utils.h"
#include "tests/support/fake_services.h"
#include "tests/support/test_names.h"

namespace {

using data_tools::GameSource;
namespace words = engine::words;

const std::filesystem::path kGamesFolder = std::filesystem::path(CORVANET_SOURCE_DIR) / "data/games";

// The smallest record that passes: every word with a range that excludes 0 is given.
std::string Record(int id, std::string_view name, std::string_view extra = "") {
    return "game = " + std::to_string(id) + "\nname = " + std::string(name) + "\ntype = 4\nnew = 0\n" +
           "p307 CardCount = 52\n" + std::string(extra);
}

std::vector<std::string> Parse(std::string_view text, std::vector<GameSource>& games) {
    std::vector<std::string> errors;
    data_tools::ParseGamesSource(text, "t.game", games, errors);
    if (errors.empty()) {
        errors = data_tools::CheckGameSources(games);
    }
    return errors;
}

std::vector<std::string> Errors(std::string_view text) {
    std::vector<GameSource> games;
    return Parse(text, games);
}

bool Mentions(const std::vector<std::string>& errors, std::initializer_list<std::string_view> parts) {
    for (const std::string& error : errors) {
        bool all = true;
        for (std::string_view part : parts) {
            all = all && error.find(part) != std::string::npos;
        }
        if (all) {
            return true;
        }
    }
    return false;
}

TEST(GamesSourceTest, ARecordGivesItsWordsAndLeavesTheRestZero) {
    std::vector<GameSource> games;
    const auto errors = Parse(Record(3, "Three",
                                     "# a comment line\n"
                                     "p012 SequenceLimit = -5   # trailing comment\n"
                                     "  p48 FoundationBase[0]=1\n"
                                     "p032 MaxTableauCards = 65535\n"),
                              games);
    ASSERT_TRUE(errors.empty()) << errors.front();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].id, 3);
    EXPECT_EQ(games[0].name, "Three");
    EXPECT_EQ(games[0].words[words::kSequenceLimit], -5);
    EXPECT_EQ(games[0].words[words::kFoundationBase[0]], 1);
    EXPECT_EQ(games[0].words[words::kMaxTableauCards], 65535);
    EXPECT_EQ(games[0].words[words::kGameKind], 0);
    EXPECT_EQ(games[0].wordLines[words::kSequenceLimit], 7);
}

TEST(GamesSourceTest, AnOutOfRangeValueNamesTheGameTheWordAndTheValue) {
    const auto errors = Errors(Record(1, "Freecell", "p303 FoundationCount = 17\n"));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(Mentions(errors, {"t.game:6", "game 1 \"Freecell\"", "p303 FoundationCount", "17", "0..16"}))
        << errors.front();
}

TEST(GamesSourceTest, AWordLeftAtZeroOutsideItsRangeIsRefusedToo) {
    const auto errors = Errors("game = 2\nname = Two\ntype = 4\n");
    EXPECT_TRUE(Mentions(errors, {"game 2 \"Two\"", "p307 CardCount", "= 0 (not given)", "1..52 or 104"}));
}

TEST(GamesSourceTest, RunWordsAreCheckedOneByOne) {
    const auto errors = Errors(Record(1, "One", "p157 TableauRuleB[1] = 3\n"));
    EXPECT_TRUE(Mentions(errors, {"p157 TableauRuleB[1]", "= 3", "0..2"}));
}

struct BadSource {
    const char* what;
    std::string text;
    const char* says;
};

void PrintTo(const BadSource& c, std::ostream* out) { *out << c.what; }

class GamesSourceFaultTest : public ::testing::TestWithParam<BadSource> {};

TEST_P(GamesSourceFaultTest, IsRefusedWithAClearError) {
    const auto errors = Errors(GetParam().text);
    EXPECT_TRUE(Mentions(errors, {GetParam().says})) << (errors.empty() ? "no error" : errors.front());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, GamesSourceFaultTest,
    ::testing::Values(
        BadSource{"name differs", Record(1, "A", "p047 GameKnd = 0\n"), "word 47 is GameKind, not \"GameKnd\""},
        BadSource{"word nobody reads", Record(1, "A", "p019 Whatever = 1\n"), "word 19 is read by no part"},
        BadSource{"word beyond 400", Record(1, "A", "p401 X = 1\n"), "word 401 is read by no part"},
        BadSource{"given twice", Record(1, "A", "p047 GameKind = 1\np047 GameKind = 2\n"), "given twice"},
        BadSource{"not a number", Record(1, "A", "p047 GameKind = five\n"), "\"five\" is not a number"},
        BadSource{"no equals", Record(1, "A", "p047 GameKind 5\n"), "key = value"},
        BadSource{"unknown key", Record(1, "A", "colour = red\n"), "unknown key \"colour\""},
        BadSource{"before a game", "p047 GameKind = 1\n" + Record(1, "A"),
                  "t.game:1: the required field \"game\" is missing before \"p047 GameKind\""},
        BadSource{"no game line", "name = A\ntype = 4\np307 CardCount = 52\n",
                  "t.game:1: the required field \"game\" is missing before \"name\""},
        BadSource{"no game at all", "# nothing but a comment\n", "t.game: the required field \"game\" is missing"},
        BadSource{"no name line", "game = 1\ntype = 4\np307 CardCount = 52\n",
                  "game 1 \"\": the required field \"name\" is missing"},
        BadSource{"no type line", "game = 1\nname = A\np307 CardCount = 52\n",
                  "game 1 \"A\": the required field \"type\" is missing"},
        BadSource{"same id twice", Record(1, "A") + Record(1, "B"), "the id is taken by \"A\""},
        BadSource{"no name", Record(1, ""), "the name must have 1 to 50 characters"},
        BadSource{"long name", Record(1, std::string(51, 'x')), "the name must have 1 to 50 characters"},
        BadSource{"name beyond ASCII", Record(1, "Caf\xc3\xa9"), "printable ASCII"},
        BadSource{"unknown type", "game = 1\nname = A\ntype = 1\np307 CardCount = 52\n", "type 1 names no game category"},
        BadSource{"id too large", Record(1000, "A"), "the game id must lie within 0..999"},
        BadSource{"bad new mark", Record(1, "A", "new = 2\n"), "new must be 0 or 1"}),
    [](const ::testing::TestParamInfo<BadSource>& info) { return test_support::TestNameOf(info.param.what); });

class MakeGamesDatTest : public ::testing::Test {
protected:
    int Make(const std::vector<std::string>& sources) {
        std::vector<std::string> arguments{"-o", Output().string()};
        for (std::size_t i = 0; i < sources.size(); ++i) {
            arguments.push_back(fake.Folder().WriteFile("src" + std::to_string(i) + ".game", sources[i]).string());
        }
        return data_tools::MakeGamesDat(arguments, err);
    }
    std::filesystem::path Output() const { return fake.Folder().Path() / "GAMES.DAT"; }

    // Reads a game back through the engine, as the program will.
    bool LoadBack(int id, engine::GameDefRecord& def) {
        engine::TMainGame mainGame;
        if (!engine::LoadGameList(fake.Services(), mainGame)) {
            return false;
        }
        engine::SettingsBlock settings;
        settings.SetField(engine::fields::kGame.position, engine::fields::kGame.width, engine::IntToZeroPad(id, 4));
        return engine::LoadGameDefinition(fake.Services(), settings, mainGame, def);
    }

    test_support::FakeServices fake;
    std::ostringstream err;
};

TEST_F(MakeGamesDatTest, RoundTripGivesBackEveryWord) {
    std::string extra;
    std::vector<std::pair<int, int>> given;
    // A value within range for every word of the table, different from word to word.
    for (const engine::GameWordInfo& info : engine::kGameWords) {
        for (int number = info.first; number < info.first + info.count; ++number) {
            const int value = info.min + (number * 7) % (info.max - info.min + 1);
            given.emplace_back(number, value);
            extra += "p" + engine::IntToZeroPad(number, 3) + " " + engine::GameWordName(number) + " = " +
                     std::to_string(value) + "\n";
        }
    }
    ASSERT_EQ(Make({Record(5, "Five", "").substr(0, Record(5, "Five", "").find("p307")) + extra,
                    Record(2, "Two", "p047 GameKind = 12\n")}),
              0)
        << err.str();

    engine::GameDefRecord five;
    ASSERT_TRUE(LoadBack(5, five));
    for (const auto& [number, value] : given) {
        EXPECT_EQ(five[number], static_cast<std::int16_t>(static_cast<std::uint16_t>(value)))
            << engine::GameWordName(number);
    }
    engine::GameDefRecord two;
    ASSERT_TRUE(LoadBack(2, two));
    EXPECT_EQ(two[words::kGameKind], 12);
    EXPECT_EQ(two[words::kCardCount], 52);
    EXPECT_EQ(two[words::kSequenceLimit], 0);

    engine::TMainGame mainGame;
    ASSERT_TRUE(engine::LoadGameList(fake.Services(), mainGame));
    EXPECT_EQ(mainGame.GetGameIndex(2), 0);  // written in id order
    EXPECT_EQ(mainGame.GetGameName(5), "Five");
}

TEST_F(MakeGamesDatTest, AFaultWritesNothingAndFails) {
    EXPECT_EQ(Make({Record(1, "Freecell", "p047 GameKind = 100\n")}), 1);
    EXPECT_FALSE(std::filesystem::exists(Output()));
    EXPECT_NE(err.str().find("game 1 \"Freecell\": word p047 GameKind = 100 is out of range -1..99"), std::string::npos)
        << err.str();
}

TEST_F(MakeGamesDatTest, AFaultKeepsTheOldFile) {
    ASSERT_EQ(Make({Record(1, "A")}), 0);
    const std::string before = fake.Folder().ReadFile("GAMES.DAT");
    EXPECT_EQ(Make({Record(1, "A", "p001 FoundationPrefillMode = 9\n")}), 1);
    EXPECT_EQ(fake.Folder().ReadFile("GAMES.DAT"), before);
}

TEST_F(MakeGamesDatTest, BadArgumentsAndMissingSourcesFail) {
    EXPECT_EQ(data_tools::MakeGamesDat({}, err), 1);
    EXPECT_EQ(data_tools::MakeGamesDat({"-o", Output().string(), "/no/such.game"}, err), 1);
    EXPECT_NE(err.str().find("/no/such.game: cannot be read"), std::string::npos);
}

TEST_F(MakeGamesDatTest, FreecellIsCompleteAndPlayable) {
    const std::filesystem::path source = kGamesFolder / "freecell.game";
    ASSERT_TRUE(std::filesystem::exists(source)) << source;
    ASSERT_EQ(data_tools::MakeGamesDat({"-o", Output().string(), source.string()}, err), 0) << err.str();

    engine::GameDefRecord def;
    ASSERT_TRUE(LoadBack(1, def));
    EXPECT_EQ(def[words::kFoundationCount], 4);
    EXPECT_EQ(def[words::kTableauCount], 8);
    EXPECT_EQ(def[words::kReserveCount], 4);
    EXPECT_EQ(def[words::kCardCount], 52);
    int dealt = def[words::kStockCount] + def[words::kWasteCount];
    for (int i = 0; i < def[words::kTableauCount]; ++i) {
        dealt += def.At(words::kTableauDealA, i);
        EXPECT_EQ(def.At(words::kTableauDealB, i), def.At(words::kTableauDealA, i)) << "all face up, pile " << i;
        EXPECT_EQ(def.At(words::kTableauRuleC, i), 3) << "alternating colours";
        EXPECT_EQ(def.At(words::kTableauRuleB, i), 0) << "down";
    }
    EXPECT_EQ(dealt, 52);
    for (int i = 0; i < def[words::kFoundationCount]; ++i) {
        EXPECT_EQ(def.At(words::kFoundationBase, i), 1);
        EXPECT_EQ(def.At(words::kFoundationDirection, i), 1);
    }
    EXPECT_EQ(def[words::kSequenceLimit], -5);
    EXPECT_EQ(def[words::kAutoplayAllowed], 1);
    EXPECT_EQ(def[words::kGameKind], 0);
    EXPECT_TRUE(def.IsNoLimit(words::kMaxTableauCards));
}

}  // namespace
