#include "engine/model/pile_text.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

TEST(PileText, CardsByIndex) {
    EXPECT_EQ(PileCardCount(""), 0);
    EXPECT_EQ(PileCardCount("014007"), 2);
    EXPECT_EQ(PileCardCount("01400"), 1);  // a fragment is no card
    EXPECT_EQ(PileCardAt("014007", 0), 14);
    EXPECT_EQ(PileCardAt("014007", 1), 7);
    EXPECT_EQ(PileCardAt("014007", 2), -1);
    EXPECT_EQ(PileCardAt("014007", -1), -1);
    EXPECT_EQ(PileCardAt("0x4", 0), -1);
    EXPECT_EQ(PileTopCard(""), 0);
    EXPECT_EQ(PileTopCard("014007"), 7);
}

TEST(PileText, FindPileCardReadsGroupsAsNumbers) {
    EXPECT_EQ(FindPileCard("014007001", 7), 1);
    EXPECT_EQ(FindPileCard("014007001", 70), -1);
    // "140" straddles two groups and is no hit.
    EXPECT_EQ(FindPileCard("014007", 140), -1);
    EXPECT_EQ(FindPileCard("014000", 0), 1);
    EXPECT_EQ(FindPileCard("0x4", -1), -1);
}

TEST(PileText, AllRanksDistinct) {
    EXPECT_FALSE(AllRanksDistinct("001014"));  // two Aces
    EXPECT_TRUE(AllRanksDistinct("001105002"));
    EXPECT_TRUE(AllRanksDistinct("000001000002"));  // blanks are not counted
    EXPECT_TRUE(AllRanksDistinct("105106"));        // nor jokers
    EXPECT_FALSE(AllRanksDistinct("013065"));       // Kings of both decks
    EXPECT_TRUE(AllRanksDistinct(""));
    EXPECT_TRUE(AllRanksDistinct("00100"));         // the fragment is ignored
}

TEST(PileText, PileContains) {
    EXPECT_TRUE(PileContains("007", "014007001"));
    EXPECT_TRUE(PileContains("7", "014007001"));
    EXPECT_FALSE(PileContains("140", "014007"));
    EXPECT_FALSE(PileContains("", "014007"));
    EXPECT_FALSE(PileContains("x", "014007"));
    EXPECT_FALSE(PileContains("-1", "0x4"));
    EXPECT_FALSE(PileContains("7", "00"));
}

TEST(PileText, AllZeros) {
    EXPECT_TRUE(AllZeros(""));
    EXPECT_TRUE(AllZeros("000000"));
    EXPECT_FALSE(AllZeros("000001"));
    EXPECT_FALSE(AllZeros(" "));
}

}  // namespace
}  // namespace engine
