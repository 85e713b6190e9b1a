#include "engine/model/game_record.h"

#include <gtest/gtest.h>

#include "engine/model/game_words.h"
#include "tests/support/test_names.h"

namespace {

using engine::GameDefRecord;
namespace words = engine::words;

TEST(GameRecordTest, WordsKeepTheirLow16Bits) {
    GameDefRecord def;
    def.SetWord(words::kMaxTableauCards, engine::kNoLimit);
    def.SetWord(words::kGameKind, 31);
    def.SetWord(words::kScoreBonusCards, -5);
    EXPECT_EQ(def[words::kMaxTableauCards], -1);
    EXPECT_TRUE(def.IsNoLimit(words::kMaxTableauCards));
    EXPECT_EQ(def[words::kGameKind], 31);
    EXPECT_EQ(def[words::kScoreBonusCards], -5);
    EXPECT_FALSE(def.IsNoLimit(words::kGameKind));
}

TEST(GameRecordTest, NumbersOutside0To400AreIgnored) {
    GameDefRecord def;
    def.SetWord(-1, 9);
    def.SetWord(401, 9);
    def.SetWord(400, 7);
    def.SetWord(0, 3);
    EXPECT_EQ(def[-1], 0);
    EXPECT_EQ(def[401], 0);
    EXPECT_EQ(def[400], 7);
    EXPECT_EQ(def[0], 3);
}

TEST(GameRecordTest, RunIndexesOutsideTheRunReadZero) {
    GameDefRecord def;
    def.SetAt(words::kFoundationBase, 15, 13);
    def.SetAt(words::kFoundationBase, 16, 5);  // would be FoundationDirection[0]
    EXPECT_EQ(def.At(words::kFoundationBase, 15), 13);
    EXPECT_EQ(def[63], 13);
    EXPECT_EQ(def[words::kFoundationDirection[0]], 0);
    EXPECT_EQ(def.At(words::kFoundationBase, 16), 0);
    EXPECT_EQ(def.At(words::kFoundationBase, -1), 0);
}

TEST(GameRecordTest, SaveRestoreBringsBackTheRuleWordsOnly) {
    GameDefRecord def;
    for (int i = 0; i < words::kTableauRuleA.count; ++i) {
        def.SetAt(words::kTableauRuleA, i, i + 1);
    }
    for (int i = 0; i < words::kFoundationBase.count; ++i) {
        def.SetAt(words::kFoundationBase, i, 14);
    }
    def.SetWord(words::kGameKind, 4);
    def.SaveRestoreRuleWords(false);

    def.SetAt(words::kTableauRuleA, 0, 91);
    def.SetAt(words::kTableauRuleA, 27, 91);
    def.SetAt(words::kFoundationBase, 3, 7);
    def.SetWord(words::kGameKind, 9);
    def.SaveRestoreRuleWords(true);

    EXPECT_EQ(def.At(words::kTableauRuleA, 0), 1);
    EXPECT_EQ(def.At(words::kTableauRuleA, 27), 28);
    EXPECT_EQ(def.At(words::kFoundationBase, 3), 14);
    EXPECT_EQ(def[words::kGameKind], 9);
}

TEST(GameRecordTest, ClearKeepsTheSaveArea) {
    GameDefRecord def;
    def.SetAt(words::kFoundationBase, 0, 1);
    def.SaveRestoreRuleWords(false);
    def.Clear();
    EXPECT_EQ(def.At(words::kFoundationBase, 0), 0);
    def.SaveRestoreRuleWords(true);
    EXPECT_EQ(def.At(words::kFoundationBase, 0), 1);
}

struct NamedWord {
    int number;
    const char* name;
};

void PrintTo(const NamedWord& w, std::ostream* out) { *out << "word " << w.number << " " << w.name; }

class GameWordNameTest : public ::testing::TestWithParam<NamedWord> {};

TEST_P(GameWordNameTest, NumberAndNameAgree) {
    EXPECT_EQ(engine::GameWordName(GetParam().number), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, GameWordNameTest,
    ::testing::Values(NamedWord{1, "FoundationPrefillMode"}, NamedWord{12, "SequenceLimit"}, NamedWord{14, "PassLimit"},
                      NamedWord{47, "GameKind"}, NamedWord{48, "FoundationBase[0]"}, NamedWord{63, "FoundationBase[15]"},
                      NamedWord{64, "FoundationDirection[0]"}, NamedWord{96, "FoundationStartCode[0]"},
                      NamedWord{127, "FoundationFullCount[15]"}, NamedWord{155, "TableauRuleA[27]"},
                      NamedWord{184, "TableauRuleC[0]"}, NamedWord{267, "StockToTableauMode[27]"},
                      NamedWord{287, "StockToReserveMode[9]"}, NamedWord{297, "GridRows"},
                      NamedWord{304, "TableauCount"}, NamedWord{311, "TableauDealA[0]"},
                      NamedWord{366, "TableauDealB[27]"}, NamedWord{387, "ReserveDealB[9]"},
                      NamedWord{395, "ChooserGameTime"}, NamedWord{400, "ChooserOddsGames"},
                      // Words no part of the program reads.
                      NamedWord{0, ""}, NamedWord{10, ""}, NamedWord{19, ""}, NamedWord{388, ""}, NamedWord{401, ""}),
    [](const ::testing::TestParamInfo<NamedWord>& info) {
        return "Word" + std::to_string(info.param.number) + test_support::TestNameOf(info.param.name);
    });

TEST(GameWordsTest, RunsEndWhereTheNextWordBegins) {
    EXPECT_EQ(words::kFoundationBase.Last() + 1, words::kFoundationDirection.first);
    EXPECT_EQ(words::kTableauRuleD.Last() + 1, words::kStockToTableauMode.first);
    EXPECT_EQ(words::kStockToTableauMode.Last() + 1, words::kReserveRule.first);
    EXPECT_EQ(words::kTableauDealB.Last() + 1, words::kThirdPileCount);
    EXPECT_EQ(words::kReserveDealB.Last(), 387);
    EXPECT_TRUE(words::kReserveRule.Contains(277));
    EXPECT_FALSE(words::kReserveRule.Contains(278));
}

TEST(GameWordsTest, RangesAdmitTheValuesWithAMeaning) {
    const auto range = [](int number) {
        const engine::GameWordInfo* info = engine::FindGameWord(number);
        EXPECT_NE(info, nullptr) << number;
        return info != nullptr ? std::pair{info->min, info->max} : std::pair{0, -1};
    };
    EXPECT_EQ(range(words::kMaxFoundationCards), (std::pair{0, engine::kNoLimit}));
    EXPECT_EQ(engine::AllowedValuesText(*engine::FindGameWord(words::kCardCount)), "1..52 or 104");
    EXPECT_LE(range(words::kSequenceLimit).first, -13);
    EXPECT_LE(range(words::kFoundationBase[5]).first, -2);
    EXPECT_GE(range(words::kTableauDealA[0]).second, 1504);
    EXPECT_LE(range(words::kTableauDealB[0]).first, -3);
    EXPECT_LE(range(words::kPassLimit).first, -1);
}

}  // namespace
