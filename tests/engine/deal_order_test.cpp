#include "engine/deal/deal_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "engine/model/game_record.h"
#include "tests/support/fake_services.h"

namespace engine {
namespace {

GameDefRecord Record(int cardCount, int jokersUsed = 0, int jokerCount = 0) {
    GameDefRecord game;
    game.SetWord(words::kCardCount, cardCount);
    game.SetWord(words::kJokersUsed, jokersUsed);
    game.SetWord(words::kJokerCount, jokerCount);
    return game;
}

DealList Order(const GameDefRecord& game, std::string_view number) {
    DealList list;
    EXPECT_TRUE(fnGameNumberCardsArray(list, game, number, nullptr));
    return list;
}

DealList Codes(std::initializer_list<int> codes) {
    return DealList(codes);
}

// A spread of game numbers: short and full-length, every digit position busy.
std::string NumberFor(std::uint64_t i) {
    const std::uint64_t value = (i * 7919 + 1) * 1000003 % 10000000000000ULL;
    return std::to_string(i % 5 == 0 ? value % 100000 : value);
}

TEST(ReadGameNumber, PadsShortFieldsAndKeepsTheLastThirteen) {
    const GameNumberDigits one = ReadGameNumber("1");
    EXPECT_EQ(one, ReadGameNumber("0000000000001"));
    EXPECT_EQ(one[12], 1);
    EXPECT_EQ(std::count(one.begin(), one.end(), 0), 12);

    const GameNumberDigits long15 = ReadGameNumber("981234567890123");
    EXPECT_EQ(long15, ReadGameNumber("1234567890123"));
    EXPECT_EQ(long15[0], 1);
    EXPECT_EQ(long15[12], 3);
}

TEST(ReadGameNumber, ANonDigitReadsAsZero) {
    EXPECT_EQ(ReadGameNumber("12x4"), ReadGameNumber("1204"));
    EXPECT_EQ(ReadGameNumber(""), ReadGameNumber("0"));
}

TEST(NextFreeSlot, SearchesFromTheStartThenFromTheFront) {
    const DealList list = Codes({1, 0, 2, 3, 0, 4});
    EXPECT_EQ(NextFreeSlot(list, 2, true), 4);
    EXPECT_EQ(NextFreeSlot(list, 4, true), 4);
    EXPECT_EQ(NextFreeSlot(list, 5, true), 1);  // none after 5: the first from 0
    EXPECT_EQ(NextFreeSlot(list, 3, false), 1);
    EXPECT_EQ(NextFreeSlot(list, 0, false), 1);  // none at 0 or below
    EXPECT_EQ(NextFreeSlot(list, 99, false), 4);  // a start past the end is clipped
    EXPECT_EQ(NextFreeSlot(Codes({1, 2}), 0, true), kNoFreeSlot);
    EXPECT_EQ(NextFreeSlot(DealList{}, 0, false), kNoFreeSlot);
}

TEST(PlaceJokers, StepsFromTheStartByTheFirstDigitsRow) {
    const GameDefRecord game = Record(52, 1, 2);
    DealList list(54, kFreeSlot);
    PlaceJokers(list, 54, 3, game, 0);  // row 3 steps 51, then 16
    EXPECT_EQ(list[51], 105);
    EXPECT_EQ(list[13], 106);  // 67 folded into 54 slots
}

TEST(PlaceJokers, TheSlotFoundDoesNotMoveThePosition) {
    const GameDefRecord game = Record(52, 1, 2);
    DealList list(54, kFreeSlot);
    list[51] = list[52] = list[53] = 7;
    PlaceJokers(list, 54, 3, game, 0);
    EXPECT_EQ(list[0], 105);   // nothing free from 51 on: the first free slot
    EXPECT_EQ(list[13], 106);  // still 51 + 16, not 0 + 16
}

TEST(PlaceJokers, NothingWithoutJokersAndNeverMoreThanFour) {
    DealList list(60, kFreeSlot);
    PlaceJokers(list, 60, 1, Record(52, 0, 4), 0);
    EXPECT_EQ(std::count(list.begin(), list.end(), kFreeSlot), 60);
    PlaceJokers(list, 60, 1, Record(52, 1, 9), 0);
    EXPECT_EQ(std::count(list.begin(), list.end(), kFreeSlot), 56);
    EXPECT_EQ(*std::max_element(list.begin(), list.end()), 108);
}

TEST(GameNumberCardsArray, FrozenOrders) {
    // Card orders of stored game numbers must never change.
    const DealList one = Order(Record(52), "1");
    EXPECT_EQ(DealList(one.begin(), one.begin() + 12), Codes({40, 4, 43, 39, 15, 6, 16, 45, 18, 35, 34, 7}));
    EXPECT_EQ(DealList(one.end() - 4, one.end()), Codes({20, 50, 36, 1}));

    const DealList mixed = Order(Record(52), "1234567890123");
    EXPECT_EQ(DealList(mixed.begin(), mixed.begin() + 10), Codes({5, 14, 28, 37, 35, 6, 2, 43, 3, 40}));

    const DealList twoDecks = Order(Record(104), "9876543210987");
    EXPECT_EQ(DealList(twoDecks.begin(), twoDecks.begin() + 12), Codes({72, 86, 67, 34, 12, 74, 69, 42, 40, 48, 59, 104}));

    const DealList jokers = Order(Record(52, 1, 2), "5550001112223");
    EXPECT_EQ(DealList(jokers.begin(), jokers.begin() + 6), Codes({106, 28, 40, 16, 5, 6}));
    EXPECT_EQ(jokers[33], 105);
}

TEST(GameNumberCardsArray, EveryDigitChangesTheOrder) {
    const GameDefRecord game = Record(52);
    const std::string number = "3141592653589";
    const DealList base = Order(game, number);
    for (std::size_t i = 0; i < number.size(); ++i) {
        std::string changed = number;
        changed[i] = changed[i] == '9' ? '0' : static_cast<char>(changed[i] + 1);
        EXPECT_NE(Order(game, changed), base) << "digit " << i + 1;
    }
}

struct DeckCase {
    int cardCount;
    int jokersUsed;
    int jokerCount;
};

void PrintTo(const DeckCase& deck, std::ostream* os) {
    *os << deck.cardCount << " cards, jokers " << deck.jokersUsed << "/" << deck.jokerCount;
}

class GameNumberDeck : public testing::TestWithParam<DeckCase> {};

TEST_P(GameNumberDeck, EveryCodeExactlyOnceForThousandsOfNumbers) {
    const DeckCase deck = GetParam();
    const GameDefRecord game = Record(deck.cardCount, deck.jokersUsed, deck.jokerCount);
    const int jokers = deck.jokersUsed == 1 ? deck.jokerCount : 0;
    DealList expected;
    for (int code = 1; code <= deck.cardCount; ++code) expected.push_back(code);
    for (int k = 1; k <= jokers; ++k) expected.push_back(104 + k);
    for (std::uint64_t i = 0; i < 3000; ++i) {
        DealList list = Order(game, NumberFor(i));
        ASSERT_EQ(list.size(), expected.size());
        std::sort(list.begin(), list.end());
        ASSERT_EQ(list, expected) << "game number " << NumberFor(i);
    }
}

INSTANTIATE_TEST_SUITE_P(Decks, GameNumberDeck,
                         testing::Values(DeckCase{52, 0, 0}, DeckCase{104, 0, 0}, DeckCase{52, 1, 2}, DeckCase{104, 1, 4},
                                         DeckCase{52, 0, 3}));

TEST(GameNumberCardsArray, AShortListHoldsAsManyDistinctCardsAsSlots) {
    const GameDefRecord game = Record(40);
    for (std::uint64_t i = 0; i < 200; ++i) {
        DealList list = Order(game, NumberFor(i));
        ASSERT_EQ(list.size(), 40U);
        std::sort(list.begin(), list.end());
        EXPECT_EQ(std::adjacent_find(list.begin(), list.end()), list.end());
        EXPECT_GE(list.front(), 1);
        EXPECT_LE(list.back(), 52);
    }
}

TEST(GameNumberCardsArray, ACardCountThatCannotBeDealtEndsTheDeal) {
    for (const int count : {53, 60, 103, 105, 0, -1}) {
        test_support::ScriptedMessages messages;
        DealList list = Codes({1, 2, 3});
        EXPECT_FALSE(fnGameNumberCardsArray(list, Record(count), "1", &messages)) << count;
        EXPECT_TRUE(list.empty());
        EXPECT_EQ(messages.Texts(test_support::MessageEvent::Kind::Info),
                  std::vector<std::string>{"Error 01 - fnGameNumberCardsArray"});
    }
}

}  // namespace
}  // namespace engine
