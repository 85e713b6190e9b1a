// The eight games of GAMES.DAT as the build lays it in the program folder: the list and
// its families, what the chooser reads, and what each game deals.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <numeric>
#include <string>
#include <vector>

#include "engine/model/card_codes.h"
#include "engine/model/game_categories.h"
#include "engine/files/game_definitions.h"
#include "engine/model/game_list.h"
#include "engine/model/pile_text.h"
#include "engine/session/rules_help.h"
#include "platform/core/paths.h"
#include "engine/model/preference_fields.h"
#include "tests/engine/game_player.h"
#include "tests/engine/play_fixture.h"

namespace engine::play_test {
namespace {

struct CollectionGame {
    int id;
    const char* name;
    const char* family;  // the chooser's category key
    int cards;           // without jokers
};

constexpr CollectionGame kCollection[] = {
    {1, "Freecell", "TREE5_FREECELL_TYPE", 52},           {2, "Klondike", "TREE5_KLONDIKE_TYPE", 52},
    {3, "Spider", "TREE5_SPIDER_TYPE", 104},              {4, "Canfield", "TREE5_CANFIELD_TYPE", 52},
    {5, "Forty Thieves", "TREE5_FORTYTHIEVES_TYPE", 104}, {6, "Yukon", "TREE5_YUKON_TYPE", 52},
    {7, "Pyramid", "TREE5_PAIRING_TYPE", 52},             {8, "Golf", "TREE5_SIMPLEGAMES_TYPE", 52},
};

constexpr const char* kNumbers[] = {"1000829348951", "1004976155431", "1009952323207", "0000000000001",
                                    "9999999999999"};

int TypeOfLine(const std::string& line) {
    return std::stoi(line.substr(game_line::kTypePosition - 1, game_line::kTypeWidth));
}

std::vector<int> AllCodes(int cards) {
    std::vector<int> codes(static_cast<std::size_t>(cards));
    std::iota(codes.begin(), codes.end(), kFirstCard);
    return codes;
}

class CollectionTest : public ::testing::Test {
protected:
    void SetUp() override { fix.SetField(fields::kDealAnimation, "N"); }

    const std::string& Pile(PileListId list, int line) { return fix.G().board.piles.Pile(list, line); }
    int Word(int number) { return fix.G().gameDef[number]; }

