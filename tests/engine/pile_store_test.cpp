#include "engine/model/pile_store.h"

#include <gtest/gtest.h>

#include "engine/model/card_board.h"

namespace engine {
namespace {

constexpr int kTableaus = 7;
constexpr int kReserves = 4;

class PileStoreTest : public ::testing::Test {
protected:
    CardBoard board;
    PileStore& piles = board.piles;
    CardTable& cards = board.cards;

    const std::string& Fila(int line) const { return piles.Pile(PileListId::kFila, line); }
    const std::string& Dest(int line) const { return piles.Pile(PileListId::kDest, line); }
    const std::string& Mazzo(int line) const { return piles.Pile(PileListId::kMazzo, line); }
    const std::string& Appogg(int line) const { return piles.Pile(PileListId::kAppogg, line); }
};

TEST_F(PileStoreTest, StartsWithEveryLineEmpty) {
    EXPECT_EQ(piles.List(PileListId::kMazzo).size(), 3u);
    EXPECT_EQ(piles.List(PileListId::kDest).size(), 16u);
    EXPECT_EQ(piles.List(PileListId::kFila).size(), 28u);
    EXPECT_EQ(piles.List(PileListId::kAppogg).size(), 10u);
    EXPECT_EQ(piles.Backup(PileListId::kFila).size(), 28u);
    for (const auto& pile : piles.List(PileListId::kFila)) EXPECT_TRUE(pile.empty());
}

TEST_F(PileStoreTest, AddCardAppendsAndSetsTheFaceFlag) {
    piles.AddCardToPile(PileListId::kFila, 0, 14, "0");
    EXPECT_EQ(Fila(0), "014");
    piles.AddCardToPile(PileListId::kFila, 0, 7, "1");
    EXPECT_EQ(Fila(0), "014007");
    EXPECT_TRUE(cards.IsFaceDown(14));
    EXPECT_FALSE(cards.IsFaceDown(7));

    cards.SetCardFaceFlag(20, kFaceDown);
    piles.AddCardToPile(PileListId::kDest, 3, 20, "");  // no flag text: the flag stays
    EXPECT_TRUE(cards.IsFaceDown(20));
    piles.AddCardToPile(PileListId::kDest, 3, 0, "1");  // a blank slot
    EXPECT_EQ(Dest(3), "020000");
}

TEST_F(PileStoreTest, AddCardIgnoresBadLinesAndCodes) {
    piles.AddCardToPile(PileListId::kFila, 28, 5, "1");
    piles.AddCardToPile(PileListId::kAppogg, -1, 5, "1");
    piles.AddCardToPile(PileListId::kFila, 0, 109, "1");
    piles.AddCardToPile(PileListId::kFila, 0, -1, "1");
    EXPECT_EQ(Fila(0), "");
    EXPECT_EQ(piles.List(PileListId::kFila).size(), 28u);
    EXPECT_EQ(piles.List(PileListId::kAppogg).size(), 10u);
}

TEST_F(PileStoreTest, AddCardToNamedPile) {
    piles.AddCardToNamedPile("Fila01", 14, "1");
    piles.AddCardToNamedPile("Fila1", 7, "0");
    piles.AddCardToNamedPile("Dest3", 1, "1");
    piles.AddCardToNamedPile("Appogg10", 2, "1");
    piles.AddCardToNamedPile("Mazzo_Vis", 3, "1");
    EXPECT_EQ(Fila(0), "014007");
    EXPECT_TRUE(cards.IsFaceDown(7));
    EXPECT_EQ(Dest(2), "001");
    EXPECT_EQ(Appogg(9), "002");
    EXPECT_EQ(Mazzo(kWasteLine), "003");
}

TEST_F(PileStoreTest, NamedPileRefusesTheStockAndOtherNamesButSetsTheFlag) {
    const CardBoard fresh;
    piles.AddCardToNamedPile("Mazzo", 9, "0");
    piles.AddCardToNamedPile("Mazzo_Waste", 10, "1");
    piles.AddCardToNamedPile("Fila29", 11, "1");
    piles.AddCardToNamedPile("Nowhere", 12, "1");
    piles.AddCardToNamedPile("Fila01", 0, "0");  // the flag of no card is no record
    for (const PileListId list : {PileListId::kMazzo, PileListId::kDest, PileListId::kAppogg}) {
        EXPECT_EQ(piles.List(list), fresh.piles.List(list));
    }
    EXPECT_EQ(Fila(0), "000");
    EXPECT_TRUE(cards.IsFaceDown(9));
    EXPECT_EQ(cards.Records().size(), fresh.cards.Records().size());
}

TEST_F(PileStoreTest, FindCardInPileModes) {
    piles.SetPile(PileListId::kFila, 2, "014007001");
    EXPECT_TRUE(piles.FindCardInPile(PileListId::kFila, 2, 7, FindMode::kTest));
    EXPECT_EQ(Fila(2), "014007001");
    EXPECT_FALSE(piles.FindCardInPile(PileListId::kFila, 2, 70, FindMode::kDelete));
    EXPECT_FALSE(piles.FindCardInPile(PileListId::kFila, 2, 140, FindMode::kDelete));  // straddles groups
    EXPECT_EQ(Fila(2), "014007001");

    EXPECT_TRUE(piles.FindCardInPile(PileListId::kFila, 2, 7, FindMode::kBlank));
    EXPECT_EQ(Fila(2), "014000001");

    piles.SetPile(PileListId::kFila, 2, "014007001");
    EXPECT_TRUE(piles.FindCardInPile(PileListId::kFila, 2, 7, FindMode::kDelete));
    EXPECT_EQ(Fila(2), "014001");

    EXPECT_FALSE(piles.FindCardInPile(PileListId::kFila, 28, 7, FindMode::kTest));
    EXPECT_FALSE(piles.FindCardInPile(PileListId::kFila, -1, 7, FindMode::kTest));
}

TEST_F(PileStoreTest, FindModeThreeTakesTheBlankBelow) {
    piles.SetPile(PileListId::kFila, 0, "014000007");
    EXPECT_TRUE(piles.FindCardInPile(PileListId::kFila, 0, 7, FindMode::kDeleteWithBlankBelow));
    EXPECT_EQ(Fila(0), "014");

    piles.SetPile(PileListId::kFila, 0, "014007000");  // the blank above stays
    EXPECT_TRUE(piles.FindCardInPile(PileListId::kFila, 0, 7, FindMode::kDeleteWithBlankBelow));
    EXPECT_EQ(Fila(0), "014000");

    piles.SetPile(PileListId::kFila, 0, "001007");  // no blank below
    EXPECT_TRUE(piles.FindCardInPile(PileListId::kFila, 0, 7, FindMode::kDeleteWithBlankBelow));
    EXPECT_EQ(Fila(0), "001");
}

TEST_F(PileStoreTest, FindModeThreeOnTheBottomCardKeepsTheBlankAboveIt) {
    piles.SetPile(PileListId::kFila, 0, "007000005");
    EXPECT_TRUE(piles.FindCardInPile(PileListId::kFila, 0, 7, FindMode::kDeleteWithBlankBelow));
    EXPECT_EQ(Fila(0), "000005");
}

TEST_F(PileStoreTest, TakeCardFromBoardSearchOrder) {
    // Never in a sound game, but the order decides: the waste before the tableau.
    piles.SetPile(PileListId::kMazzo, kWasteLine, "005");
    piles.SetPile(PileListId::kFila, 0, "005");
    EXPECT_EQ(piles.RemoveCardFromBoard(5, kTableaus), pile_kind::kWaste);
    EXPECT_EQ(Mazzo(kWasteLine), "");
    EXPECT_EQ(Fila(0), "005");
    EXPECT_EQ(piles.RemoveCardFromBoard(5, kTableaus), pile_kind::kTableau);

    piles.SetPile(PileListId::kFila, 3, "009");
    piles.SetPile(PileListId::kDest, 0, "009");
    EXPECT_EQ(piles.BlankCardOnBoard(9, kTableaus), pile_kind::kTableau);
    EXPECT_EQ(Fila(3), "000");
    EXPECT_EQ(Dest(0), "009");
    EXPECT_EQ(piles.BlankCardOnBoard(9, kTableaus), pile_kind::kFoundation);
    EXPECT_EQ(Dest(0), "000");
}

TEST_F(PileStoreTest, TakeCardFromBoardReachesEveryKind) {
    piles.SetPile(PileListId::kDest, 15, "011");
    piles.SetPile(PileListId::kMazzo, kStockLine, "012");
    piles.SetPile(PileListId::kMazzo, kThirdStockLine, "013");
    piles.SetPile(PileListId::kAppogg, 9, "014");
    piles.SetPile(PileListId::kFila, kTableaus, "015");  // beyond the game's tableau piles
    EXPECT_EQ(piles.RemoveCardFromBoard(11, kTableaus), pile_kind::kFoundation);
    EXPECT_EQ(piles.RemoveCardFromBoard(12, kTableaus), pile_kind::kStock);
    EXPECT_EQ(piles.RemoveCardFromBoard(13, kTableaus), pile_kind::kThirdStock);
    EXPECT_EQ(piles.RemoveCardFromBoard(14, kTableaus), pile_kind::kReserve);
    EXPECT_EQ(piles.RemoveCardFromBoard(15, kTableaus), pile_kind::kNone);
    EXPECT_EQ(Fila(kTableaus), "015");
    EXPECT_EQ(piles.RemoveCardFromBoard(15, 99), pile_kind::kTableau);  // a count past the list is clipped
    EXPECT_EQ(piles.RemoveCardFromBoard(16, kTableaus), pile_kind::kNone);
}

TEST_F(PileStoreTest, LocateCard) {
    piles.SetPile(PileListId::kMazzo, kStockLine, "001");
    piles.SetPile(PileListId::kMazzo, kWasteLine, "002");
    piles.SetPile(PileListId::kMazzo, kThirdStockLine, "003");
    piles.SetPile(PileListId::kDest, 2, "004");
    piles.SetPile(PileListId::kFila, 0, "005");
    piles.SetPile(PileListId::kAppogg, 1, "006");
    piles.SetPile(PileListId::kDest, 15, "007");
    piles.SetPile(PileListId::kFila, 6, "008");
    piles.SetPile(PileListId::kFila, 7, "009");
    piles.SetPile(PileListId::kAppogg, kReserves, "010");

    EXPECT_EQ(piles.LocateCard(1, kTableaus, kReserves), kLocatedInStock);
    EXPECT_EQ(piles.LocateCard(2, kTableaus, kReserves), kLocatedInWaste);
    EXPECT_EQ(piles.LocateCard(3, kTableaus, kReserves), kLocatedNowhere);  // the third pile is not searched
    EXPECT_EQ(piles.LocateCard(4, kTableaus, kReserves), -3);
    EXPECT_EQ(piles.LocateCard(5, kTableaus, kReserves), 1);
    EXPECT_EQ(piles.LocateCard(6, kTableaus, kReserves), -22);
    EXPECT_EQ(piles.LocateCard(7, kTableaus, kReserves), -16);
    EXPECT_EQ(piles.LocateCard(8, kTableaus, kReserves), 7);
    EXPECT_EQ(piles.LocateCard(9, kTableaus, kReserves), kLocatedNowhere);
    EXPECT_EQ(piles.LocateCard(10, kTableaus, kReserves), kLocatedNowhere);
    EXPECT_EQ(piles.LocateCard(10, kTableaus, kReserves + 1), -25);
    EXPECT_EQ(piles.LocateCard(50, kTableaus, kReserves), kLocatedNowhere);
}

TEST_F(PileStoreTest, RemoveCardsFromCardCutsTheStack) {
    piles.SetPile(PileListId::kFila, 4, "013012011010");
    piles.SetPile(PileListId::kAppogg, 0, "011");
    piles.RemoveCardsFromCard(11);
    EXPECT_EQ(Fila(4), "013012");
    EXPECT_EQ(Appogg(0), "011");  // the tableau is searched first

    piles.RemoveCardsFromCard(11);
    EXPECT_EQ(Appogg(0), "");
    piles.SetPile(PileListId::kDest, 0, "001");
    piles.RemoveCardsFromCard(1);  // foundations are left alone
    EXPECT_EQ(Dest(0), "001");
    piles.RemoveCardsFromCard(13);
    EXPECT_EQ(Fila(4), "");
}

TEST_F(PileStoreTest, BackupRestoreAndClear) {
    piles.SetPile(PileListId::kFila, 0, "001002");
    piles.SetPile(PileListId::kMazzo, kStockLine, "003");
    piles.BackupPileLists();
    EXPECT_EQ(piles.Backup(PileListId::kFila)[0], "001002");
    piles.RemoveCardFromBoard(2, kTableaus);
    piles.ClearPiles();
    EXPECT_EQ(Mazzo(kStockLine), "");
    EXPECT_EQ(piles.List(PileListId::kFila).size(), 28u);
    piles.RestorePileLists();
    EXPECT_EQ(Fila(0), "001002");
    EXPECT_EQ(Mazzo(kStockLine), "003");
}

TEST_F(PileStoreTest, PileAccessByReference) {
    const PileRef waste{PileListId::kMazzo, kWasteLine};
    piles.SetPile(waste, "042");
    EXPECT_EQ(piles.Pile(waste), "042");
    piles.SetPile(PileListId::kDest, 16, "001");
    EXPECT_EQ(piles.Pile(PileListId::kDest, 16), "");
}

TEST(CardBoard, TwoBoardsShareNothing) {
    CardBoard a;
    CardBoard b;
    a.piles.AddCardToPile(PileListId::kFila, 0, 1, "0");
    EXPECT_EQ(b.piles.Pile(PileListId::kFila, 0), "");
    EXPECT_TRUE(a.cards.IsFaceDown(1));
    EXPECT_FALSE(b.cards.IsFaceDown(1));
}

}  // namespace
}  // namespace engine
