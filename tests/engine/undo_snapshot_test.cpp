#include "engine/undo/undo_snapshot.h"

#include <gtest/gtest.h>

#include "engine/model/card_board.h"

namespace engine {
namespace {

TEST(UndoSnapshotTest, PileLineCarriesCodesFaceFlagsAndBlanks) {
    CardBoard board;
    board.cards.SetCardFaceFlag(13, kFaceDown);
    EXPECT_EQ(PileToSnapshotLine("", board.cards), "");
    EXPECT_EQ(PileToSnapshotLine("013000027", board.cards), "013000000271");
    // A group that is no number counts as a blank; a trailing fragment is no card.
    EXPECT_EQ(PileToSnapshotLine("0x1027", board.cards), "00000271");
    EXPECT_EQ(PileToSnapshotLine("02701", board.cards), "0271");
}

TEST(UndoSnapshotTest, LineBackToPileRestoresFaceFlags) {
    CardBoard board;
    EXPECT_EQ(SnapshotLineToPile("0130000002710", board.cards), "013000027");
    EXPECT_TRUE(board.cards.IsFaceDown(13));
    EXPECT_FALSE(board.cards.IsFaceDown(27));
    EXPECT_EQ(SnapshotLineToPile("0270", board.cards), "027");
    EXPECT_TRUE(board.cards.IsFaceDown(27));
    EXPECT_EQ(SnapshotLineToPile("", board.cards), "");
}

TEST(UndoSnapshotTest, BoardToLinesWritesEverySlotInBoardOrder) {
    CardBoard board;
    board.piles.SetPile(PileListId::kMazzo, kThirdStockLine, "001");
    board.piles.SetPile(PileListId::kDest, 15, "002");
    board.piles.SetPile(PileListId::kFila, 0, "003004");
    board.piles.SetPile(PileListId::kFila, 27, "005");
    board.piles.SetPile(PileListId::kAppogg, 9, "006");
    board.cards.SetCardFaceFlag(3, kFaceDown);

    std::vector<std::string> lines = {"stale"};
    BoardToLines(board.piles, lines);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kBoardLineCount));
    EXPECT_EQ(lines[2], "0011");
    EXPECT_EQ(lines[18], "0021");
    EXPECT_EQ(lines[19], "00300041");
    EXPECT_EQ(lines[46], "0051");
    EXPECT_EQ(lines[56], "0061");
    int filled = 0;
    for (const auto& line : lines) filled += line.empty() ? 0 : 1;
    EXPECT_EQ(filled, 5);
    EXPECT_EQ(SnapshotListOffset(PileListId::kFila), 19);
    EXPECT_EQ(SnapshotListOffset(PileListId::kAppogg), 47);
}

}  // namespace
}  // namespace engine
