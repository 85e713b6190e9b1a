#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {
class RandomGenerator;
}

namespace engine {

// Indexes of the flag register in use.
namespace flag {
inline constexpr int kHoldAndExit = 0;
inline constexpr int kGameInProgress = 2;
inline constexpr int kClockRunning = 3;
inline constexpr int kStartupPending = 4;  // until the first activation of the application
inline constexpr int kSecondClickPending = 5;
inline constexpr int kWinAnimationRunning = 6;
inline constexpr int kUnusedMark = 7;  // set, never read
inline constexpr int kGameWon = 8;
inline constexpr int kStopAutoplay = 9;
}  // namespace flag

// Indexes of the time and integer registers.
inline constexpr int kClockStartTimeReg = 0;
inline constexpr int kStockDealCountReg = 0;  // stock deals (the call counter) of the current game
inline constexpr int kLastMouseMoveReg = 1;   // tick of the last mouse move over the table
inline constexpr std::int32_t kNoMouseMove = -1;  // while cards are dragged and after start-up

// The two move logs; any other number means the redo log.
inline constexpr int kUndoMoveLog = 1;
inline constexpr int kRedoMoveLog = 2;

// Small run-state stores shared by the engine, the table and the shell: byte flags,
// date-time and integer registers, the random-walk tables that make the tableau look
// hand-laid, and the move logs recording which card moved in each undo step.
// Indexes out of range are ignored on writes and read as 0.
class Registers {
public:
    static constexpr int kFlagCount = 12;
    static constexpr int kTimeRegCount = 2;
    static constexpr int kIntRegCount = 2;
    static constexpr int kWalkTableCount = 7;   // numbered from 1
    static constexpr int kWalkEntryCount = 14;  // entries 0 .. 12 are filled
    static constexpr int kWalkEntriesFilled = 13;

    Registers();

    void SetFlag(int index, std::uint8_t value);
    std::uint8_t GetFlag(int index) const;

    // Days since the platform's date-time epoch.
    void SetTimeReg(int index, double value);
    double GetTimeReg(int index) const;

    void SetIntReg(int index, std::int32_t value);
    std::int32_t GetIntReg(int index) const;

    void SetWalkOffset(int table, int entry, std::int16_t value);
    std::int16_t GetWalkOffset(int table, int entry) const;
    // A fresh random walk of small steps whose running sum stays within -2 .. 2.
    void FillWalkTable(int table, platform::RandomGenerator& random);
    void FillWalkTables(platform::RandomGenerator& random);

    // Logs are texts of entries each followed by ","; an entry is usually a card code.
    void AppendLogEntry(int log, std::string_view entry);
    std::string LastLogEntry(int log) const;
    void DropLastLogEntry(int log);
    // The undo log's last entry becomes the card's three-digit code.
    void ReplaceLastLogEntry(int card);
    // The entry before the last goes; the last stays.
    void MergeLastLogEntries(int log);
    // How many three-digit groups of all entries are the card.
    int CountCardInLog(int log, int card) const;
    void ClearMoveLog(int log);
    const std::string& MoveLog(int log) const;

private:
    std::string& Log(int log) { return log == kUndoMoveLog ? m_undoMoveLog : m_redoMoveLog; }

    std::array<std::uint8_t, kFlagCount> m_flags{};
    std::array<double, kTimeRegCount> m_timeRegs{};
    std::array<std::int32_t, kIntRegCount> m_intRegs{};
    std::array<std::array<std::int16_t, kWalkEntryCount>, kWalkTableCount> m_walkTables{};
    std::string m_undoMoveLog;
    std::string m_redoMoveLog;
};

}  // namespace engine
