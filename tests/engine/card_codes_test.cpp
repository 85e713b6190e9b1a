#include "engine/model/card_codes.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/base/text_utils.h"
#include "engine/model/card_table.h"

namespace engine {
namespace {

struct CardCase {
    int code;
    int suit;
    int rank;
    bool red;
    bool face;
    bool joker;
    int bitmap;
    const char* record;
};

// A sample per suit and deck, the block edges and the jokers.
constexpr CardCase kCards[] = {
    {1, kHearts, 1, true, false, false, 0, "CUORI_A        10011"},
    {10, kHearts, 10, true, false, false, 9, "CUORI_10       10101"},
    {13, kHearts, 13, true, true, false, 12, "CUORI_K        10131"},
    {14, kDiamonds, 1, true, false, false, 13, "QUADR_A        20141"},
    {24, kDiamonds, 11, true, true, false, 23, "QUADR_J        20241"},
    {26, kDiamonds, 13, true, true, false, 25, "QUADR_K        20261"},
    {27, kClubs, 1, false, false, false, 26, "FIORI_A        30271"},
    {30, kClubs, 4, false, false, false, 29, "FIORI_04       30301"},
    {40, kSpades, 1, false, false, false, 39, "PICCH_A        40401"},
    {51, kSpades, 12, false, true, false, 50, "PICCH_Q        40511"},
    {52, kSpades, 13, false, true, false, 51, "PICCH_K        40521"},
    {53, kHearts, 1, true, false, false, 0, "CUORI_A        10531"},
    {66, kDiamonds, 1, true, false, false, 13, "QUADR_A        20661"},
    {78, kDiamonds, 13, true, true, false, 25, "QUADR_K        20781"},
    {79, kClubs, 1, false, false, false, 26, "FIORI_A        30791"},
    {89, kClubs, 11, false, true, false, 36, "FIORI_J        30891"},
    {102, kSpades, 11, false, true, false, 49, "PICCH_J        41021"},
    {104, kSpades, 13, false, true, false, 51, "PICCH_K        41041"},
    {105, kNoSuit, kJokerRank, false, false, true, 52, "JOKER          41051"},
    {108, kNoSuit, kJokerRank, false, false, true, 52, "JOKER          41081"},
};

TEST(CardCodes, SampleOfEverySuitAndDeck) {
    for (const CardCase& c : kCards) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(CardSuit(c.code), c.suit);
        EXPECT_EQ(CardRank(c.code), c.rank);
        EXPECT_EQ(IsRedCard(c.code), c.red);
        EXPECT_EQ(IsFaceCard(c.code), c.face);
        EXPECT_EQ(IsJoker(c.code), c.joker);
        EXPECT_EQ(CardBitmapIndex(c.code), c.bitmap);
        EXPECT_EQ(MakeCardRecord(c.code, kFaceUp), c.record);
    }
}

TEST(CardCodes, InvariantsOverAllCards) {
    std::set<std::string> deckOneNames;
    for (int code = kFirstCard; code <= kCardCount; ++code) {
        SCOPED_TRACE(code);
        const std::string record = MakeCardRecord(code, kFaceDown);
        ASSERT_EQ(record.size(), static_cast<std::size_t>(kCardRecordLength));
        EXPECT_EQ(record.substr(16, 3), CardCodeText(code));
        EXPECT_EQ(record[19], kFaceDown);
        EXPECT_EQ(record.substr(0, 15).find_last_not_of(' ') + 1, CardName(code).size());
        if (IsJoker(code)) {
            EXPECT_EQ(record[15], '4');
            continue;
        }
        const int deckOne = code > kDeckSize ? code - kDeckSize : code;
        EXPECT_EQ(CardSuit(code), (deckOne - 1) / kSuitSize);
        EXPECT_EQ(CardRank(code), (deckOne - 1) % kSuitSize + 1);
        EXPECT_EQ(CardBitmapIndex(code), deckOne - 1);
        EXPECT_EQ(IsRedCard(code), CardSuit(code) == kHearts || CardSuit(code) == kDiamonds);
        EXPECT_EQ(IsFaceCard(code), CardRank(code) >= kJack);
        EXPECT_EQ(record[15], static_cast<char>('1' + CardSuit(code)));
        EXPECT_EQ(CardName(code), CardName(deckOne));
        if (code <= kDeckSize) deckOneNames.insert(CardName(code));
    }
    EXPECT_EQ(deckOneNames.size(), static_cast<std::size_t>(kDeckSize));
}

TEST(CardCodes, CodesThatAreNoCard) {
    EXPECT_EQ(CardRank(0), 0);
    EXPECT_EQ(CardRank(-1), -1);
    EXPECT_EQ(CardRank(109), kNoRank);
    // Every code below 14 counts as hearts, so an empty marker does too.
    EXPECT_EQ(CardSuit(0), kHearts);
    EXPECT_EQ(CardSuit(-1), kHearts);
    EXPECT_EQ(CardSuit(109), kNoSuit);
    EXPECT_TRUE(IsRedCard(0));
    EXPECT_FALSE(IsFaceCard(0));
    EXPECT_FALSE(IsJoker(104));
    EXPECT_FALSE(IsJoker(109));
    EXPECT_LT(CardBitmapIndex(0), 0);
    EXPECT_EQ(CardName(0), "");
    EXPECT_EQ(MakeCardRecord(109, kFaceUp), "");
}

TEST(CardCodes, RankTextAndNeighbours) {
    EXPECT_EQ(RankText(1), "A");
    EXPECT_EQ(RankText(2), "2");
    EXPECT_EQ(RankText(10), "10");
    EXPECT_EQ(RankText(11), "J");
    EXPECT_EQ(RankText(12), "Q");
    EXPECT_EQ(RankText(13), "K");
    EXPECT_EQ(PrevRank(1), 13);
    EXPECT_EQ(PrevRank(7), 6);
    EXPECT_EQ(NextRank(13), 1);
    EXPECT_EQ(NextRank(7), 8);
}

TEST(CardCodes, CodeTexts) {
    EXPECT_EQ(CardCodeText(7), "007");
    EXPECT_EQ(CardCodeText(0), "000");
    EXPECT_EQ(CardCodeText(108), "108");
    EXPECT_EQ(ReadCardNumber("007"), 7);
    EXPECT_EQ(ReadCardNumber("7"), 7);
    EXPECT_EQ(ReadCardNumber("000"), 0);
    EXPECT_EQ(ReadCardNumber("-01"), -1);
    EXPECT_EQ(ReadCardNumber(""), std::nullopt);
    EXPECT_EQ(ReadCardNumber("0a7"), std::nullopt);
    EXPECT_EQ(ReadCardNumber("--5"), std::nullopt);
    EXPECT_EQ(ReadCardNumber("-"), std::nullopt);
}

// The digits of the cards come from a table, the rest of 0 .. 999 from arithmetic: both
// must write what the zero-padded number reads, and read back as the same code.
TEST(CardCodes, WrittenCodesMatchTheirZeroPaddedNumbers) {
    std::string pile = "x";
    for (int code = 0; code <= 999; ++code) {
        char written[kCardCodeWidth + 1] = "###";
        ASSERT_EQ(WriteCardCode(written, code), written + kCardCodeWidth);
        ASSERT_EQ(std::string(written), IntToZeroPad(code, kCardCodeWidth)) << code;
        ASSERT_EQ(written[kCardCodeWidth], '\0') << "wrote past the group for " << code;
        ASSERT_EQ(ReadCardGroup(written), code);
        AppendCardCode(pile, code);
        ASSERT_EQ(pile.substr(pile.size() - kCardCodeWidth), IntToZeroPad(code, kCardCodeWidth));
    }
    EXPECT_EQ(pile.size(), 1 + 1000 * static_cast<std::size_t>(kCardCodeWidth));
    EXPECT_EQ(pile.front(), 'x');
}

TEST(CardCodes, FlagsOfARunSkipCodesWithoutARecord) {
    CardTable table;
    const std::vector<int> run = {1, 0, -1, 109, 999, 52, 108, 52};
    table.SetCardFaceFlags(run, kFaceDown);  // an empty table has no records at all
    table.FillCardTable();
    table.SetCardFaceFlags(run, kFaceDown);
    for (int code = 1; code <= kCardCount; ++code) {
        const bool named = code == 1 || code == 52 || code == 108;
        EXPECT_EQ(table.FaceFlag(code), named ? kFaceDown : kFaceUp) << code;
        EXPECT_EQ(table.Record(code).size(), static_cast<std::size_t>(kCardRecordLength));
    }
    EXPECT_EQ(table.Records().size(), static_cast<std::size_t>(kCardCount));
}

}  // namespace
}  // namespace engine
