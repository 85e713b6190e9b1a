// Damaged copies of the built GAMES.DAT and of a game's source, as a broken disk or a
// hostile user would leave them: each is refused with a message that names the file, or
// the game loads, deals and plays with each dealt card on the board exactly once.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "data/tools/games_compiler.h"
#include "engine/base/ini_section.h"
#include "engine/base/text_utils.h"
#include "engine/files/game_definitions.h"
#include "engine/files/games_file.h"
#include "engine/model/board_dump.h"
#include "engine/model/game_list.h"
#include "engine/model/game_words.h"
#include "engine/model/preference_fields.h"
#include "engine/play/player_actions.h"
#include "tests/engine/play_fixture.h"
#include "tests/support/mutations.h"
#include "tools/random_play_run.h"

namespace engine::play_test {
namespace {

constexpr int kByteDamages = 250;
constexpr int kValueDamages = 150;
constexpr int kSourceDamages = 200;
constexpr unsigned kSeed = 1414;
constexpr std::string_view kDealPrefix = "deal ";
constexpr std::string_view kLineEnd = "\r\n";

// A value just outside or at the edge of the word's range, or one of the numbers that
// broke the engine before.
int ExtremeValue(const GameWordInfo& info, std::mt19937& random) {
    const int values[] = {info.min, info.max, info.min - 1, info.max + 1, -1, 17, 29, 32767, -32768, 65535};
    return values[random() % std::size(values)];
}

// A value of a word the engine reads, in one game's column, replaced.
test_support::Mutant DamageValue(const std::string& file, std::mt19937& random, int& column) {
    std::vector<std::string> lines = SplitTextLines(file);
    std::vector<std::size_t> read;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<int> number = WordNumberOfLine(lines[i]);
        if (number && FindGameWord(*number) != nullptr && !lines[i].starts_with('[')) read.push_back(i);
    }
    const std::size_t row = read[random() % read.size()];
    const int number = *WordNumberOfLine(lines[row]);
    const std::size_t games = (lines[row].size() - word_line::kFirstFieldPosition + 1) / word_line::kFieldWidth;
    column = static_cast<int>(random() % games);
    const int value = ExtremeValue(*FindGameWord(number), random);
    lines[row].replace(static_cast<std::size_t>(word_line::ValuePosition(column) - 1), word_line::kValueWidth,
                       ScrambleChars(PadRight(std::to_string(value), word_line::kValueWidth)));
    std::string content;
    for (const std::string& line : lines) content += line + std::string(kLineEnd);
    return {"game column " + std::to_string(column) + ", word " + std::to_string(number) + " = " +
                std::to_string(value),
            content};
}

class DamagedGamesFileTest : public ::testing::Test {
protected:
    // Loads the damaged file; refused, it must have been named to the player, accepted,
    // the game of that column (-1: one by turns) must play keeping every card.
    void Try(const test_support::Mutant& mutant, int column) {
        SCOPED_TRACE(mutant.what);
        m_folder.WriteFile("GAMES.DAT", mutant.content);
        PlayFixture fix(m_folder.Path());
        if (!LoadGameList(fix.G().services, fix.G().mainGame)) {
            ++m_refused;
            const auto errors = fix.Fake().Messages().Texts(test_support::MessageEvent::Kind::Error);
            ASSERT_FALSE(errors.empty());
            EXPECT_NE(errors.front().find("GAMES.DAT"), std::string::npos) << errors.front();
            return;
        }
        const std::vector<std::string> list = fix.G().mainGame.GameList;
        ASSERT_FALSE(list.empty());
        if (column < 0 || column >= static_cast<int>(list.size())) column = m_turn++ % static_cast<int>(list.size());
        const std::optional<int> id = GameIdOfLine(list[static_cast<std::size_t>(column)]);
        ASSERT_TRUE(id.has_value());
        ASSERT_TRUE(fix.LoadGame(*id)) << "an accepted file loads each game it lists";
        Play(fix);
    }

    void Play(PlayFixture& fix) {
        fix.SetField(fields::kDealAnimation, "N");
        std::vector<int> dealt;
        const auto check = [&](const std::string& what, Game& game) {
            fix.Shell().ClearEvents();
            fix.View().Clear();
            if (what.starts_with(kDealPrefix)) {
                dealt = BoardCodes(game);
                return true;
            }
            if (BoardCodes(game) == dealt) return true;
            ADD_FAILURE() << "after " << what << "\n" << DumpBoard(game.Piles());
            return false;
        };
        constexpr tools::RandomPlayPlan kPlan{1, 25};
        tools::RandomPlayCount count;
        EXPECT_TRUE(tools::RandomPlay(fix.G(), kPlan, m_random, check, count));
        m_moves += count.moves;
    }

    std::string Original() const {
        std::string content;
        EXPECT_TRUE(platform::ReadFile(std::filesystem::path(CORVANET_PROGRAM_DIR) / "GAMES.DAT", content));
        return content;
    }

    test_support::TempFolder m_folder;
    std::mt19937 m_random{kSeed};
    int m_refused = 0;
    int m_turn = 0;
    std::int64_t m_moves = 0;  // of all accepted files together
};

TEST_F(DamagedGamesFileTest, FlipsCutsNumbersAndLinesAreRefusedByNameOrPlayKeepingEveryCard) {
    const std::string original = Original();
    ASSERT_FALSE(original.empty());
    test_support::ForEachMutant(original, kByteDamages, kSeed,
                                [&](const test_support::Mutant& mutant) { Try(mutant, -1); });
    EXPECT_GT(m_refused, kByteDamages / 4);
    EXPECT_GT(m_moves, kByteDamages) << "the accepted files were played";
}

TEST_F(DamagedGamesFileTest, ValuesAtAndBeyondTheirRangesAreRefusedByNameOrPlayKeepingEveryCard) {
    const std::string original = Original();
    ASSERT_FALSE(original.empty());
    std::mt19937 random(kSeed);
    for (int i = 0; i < kValueDamages; ++i) {
        int column = 0;
        const test_support::Mutant mutant = DamageValue(original, random, column);
        Try(mutant, column);
    }
    EXPECT_GT(m_refused, kValueDamages / 4);
    EXPECT_GT(m_moves, kValueDamages) << "the accepted files were played";
}

TEST_F(DamagedGamesFileTest, DamagedGameSourcesAreRefusedByNameOrCompileToAGameThatPlays) {
    std::string source;
    ASSERT_TRUE(platform::ReadFile(std::filesystem::path(CORVANET_SOURCE_DIR) / "data/games/canfield.game", source));
    int refused = 0;
    test_support::ForEachMutant(source, kSourceDamages, kSeed, [&](const test_support::Mutant& mutant) {
        SCOPED_TRACE(mutant.what);
        const std::filesystem::path file = m_folder.WriteFile("canfield.game", mutant.content);
        std::ostringstream errors;
        const int status =
            data_tools::MakeGamesDat({"-o", (m_folder.Path() / "GAMES.DAT").string(), file.string()}, errors);
        if (status != 0) {
            ++refused;
            EXPECT_EQ(status, 1);
            EXPECT_NE(errors.str().find("canfield.game"), std::string::npos) << errors.str();
            return;
        }
        Try({mutant.what, m_folder.ReadFile("GAMES.DAT")}, 0);
    });
    EXPECT_GT(refused, kSourceDamages / 4);
    EXPECT_GT(m_moves, kSourceDamages) << "the accepted sources were played";
}

}  // namespace
}  // namespace engine::play_test
