#include "engine/deal/special_deals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine/deal/deal_kinds.h"
#include "engine/deal/foundation_play.h"
#include "engine/model/pile_text.h"
#include "tests/engine/deal_fixture.h"

namespace engine::deal_test {
namespace {

GameDefRecord KindGame(int dealKind, int cardCount, std::initializer_list<int> tableauCounts, int stock = 0) {
    GameDefRecord game;
    game.SetWord(words::kCardCount, cardCount);
    game.SetWord(words::kDealKind, dealKind);
    game.SetWord(words::kTableauCount, static_cast<int>(tableauCounts.size()));
    game.SetWord(words::kStockCount, stock);
    game.SetWord(words::kStockFaceDown, 1);
    SetWords(game, words::kTableauDealA, tableauCounts);
    for (int i = 0; i < static_cast<int>(tableauCounts.size()); ++i) game.SetAt(words::kTableauDealB, i, 1);
    return game;
}

void AddFoundations(GameDefRecord& game, int count, int base = kAce) {
    game.SetWord(words::kFoundationCount, count);
    for (int i = 0; i < count; ++i) {
        game.SetAt(words::kFoundationBase, i, base);
        game.SetAt(words::kFoundationDirection, i, 1);
    }
}

void ExpectEachCodeOnce(const DealFixture& fixture, int cards) {
    const auto counts = fixture.CodeCounts();
    EXPECT_EQ(counts.count(kNoCard), 0U) << fixture.Dump();
    EXPECT_EQ(static_cast<int>(counts.size()), cards) << fixture.Dump();
    for (const auto& [card, count] : counts) EXPECT_EQ(count, 1) << card;
}

std::vector<int> Fila(const DealFixture& fixture, int line) {
    return fixture.Cards(PileListId::kFila, line);
}

TEST(PlaceInBlankSlot, FillsTheFirstBlankUnlessTheRankIsThere) {
    CardBoard board;
    board.piles.SetPile(PileListId::kFila, 0, "005000000");
    EXPECT_TRUE(PlaceInBlankSlot(board.piles, PileListId::kFila, 0, 7));
    EXPECT_EQ(board.piles.Pile(PileListId::kFila, 0), "005007000");
    EXPECT_FALSE(PlaceInBlankSlot(board.piles, PileListId::kFila, 0, 18));  // another Five
    EXPECT_TRUE(PlaceInBlankSlot(board.piles, PileListId::kFila, 0, 105));
    EXPECT_FALSE(PlaceInBlankSlot(board.piles, PileListId::kFila, 0, 9));  // no blank left
    EXPECT_EQ(board.piles.Pile(PileListId::kFila, 0), "005007105");
}

TEST(KingToStockBottom, KingsGoUnderTheStockAndTheFirstOtherCardTakesTheirPlace) {
    CardBoard board;
    board.piles.SetPile(PileListId::kFila, 0, "013");
    board.piles.SetPile(PileListId::kFila, 1, "005");
    board.piles.SetPile(PileListId::kFila, 2, "026007");
    board.piles.SetPile(PileListId::kMazzo, kStockLine, "039002003");
    board.cards.SetCardFaceFlag(2, '0');
    KingToStockBottom(board.piles, PileListId::kFila);
    EXPECT_EQ(board.piles.Pile(PileListId::kFila, 0), "002");
    EXPECT_EQ(board.piles.Pile(PileListId::kFila, 1), "005");
    EXPECT_EQ(board.piles.Pile(PileListId::kFila, 2), "003007");  // the card above the King stays
    EXPECT_EQ(board.piles.Pile(PileListId::kMazzo, kStockLine), "026013039");
    EXPECT_FALSE(board.cards.IsFaceDown(2));
    EXPECT_FALSE(board.cards.IsFaceDown(3));  // turned down on the stock's top, then dealt up

    board.piles.SetPile(PileListId::kDest, 0, "052");
    KingToStockBottom(board.piles, PileListId::kDest);
    EXPECT_EQ(board.piles.Pile(PileListId::kDest, 0), "");  // only Kings left in the stock
    EXPECT_EQ(board.piles.Pile(PileListId::kMazzo, kStockLine), "052026013039");
    EXPECT_TRUE(board.cards.IsFaceDown(39));
}

TEST(SpecialDeals, KingsToStockBottomKeepsEveryCard) {
    DealFixture fixture;
    GameDefRecord game = KindGame(deal_kind::kKingsToStockBottom, 52, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 40);
    for (const char* number : {"1", "13", "777", "1000000000007"}) {
        ASSERT_TRUE(fixture.Redeal(game, number));
        for (int i = 0; i < 12; ++i) EXPECT_NE(CardRank(Fila(fixture, i).front()), kKing) << number;
        ExpectEachCodeOnce(fixture, 52);
    }
}

TEST(SpecialDeals, CourtCardsOpenThePiles) {
    for (const auto& [kind, court] : {std::pair{deal_kind::kPilesFromKings, kKing}, {deal_kind::kPilesFromQueens, kQueen}}) {
        DealFixture fixture;
        GameDefRecord game = KindGame(kind, 52, {0, 0, 0, 0, 0, 0, 0, 0});
        AddFoundations(game, 4);
        ASSERT_TRUE(fixture.Redeal(game, "2468"));
        for (int i = 0; i < 4; ++i) {
            const auto pile = Fila(fixture, i);
            ASSERT_FALSE(pile.empty());
            EXPECT_EQ(CardRank(pile.front()), court);
            EXPECT_EQ(std::count_if(pile.begin(), pile.end(), [&](int c) { return CardRank(c) == court; }), 1);
            EXPECT_TRUE(std::all_of(pile.begin(), pile.end(), [&](int c) { return fixture.IsUp(c); }));
        }
        EXPECT_TRUE(Fila(fixture, 4).empty());
        EXPECT_FALSE(fixture.Cards(PileListId::kDest, 0).empty());  // the Aces were played off
        ExpectEachCodeOnce(fixture, 52);
    }
}

TEST(SpecialDeals, NoPileHoldsARankTwice) {
    DealFixture fixture;
    const GameDefRecord game = KindGame(deal_kind::kDistinctRanksPerPile, 52, {13, 13, 13, 13});
    for (const char* number : {"1", "55", "9999999999999"}) {
        ASSERT_TRUE(fixture.Redeal(game, number));
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(AllRanksDistinct(fixture.Pile(PileListId::kFila, i))) << fixture.Dump();
            EXPECT_EQ(Fila(fixture, i).size(), 13U);
        }
        ExpectEachCodeOnce(fixture, 52);
    }
}

TEST(SpecialDeals, RanksThatCannotBeSpreadStillFillTheSlots) {
    DealFixture fixture;
    fixture.game = KindGame(deal_kind::kDistinctRanksPerPile, 52, {2, 2});
    fixture.board.piles.SetPile(PileListId::kFila, 0, "001002");
    fixture.board.piles.SetPile(PileListId::kFila, 1, "014027");
    DealContext deal = fixture.Context();
    DealList rest;
    ApplySpecialDeal(deal, rest);
    EXPECT_EQ(fixture.Pile(PileListId::kFila, 0), "001002");
    EXPECT_EQ(fixture.Pile(PileListId::kFila, 1), "014027");
}

TEST(SpecialDeals, PilesByRank) {
    DealFixture fixture;
    GameDefRecord lessTwo = KindGame(deal_kind::kPileByRankLessTwo, 52, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    AddFoundations(lessTwo, 4);
    SetWords(lessTwo, words::kFoundationStartCode, {93, 93, 93, 93});
    ASSERT_TRUE(fixture.Redeal(lessTwo, "31"));
    for (int i = 0; i < 12; ++i) {
        const auto pile = Fila(fixture, i);
        ASSERT_EQ(pile.size(), 4U);
        for (const int card : pile) EXPECT_EQ(CardRank(card), i + 2);
        EXPECT_TRUE(fixture.IsUp(pile.back()));
    }
    ExpectEachCodeOnce(fixture, 52);

    const GameDefRecord lessOne = KindGame(deal_kind::kPileByRankLessOne, 52, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    ASSERT_TRUE(fixture.Redeal(lessOne, "31"));
    for (int i = 0; i < 13; ++i) {
        for (const int card : Fila(fixture, i)) EXPECT_EQ(CardRank(card), i + 1);
    }
    ExpectEachCodeOnce(fixture, 52);
}

TEST(SpecialDeals, PilesByRankLeaveUndealtWhatHasNoPile) {
    DealFixture fixture;
    const GameDefRecord game = KindGame(deal_kind::kPileByRankLessTwo, 52, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    ASSERT_TRUE(fixture.Redeal(game, "31"));  // the Aces would go to pile -1
    EXPECT_EQ(fixture.CardsOnBoard(), 48);
    EXPECT_EQ(fixture.CodeCounts().count(1), 0U);
}

TEST(SpecialDeals, BottomCardsGoToTheirFoundations) {
    DealFixture fixture;
    GameDefRecord game = KindGame(deal_kind::kBottomCardsToFoundations, 52, {13, 13, 13, 13});
    AddFoundations(game, 4, -1);  // an empty foundation takes any card
    const DealList order = OrderOf(game, "8080");
    ASSERT_TRUE(fixture.Redeal(game, "8080"));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(fixture.Cards(PileListId::kDest, i), std::vector<int>{order[13 * i]});
        EXPECT_EQ(Fila(fixture, i).size(), 12U);
    }
    EXPECT_EQ(fixture.scoredCards, 4);
    ExpectEachCodeOnce(fixture, 52);
}

TEST(SpecialDeals, AcesAndKingsBlanked) {
    DealFixture fixture;
    ASSERT_TRUE(fixture.Redeal(KindGame(deal_kind::kAcesBlanked, 52, {13, 13, 13, 13}), "404"));
    auto counts = fixture.CodeCounts();
    EXPECT_EQ(counts[kNoCard], 4);
    EXPECT_EQ(fixture.CardsOnBoard(), 48);
    for (const int ace : {1, 14, 27, 40}) EXPECT_EQ(counts.count(ace), 0U);

    ASSERT_TRUE(fixture.Redeal(KindGame(deal_kind::kKingsBlanked, 52, {5, 5, 5, 5, 5, 5, 5, 5}, 12), "404"));
    counts = fixture.CodeCounts();
    for (int i = 0; i < 8; ++i) {
        const std::string& pile = fixture.Pile(PileListId::kFila, i);
        EXPECT_EQ(pile.size(), 27U);
        for (int k = 0; k < PileCardCount(pile); ++k) EXPECT_NE(CardRank(PileCardAt(pile, k)), kKing);
    }
}

TEST(SpecialDeals, LowCardsOnlyEmptiesThePileOfTheLastCard) {
    DealFixture fixture;
    ASSERT_TRUE(fixture.Redeal(KindGame(deal_kind::kLowCardsOnly, 52, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}), "23"));
    auto counts = fixture.CodeCounts();
    EXPECT_EQ(counts.size(), 9U);
    EXPECT_EQ(counts.begin()->first, 1);
    EXPECT_EQ(counts.rbegin()->first, 9);

    GameDefRecord wide = KindGame(deal_kind::kLowCardsOnly, 52, {});
    wide.SetWord(words::kTableauCount, 20);
    for (int i = 0; i < 20; ++i) wide.SetAt(words::kTableauDealA, i, 1);
    ASSERT_TRUE(fixture.Redeal(wide, "23"));
    counts = fixture.CodeCounts();
    EXPECT_EQ(counts.size(), 19U);
    EXPECT_EQ(counts.count(33), 0U);  // its pile was emptied
    EXPECT_EQ(counts.count(14), 0U);
    EXPECT_EQ(counts.count(26), 0U);
    EXPECT_EQ(counts.count(27), 1U);
}

TEST(SpecialDeals, RandomPileEmptiedByTheSharedGenerator) {
    DealFixture fixture;
    const GameDefRecord game = KindGame(deal_kind::kRandomPileEmptied, 52, {6, 6, 6, 6, 6, 6, 6, 6}, 4);
    fixture.random.Seed(12345);
    platform::RandomGenerator expected(12345);
    const int emptied = expected.Random(7);
    ASSERT_TRUE(fixture.Redeal(game, "1"));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Fila(fixture, i).empty(), i == emptied) << i;
    EXPECT_EQ(fixture.random.State(), expected.State());
}

TEST(SpecialDeals, OneCardPerRank) {
    DealFixture fixture;
    const GameDefRecord game = KindGame(deal_kind::kOneCardPerRank, 52, {1, 1, 1, 1, 1, 1, 1, 1});
    const DealList order = OrderOf(game, "369");
    ASSERT_TRUE(fixture.Redeal(game, "369"));
    std::vector<int> dealt;
    for (int i = 0; i < 8; ++i) dealt.push_back(Fila(fixture, i).front());
    std::vector<int> expected;
    for (const int card : order) {
        const int rank = CardRank(card);
        if (rank > 8) continue;
        if (std::none_of(expected.begin(), expected.end(), [&](int c) { return CardRank(c) == rank; })) {
            expected.push_back(card);
        }
    }
    EXPECT_EQ(dealt, expected);
}

TEST(SpecialDeals, OneSuitPerRank) {
    DealFixture fixture;
    const GameDefRecord game = KindGame(deal_kind::kOneSuitPerRank, 52, {1, 1, 1, 1, 1, 1, 1, 1, 1});
    const int suit = CardSuit(OrderOf(game, "777").front());
    ASSERT_TRUE(fixture.Redeal(game, "777"));
    std::set<int> ranks;
    for (int i = 0; i < 9; ++i) {
        const int card = Fila(fixture, i).front();
        EXPECT_EQ(CardSuit(card), suit);
        ranks.insert(CardRank(card));
    }
    EXPECT_EQ(ranks.size(), 9U);
    EXPECT_EQ(*ranks.rbegin(), 9);
}

TEST(SpecialDeals, ChosenCardsByPileCount) {
    DealFixture fixture;
    ASSERT_TRUE(fixture.Redeal(KindGame(deal_kind::kChosenCardsOnly, 104, {}, 104), "5"));
    auto counts = fixture.CodeCounts();
    EXPECT_EQ(counts.size(), 12U);
    EXPECT_EQ(counts.count(95), 1U);
    EXPECT_EQ(counts.count(33), 0U);

    ASSERT_TRUE(fixture.Redeal(KindGame(deal_kind::kChosenCardsOnly, 104, {0, 0, 0, 0, 0}, 104), "5"));
    counts = fixture.CodeCounts();
    EXPECT_EQ(counts.size(), 40U);
    EXPECT_EQ(counts.count(33), 1U);
    EXPECT_EQ(counts.count(96), 1U);
    EXPECT_EQ(counts.count(3), 0U);
}

TEST(SpecialDeals, CleanFoundationsFaceUp) {
    DealFixture fixture;
    fixture.game.SetWord(words::kDealKind, deal_kind::kCleanFoundations);
    fixture.board.piles.SetPile(PileListId::kDest, 0, "001014");
    fixture.board.piles.SetPile(PileListId::kDest, 9, "052");
    fixture.board.cards.SetCardFaceFlag(14, '0');
    fixture.board.cards.SetCardFaceFlag(52, '0');
    DealContext deal = fixture.Context();
    DealList rest;
    ApplySpecialDeal(deal, rest);
    EXPECT_EQ(fixture.Pile(PileListId::kDest, 0), "001014");
    EXPECT_TRUE(fixture.IsUp(14));
    EXPECT_TRUE(fixture.IsUp(52));
}

TEST(SpecialDeals, HeartsCourtSetOut) {
    DealFixture fixture;
    GameDefRecord game = KlondikeRecord();
    game.SetWord(words::kGameKind, kHeartsCourtGameKind);
    ASSERT_TRUE(fixture.Redeal(game, "123"));
    const auto pile = Fila(fixture, 0);
    EXPECT_EQ(pile.back(), 12);
    EXPECT_TRUE(fixture.IsUp(12));
    EXPECT_EQ(fixture.Cards(PileListId::kMazzo, kStockLine).front(), 13);
    ExpectEachCodeOnce(fixture, 52);
}

}  // namespace
}  // namespace engine::deal_test
