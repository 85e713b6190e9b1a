#include "engine/model/registers.h"

#include <gtest/gtest.h>

#include "platform/core/random.h"

namespace {

using engine::Registers;

TEST(RegistersTest, StartState) {
    Registers registers;
    for (int i = 0; i < Registers::kFlagCount; ++i) EXPECT_EQ(registers.GetFlag(i), 0) << i;
    EXPECT_EQ(registers.GetIntReg(engine::kStockDealCountReg), 0);
    EXPECT_EQ(registers.GetIntReg(engine::kLastMouseMoveReg), -1);
    EXPECT_EQ(registers.GetTimeReg(engine::kClockStartTimeReg), 0.0);
    EXPECT_EQ(registers.MoveLog(engine::kUndoMoveLog), "");
}

TEST(RegistersTest, StoresReadBackAndIgnoreBadIndexes) {
    Registers registers;
    registers.SetFlag(engine::flag::kGameWon, 1);
    registers.SetFlag(11, 7);
    registers.SetFlag(12, 9);
    registers.SetFlag(-1, 9);
    EXPECT_EQ(registers.GetFlag(engine::flag::kGameWon), 1);
    EXPECT_EQ(registers.GetFlag(11), 7);
    EXPECT_EQ(registers.GetFlag(12), 0);
    EXPECT_EQ(registers.GetFlag(-1), 0);

    registers.SetTimeReg(0, 46000.25);
    registers.SetTimeReg(2, 1.0);
    EXPECT_EQ(registers.GetTimeReg(0), 46000.25);
    EXPECT_EQ(registers.GetTimeReg(2), 0.0);

    registers.SetIntReg(0, 3);
    registers.SetIntReg(5, 3);
    EXPECT_EQ(registers.GetIntReg(0), 3);
    EXPECT_EQ(registers.GetIntReg(5), 0);

    registers.SetWalkOffset(7, 13, -2);
    registers.SetWalkOffset(0, 1, 5);
    registers.SetWalkOffset(8, 1, 5);
    registers.SetWalkOffset(1, 14, 5);
    EXPECT_EQ(registers.GetWalkOffset(7, 13), -2);
    EXPECT_EQ(registers.GetWalkOffset(0, 1), 0);
    EXPECT_EQ(registers.GetWalkOffset(8, 1), 0);
    EXPECT_EQ(registers.GetWalkOffset(1, 14), 0);
}

TEST(RegistersTest, WalkTablesStartAtZeroAndStayNearTheLine) {
    for (std::uint32_t seed = 0; seed < 500; ++seed) {
        platform::RandomGenerator random(seed * 2654435761u);
        Registers registers;
        registers.SetWalkOffset(3, 0, 9);
        registers.FillWalkTables(random);
        for (int table = 1; table <= Registers::kWalkTableCount; ++table) {
            EXPECT_EQ(registers.GetWalkOffset(table, 0), 0);
            int sum = 0;
            for (int entry = 1; entry < Registers::kWalkEntriesFilled; ++entry) {
                const int step = registers.GetWalkOffset(table, entry);
                EXPECT_GE(step, -2);
                EXPECT_LE(step, 2);
                sum += step;
                ASSERT_GE(sum, -2) << "seed " << seed << " table " << table;
                ASSERT_LE(sum, 2) << "seed " << seed << " table " << table;
            }
        }
    }
}

TEST(RegistersTest, WalkTableFollowsTheGenerator) {
    // Each table takes 13 draws, so the seven tables take 91.
    platform::RandomGenerator random(1234);
    platform::RandomGenerator reference(1234);
    Registers registers;
    registers.FillWalkTables(random);
    for (int draw = 0; draw < 7 * 13; ++draw) reference.Random(4);
    EXPECT_EQ(random.State(), reference.State());

    // Rebuilt by hand from the same draws for one table.
    platform::RandomGenerator again(1234);
    int previous = again.Random(4);
    int sum = 0;
    for (int entry = 1; entry <= 12; ++entry) {
        int v = again.Random(4);
        if (previous > 2 && v > 2)
            v = 0;
        else if (v >= 1 && previous <= 2 && v <= 2)
            v = 0;
        previous = v;
        if (v > 2) v = 2 - v;
        sum += v;
        if (sum > 2) {
            v -= 2;
            sum -= 2;
        } else if (sum < -2) {
            v += 2;
            sum += 2;
        }
        EXPECT_EQ(registers.GetWalkOffset(1, entry), v) << entry;
    }
}

TEST(MoveLogTest, LastDropAndMerge) {
    Registers registers;
    registers.AppendLogEntry(1, "005");
    registers.AppendLogEntry(1, "012");
    EXPECT_EQ(registers.MoveLog(1), "005,012,");
    EXPECT_EQ(registers.LastLogEntry(1), "012");

    Registers dropped = registers;
    dropped.DropLastLogEntry(1);
    EXPECT_EQ(dropped.MoveLog(1), "005,");

    Registers merged = registers;
    merged.MergeLastLogEntries(1);
    EXPECT_EQ(merged.MoveLog(1), "012,");
}

TEST(MoveLogTest, SingleAndEmptyLogs) {
    Registers registers;
    registers.AppendLogEntry(1, "007");
    EXPECT_EQ(registers.LastLogEntry(1), "007");
    registers.MergeLastLogEntries(1);
    EXPECT_EQ(registers.MoveLog(1), "007,");
    registers.DropLastLogEntry(1);
    EXPECT_EQ(registers.MoveLog(1), "");

    EXPECT_EQ(registers.LastLogEntry(1), "");
    registers.DropLastLogEntry(1);
    registers.MergeLastLogEntries(1);
    EXPECT_EQ(registers.MoveLog(1), "");
}

TEST(MoveLogTest, ReplaceTouchesOnlyTheUndoLog) {
    Registers registers;
    registers.AppendLogEntry(1, "005");
    registers.AppendLogEntry(1, "012");
    registers.AppendLogEntry(2, "033");
    registers.ReplaceLastLogEntry(7);
    EXPECT_EQ(registers.MoveLog(1), "005,007,");
    EXPECT_EQ(registers.MoveLog(2), "033,");

    Registers empty;
    empty.ReplaceLastLogEntry(52);
    EXPECT_EQ(empty.MoveLog(1), "052,");
}

TEST(MoveLogTest, CountAndClear) {
    Registers registers;
    registers.AppendLogEntry(1, "007");
    registers.AppendLogEntry(1, "012007");
    EXPECT_EQ(registers.CountCardInLog(1, 7), 2);
    EXPECT_EQ(registers.CountCardInLog(1, 12), 1);
    EXPECT_EQ(registers.CountCardInLog(1, 70), 0);  // groups, not substrings
    EXPECT_EQ(registers.CountCardInLog(2, 7), 0);

    // Any log number but 1 is the redo log.
    registers.AppendLogEntry(5, "007");
    EXPECT_EQ(registers.MoveLog(2), "007,");
    EXPECT_EQ(registers.CountCardInLog(2, 7), 1);
    // An entry with a stray tail or junk counts only its whole numeric groups.
    registers.AppendLogEntry(2, "00700");
    registers.AppendLogEntry(2, "ab7");
    EXPECT_EQ(registers.CountCardInLog(2, 7), 2);

    registers.ClearMoveLog(1);
    EXPECT_EQ(registers.MoveLog(1), "");
    EXPECT_EQ(registers.MoveLog(2), "007,00700,ab7,");
}

}  // namespace
