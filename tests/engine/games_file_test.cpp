#include "engine/files/games_file.h"

#include <gtest/gtest.h>

#include <ostream>

#include "engine/deal/deal_order.h"
#include "engine/model/card_codes.h"
#include "engine/model/game_list.h"
#include "engine/model/game_record.h"
#include "engine/model/game_words.h"
#include "engine/base/text_utils.h"
#include "tests/support/test_names.h"
#include "tests/support/games_files.h"

namespace engine {
// Failures show the line and the text, not the bytes of the problem.
void PrintTo(const GamesFileProblem& problem, std::ostream* out) {
    *out << "line " << problem.line << ": " << problem.text;
}
}  // namespace engine

namespace {

using engine::CheckGamesFile;

std::string ListLine(int id, std::string_view name) {
    return engine::ScrambleChars(engine::MakeGameListLine(4, id, false, name));
}

std::string ValueField(std::string_view value) {
    return engine::ScrambleChars(engine::PadRight(value, 10)) + " ";
}

TEST(GamesFileLineTest, WordLinesReadTheirNumberPlainAndTheirValuesShifted) {
    const std::string line = "0047" + engine::PadRight(" GameKind", 12) + ValueField("5") + ValueField("-12") +
                             ValueField("65535");
    EXPECT_EQ(engine::WordNumberOfLine(line), 47);
    EXPECT_EQ(engine::WordValueOfLine(line, 0), 5);
    EXPECT_EQ(engine::WordValueOfLine(line, 1), -12);
    EXPECT_EQ(engine::WordValueOfLine(line, 2), 65535);
    EXPECT_EQ(engine::WordValueOfLine(line, 3), std::nullopt);
    EXPECT_EQ(engine::WordValueOfLine(line, -1), std::nullopt);
}

TEST(GamesFileLineTest, ValuesBeyondA16BitWordAreNoValues) {
    const std::string line = "0001" + engine::Spaces(12) + ValueField("65536") + ValueField("-32769") +
                             ValueField("-32768") + ValueField("") + ValueField("1 2");
    EXPECT_EQ(engine::WordValueOfLine(line, 0), std::nullopt);
    EXPECT_EQ(engine::WordValueOfLine(line, 1), std::nullopt);
    EXPECT_EQ(engine::WordValueOfLine(line, 2), -32768);
    EXPECT_EQ(engine::WordValueOfLine(line, 3), std::nullopt);
    EXPECT_EQ(engine::WordValueOfLine(line, 4), std::nullopt);
}

TEST(GamesFileLineTest, GameListLinesPutEachThingInItsPlace) {
    const std::string line = engine::MakeGameListLine(4, 1, true, "Freecell");
    EXPECT_EQ(line.substr(0, 10), "004 001  1");
    EXPECT_EQ(line.size(), 60u);
    EXPECT_EQ(engine::GameIdOfLine(line), 1);
    EXPECT_EQ(engine::GameNameOfLine(line), "Freecell");
}

// The lines with a line for every word the engine reads that they lack, after them.
std::vector<std::string> Completed(std::vector<std::string> lines, int games = 1) {
    for (std::string& line : test_support::MissingWordLines(lines, games)) lines.push_back(std::move(line));
    return lines;
}

TEST(GamesFileCheckTest, ASoundFilePasses) {
    const std::vector<std::string> lines{"[Sect1]", ListLine(1, "One"), "[Sect2]",
                                         "0001" + engine::Spaces(12) + ValueField("3")};
    EXPECT_EQ(CheckGamesFile(Completed(lines)), std::nullopt);
}

TEST(GamesFileCheckTest, WhatTheReaderPassesOverByDesignIsAccepted) {
    // Numbers beyond 0-400, a word nobody reads at any value, and a second [Sect2].
    const std::vector<std::string> lines{"[Sect1]", ListLine(1, "One"), ListLine(2, "Two"), "[Sect2]",
                                         "0401" + engine::Spaces(12) + ValueField("-5") + ValueField("40000"),
                                         "0019" + engine::Spaces(12) + ValueField("-32768") + ValueField("65535"),
                                         "[Sect2]",
                                         "0031" + engine::Spaces(12) + ValueField("-1") + ValueField("65535")};
    EXPECT_EQ(CheckGamesFile(Completed(lines, 2)), std::nullopt);
}

struct DamagedFile {
    const char* what;
    std::vector<std::string> lines;
    int line;
    const char* says;
};

void PrintTo(const DamagedFile& c, std::ostream* out) { *out << c.what; }

class GamesFileDamageTest : public ::testing::TestWithParam<DamagedFile> {};

TEST_P(GamesFileDamageTest, TheFirstFaultIsFoundWithItsLine) {
    const auto problem = CheckGamesFile(GetParam().lines);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->line, GetParam().line);
    EXPECT_NE(problem->text.find(GetParam().says), std::string::npos) << problem->text;
}

