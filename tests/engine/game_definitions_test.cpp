#include "engine/files/game_definitions.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/model/game_list.h"
#include "engine/model/game_record.h"
#include "engine/model/game_words.h"
#include "engine/files/games_file.h"
#include "engine/model/preference_fields.h"
#include "engine/model/settings_block.h"
#include "engine/model/table_object.h"
#include "engine/base/text_utils.h"
#include "tests/support/fake_services.h"
#include "tests/support/games_files.h"

namespace {

using engine::GameDefRecord;
using test_support::FakeServices;
using test_support::MessageEvent;

// GAMES.DAT written by hand, as the readers expect it.
std::string ListLine(int id, std::string_view name) {
    return engine::ScrambleChars(engine::MakeGameListLine(4, id, false, name));
}

std::string WordLine(int number, const std::vector<std::string>& values) {
    std::string line = engine::IntToZeroPad(number, 4) + engine::PadRight(" hand made", 12);
    for (const std::string& value : values) {
        line += engine::ScrambleChars(engine::PadRight(value, 10)) + " ";
    }
    return line;
}

std::string Join(const std::vector<std::string>& lines, std::string_view end = "\r\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line + std::string(end);
    }
    return text;
}

class GameDefinitionsTest : public ::testing::Test {
protected:
    // The lines, and after them a line for every word the engine reads that they lack.
    void WriteGames(std::vector<std::string> lines, std::string_view end = "\r\n") {
        constexpr int kMostGames = 4;
        for (std::string& line : test_support::MissingWordLines(lines, kMostGames)) lines.push_back(std::move(line));
        fake.Folder().WriteFile("GAMES.DAT", Join(lines, end));
    }
    void SetCurrentGame(int id) {
        settings.SetField(engine::fields::kGame.position, engine::fields::kGame.width, engine::IntToZeroPad(id, 4));
    }
    bool Load() { return engine::LoadGameDefinition(fake.Services(), settings, mainGame, def); }

    FakeServices fake;
    engine::SettingsBlock settings;
    engine::TMainGame mainGame;
    GameDefRecord def;
};

TEST_F(GameDefinitionsTest, GameListLinesAreUnshiftedInFileOrder) {
    WriteGames({"[Sect1]", ListLine(1, "Freecell"), ListLine(0, "Klondike"), "[Sect2]", WordLine(1, {"1", "2"})});
    ASSERT_TRUE(engine::LoadGameList(fake.Services(), mainGame));
    ASSERT_EQ(mainGame.GameList.size(), 2u);
    EXPECT_EQ(mainGame.GetGameName(1), "Freecell");
    EXPECT_EQ(mainGame.GetGameIndex(0), 1);
    EXPECT_TRUE(fake.Messages().Events().empty());
}

TEST_F(GameDefinitionsTest, Word47FromColumnTwoReadsCharacters39To48) {
    WriteGames({"[Sect1]", ListLine(0, "A"), ListLine(1, "B"), ListLine(2, "C"), "[Sect2]",
                WordLine(47, {"5", "-1", "31"}), WordLine(31, {"1", "2", "65535"})});
    ASSERT_TRUE(engine::LoadGameList(fake.Services(), mainGame));
    SetCurrentGame(2);
    ASSERT_TRUE(Load());
    EXPECT_EQ(def[47], 31);
    EXPECT_EQ(def[31], -1);
    SetCurrentGame(1);
    ASSERT_TRUE(Load());
    EXPECT_EQ(def[47], -1);
}

TEST_F(GameDefinitionsTest, TwoSect2HeadersAreReadInFileOrderAndTheLaterLineWins) {
    WriteGames({"[Sect2]", WordLine(47, {"3"}), WordLine(12, {"-5"}), "[Sect1]", ListLine(0, "Zero"), "[Sect2]",
                WordLine(47, {"9"})},
               "\n");
    ASSERT_TRUE(engine::LoadGameList(fake.Services(), mainGame));
    SetCurrentGame(0);
    ASSERT_TRUE(Load());
    EXPECT_EQ(def[47], 9);
    EXPECT_EQ(def[12], -5);
}