    PlayFixture fix;
};

TEST_F(CollectionTest, ListsTheEightGamesInIdOrderWithTheirFamilies) {
    ASSERT_EQ(fix.GameIds(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    const std::vector<std::string>& lines = fix.G().mainGame.GameList;
    std::vector<std::string> families;
    for (std::size_t i = 0; i < std::size(kCollection); ++i) {
        EXPECT_EQ(GameNameOfLine(lines[i]), kCollection[i].name);
        EXPECT_EQ(GameCategoryKey(TypeOfLine(lines[i])), kCollection[i].family) << kCollection[i].name;
        families.emplace_back(GameCategoryKey(TypeOfLine(lines[i])));
    }
    std::sort(families.begin(), families.end());
    EXPECT_EQ(std::unique(families.begin(), families.end()), families.end()) << "every game has a family of its own";
}

TEST_F(CollectionTest, ChooserReadsTheRowsTheDefinitionsSet) {
    ASSERT_FALSE(fix.GameIds().empty());
    // The chooser's rows: game time, difficulty, chance, odds X and Y, cards, passes, skill.
    const ChooserRows rows{395, 396, 398, 399, 400, 307, 14, 397, -1};
    for (const CollectionGame& game : kCollection) {
        SCOPED_TRACE(game.name);
        ASSERT_TRUE(fix.LoadGame(game.id));
        ChooserValues values{};
        GameInfoForChooser(fix.G().services, fix.G().mainGame, game.id, rows, values);
        for (std::size_t i = 0; i + 1 < rows.size(); ++i) EXPECT_EQ(values[i], Word(rows[i])) << "row " << rows[i];
        EXPECT_EQ(values.back(), kNoChooserValue);
        EXPECT_EQ(values[5], game.cards);
        // Each word within the chooser's lists: 3 game times, 3 difficulties, 5 chances, 5 skills.
        EXPECT_LE(values[0], 2);
        EXPECT_LE(values[1], 2);
        EXPECT_LE(values[2], 4);
        EXPECT_LE(values[7], 4);
    }
}

TEST_F(CollectionTest, EveryGameDealsEachCardOnce) {
    ASSERT_FALSE(fix.GameIds().empty());
    for (const CollectionGame& game : kCollection) {
        ASSERT_TRUE(fix.LoadGame(game.id));
        EXPECT_EQ(Word(words::kCardCount), game.cards) << game.name;
        for (const char* number : kNumbers) {
            fix.Deal(number);
            EXPECT_EQ(BoardCodes(fix.G()), AllCodes(game.cards)) << game.name << " " << number;
            EXPECT_TRUE(fix.Flag(flag::kGameInProgress));
            EXPECT_FALSE(fix.Flag(flag::kGameWon));
        }
    }
}

TEST_F(CollectionTest, EveryGameHasARulesPageUnderItsContextNumber) {
    const std::filesystem::path bundle = std::filesystem::path(CORVANET_PROGRAM_DIR) / kHelpFileName;
    for (const CollectionGame& game : kCollection) {
        SCOPED_TRACE(game.name);
        const std::optional<int> context = RulesHelpContext(game.id);
        ASSERT_EQ(context, game.id + kRulesHelpContextBase);
        std::string page;
        ASSERT_TRUE(platform::ReadFile(bundle / (std::to_string(*context) + ".html"), page))
            << "build the help_bundle target";
        EXPECT_NE(page.find(std::string("<title>") + game.name + "</title>"), std::string::npos);
        for (const char* heading : {"Aim", "Layout", "Moves", "The stock", "Winning", "Tip"}) {
            EXPECT_NE(page.find(std::string("<h2>") + heading + "</h2>"), std::string::npos) << heading;
        }
    }
}

TEST_F(CollectionTest, KlondikeDealsSevenPilesWithTheirTopCardsUp) {
    ASSERT_TRUE(fix.LoadGame(2));
    fix.Deal(kNumbers[0]);
    for (int t = 0; t < 7; ++t) {
        const std::string& pile = Pile(PileListId::kFila, t);
        ASSERT_EQ(PileCardCount(pile), t + 1);
        for (int i = 0; i <= t; ++i) EXPECT_EQ(fix.G().Cards().IsFaceDown(PileCardAt(pile, i)), i < t);
    }
    EXPECT_EQ(PileCardCount(Pile(PileListId::kMazzo, kStockLine)), 24);
}

TEST_F(CollectionTest, CanfieldStartsEveryFoundationAtTheDealtCardsRank) {
    ASSERT_TRUE(fix.LoadGame(4));
    for (const char* number : kNumbers) {
        fix.Deal(number);
        const std::string& first = Pile(PileListId::kDest, 0);
        ASSERT_EQ(PileCardCount(first), 1);
        for (int f = 0; f < 4; ++f) {
            EXPECT_EQ(fix.G().gameDef.At(words::kFoundationBase, f), CardRank(PileTopCard(first))) << number;
        }
        EXPECT_EQ(PileCardCount(Pile(PileListId::kAppogg, 0)), 13);
        EXPECT_FALSE(fix.G().Cards().IsFaceDown(PileTopCard(Pile(PileListId::kAppogg, 0))));
    }
}

TEST_F(CollectionTest, PyramidRowsHoldOneToSevenCardsAndTheStockShowsItsTop) {
    ASSERT_TRUE(fix.LoadGame(7));
    fix.Deal(kNumbers[0]);
    for (int t = 0; t < 7; ++t) EXPECT_EQ(PileCardCount(Pile(PileListId::kFila, t)), t + 1);
    EXPECT_FALSE(fix.G().Cards().IsFaceDown(PileTopCard(Pile(PileListId::kMazzo, kStockLine))));
    EXPECT_TRUE(Pile(PileListId::kMazzo, kThirdStockLine).empty());
}

TEST_F(CollectionTest, GolfStartsTheDiscardPileWithOneCard) {
    ASSERT_TRUE(fix.LoadGame(8));
    fix.Deal(kNumbers[0]);
    EXPECT_EQ(PileCardCount(Pile(PileListId::kMazzo, kThirdStockLine)), 1);
    EXPECT_EQ(PileCardCount(Pile(PileListId::kMazzo, kStockLine)), 16);
    for (int t = 0; t < 7; ++t) EXPECT_EQ(PileCardCount(Pile(PileListId::kFila, t)), 5);
}

TEST_F(CollectionTest, YukonTurnsUpTheLastFiveCardsOfEveryPileButTheFirst) {
    ASSERT_TRUE(fix.LoadGame(6));
    fix.Deal(kNumbers[0]);
    const int sizes[] = {1, 6, 7, 8, 9, 10, 11};
    for (int t = 0; t < 7; ++t) {
        const std::string& pile = Pile(PileListId::kFila, t);
        ASSERT_EQ(PileCardCount(pile), sizes[t]);
        int faceUp = 0;
        for (int i = 0; i < sizes[t]; ++i) faceUp += fix.G().Cards().IsFaceDown(PileCardAt(pile, i)) ? 0 : 1;
        EXPECT_EQ(faceUp, t == 0 ? 1 : 5);
    }
}

}  // namespace
}  // namespace engine::play_test