const std::string kGood = "0001" + engine::Spaces(12) + ValueField("3");

INSTANTIATE_TEST_SUITE_P(
    Faults, GamesFileDamageTest,
    ::testing::Values(
        DamagedFile{"no game list", {"[Sect2]", kGood}, 0, "no games"},
        DamagedFile{"empty game list", {"[Sect1]", "[Sect2]", kGood}, 0, "no games"},
        DamagedFile{"no words", {"[Sect1]", ListLine(1, "One")}, 0, "[Sect2]"},
        DamagedFile{"list line without id",
                    {"[Sect1]", engine::ScrambleChars("004 abc  0Name"), "[Sect2]", kGood}, 2, "game number"},
        DamagedFile{"list line without name", {"[Sect1]", engine::ScrambleChars("004 001  0"), "[Sect2]", kGood}, 2,
                    "game name"},
        DamagedFile{"blank list line", {"[Sect1]", ListLine(1, "One"), "", "[Sect2]", kGood}, 3, "game number"},
        DamagedFile{"word line without number", {"[Sect1]", ListLine(1, "One"), "[Sect2]", kGood, "x1"}, 5,
                    "parameter number"},
        DamagedFile{"short word line", {"[Sect1]", ListLine(1, "One"), ListLine(2, "Two"), "[Sect2]", kGood}, 5,
                    "game 2 in characters 28-37"},
        DamagedFile{"count beyond its piles",
                    {"[Sect1]", ListLine(1, "One"), ListLine(2, "Two"), "[Sect2]",
                     "0303" + engine::Spaces(12) + ValueField("4") + ValueField("17")},
                    5, "game 2, word 303 FoundationCount = 17: outside its range 0..16."},
        DamagedFile{"card count the deal refuses",
                    {"[Sect1]", ListLine(1, "One"), ListLine(7, "Seven"), "[Sect2]",
                     "0307" + engine::Spaces(12) + ValueField("52") + ValueField("60")},
                    5, "game 7, word 307 CardCount = 60: outside its range 1..52 or 104."},
        DamagedFile{"negative count",
                    {"[Sect1]", ListLine(1, "One"), "[Sect2]", "0305" + engine::Spaces(12) + ValueField("-1")}, 4,
                    "game 1, word 305 ReserveCount = -1: outside its range 0..10."},
        DamagedFile{"the words of the deal missing",
                    {"[Sect1]", ListLine(1, "One"), "[Sect2]", "0001" + engine::Spaces(12) + ValueField("0")}, 0,
                    "the line of word 2 TableauMoveVariant is missing"},
        DamagedFile{"unshifted value",
                    {"[Sect1]", ListLine(1, "One"), "[Sect2]", "0001" + engine::Spaces(12) + "3         "}, 4,
                    "game 1"}),
    [](const ::testing::TestParamInfo<DamagedFile>& info) { return test_support::TestNameOf(info.param.what); });

// A game the file check lets through must deal: the chooser offers it.
TEST(GamesFileCheckTest, TheCardCountsAcceptedAreThoseTheDealTakes) {
    for (int count = -1; count <= 2 * engine::kDeckSize + 2; ++count) {
        const std::vector<std::string> lines{"[Sect1]", ListLine(1, "One"), "[Sect2]",
                                             "0307" + engine::Spaces(12) + ValueField(std::to_string(count))};
        engine::GameDefRecord game;
        game.SetWord(engine::words::kCardCount, count);
        engine::DealList list;
        EXPECT_EQ(!CheckGamesFile(Completed(lines)).has_value(), engine::fnGameNumberCardsArray(list, game, "1", nullptr))
            << "card count " << count;
    }
}

TEST(GamesFileCheckTest, LinesOutsideBothSectionsAreNotRead) {
    const std::vector<std::string> lines{"anything", "[Other]", "junk", "[Sect1]", ListLine(1, "One"),
                                         "[Sect2]", kGood};
    EXPECT_EQ(CheckGamesFile(Completed(lines)), std::nullopt);
}

TEST(GamesFileCheckTest, TheMessageNamesFileAndLine) {
    const std::string text = engine::GamesFileDamagedMessage("/x/GAMES.DAT", {12, "bad."});
    EXPECT_NE(text.find("/x/GAMES.DAT"), std::string::npos);
    EXPECT_NE(text.find("Line 12: bad."), std::string::npos);
    EXPECT_EQ(engine::GamesFileDamagedMessage("f", {0, "bad."}).find("Line"), std::string::npos);
}

}  // namespace
