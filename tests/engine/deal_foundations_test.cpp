#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/deal/deal.h"
#include "engine/deal/deal_order.h"
#include "engine/deal/foundation_play.h"
#include "engine/deal/foundation_start.h"
#include "tests/engine/deal_fixture.h"

namespace engine::deal_test {
namespace {

// Every card goes to the stock unless the test keeps some back, so the whole deck stays
// on the board and the invariants can be checked.
GameDefRecord StockGame(int cardCount = 52, int foundations = 4, int stockCount = 104) {
    GameDefRecord game;
    game.SetWord(words::kCardCount, cardCount);
    game.SetWord(words::kFoundationCount, foundations);
    game.SetWord(words::kStockCount, stockCount);
    game.SetWord(words::kStockFaceDown, 1);
    for (int i = 0; i < foundations; ++i) {
        game.SetAt(words::kFoundationBase, i, kAce);
        game.SetAt(words::kFoundationDirection, i, 1);
    }
    return game;
}

void ExpectWholeDeck(const DealFixture& fixture, int cards) {
    const auto counts = fixture.CodeCounts();
    EXPECT_EQ(counts.count(kNoCard), 0U) << fixture.Dump();
    EXPECT_EQ(static_cast<int>(counts.size()), cards) << fixture.Dump();
    for (const auto& [card, count] : counts) EXPECT_EQ(count, 1) << card;
}

std::vector<int> FoundationCards(const DealFixture& fixture, int count) {
    std::vector<int> cards;
    for (int i = 0; i < count; ++i) {
        const auto pile = fixture.Cards(PileListId::kDest, i);
        cards.push_back(pile.empty() ? kNoCard : pile.front());
    }
    return cards;
}

// A game number whose card order starts with the card.
std::string NumberStartingWith(const GameDefRecord& game, int card) {
    for (int i = 0; i < 100000; ++i) {
        const std::string number = std::to_string(i * 7777777ULL + 3);
        if (OrderOf(game, number).front() == card) return number;
    }
    ADD_FAILURE() << "no game number starts with " << card;
    return "1";
}

TEST(FoundationStartCodes, AcesKingsAndCodedCards) {
    DealFixture fixture;
    GameDefRecord game = StockGame(104, 8);
    SetWords(game, words::kFoundationStartCode, {95, 95, 95, 95, 95, 95, 95, 95});
    ASSERT_TRUE(fixture.Redeal(game, "77"));
    EXPECT_EQ(FoundationCards(fixture, 8), (std::vector<int>{13, 26, 39, 52, 1, 14, 27, 40}));
    EXPECT_EQ(fixture.game.At(words::kFoundationBase, 0), kKing);
    EXPECT_EQ(fixture.game.At(words::kFoundationBase, 7), kAce);
    EXPECT_TRUE(fixture.IsUp(52));
    ExpectWholeDeck(fixture, 104);

    game = StockGame();
    SetWords(game, words::kFoundationStartCode, {93, 94, 112, 5});
    ASSERT_TRUE(fixture.Redeal(game, "77"));
    EXPECT_EQ(FoundationCards(fixture, 4), (std::vector<int>{1, 14, 12, 5 + 3 * 13}));
    EXPECT_EQ(fixture.game.At(words::kFoundationBase, 2), kQueen);
    ExpectWholeDeck(fixture, 52);
}

TEST(FoundationStartCodes, CardsTakenFromTheOrder) {
    DealFixture fixture;
    GameDefRecord game = StockGame();
    const DealList order = OrderOf(game, "2024");
    SetWords(game, words::kFoundationStartCode, {20, 20, 57, 57});
    ASSERT_TRUE(fixture.Redeal(game, "2024"));
    DealList rest(order.begin() + 2, order.end());
    const auto sevens = std::find_if(rest.begin(), rest.end(), [](int c) { return CardRank(c) == 7; });
    const auto nextSeven = std::find_if(sevens + 1, rest.end(), [](int c) { return CardRank(c) == 7; });
    EXPECT_EQ(FoundationCards(fixture, 4), (std::vector<int>{order[0], order[1], *sevens, *nextSeven}));
    EXPECT_EQ(fixture.game.At(words::kFoundationBase, 3), 7);
    ExpectWholeDeck(fixture, 52);
}

TEST(FoundationStartCodes, NewSuitGivesEachFoundationAnotherSuit) {
    DealFixture fixture;
    GameDefRecord game = StockGame();
    SetWords(game, words::kFoundationStartCode, {21, 21, 21, 21});
    for (const char* number : {"1", "99", "31415", "2718281828459"}) {
        ASSERT_TRUE(fixture.Redeal(game, number));
        const std::vector<int> cards = FoundationCards(fixture, 4);
        EXPECT_EQ(cards[0], OrderOf(game, number).front());
        std::vector<int> suits;
        for (const int card : cards) suits.push_back(CardSuit(card));
        std::sort(suits.begin(), suits.end());
        EXPECT_EQ(suits, (std::vector<int>{0, 1, 2, 3})) << number;
    }
}

TEST(FoundationStartCodes, SharedBaseLaysNoCard) {
    DealFixture fixture;
    GameDefRecord game = StockGame();
    game.SetAt(words::kFoundationBase, 0, 5);
    SetWords(game, words::kFoundationStartCode, {0, 92, 96});
    ASSERT_TRUE(fixture.Redeal(game, "5"));
    EXPECT_EQ(FoundationCards(fixture, 4), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(fixture.game.At(words::kFoundationBase, 1), 5);
    EXPECT_EQ(fixture.game.At(words::kFoundationBase, 2), kAce);
}

// Code 91 lays the card of the first card's rank in each further suit. Folding with
// (x - 1) mod N + 1 reaches the last card of the deck, where x mod N would give code 0.
TEST(FoundationStartCodes, ShiftedFirstCardReachesTheLastCardOfTheDeck) {
    DealFixture fixture;
    GameDefRecord game = StockGame();
    SetWords(game, words::kFoundationStartCode, {91, 91, 91, 91});
    ASSERT_TRUE(fixture.Redeal(game, NumberStartingWith(game, 52)));
    EXPECT_EQ(FoundationCards(fixture, 4), (std::vector<int>{13, 26, 39, 52}));
    ExpectWholeDeck(fixture, 52);

    ASSERT_TRUE(fixture.Redeal(game, NumberStartingWith(game, 1)));
    EXPECT_EQ(FoundationCards(fixture, 4), (std::vector<int>{14, 27, 40, 1}));
    ExpectWholeDeck(fixture, 52);

    GameDefRecord twoDecks = StockGame(104, 8);
    SetWords(twoDecks, words::kFoundationStartCode, {91, 91, 91, 91, 91, 91, 91, 91});
    ASSERT_TRUE(fixture.Redeal(twoDecks, NumberStartingWith(twoDecks, 104)));
    EXPECT_EQ(FoundationCards(fixture, 8), (std::vector<int>{13, 26, 39, 52, 65, 78, 91, 104}));
    ExpectWholeDeck(fixture, 104);
}

TEST(FoundationStartCodes, CodesBeyondTheCardsLayNothing) {
    DealFixture fixture;
    GameDefRecord game = StockGame(104, 16);
    for (int i = 0; i < 16; ++i) game.SetAt(words::kFoundationStartCode, i, 99);
    game.SetAt(words::kFoundationStartCode, 15, 300);
    ASSERT_TRUE(fixture.Redeal(game, "8"));
    EXPECT_EQ(fixture.Cards(PileListId::kDest, 0), std::vector<int>{99});
    EXPECT_TRUE(fixture.Cards(PileListId::kDest, 1).empty());  // 99 + 13 is no card
    EXPECT_TRUE(fixture.Cards(PileListId::kDest, 15).empty());
    ExpectWholeDeck(fixture, 104);
}

TEST(DealCards, ThirdPileStockWasteAndReserves) {
    DealFixture fixture;
    GameDefRecord game = StockGame(52, 0, 10);
    game.SetWord(words::kStockFaceDown, 0);
    game.SetWord(words::kWasteCount, 3);
    game.SetWord(words::kThirdPileStartCard, 113);
    game.SetWord(words::kThirdPileCount, 2);
    game.SetWord(words::kReserveCount, 4);
    SetWords(game, words::kReserveDealA, {1, 2, 0, 3});
    SetWords(game, words::kReserveDealB, {1, 0, 1, -1});
    const DealList order = OrderOf(game, "4242");
    ASSERT_TRUE(fixture.Redeal(game, "4242"));

    const auto third = fixture.Cards(PileListId::kMazzo, kThirdStockLine);
    ASSERT_EQ(third.size(), 3U);
    EXPECT_EQ(third[0], 13);
    EXPECT_TRUE(fixture.IsUp(13));
    EXPECT_TRUE(fixture.IsUp(third[2]));

    const auto stock = fixture.Cards(PileListId::kMazzo, kStockLine);
    ASSERT_EQ(stock.size(), 10U);
    EXPECT_TRUE(std::all_of(stock.begin(), stock.end(), [&](int c) { return fixture.IsUp(c); }));
    const auto waste = fixture.Cards(PileListId::kMazzo, kWasteLine);
    ASSERT_EQ(waste.size(), 3U);
    EXPECT_TRUE(std::all_of(waste.begin(), waste.end(), [&](int c) { return fixture.IsUp(c); }));

    const auto r0 = fixture.Cards(PileListId::kAppogg, 0);
    const auto r1 = fixture.Cards(PileListId::kAppogg, 1);
    const auto r3 = fixture.Cards(PileListId::kAppogg, 3);
    ASSERT_EQ(r0.size(), 1U);
    ASSERT_EQ(r1.size(), 2U);
    EXPECT_TRUE(fixture.Cards(PileListId::kAppogg, 2).empty());
    ASSERT_EQ(r3.size(), 3U);
    EXPECT_TRUE(fixture.IsUp(r0[0]));
    EXPECT_FALSE(fixture.IsUp(r1[1]));
    EXPECT_TRUE(fixture.IsUp(r3[0]));
    EXPECT_FALSE(fixture.IsUp(r3[1]));
    EXPECT_TRUE(fixture.IsUp(r3[2]));
}

TEST(DealCards, RankAndJokerCodesAreDealtBeforeTheStock) {
    DealFixture fixture;
    GameDefRecord game = StockGame(52, 0, 104);
    game.SetWord(words::kJokersUsed, 1);
    game.SetWord(words::kJokerCount, 1);
    game.SetWord(words::kTableauCount, 3);
    SetWords(game, words::kTableauDealA, {1013, 1501, 2});
    SetWords(game, words::kTableauDealB, {1, 0, 1});
    const DealList order = OrderOf(game, "606");
    ASSERT_TRUE(fixture.Redeal(game, "606"));
    const int firstKing = *std::find_if(order.begin(), order.end(), [](int c) { return CardRank(c) == kKing; });
    EXPECT_EQ(fixture.Cards(PileListId::kFila, 0), std::vector<int>{firstKing});
    EXPECT_TRUE(fixture.IsUp(firstKing));
    EXPECT_EQ(fixture.Cards(PileListId::kFila, 1), std::vector<int>{105});
    EXPECT_TRUE(fixture.IsUp(105));
    EXPECT_TRUE(fixture.Cards(PileListId::kFila, 2).empty());  // the stock took every other card first
    EXPECT_EQ(fixture.Cards(PileListId::kMazzo, kStockLine).size(), 51U);
}

TEST(FoundationPrefill, OneCardSetsEveryBase) {
    DealFixture fixture;
    GameDefRecord game = StockGame(52, 4, 50);
    game.SetWord(words::kFoundationPrefillMode, 1);
    game.SetAt(words::kTableauRuleA, 2, kBelowFoundationBase);
    game.SetAt(words::kTableauRuleA, 27, kBelowFoundationBase);
    const DealList order = OrderOf(game, "321");
    ASSERT_TRUE(fixture.Redeal(game, "321"));
    EXPECT_EQ(fixture.Cards(PileListId::kDest, 0), std::vector<int>{order[50]});
    const int rank = CardRank(order[50]);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(fixture.game.At(words::kFoundationBase, i), rank);
    EXPECT_EQ(fixture.game.At(words::kTableauRuleA, 2), PrevRank(rank));
    EXPECT_EQ(fixture.game.At(words::kTableauRuleA, 27), PrevRank(rank));
    EXPECT_EQ(fixture.game.At(words::kTableauRuleA, 3), 0);
}

TEST(FoundationPrefill, AJokerLeavesTheBaseToTheFirstCardPlayed) {
    DealFixture fixture;
    GameDefRecord game = StockGame(52, 4, 33);
    game.SetWord(words::kJokersUsed, 1);
    game.SetWord(words::kJokerCount, 2);
    game.SetWord(words::kFoundationPrefillMode, 1);
    ASSERT_EQ(OrderOf(game, "5550001112223")[33], 105);
    ASSERT_TRUE(fixture.Redeal(game, "5550001112223"));
    EXPECT_EQ(fixture.Cards(PileListId::kDest, 0), std::vector<int>{105});
    EXPECT_EQ(fixture.game.At(words::kFoundationBase, 9), kJokerBase);
}

TEST(FoundationPrefill, OneCardOnEachWithTheFirstBase) {
    DealFixture fixture;
    GameDefRecord game = StockGame(52, 4, 48);
    game.SetWord(words::kFoundationPrefillMode, 2);
    const DealList order = OrderOf(game, "11");
    ASSERT_TRUE(fixture.Redeal(game, "11"));
    EXPECT_EQ(FoundationCards(fixture, 4), (std::vector<int>{order[48], order[49], order[50], order[51]}));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(fixture.game.At(words::kFoundationBase, i), CardRank(order[48]));
    EXPECT_EQ(fixture.game.At(words::kFoundationBase, 4), 0);
    ExpectWholeDeck(fixture, 52);
}

TEST(FoundationPrefill, BasesFromTheReserves) {
    DealFixture fixture;
    GameDefRecord game = StockGame(52, 4, 104);
    game.SetWord(words::kFoundationPrefillMode, 3);
    game.SetWord(words::kReserveCount, 4);
    // The reserves take rank codes before anything else is dealt: a King and a Five.
    game.SetWord(words::kStockCount, 0);
    SetWords(game, words::kReserveDealA, {1013, 1005});
    ASSERT_TRUE(fixture.Redeal(game, "12"));
    EXPECT_EQ(fixture.game.At(words::kFoundationBase, 0), kAce);  // a King is followed by an Ace
    EXPECT_EQ(fixture.game.At(words::kFoundationBase, 1), 6);
    EXPECT_EQ(fixture.game.At(words::kFoundationBase, 2), kAce);  // an empty reserve changes nothing
}

TEST(FoundationPrefill, TwoBaseGroupsAndTheExtraCard) {
    DealFixture fixture;
    GameDefRecord game = StockGame(104, 8, 102);
    game.SetWord(words::kFoundationPrefillMode, 4);
    game.SetWord(words::kExtraFoundationCard, 1);
    game.SetAt(words::kFoundationBase, 0, 9);
    const DealList order = OrderOf(game, "100");
    ASSERT_TRUE(fixture.Redeal(game, "100"));
    EXPECT_EQ(fixture.Cards(PileListId::kDest, 0), (std::vector<int>{order[102], order[103]}));
    const int rank = CardRank(order[102]);
    EXPECT_EQ(fixture.game.At(words::kFoundationBase, 0), 9);
    EXPECT_EQ(fixture.game.At(words::kFoundationBase, 3), rank);
    EXPECT_EQ(fixture.game.At(words::kFoundationBase, 4), NextRank(rank));
    EXPECT_EQ(fixture.game.At(words::kFoundationBase, 7), NextRank(rank));
    EXPECT_EQ(fixture.game.At(words::kFoundationBase, 8), 0);
    ExpectWholeDeck(fixture, 104);
}

TEST(DealCards, ScoresEachCardPlayedAndTheDealtTable) {
    DealFixture fixture;
    GameDefRecord game = KlondikeRecord();
    SetWords(game, words::kFoundationStartCode, {93, 93, 93, 93});
    ASSERT_TRUE(fixture.Redeal(game, "1234"));
    int onFoundations = 0;
    for (int i = 0; i < 4; ++i) onFoundations += static_cast<int>(fixture.Cards(PileListId::kDest, i).size());
    EXPECT_EQ(fixture.scoredCards, onFoundations - 4);  // the start cards do not score
    EXPECT_EQ(fixture.scoreComputations, 1);
    ExpectWholeDeck(fixture, 52);
}

TEST(DealCards, ACardCountThatCannotBeDealtDealsNothing) {
    DealFixture fixture;
    GameDefRecord game = KlondikeRecord();
    game.SetWord(words::kCardCount, 78);
    EXPECT_FALSE(fixture.Redeal(game, "1"));
    EXPECT_EQ(fixture.Dump(), "");
    EXPECT_EQ(fixture.scoreComputations, 0);
    EXPECT_EQ(fixture.messages.Texts(test_support::MessageEvent::Kind::Info),
              std::vector<std::string>{"Error 01 - fnGameNumberCardsArray"});
}

}  // namespace
}  // namespace engine::deal_test
