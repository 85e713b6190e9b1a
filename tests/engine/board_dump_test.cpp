#include "engine/model/board_dump.h"

#include <gtest/gtest.h>

#include "engine/model/card_board.h"

namespace engine {
namespace {

TEST(BoardDump, EmptyBoardDumpsNothing) {
    const CardBoard board;
    EXPECT_EQ(DumpBoard(board.piles), "");
}

TEST(BoardDump, PilesInBoardOrderWithFaceFlags) {
    CardBoard board;
    board.piles.AddCardToPile(PileListId::kFila, 0, 12, "1");
    board.piles.AddCardToPile(PileListId::kFila, 0, 45, "0");
    board.piles.AddCardToPile(PileListId::kAppogg, 9, 105, "1");
    board.piles.AddCardToPile(PileListId::kDest, 2, 1, "1");
    board.piles.AddCardToPile(PileListId::kDest, 2, 0, "");
    board.piles.AddCardToPile(PileListId::kMazzo, kStockLine, 104, "0");
    board.piles.AddCardToPile(PileListId::kMazzo, kWasteLine, 53, "1");
    EXPECT_EQ(DumpBoard(board.piles),
              "Mazzo: 104d\n"
              "Mazzo_Vis: 053u\n"
              "Dest03: 001u 000\n"
              "Fila01: 012u 045d\n"
              "Appogg10: 105u\n");
}

TEST(BoardDump, DamagedGroupsShowAsThemselves) {
    const CardBoard board;
    EXPECT_EQ(DumpPile("0x1109" "01", board.cards), "0x1? 109? 01?");
}

}  // namespace
}  // namespace engine