TEST_F(GameDefinitionsTest, ParameterNumbersOutside0To400AreIgnored) {
    WriteGames({"[Sect1]", ListLine(0, "Zero"), "[Sect2]", WordLine(401, {"8"}), WordLine(9999, {"8"}),
                WordLine(400, {"2"})});
    ASSERT_TRUE(engine::LoadGameList(fake.Services(), mainGame));
    SetCurrentGame(0);
    ASSERT_TRUE(Load());
    EXPECT_EQ(def[400], 2);
}

TEST_F(GameDefinitionsTest, LoadingSavesTheRuleWords) {
    WriteGames({"[Sect1]", ListLine(0, "Zero"), "[Sect2]", WordLine(48, {"1"}), WordLine(128, {"-1"})});
    ASSERT_TRUE(engine::LoadGameList(fake.Services(), mainGame));
    SetCurrentGame(0);
    ASSERT_TRUE(Load());
    def.SetWord(48, 7);
    def.SetWord(128, 7);
    def.SaveRestoreRuleWords(true);
    EXPECT_EQ(def[48], 1);
    EXPECT_EQ(def[128], -1);
}

TEST_F(GameDefinitionsTest, AGameOutsideTheListLoadsNothing) {
    WriteGames({"[Sect1]", ListLine(0, "Zero"), "[Sect2]", WordLine(47, {"4"})});
    ASSERT_TRUE(engine::LoadGameList(fake.Services(), mainGame));
    def.SetWord(47, 99);
    SetCurrentGame(5);
    EXPECT_FALSE(Load());
    SetCurrentGame(8001);
    EXPECT_FALSE(Load());
    SetCurrentGame(-1);
    EXPECT_FALSE(Load());
    settings.SetField(engine::fields::kGame.position, engine::fields::kGame.width, "abc");
    EXPECT_FALSE(Load());
    EXPECT_EQ(def[47], 99);
}

TEST_F(GameDefinitionsTest, AFileChangedSinceStartUpThatLacksTheColumnLoadsNothing) {
    WriteGames({"[Sect1]", ListLine(0, "Zero"), ListLine(1, "One"), "[Sect2]", WordLine(47, {"4", "5"})});
    ASSERT_TRUE(engine::LoadGameList(fake.Services(), mainGame));
    WriteGames({"[Sect1]", ListLine(0, "Zero"), "[Sect2]", WordLine(47, {"4"})});
    SetCurrentGame(1);
    EXPECT_FALSE(Load());
    EXPECT_EQ(def[47], 0);
}

TEST_F(GameDefinitionsTest, ADamagedValueIsReportedWithItsLineAndLoadsNothing) {
    WriteGames({"[Sect1]", ListLine(0, "Zero"), ListLine(1, "One"), "[Sect2]", WordLine(1, {"1", "1"}),
                WordLine(2, {"1", "x7"})});
    EXPECT_FALSE(engine::LoadGameList(fake.Services(), mainGame));
    EXPECT_TRUE(mainGame.GameList.empty());
    ASSERT_EQ(fake.Messages().Count(MessageEvent::Kind::Error), 1u);
    const std::string text = fake.Messages().Texts(MessageEvent::Kind::Error).front();
    EXPECT_NE(text.find("GAMES.DAT"), std::string::npos) << text;
    EXPECT_NE(text.find("Line 6:"), std::string::npos) << text;
    EXPECT_NE(text.find("game 1"), std::string::npos) << text;
    EXPECT_NE(text.find("characters 28-37"), std::string::npos) << text;
}

