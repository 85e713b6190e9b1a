#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/pile_names.h"
#include "engine/model/pile_store.h"
#include "engine/ports/services.h"
#include "engine/undo/undo_snapshot.h"

namespace engine {

class GameDefRecord;
class Registers;
class TMainGame;

// PushUndoSnapshot's clear argument that empties the redo store instead of pushing.
inline constexpr std::uint8_t kClearRedo = 1;
inline constexpr std::uint8_t kNoClear = 0;

inline constexpr std::string_view kDelLinesMessage = "Del Lines";

// The undo history: the board before each action, newest last, in four lists of snapshot
// lines (UndoMazzo 3 lines a step, UndoDest 16, UndoFila 28, UndoAppogg 10), and the redo
// store of the same shape. The move logs of the steps stay in the registers (log 1 undo,
// log 2 redo), one entry a step.
//
// Beside each step the store keeps the game's counters as they were with that board, kept
// out of the snapshot lines, so that undoing a redeal gives the pass back.
//
// Every operation leaves each list holding whole steps, all four lists of a store the
// same number of steps, and one counters entry a step. Pairing games
// (KeepsSelectionInFoundation) store foundation 0 as an empty line and never restore it.
class UndoStore {
public:
    // The counters that belong to a board. StockHighlightShown is not among them: a
    // restore redraws the empty stock unlit, so it clears the flag instead.
    struct Counters {
        std::int16_t redealCount = 0;  // TMainGame.RedealCount
        std::int32_t stockDeals = 0;   // integer register kStockDealCountReg
        std::int16_t actionCount = 0;  // TMainGame.ActionCount
        bool operator==(const Counters&) const = default;
    };

    // Redraws go through services.tableView and messages through services.messages; either
    // may be null, which draws or shows nothing.
    UndoStore(PileStore& piles, const GameDefRecord& game, Registers& registers, TMainGame& table,
              const Services& services);
    UndoStore(const UndoStore&) = delete;
    UndoStore& operator=(const UndoStore&) = delete;

    // UndoMazzo, UndoDest, UndoFila, UndoAppogg by the pile list they mirror.
    const PileList& UndoList(PileListId list) const;
    // RedoMazzo, RedoDest, RedoFila, RedoAppogg.
    const PileList& RedoList(PileListId list) const;
    int UndoStepCount() const;
    int RedoStepCount() const;

    // The current board as a step would record it (foundation 0 empty in pairing games).
    SnapshotLines CurrentSnapshot() const;

    // undo true: the current board becomes the newest undo step, with an empty entry in the
    // undo log. undo false: clear kClearRedo empties the redo store and the redo log; any
    // other clear pushes the board as the newest redo step.
    void PushUndoSnapshot(bool undo, std::uint8_t clear);

    // Removes the n newest undo steps (n <= 0: none) and merges the undo log's newest
    // entries once per step, the newest text surviving. After k actions of one move,
    // n = k - 1 leaves one step: the board before the first action. ok false shows
    // "Del Lines" and changes nothing.
    void DeleteUndoSteps(bool ok, int n);
    // Removes the steps pushed since the store held stepCount steps, as DeleteUndoSteps
    // does: for automatic actions that belong to the move before them.
    void DeleteStepsSince(int stepCount);
    // Folds the n + 1 newest undo steps into one the same way: the folded step is the
    // board before the first of them.
    void MergeLastUndoSteps(bool ok, int n);

    // clearAll true: every pile line empty, the undo store and the undo log emptied.
    // Always: the redo store and the redo log emptied, flag 2 (game in progress) cleared.
    // redraw true: the table shows the background alone.
    void ClearBoard(bool redraw, bool clearAll);

    // The Undo command: the current board becomes the newest redo step, the newest undo
    // step is written back to the piles with its face flags and its counters and dropped,
    // its log entry moves to the redo log, StockHighlightShown is cleared and the table is
    // redrawn. False when there is no step.
    bool UndoLastStep();
    // The Redo command: the same from the redo store to the undo store.
    bool RedoLastStep();

    // For UndoMoveGroup: the newest n undo steps and their log entries go without a trace
    // (n is cut to the steps there are); a snapshot becomes the newest undo step with an
    // empty log entry and the given counters.
    void DropNewestUndoSteps(int n);
    void AppendUndoStep(const SnapshotLines& snapshot, const Counters& counters);
    // The counters of the board as it is now.
    Counters CurrentCounters() const;
    // Gives the newest undo step other counters (none: nothing happens).
    void SetNewestUndoCounters(const Counters& counters);

private:
    // A store: the four lists of snapshot lines, indexed by PileListId, and the counters
    // of each step, oldest first.
    struct Steps {
        std::array<PileList, 4> lists;
        std::vector<Counters> counters;
    };

    static int StepCount(const Steps& store);
    static void AppendStep(Steps& store, const SnapshotLines& snapshot, const Counters& counters);
    static void RemoveNewestStep(Steps& store);
    static void ClearSteps(Steps& store);
    static SnapshotLines NewestStep(const Steps& store);

    void FoldNewestSteps(bool ok, int n);
    bool RestoreNewestStep(Steps& from, int fromLog, Steps& to, int toLog);
    void WriteBack(const SnapshotLines& snapshot);
    void RestoreCounters(const Counters& counters);
    void DropSelectedCardsOffBoard();
    bool IsSelectable(int card) const;
    void Redraw(bool withCards);

    PileStore& m_piles;
    const GameDefRecord& m_game;
    Registers& m_registers;
    TMainGame& m_table;
    const Services& m_services;  // the owner's, so ports wired later are seen
    Steps m_undo;
    Steps m_redo;
};

}  // namespace engine
