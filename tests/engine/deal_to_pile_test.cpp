#include "engine/deal/deal_to_pile.h"

#include <gtest/gtest.h>

#include "engine/model/card_board.h"
#include "engine/model/card_codes.h"

namespace engine {
namespace {

class DealToPileTest : public testing::Test {
protected:
    CardBoard board;
    const std::string& Fila0() const { return board.piles.Pile(PileListId::kFila, 0); }
};

TEST_F(DealToPileTest, PlainCountsComeFromTheFrontFaceDown) {
    DealList list{5, 18, 31, 44};
    DealToPile(3, list, board.piles, PileListId::kFila, 0);
    EXPECT_EQ(Fila0(), "005018031");
    EXPECT_EQ(list, DealList{44});
    EXPECT_TRUE(board.cards.IsFaceDown(18));
}

TEST_F(DealToPileTest, NeverTakesMoreThanTheListHolds) {
    DealList list{5, 18};
    DealToPile(7, list, board.piles, PileListId::kFila, 0);
    EXPECT_EQ(Fila0(), "005018");
    EXPECT_TRUE(list.empty());
    DealToPile(7, list, board.piles, PileListId::kFila, 0);
    EXPECT_EQ(Fila0(), "005018");
}

TEST_F(DealToPileTest, CountsBelowOneDealNothing) {
    DealList list{5, 18};
    DealToPile(0, list, board.piles, PileListId::kFila, 0);
    DealToPile(-3, list, board.piles, PileListId::kFila, 0);
    EXPECT_EQ(Fila0(), "");
    EXPECT_EQ(list.size(), 2U);
}

TEST_F(DealToPileTest, ARankCodeTakesTheFirstCardOfThatRank) {
    DealList list{5, 26, 13, 39};
    DealToPile(1013, list, board.piles, PileListId::kFila, 0);
    EXPECT_EQ(Fila0(), "026");
    EXPECT_TRUE(board.cards.IsFaceDown(26));
    EXPECT_EQ(list, (DealList{5, 13, 39}));
}

TEST_F(DealToPileTest, ARankCodeWithoutSuchACardAddsNothing) {
    DealList list{5, 18, 31};
    DealToPile(1013, list, board.piles, PileListId::kFila, 0);
    EXPECT_EQ(Fila0(), "");
    EXPECT_EQ(list.size(), 3U);
}

TEST_F(DealToPileTest, AJokerCodeLaysItsJokerFaceUp) {
    board.cards.SetCardFaceFlag(106, '0');
    DealList list{5, 106, 18};
    DealToPile(1502, list, board.piles, PileListId::kAppogg, 1);
    EXPECT_EQ(board.piles.Pile(PileListId::kAppogg, 1), "106");
    EXPECT_FALSE(board.cards.IsFaceDown(106));
    EXPECT_EQ(list, (DealList{5, 18}));

    DealList noJoker{5};
    DealToPile(1504, noJoker, board.piles, PileListId::kFila, 0);
    EXPECT_EQ(Fila0(), "108");
    EXPECT_EQ(noJoker, DealList{5});
}

TEST(TakeFromDealList, TakesTheFirstOccurrenceOnly) {
    DealList list{3, 7, 3};
    EXPECT_TRUE(TakeFromDealList(list, 3));
    EXPECT_EQ(list, (DealList{7, 3}));
    EXPECT_FALSE(TakeFromDealList(list, 9));
    EXPECT_EQ(TakeFrontCard(list), 7);
    EXPECT_EQ(TakeFrontCard(list), 3);
    EXPECT_EQ(TakeFrontCard(list), kNoCard);
}

}  // namespace
}  // namespace engine