TEST_F(GameDefinitionsTest, ADamagedFileKeepsTheGameListItHad) {
    WriteGames({"[Sect1]", ListLine(0, "Zero"), "[Sect2]", WordLine(47, {"4"})});
    ASSERT_TRUE(engine::LoadGameList(fake.Services(), mainGame));
    WriteGames({"[Sect1]", ListLine(0, "Zero"), "[Sect2]", "00x7 bad number"});
    EXPECT_FALSE(engine::LoadGameList(fake.Services(), mainGame));
    EXPECT_EQ(mainGame.GetGameName(0), "Zero");
    SetCurrentGame(0);
    EXPECT_FALSE(Load());
    EXPECT_EQ(fake.Messages().Count(MessageEvent::Kind::Error), 2u);
}

TEST_F(GameDefinitionsTest, AMissingFileIsReportedAndLoadsNothing) {
    EXPECT_FALSE(engine::LoadGameList(fake.Services(), mainGame));
    EXPECT_EQ(fake.Messages().Count(MessageEvent::Kind::Error), 1u);
}

class GameInfoForChooserTest : public GameDefinitionsTest {
protected:
    // Row p holds p for game 0 and -p for game 1, where the word's range allows.
    static int Value(int p, int sign) {
        const engine::GameWordInfo* info = engine::FindGameWord(p);
        return info == nullptr ? sign * p : std::clamp(sign * p, info->min, info->max);
    }

    void SetUp() override {
        std::vector<std::string> lines{"[Sect1]", ListLine(0, "Zero"), ListLine(1, "One"), "[Sect2]"};
        for (int p = 1; p <= 400; ++p) {
            lines.push_back(WordLine(p, {std::to_string(Value(p, 1)), std::to_string(Value(p, -1))}));
        }
        WriteGames(lines);
        ASSERT_TRUE(engine::LoadGameList(fake.Services(), mainGame));
    }
};

TEST_F(GameInfoForChooserTest, RowRIsTheRthLine) {
    // Rows of words nobody reads hold any value.
    const engine::ChooserRows rows{390, 391, 393, 394, 388, 45, 10, 392, -1};
    engine::ChooserValues values{};
    engine::GameInfoForChooser(fake.Services(), mainGame, 1, rows, values);
    EXPECT_EQ(values, (engine::ChooserValues{-390, -391, -393, -394, -388, -45, -10, -392, engine::kNoChooserValue}));
    engine::GameInfoForChooser(fake.Services(), mainGame, 0, rows, values);
    EXPECT_EQ(values[0], 390);
    engine::GameInfoForChooser(fake.Services(), mainGame, 0, {399, 395, 14}, values);
    EXPECT_EQ(values[0], 399);
    EXPECT_EQ(values[1], 2) << "the chooser's game time, 0-2";
    EXPECT_EQ(values[2], 14);
    EXPECT_EQ(values[8], engine::kNoChooserValue);
}

TEST_F(GameInfoForChooserTest, NegativeRowsLeaveEveryAnswerAtMinus99) {
    engine::ChooserRows rows;
    rows.fill(-1);
    engine::ChooserValues values{};
    engine::GameInfoForChooser(fake.Services(), mainGame, 0, rows, values);
    for (const int value : values) {
        EXPECT_EQ(value, engine::kNoChooserValue);
    }
}

TEST_F(GameInfoForChooserTest, RowsTheFileLacksAndGamesOutsideTheListAnswerMinus99) {
    const engine::ChooserRows rows{0, 401, 1, 1, 1, 1, 1, 1, 1};
    engine::ChooserValues values{};
    engine::GameInfoForChooser(fake.Services(), mainGame, 0, rows, values);
    EXPECT_EQ(values[0], engine::kNoChooserValue);
    EXPECT_EQ(values[1], engine::kNoChooserValue);
    EXPECT_EQ(values[2], 1);
    engine::GameInfoForChooser(fake.Services(), mainGame, 7, rows, values);
    EXPECT_EQ(values[2], engine::kNoChooserValue);
}

}  // namespace
