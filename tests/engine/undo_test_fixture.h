#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/model/card_board.h"
#include "engine/model/game_record.h"
#include "engine/model/registers.h"
#include "engine/model/table_object.h"
#include "engine/ports/table_port.h"
#include "engine/undo/undo_store.h"
#include "tests/support/fake_services.h"

namespace engine::undo_test {

// The table's redraws, in order.
class RecordingTableView : public NullTableView {
public:
    void PaintBackground() override { calls.push_back("PaintBackground"); }
    void RepaintTable() override { calls.push_back("RepaintTable"); }
    void CopyBufferToScreen() override { calls.push_back("CopyBufferToScreen"); }

    std::vector<std::string> calls;
};

// A game state with an undo store over it.
class UndoFixture : public ::testing::Test {
protected:
    UndoFixture() : services(MakeServices()), store(board.piles, game, registers, table, services) {}

    Services MakeServices() {
        Services services = fake.Services();
        services.tableView = &view;
        return services;
    }

    void Set(PileListId list, int line, std::string pile) { board.piles.SetPile(list, line, std::move(pile)); }
    const std::string& Pile(PileListId list, int line) const { return board.piles.Pile(list, line); }

    // The board with every face flag, to compare boards exactly.
    SnapshotLines Board() const {
        SnapshotLines lines;
        BoardToLines(board.piles, lines);
        return lines;
    }

    // The counters a step records, as the game holds them now.
    UndoStore::Counters Counters() const {
        return {table.RedealCount, registers.GetIntReg(kStockDealCountReg), table.ActionCount};
    }
    void SetCounters(const UndoStore::Counters& counters) {
        table.RedealCount = counters.redealCount;
        registers.SetIntReg(kStockDealCountReg, counters.stockDeals);
        table.ActionCount = counters.actionCount;
    }

    // Each list of both stores holds whole steps, the same number in all four.
    void ExpectWholeSteps() const {
        for (const PileListId list : kSnapshotListOrder) {
            const std::size_t lines = static_cast<std::size_t>(PileLineCount(list));
            EXPECT_EQ(store.UndoList(list).size(), lines * static_cast<std::size_t>(store.UndoStepCount()));
            EXPECT_EQ(store.RedoList(list).size(), lines * static_cast<std::size_t>(store.RedoStepCount()));
        }
    }

    test_support::FakeServices fake;
    RecordingTableView view;
    CardBoard board;
    GameDefRecord game;
    Registers registers;
    TMainGame table;
    Services services;
    UndoStore store;
};

}  // namespace engine::undo_test
