#include "engine/model/table_object.h"

#include <gtest/gtest.h>

#include "engine/model/card_board.h"
#include "engine/model/game_list.h"
#include "engine/model/game_record.h"

namespace {

using engine::TMainGame;

std::string ListLine(int id, std::string_view name) {
    return engine::MakeGameListLine(4, id, false, name);
}

TEST(TableObjectPositionsTest, EveryPileStartsAbsentAndEveryStateWordZero) {
    const TMainGame game;
    for (int i = 0; i < engine::kMazzoLineCount; ++i) {
        EXPECT_EQ(game.GetStockX(i), engine::kAbsentPileX);
        EXPECT_EQ(game.GetStockY(i), engine::kAbsentPileX);
    }
    for (int i = 0; i < engine::kDestLineCount; ++i) {
        EXPECT_EQ(game.GetFoundationX(i), engine::kAbsentFoundationX);
        EXPECT_FALSE(engine::IsPileOnTable(game.GetFoundationX(i)));
    }
    for (int i = 0; i < engine::kAppoggLineCount; ++i) {
        EXPECT_EQ(game.GetReserveX(i), engine::kAbsentReserveX);
    }
    EXPECT_EQ(game.TableTopOffset, 0);
    EXPECT_EQ(game.ActionCount, 0);
    EXPECT_EQ(game.JokerCaptionKey, 0);
    EXPECT_TRUE(game.GameList.empty());
}

TEST(TableObjectPositionsTest, OnlyTheYGettersSubtractTheTableTopOffset) {
    TMainGame game;
    game.SetFoundationX(3, 200);
    game.SetFoundationY(3, 120);
    game.SetStockY(1, 50);
    game.SetReserveY(9, 70);
    game.TableTopOffset = 20;
    EXPECT_EQ(game.GetFoundationY(3), 100);
    EXPECT_EQ(game.GetFoundationX(3), 200);
    EXPECT_EQ(game.GetStockY(1), 30);
    EXPECT_EQ(game.GetReserveY(9), 50);
}

TEST(TableObjectPositionsTest, OffTableLimitIsInclusive) {
    EXPECT_FALSE(engine::IsPileOnTable(-10000));
    EXPECT_FALSE(engine::IsPileOnTable(-10003));
    EXPECT_TRUE(engine::IsPileOnTable(-9999));
    EXPECT_TRUE(engine::IsPileOnTable(0));
}

TEST(TableObjectPositionsTest, IndexesOutsideTheKindReadAbsentAndAreNotWritten) {
    TMainGame game;
    game.SetStockX(3, 10);
    game.SetFoundationX(16, 10);
    game.SetReserveX(-1, 10);
    game.SetReserveY(10, 10);
    EXPECT_EQ(game.GetStockX(3), engine::kAbsentPileX);
    EXPECT_EQ(game.GetFoundationX(16), engine::kAbsentFoundationX);
    EXPECT_EQ(game.GetReserveX(-1), engine::kAbsentReserveX);
    EXPECT_EQ(game.GetReserveX(9), engine::kAbsentReserveX);
    EXPECT_EQ(game.GetStockX(2), engine::kAbsentPileX);
}

TEST(TableObjectGameListTest, LineNIsTriedBeforeTheSearch) {
    TMainGame game;
    // Game 7 also lies on line 2; the answer 7 shows that line 7 was asked first.
    game.GameList = {ListLine(0, "A"), ListLine(1, "B"), ListLine(7, "Early seven"), ListLine(3, "D"),
                     ListLine(4, "E"), ListLine(5, "F"), ListLine(6, "G"), ListLine(7, "Seven")};
    EXPECT_EQ(game.GetGameIndex(7), 7);
    EXPECT_EQ(game.GetGameName(7), "Seven");
}

TEST(TableObjectGameListTest, AGameOffItsLineIsFoundByTheSearch) {
    TMainGame game;
    game.GameList = {ListLine(0, "A"), ListLine(1, "B"), ListLine(2, "C"), ListLine(7, "Seven"), ListLine(4, "E")};
    EXPECT_EQ(game.GetGameIndex(7), 3);
    EXPECT_EQ(game.GetGameName(7), "Seven");
    EXPECT_EQ(game.GetGameIndex(9), -1);
    EXPECT_EQ(game.GetGameName(9), "");
}

TEST(TableObjectGameListTest, CustomizedAndNegativeIdsAreNotInTheList) {
    TMainGame game;
    game.GameList = {ListLine(3, "Three")};
    EXPECT_EQ(game.GetGameIndex(8003), -1);
    EXPECT_EQ(game.GetGameName(8003), "");
    EXPECT_EQ(game.GetGameIndex(-1), -1);
}

TEST(TableObjectGameListTest, ShortOrDamagedLinesMatchNothing) {
    TMainGame game;
    game.GameList = {"", "004 ", "004 0x1  0Bad", ListLine(1, "One")};
    EXPECT_EQ(game.GetGameIndex(1), 3);
    EXPECT_EQ(game.GetGameIndex(0), -1);
}

TEST(TableObjectGameListTest, DoneEmptiesTheLists) {
    TMainGame game;
    game.GameList = {ListLine(1, "One")};
    game.SecondList = {"x"};
    game.Done();
    EXPECT_TRUE(game.GameList.empty());
    EXPECT_TRUE(game.SecondList.empty());
}

class TableObjectPilesTest : public ::testing::Test {
protected:
    engine::CardBoard board;
    TMainGame game;
};

TEST_F(TableObjectPilesTest, TopCardOfPileReadsTheLastCode) {
    board.piles.SetPile(engine::PileListId::kDest, 4, "");
    board.piles.SetPile(engine::PileListId::kFila, 0, "014007");
    board.piles.SetPile(engine::PileListId::kMazzo, engine::kStockLine, "001002");
    board.piles.SetPile(engine::PileListId::kMazzo, engine::kWasteLine, "052");
    board.piles.SetPile(engine::PileListId::kMazzo, engine::kThirdStockLine, "033");
    board.piles.SetPile(engine::PileListId::kAppogg, 9, "040");
    EXPECT_EQ(game.TopCardOfPile(board.piles, "Dest05"), 0);
    EXPECT_EQ(game.TopCardOfPile(board.piles, "Fila01"), 7);
    EXPECT_EQ(game.TopCardOfPile(board.piles, "Fila1"), 7);
    EXPECT_EQ(game.TopCardOfPile(board.piles, "Mazzo"), 2);
    EXPECT_EQ(game.TopCardOfPile(board.piles, "Mazzo_Vis"), 52);
    EXPECT_EQ(game.TopCardOfPile(board.piles, "Appogg10"), 40);
    EXPECT_EQ(game.TopCardOfPile(board.piles, "Mazzo_Waste"), 0);
    EXPECT_EQ(game.TopCardOfPile(board.piles, "Selezionate"), 0);
    EXPECT_EQ(game.TopCardOfPile(board.piles, "Fila29"), 0);
}

TEST_F(TableObjectPilesTest, IsTopOfSomeTableauLooksOnlyAtTheGamesPiles) {
    engine::GameDefRecord def;
    def.SetWord(engine::words::kTableauCount, 2);
    board.piles.SetPile(engine::PileListId::kFila, 0, "014007");
    board.piles.SetPile(engine::PileListId::kFila, 1, "000");
    board.piles.SetPile(engine::PileListId::kFila, 2, "030");
    EXPECT_TRUE(game.IsTopOfSomeTableau(board.piles, def, 7));
    EXPECT_FALSE(game.IsTopOfSomeTableau(board.piles, def, 14));
    EXPECT_FALSE(game.IsTopOfSomeTableau(board.piles, def, 30));
    EXPECT_FALSE(game.IsTopOfSomeTableau(board.piles, def, 0));
    def.SetWord(engine::words::kTableauCount, 3);
    EXPECT_TRUE(game.IsTopOfSomeTableau(board.piles, def, 30));
}

}  // namespace
