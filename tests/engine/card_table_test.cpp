#include "engine/model/card_table.h"

#include <gtest/gtest.h>

#include "engine/model/card_codes.h"

namespace engine {
namespace {

CardTable FilledTable() {
    CardTable table;
    table.FillCardTable();
    return table;
}

TEST(CardTable, CreatedEmptyFilledInCodeOrderFaceUp) {
    CardTable table;
    EXPECT_FALSE(table.IsFilled());
    EXPECT_EQ(table.Record(1), "");
    table.FillCardTable();
    ASSERT_EQ(table.Records().size(), static_cast<std::size_t>(kCardCount));
    for (int code = kFirstCard; code <= kCardCount; ++code) {
        EXPECT_EQ(table.Record(code), MakeCardRecord(code, kFaceUp));
        EXPECT_FALSE(table.IsFaceDown(code));
    }
    EXPECT_EQ(table.Records()[0], "CUORI_A        10011");
    EXPECT_EQ(table.Records()[103], "PICCH_K        41041");
    EXPECT_EQ(table.Records()[107], "JOKER          41081");
}

TEST(CardTable, SetCardFaceFlagChangesOnlyTheFlag) {
    CardTable table = FilledTable();
    table.SetCardFaceFlag(40, kFaceDown);
    EXPECT_EQ(table.Record(40), "PICCH_A        40400");
    EXPECT_TRUE(table.IsFaceDown(40));
    EXPECT_FALSE(table.IsFaceDown(39));
    table.SetCardFaceFlag(40, kFaceUp);
    EXPECT_EQ(table.Record(40), "PICCH_A        40401");
}

TEST(CardTable, CodesWithoutRecordAreIgnored) {
    CardTable table = FilledTable();
    const auto before = table.Records();
    table.SetCardFaceFlag(0, kFaceDown);
    table.SetCardFaceFlag(-1, kFaceDown);
    table.SetCardFaceFlag(109, kFaceDown);
    EXPECT_EQ(table.Records(), before);
    EXPECT_FALSE(table.IsFaceDown(0));
    EXPECT_EQ(table.FaceFlag(109), '\0');

    CardTable empty;
    empty.SetCardFaceFlag(1, kFaceDown);
    EXPECT_FALSE(empty.IsFilled());
}

std::string Flags(const CardTable& table, std::initializer_list<int> cards) {
    std::string flags;
    for (const int card : cards) flags += table.FaceFlag(card);
    return flags;
}

void TurnAllDown(CardTable& table) {
    for (int code = kFirstCard; code <= kCardCount; ++code) table.SetCardFaceFlag(code, kFaceDown);
}

TEST(CardTable, SetPileFaceFlagsTopCards) {
    CardTable table = FilledTable();
    TurnAllDown(table);
    table.SetPileFaceFlags("001002003004005", 2, kFaceUp);
    EXPECT_EQ(Flags(table, {1, 2, 3, 4, 5}), "00011");

    TurnAllDown(table);
    table.SetPileFaceFlags("001002003", 7, kFaceUp);  // more than the pile holds: all of them
    EXPECT_EQ(Flags(table, {1, 2, 3}), "111");
}

TEST(CardTable, SetPileFaceFlagsPatterns) {
    CardTable table = FilledTable();
    table.SetPileFaceFlags("001002003004005", kOddCardsUp, kFaceUp);
    EXPECT_EQ(Flags(table, {1, 2, 3, 4, 5}), "10101");
    table.SetPileFaceFlags("001002003004005", kEvenCardsUp, kFaceUp);
    EXPECT_EQ(Flags(table, {1, 2, 3, 4, 5}), "01010");
    TurnAllDown(table);
    table.SetPileFaceFlags("010011012", kFirstCardUp, kFaceUp);
    EXPECT_EQ(Flags(table, {10, 11, 12}), "100");
}

TEST(CardTable, SetPileFaceFlagsModesThatChangeNothing) {
    CardTable table = FilledTable();
    TurnAllDown(table);
    for (const int mode : {0, -4, -9}) table.SetPileFaceFlags("001002", mode, kFaceUp);
    EXPECT_EQ(Flags(table, {1, 2}), "00");
}

TEST(CardTable, SetPileFaceFlagsSkipsBlanksAndFragments) {
    CardTable table = FilledTable();
    TurnAllDown(table);
    table.SetPileFaceFlags("000001000" "00", 3, kFaceUp);
    EXPECT_EQ(Flags(table, {1}), "1");
    EXPECT_EQ(table.Records().size(), static_cast<std::size_t>(kCardCount));
}

}  // namespace
}  // namespace engine
